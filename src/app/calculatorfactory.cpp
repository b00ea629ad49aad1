#include "app/calculatorfactory.h"

#include "app/calculatorwindow.h"
#include "calorie/calorieinputwindow.h"
#include "calorie/calorieresultwindow.h"
#include "cholesterol/cholesterolwindow.h"
#include "diabetes/diabeteswindow.h"
#include "heart/heartattackwindow.h"

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
    switch (kind) {
    case CalculatorKind::CalorieMain:
        return new CalorieInputWindow(context);
    case CalculatorKind::CalorieDisplay:
        return new CalorieResultWindow(context);
    case CalculatorKind::HeartAttack:
        return new HeartAttackWindow(context);
    case CalculatorKind::Cholesterol:
        return new CholesterolWindow(context);
    case CalculatorKind::Diabetes:
        return new DiabetesWindow(context);
    default:
        break;
    }
    return new PlaceholderWindow(context, kind);
}

} // namespace wellbox
