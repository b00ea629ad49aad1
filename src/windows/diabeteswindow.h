#pragma once

#include "scoring/moddiabetesriskcalculator.h"
#include "windows/quizwindow.h"
#include "windows/unitchoices.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

namespace wellbox {

// frmDiabetesRiskCalculatorMain: name, height and weight, then five answers scored together
// with the weight points at the end.
class DiabetesWindow final : public QuizWindow {
    Q_OBJECT
public:
    explicit DiabetesWindow(const WindowContext& context);

protected:
    bool validateDetails() override; // the name first, then the weight
    void captureDetails() override;
    void takeAnswer(std::size_t question, int position) override;
    void showResult() override;
    void resetDetails() override;

private:
    // The height list and the units beside the boxes in the units chosen.
    void showUnits();
    // The units chosen on the first step, kept for the next start.
    void chooseUnits(BodyUnits units);

    QLineEdit* m_nameBox = nullptr;
    QComboBox* m_heightList = nullptr;
    NumberBox* m_weightBox = nullptr;
    QLabel* m_heightUnit = nullptr;
    QLabel* m_weightUnit = nullptr;
    std::array<QLabel*, 3> m_results{};
    UnitChoices m_choices;
    BodyUnits m_units;

    modDiabetesRiskCalculator::DiabetesAnswers m_answers{};
    QString m_name; // as typed; it takes no part in the score
};

} // namespace wellbox
