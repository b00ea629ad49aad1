// The calorie calculator's two windows, each built alone: units and their frames, what Proceed
// refuses and what it hands on, the daily requirement per activity, and how the result window
// is left. Their texts are in texts.tsv; the hand-off between them is the main window's.

#include "scoring/caloriestore.h"
#include "support/datarows.h"
#include "support/nowindowleft.h"
#include "support/userpath.h"
#include "windows/calorieinputwindow.h"
#include "windows/calorieresultwindow.h"

#include <QAccessible>
#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>

using namespace wellbox;
using namespace wellbox::testing;
namespace calc = wellbox::modCalorieCalculator;

namespace {

CalorieInputWindow* newInput(const WindowContext& context) {
    return new CalorieInputWindow(context);
}

// A result window over `store`, prepared with what Proceed handed on, as the main window
// prepares it.
auto preparedResult(calc::CalorieStore& store, const calc::CalorieEntries& entries) {
    return Alone([&store, entries](const WindowContext& context) {
        auto* result = new CalorieResultWindow(context, store);
        result->prepare(entries);
        return result;
    });
}

// A man of 1, 70.0 kg and 1.7 m: basal 1868.
calc::CalorieEntries manOfOne() {
    return {calc::ComputeBasalCalories(Sex::Male, 70, 170, 1), "70.0 kg", "1.7 m"};
}

// What Proceed hands on after the steps, in an input window alone; none if it hands on nothing.
std::optional<calc::CalorieEntries> proceedAfter(const QString& steps) {
    const Alone input(newInput);
    QSignalSpy proceeded(input.window, &CalorieInputWindow::proceeded);
    if (!walk(input.window, steps + " > cmdCalculate").isEmpty() || proceeded.count() != 1)
        return std::nullopt;
    return proceeded[0][0].value<calc::CalorieEntries>();
}

// Every list selection and unit choice of the input window.
QVariantList inputState(const QWidget* input) {
    QVariantList state;
    for (const QWidget* control : input->findChildren<QWidget*>())
        state << control->property("currentText") << control->property("checked");
    return state;
}

// A screen reader's check of an option.
void check(QWidget* option) {
    QAccessible::queryAccessibleInterface(option)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
}

} // namespace

class TestCalorieWindows : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { checkNoWindowLeft(); }

    // Proceed refused: said once, nothing handed on, and nothing else changes. From
    // calorierefused.tsv.
    void proceedRefused_data() { addRowsFrom("calorierefused.tsv"); }

    void proceedRefused() {
        QFETCH(QString, entries);
        const Alone input(newInput);
        QSignalSpy proceeded(input.window, &CalorieInputWindow::proceeded);
        QCOMPARE(walk(input.window, entries), QString());
        const QVariantList before = inputState(input.window);
        QCOMPARE(walk(input.window, "mnuProceed"), QString());
        QCOMPARE(input.messageBox.texts(), QStringList{"Plese Select Both Your Height And Weight"});
        QCOMPARE(input.messageBox.shown[0].icon, MessageIcon::Information);
        QCOMPARE(input.messageBox.shown[0].buttons, MessageButtons::Ok);
        QCOMPARE(proceeded.count(), 0);
        QCOMPARE(input.window->isVisible(), true);
        QCOMPARE(inputState(input.window), before);
    }

    // Proceed hands on the weight and height as picked and the basal value worked out from
    // them, from calorierequirements.tsv.
    void proceedHandsOn_data() { addRowsFrom("calorierequirements.tsv"); }

    void proceedHandsOn() {
        QFETCH(QString, entries);
        const std::optional<calc::CalorieEntries> handed = proceedAfter(entries);
        QVERIFY(handed);
        QTEST(QString::fromStdString(handed->weightEntered), "weight");
        QTEST(QString::fromStdString(handed->heightEntered), "height");
        QTEST(QString::fromStdString(calc::basalFormula(handed->basal)), "working");
    }

    // Each activity in a fresh result window given what Proceed handed on: the requirement
    // shown, kept and worked out in the table. From calorierequirements.tsv.
    void requirements_data() { addRowsFrom("calorierequirements.tsv"); }

    void requirements() {
        QFETCH(QString, entries);
        QFETCH(QString, calories);
        const QStringList kcal = calories.split(' ');
        const std::optional<calc::CalorieEntries> handed = proceedAfter(entries);
        QVERIFY(handed);
        const QStringList activities{"optOne", "optTwo", "optThree", "optFour", "optFive"};
        for (int level = 0; level < 5; ++level) {
            calc::CalorieStore store;
            const auto result = preparedResult(store, *handed);
            QCOMPARE(QString::number(store.BasalCalories), kcal[0]);
            QVERIFY(inView(result.window->findChild<QWidget*>("fraSelectDailyActivity")));
            QCOMPARE(walk(result.window, activities[level] + " > cmdCalculate"), QString());
            QCOMPARE(result.window->findChild<QLabel*>("lblRequireCalories")->text(),
                     kcal[level + 1]);
            QCOMPARE(QString::number(store.RequiredCalories), kcal[level + 1]);
            QVERIFY(inView(result.window->findChild<QWidget*>("fraResult")));
            QVERIFY(!inView(result.window->findChild<QWidget*>("cmdCalculate")));
            // The workings: the basal value, then every level's requirement.
            const auto* table = result.window->findChild<QTableWidget*>("tblBreakdown");
            QStringList worked;
            for (int r = 0; r < table->rowCount(); ++r)
                worked << table->item(r, 2)->text();
            QCOMPARE(worked, kcal);
        }
    }

    // Calculate waits for an activity, here checked by a screen reader as a click checks it.
    void calculateWaitsForAnActivity() {
        calc::CalorieStore store;
        const auto result = preparedResult(store, manOfOne());
        const QWidget* calculate = result.window->findChild<QWidget*>("cmdCalculate");
        QCOMPARE(calculate->isEnabled(), false);
        check(result.window->findChild<QWidget*>("optThree"));
        QCOMPARE(calculate->isEnabled(), true);
        QCOMPARE(walk(result.window, "cmdCalculate"), QString());
        QCOMPARE(result.window->findChild<QLabel*>("lblRequireCalories")->text(), "2802");
    }

    // The result's Save, Print and Copy follow Back in the Tab order, and the table them.
    void keepButtonsFollowBack() {
        calc::CalorieStore store;
        const auto result = preparedResult(store, manOfOne());
        QCOMPARE(walk(result.window, "optOne > cmdCalculate"), QString());
        QCOMPARE(tabStops(result.window->findChild<QWidget*>("cmdBack"), 4),
                 QStringList({"cmdSavePdf", "cmdPrint", "cmdCopyResult", "tblBreakdown"}));
    }

    // Back, by its button or from the File menu, closes the result window and asks for the
    // input window; Exit closes it only. From calorieleaving.tsv.
    void leave_data() { addRowsFrom("calorieleaving.tsv"); }

    void leave() {
        QFETCH(QString, control);
        QFETCH(int, backRequested);
        calc::CalorieStore store;
        const auto result = preparedResult(store, manOfOne());
        QSignalSpy unloaded(result.window, &CalculatorWindow::unloaded);
        QSignalSpy back(result.window, &CalorieResultWindow::backRequested);
        QCOMPARE(walk(result.window, "optOne > cmdCalculate > " + control), QString());
        QCOMPARE(back.count(), backRequested);
        QCOMPARE(unloaded.count(), 1);
        QTRY_VERIFY(result.window.isNull());
    }

    // A double click on an option or an entry frame's button acts once, and its second click
    // reaches nothing the first brought into view: no list opens, no frame comes back. An option
    // checked by a reader's action answers as to a click. From caloriegestures.tsv.
    void gestures_data() { addRowsFrom("caloriegestures.tsv"); }

    void gestures() {
        QFETCH(QString, steps);
        QFETCH(QString, after);
        const Alone input(newInput);
        for (const QString& step : steps.split(", ")) {
            const QString verb = step.section(' ', 0, -2);
            QWidget* control = input.window->findChild<QWidget*>(step.section(' ', -1));
            if (verb == "double")
                clickAt(control, QTest::MouseDClick, QPoint(6, control->height() / 2));
            else if (verb == "check")
                check(control);
            else
                QCOMPARE(walk(input.window, step), QString());
        }
        QStringList frames;
        for (QWidget* w : input.window->findChildren<QWidget*>(
                 QRegularExpression("^fra(Select|Enter|In[KPMI])")))
            if (inView(w))
                frames << w->objectName();
        QCOMPARE(frames, after.split(' '));
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(input.webPageOpener.opened, QStringList());
        QCOMPARE(input.messageBox.texts(), QStringList());
    }
};

QTEST_MAIN(TestCalorieWindows)
#include "tst_caloriewindows.moc"
