#pragma once

#include "quiz/agequizwindow.h"

class QLabel;

namespace wellbox {

// frmHeartAttackRiskCalculatorMain: points are added answer by answer, the age points at the
// end, and the total read against the risk table.
class HeartAttackWindow final : public AgeQuizWindow {
    Q_OBJECT
public:
    explicit HeartAttackWindow(const WindowContext& context);

protected:
    void captureDetails() override;
    void takeAnswer(int question, int position, const QString& text) override;
    void showResult() override;

private:
    QLabel* m_result = nullptr;
    std::int16_t m_score = 0;
};

} // namespace wellbox
