// The calorie calculator's two windows from the launcher: units and their frames, what Proceed
// refuses, the daily requirement per activity, Back to the input window as left, and Exit.
// Their texts are in texts.tsv.

#include "scoring/caloriestore.h"
#include "support/datarows.h"
#include "support/nowindowleft.h"
#include "support/userpath.h"

#include <QLabel>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

constexpr auto Input = CalculatorKind::CalorieMain, Result = CalculatorKind::CalorieDisplay;

// Every list selection and unit choice of the input window.
QVariantList inputState(const AppFixture& app) {
    QVariantList state;
    for (const QWidget* control : app.window.loadedCalculator(Input)->findChildren<QWidget*>())
        state << control->property("currentText") << control->property("checked");
    return state;
}

} // namespace

class TestCalorieWindows : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { checkNoWindowLeft(); }

    // Proceed refused: said once, and nothing else changes. From calorierefused.tsv.
    void proceedRefused_data() { addRowsFrom("calorierefused.tsv"); }

    void proceedRefused() {
        QFETCH(QString, entries);
        AppFixture app;
        const QWidget* input = app.launch(0);
        QCOMPARE(walk(app, entries), QString());
        const QVariantList before = inputState(app);
        app.find<QAction>("mnuProceed")->trigger();
        QCOMPARE(app.messageBox.texts(), QStringList{"Plese Select Both Your Height And Weight"});
        QCOMPARE(app.messageBox.shown[0].icon, MessageIcon::Information);
        QCOMPARE(app.messageBox.shown[0].buttons, MessageButtons::Ok);
        QCOMPARE(app.window.loadedCalculator(Result), nullptr);
        QCOMPARE(input->isVisible(), true);
        QCOMPARE(inputState(app), before);
        QCOMPARE(int(app.calculators.calorieStore().BasalCalories), 0);
    }

    // Each activity in a fresh result window, from calorierequirements.tsv; Back between them,
    // by the button and from the File menu in turn, and Exit at the end.
    void requirements_data() { addRowsFrom("calorierequirements.tsv"); }

    void requirements() {
        QFETCH(QString, entries);
        QFETCH(QString, calories);
        const QStringList kcal = calories.split(' ');
        AppFixture app;
        const QWidget* input = app.launch(0);
        // The four areas two by two: the window fits the main window without scrolling.
        QVERIFY(app.window.clientArea()->rect().contains(input->parentWidget()->geometry()));
        QCOMPARE(walk(app, entries), QString());
        const QVariantList before = inputState(app);
        const QStringList activities{"optOne", "optTwo", "optThree", "optFour", "optFive"};
        for (int level = 0; level < 5; ++level) {
            QCOMPARE(walk(app, "cmdCalculate"), QString());
            QCOMPARE(QString::number(app.calculators.calorieStore().BasalCalories), kcal[0]);
            QCOMPARE(input->isVisible(), false);
            QCOMPARE(app.window.welcomePanelVisible(), false);
            QVERIFY(inView(app.find("fraSelectDailyActivity")));
            auto* calculate = app.find<QAbstractButton>("cmdCalculate");
            QCOMPARE(calculate->isEnabled(), false); // until an activity is chosen
            QCOMPARE(walk(app, activities[level] + " > cmdCalculate"), QString());
            QCOMPARE(app.find<QLabel>("lblRequireCalories")->text(), kcal[level + 1]);
            QVERIFY(inView(app.find("fraResult")));
            QVERIFY(!inView(calculate));
            QCOMPARE(walk(app, level == 4  ? "cmdExit"
                               : level % 2 ? "mnuFileBack"
                                           : "cmdBack"),
                     QString());
            QCOMPARE(app.window.loadedCalculator(Result), nullptr);
            QCOMPARE(inputState(app), before);
            // Back shows the input window again; Exit leaves it loaded but hidden.
            QCOMPARE(input->isVisible(), level < 4);
            QCOMPARE(app.window.welcomePanelVisible(), level == 4);
        }
        QVERIFY(app.window.loadedCalculator(Input));
        QCOMPARE(app.messageBox.texts(), QStringList());
    }
};

QTEST_MAIN(TestCalorieWindows)
#include "tst_caloriewindows.moc"
