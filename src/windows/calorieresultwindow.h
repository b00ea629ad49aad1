#pragma once

#include "scoring/modcaloriecalculator.h"
#include "windows/calculatorwindow.h"

#include <array>

class QGroupBox;
class QLabel;
class QRadioButton;

namespace wellbox {

class FrameStack;
class ResultSheet;

namespace modCalorieCalculator {
struct CalorieStore;
} // namespace modCalorieCalculator

// `frmCalorieCalculatorDisplay`: the activity level is chosen here and the daily requirement
// shown, from the basal value the input window kept in the store, which keeps the requirement
// too for the whole run.
class CalorieResultWindow final : public CalculatorWindow {
    Q_OBJECT
public:
    CalorieResultWindow(const WindowContext& context, modCalorieCalculator::CalorieStore& store,
                        QWidget* parent = nullptr);

    // Takes the entries the input window's Proceed worked from, for the result's workings, and
    // brings the activity choice to the front, before the window is shown.
    void prepare(const modCalorieCalculator::CalorieEntries& entries);

signals:
    // Back: the window has closed, and the input window is wanted again as it was left.
    void backRequested();

private:
    QWidget* buildBody();
    QWidget* buildActivityFrame();
    QWidget* buildResultFrame();
    void addBackCommand();

    void calculate();
    void back();

    FrameStack* m_frames = nullptr;
    std::array<QRadioButton*, 5> m_activities{};
    QGroupBox* m_activityFrame = nullptr;
    QWidget* m_resultFrame = nullptr;
    QLabel* m_requiredCalories = nullptr;
    ResultSheet* m_sheet = nullptr;
    modCalorieCalculator::CalorieStore& m_store;
    modCalorieCalculator::CalorieEntries m_entries;
};

} // namespace wellbox
