#pragma once

#include "windows/agequizwindow.h"

namespace wellbox {

// frmHeartAttackRiskCalculatorMain: the six answers are scored with the age and sex at the
// end, the total read against the risk table.
class HeartAttackWindow final : public AgeQuizWindow {
    Q_OBJECT
public:
    explicit HeartAttackWindow(const WindowContext& context);

protected:
    void showResult() override;
};

} // namespace wellbox
