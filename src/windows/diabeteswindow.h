#pragma once

#include "scoring/moddiabetesriskcalculator.h"
#include "windows/quizwindow.h"

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
    QLineEdit* m_nameBox = nullptr;
    QComboBox* m_heightList = nullptr;
    NumberBox* m_weightBox = nullptr;
    std::array<QLabel*, 3> m_results{};

    modDiabetesRiskCalculator::DiabetesAnswers m_answers{};
    QString m_name; // as typed; it takes no part in the score
};

} // namespace wellbox
