#pragma once

#include "windows/agequizwindow.h"

#include <array>

class QLabel;

namespace wellbox {

// frmCholesterolRiskCalculatorMain: the six answers are kept and scored together at the end.
// Next Question keeps the focus with the result, so Enter scores the same answers again.
class CholesterolWindow final : public AgeQuizWindow {
    Q_OBJECT
public:
    explicit CholesterolWindow(const WindowContext& context);

protected:
    void captureDetails() override;
    void takeAnswer(int question, int position, const QString& text) override;
    void showResult() override;
    bool resultTakesFocus() const override { return false; }

private:
    std::array<QLabel*, 4> m_results{};
    std::array<int, 6> m_answers{};
};

} // namespace wellbox
