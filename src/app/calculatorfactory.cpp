#include "app/calculatorfactory.h"

#include "calorie/calorieinputwindow.h"
#include "calorie/calorieresultwindow.h"
#include "cholesterol/cholesterolwindow.h"
#include "diabetes/diabeteswindow.h"
#include "heart/heartattackwindow.h"

namespace wellbox {

CalculatorWindow* CalculatorWindows::create(CalculatorKind kind, const WindowContext& context) {
    switch (kind) {
    case CalculatorKind::CalorieMain:
        return new CalorieInputWindow(context, m_calorieStore);
    case CalculatorKind::CalorieDisplay:
        return new CalorieResultWindow(context, m_calorieStore);
    case CalculatorKind::HeartAttack:
        return new HeartAttackWindow(context);
    case CalculatorKind::Cholesterol:
        return new CholesterolWindow(context);
    case CalculatorKind::Diabetes:
        return new DiabetesWindow(context);
    }
    Q_UNREACHABLE();
    return nullptr;
}

} // namespace wellbox
