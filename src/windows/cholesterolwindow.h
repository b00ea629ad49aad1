#pragma once

#include "windows/agequizwindow.h"

namespace wellbox {

// frmCholesterolRiskCalculatorMain: the six answers are scored together at the end. Next
// Question keeps the focus with the result, so Enter scores the same answers again.
class CholesterolWindow final : public AgeQuizWindow {
    Q_OBJECT
public:
    explicit CholesterolWindow(const WindowContext& context);

protected:
    void showResult() override;
    bool resultTakesFocus() const override { return false; }
};

} // namespace wellbox
