#pragma once

#include "windows/agequizwindow.h"

#include <array>

class QLabel;

namespace wellbox {

// frmHeartAttackRiskCalculatorMain: the six answers are kept and scored with the age and sex
// at the end, the total read against the risk table.
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
    std::array<int, 6> m_answers{};
};

} // namespace wellbox
