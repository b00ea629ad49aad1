#include "app/calculatorfactory.h"

#include "app/calculatorwindow.h"

#include <QLabel>

namespace wellbox {

namespace {

// Stands in for a calculator whose window has not been written yet.
class PlaceholderWindow final : public CalculatorWindow {
public:
    PlaceholderWindow(const WindowContext& context, CalculatorKind kind)
        : CalculatorWindow(context, kind) {
        auto* body = new QLabel(this);
        body->setMinimumSize(480, 200);
        buildFrame(kind == CalculatorKind::CalorieDisplay ? Frame::CalorieResult
                   : kind == CalculatorKind::CalorieMain  ? Frame::CalorieInput
                                                          : Frame::RiskQuiz,
                   body);
    }
};

} // namespace

CalculatorWindow* createCalculatorWindow(CalculatorKind kind, const WindowContext& context) {
    return new PlaceholderWindow(context, kind);
}

} // namespace wellbox
