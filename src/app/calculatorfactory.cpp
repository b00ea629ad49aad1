#include "app/calculatorfactory.h"

#include "app/mainwindow.h"
#include "windows/calorieinputwindow.h"
#include "windows/calorieresultwindow.h"
#include "windows/cholesterolwindow.h"
#include "windows/diabeteswindow.h"
#include "windows/heartattackwindow.h"

namespace wellbox {

namespace {

// Proceed: the result window takes over, the input window waits hidden behind it as left.
CalculatorWindow* calorieInput(const WindowContext& context, MainWindow& shell,
                               modCalorieCalculator::CalorieStore& store) {
    auto* input = new CalorieInputWindow(context, store);
    QObject::connect(input, &CalorieInputWindow::proceeded, &shell,
                     [&shell](const modCalorieCalculator::CalorieEntries& entries) {
                         auto* result = qobject_cast<CalorieResultWindow*>(
                             shell.loadCalculator(CalculatorKind::CalorieDisplay));
                         result->prepare(entries);
                         shell.hideCalculator(CalculatorKind::CalorieMain);
                         shell.openCalculator(CalculatorKind::CalorieDisplay);
                     });
    return input;
}

// Back: the input window comes back as it was left.
CalculatorWindow* calorieResult(const WindowContext& context, MainWindow& shell,
                                modCalorieCalculator::CalorieStore& store) {
    auto* result = new CalorieResultWindow(context, store);
    QObject::connect(result, &CalorieResultWindow::backRequested, &shell,
                     [&shell] { shell.openCalculator(CalculatorKind::CalorieMain); });
    return result;
}

} // namespace

CalculatorWindow* CalculatorWindows::create(CalculatorKind kind, const WindowContext& context,
                                            MainWindow& shell) {
    switch (kind) {
    case CalculatorKind::CalorieMain:
        return calorieInput(context, shell, m_calorieStore);
    case CalculatorKind::CalorieDisplay:
        return calorieResult(context, shell, m_calorieStore);
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
