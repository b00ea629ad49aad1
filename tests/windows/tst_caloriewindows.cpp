// The calorie calculator's two windows from the launcher: units and their frames, what Proceed
// refuses, the daily requirement per activity, Back to the input window as left, and Exit.
// Their texts are in texts.tsv.

#include "scoring/caloriestore.h"
#include "support/datarows.h"
#include "support/nowindowleft.h"
#include "support/userpath.h"

#include <QAccessible>
#include <QLabel>
#include <QTableWidget>

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
            // From the third pass on, the buttons are double-clicked: a step each, and nothing
            // the first click brings into view takes the second (Proceed lies over the result
            // window's co-branding advert).
            const auto press = [&app, level](const QString& name) {
                QWidget* button = app.find(name);
                QVERIFY(inView(button));
                clickAt(button, level < 2 ? QTest::MouseClick : QTest::MouseDClick);
            };
            press("cmdCalculate");
            QCOMPARE(QString::number(app.calculators.calorieStore().BasalCalories), kcal[0]);
            QCOMPARE(input->isVisible(), false);
            QCOMPARE(app.window.welcomePanelVisible(), false);
            QVERIFY(inView(app.find("fraSelectDailyActivity")));
            auto* calculate = app.find<QAbstractButton>("cmdCalculate");
            QCOMPARE(calculate->isEnabled(), false); // until an activity is chosen
            QCOMPARE(walk(app, activities[level]), QString());
            press("cmdCalculate");
            QCOMPARE(app.find<QLabel>("lblRequireCalories")->text(), kcal[level + 1]);
            QVERIFY(inView(app.find("fraResult")));
            QVERIFY(!inView(calculate));
            // The workings: the basal value, then every level's requirement.
            const auto* table = app.find<QTableWidget>("tblBreakdown");
            QStringList worked;
            for (int r = 0; r < table->rowCount(); ++r)
                worked << table->item(r, 2)->text();
            QCOMPARE(worked, kcal);
            // Save, Print and Copy follow Back in the Tab order, and the table them.
            app.find("cmdBack")->setFocus();
            for (worked.clear(); worked.size() < 4;
                 worked << QApplication::focusWidget()->objectName())
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(worked.join(' '), "cmdSavePdf cmdPrint cmdCopyResult tblBreakdown");
            if (level % 2)
                QCOMPARE(walk(app, "mnuFileBack"), QString());
            else
                press(level == 4 ? "cmdExit" : "cmdBack");
            QCOMPARE(app.window.loadedCalculator(Result), nullptr);
            QCOMPARE(inputState(app), before);
            // Back shows the input window again; Exit leaves it loaded but hidden.
            QCOMPARE(input->isVisible(), level < 4);
            QCOMPARE(app.window.welcomePanelVisible(), level == 4);
        }
        QVERIFY(app.window.loadedCalculator(Input));
        QCOMPARE(app.messageBox.texts(), QStringList());
        QCOMPARE(app.webPageOpener.opened, QStringList());
    }

    // A double click on an option or an entry frame's button acts once, and its second click
    // reaches nothing the first brought into view: no list opens, no frame comes back. An option
    // checked by a reader's action answers as to a click. From caloriegestures.tsv.
    void gestures_data() { addRowsFrom("caloriegestures.tsv"); }

    void gestures() {
        QFETCH(QString, steps);
        AppFixture app;
        app.launch(0);
        for (const QString& step : steps.split(", ")) {
            const QString verb = step.section(' ', 0, -2);
            QWidget* control = app.find(step.section(' ', -1));
            if (verb == "double")
                clickAt(control, QTest::MouseDClick, QPoint(6, control->height() / 2));
            else if (verb == "check")
                QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(
                    QAccessibleActionInterface::toggleAction());
            else
                QCOMPARE(walk(app, step), QString());
        }
        QStringList after;
        for (QWidget* w : app.activeCalculator()->findChildren<QWidget*>(
                 QRegularExpression("^fra(Select|Enter|In[KPMI])|^fraResult|^lblRequire")))
            if (inView(w))
                after << (w->objectName().startsWith("lbl") ? w->property("text").toString()
                                                            : w->objectName());
        after << app.webPageOpener.opened << app.messageBox.texts();
        QVERIFY(!QApplication::activePopupWidget());
        QTEST(after.join(' '), "after");
    }
};

QTEST_MAIN(TestCalorieWindows)
#include "tst_caloriewindows.moc"
