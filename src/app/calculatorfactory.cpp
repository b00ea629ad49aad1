#include "app/calculatorfactory.h"

#include "windows/calorieinputwindow.h"
#include "windows/calorieresultwindow.h"
#include "windows/cholesterolwindow.h"
#include "windows/diabeteswindow.h"
#include "windows/heartattackwindow.h"

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
