#pragma once

#include "widgets/calculatorwindow.h"

#include <array>

class QGroupBox;
class QLabel;
class QRadioButton;

namespace wellbox {

class FrameStack;
class ResultSheet;

namespace modCalorieCalculator {
struct CalorieStore;
enum class ActivityLevel;
} // namespace modCalorieCalculator

// `frmCalorieCalculatorDisplay`: the activity level is chosen here and the daily requirement
// shown, from the basal value the input window left in the calorie store.
class CalorieResultWindow final : public CalculatorWindow {
    Q_OBJECT
public:
    CalorieResultWindow(const WindowContext& context, modCalorieCalculator::CalorieStore& store,
                        QWidget* parent = nullptr);

    // Brings the activity choice to the front; the input window calls it before showing us.
    void prepare();

private:
    QWidget* buildBody();
    QWidget* buildActivityFrame();
    QWidget* buildResultFrame();
    void addBackCommand();

    void calculate();
    // The workings of the requirement for the chosen level, under the result.
    void showReport(modCalorieCalculator::ActivityLevel chosen);
    void back();

    FrameStack* m_frames = nullptr;
    std::array<QRadioButton*, 5> m_activities{};
    QGroupBox* m_activityFrame = nullptr;
    QWidget* m_resultFrame = nullptr;
    QLabel* m_requiredCalories = nullptr;
    ResultSheet* m_sheet = nullptr;
    modCalorieCalculator::CalorieStore& m_store;
};

} // namespace wellbox
