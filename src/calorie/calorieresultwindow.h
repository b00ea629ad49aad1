#pragma once

#include "app/calculatorwindow.h"

#include <array>

class QGroupBox;
class QLabel;
class QRadioButton;

namespace wellbox {

// `frmCalorieCalculatorDisplay`: the activity level is chosen here and the daily requirement
// shown, from the basal value the input window left in the calorie store.
class CalorieResultWindow final : public CalculatorWindow {
    Q_OBJECT
public:
    explicit CalorieResultWindow(const WindowContext& context, QWidget* parent = nullptr);

    // Brings the activity choice to the front; the input window calls it before showing us.
    void prepare();

protected:
    void exitCommand() override { exit(); }

private:
    QWidget* buildBody();
    QWidget* buildActivityFrame();
    QWidget* buildResultFrame();
    void addBackCommand();

    void calculate();
    void back();
    void exit();

    std::array<QRadioButton*, 5> m_activities{};
    QGroupBox* m_activityFrame = nullptr;
    QWidget* m_resultFrame = nullptr;
    QLabel* m_requiredCalories = nullptr;
};

} // namespace wellbox
