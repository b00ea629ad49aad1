// The calorie calculator's two windows from the launcher: units and their frames, what Proceed
// refuses, the daily requirement per activity, Back to the input window as left, and Exit.
// Their texts are in texts.tsv.

#include "scoring/caloriestore.h"
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

    // A unit missing, or cleared by Back: Proceed says so once and nothing else changes. No
    // weight, or a basal value not above 0: no body to compute for.
    void proceedRefused_data() {
        QTest::addColumn<QString>("entries"); // picked from the first entries of every list
        QTest::newRow("no unit") << "";
        QTest::newRow("no height unit") << "optKG > cmbKG=70 > cmdOkWeight";
        QTest::newRow("weight's Back")
            << "optKG > cmbKG=70 > cmdBackWeight > optMeter > cmbMeter=1 > cmdOKHeight";
        QTest::newRow("no weight")
            << "optKG > cmdOkWeight > optMeter > cmbMeter=10 > cmbPointMeter=.9 > cmdOKHeight";
        QTest::newRow("basal 0, 0.3 lb, 58.9 in, 120 years")
            << "cmbAge=120 > optPound > cmbPointPound=.3 > cmdOkWeight > optInches > "
               "cmbInches=58 > cmbPointInches=.9 > cmdOKHeight";
    }

    void proceedRefused() {
        QFETCH(QString, entries);
        AppFixture app;
        const QWidget* input = app.launch(0);
        QCOMPARE(walk(app, entries), QString());
        const QVariantList before = inputState(app);
        app.findIn<QAction>(Input, "mnuProceed")->trigger();
        QCOMPARE(app.messageBox.texts(), QStringList{"Plese Select Both Your Height And Weight"});
        QCOMPARE(app.messageBox.shown[0].icon, MessageIcon::Information);
        QCOMPARE(app.messageBox.shown[0].buttons, MessageButtons::Ok);
        QCOMPARE(app.window.loadedCalculator(Result), nullptr);
        QCOMPARE(input->isVisible(), true);
        QCOMPARE(inputState(app), before);
        QCOMPARE(int(app.calculators.calorieStore().BasalCalories), 0);
    }

    // Each activity in a fresh result window, Back between them, by the button and from the File
    // menu in turn, and Exit at the end.
    void requirements_data() {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QList<int>>("kcal"); // the basal value, then each activity's
        QTest::newRow("man of 30, 70.0 kg, 1.7 m")
            << "cmbAge=30 > optKG > cmbKG=70 > cmdOkWeight > optMeter > cmbMeter=1 > "
               "cmbPointMeter=.7 > cmdOKHeight"
            << QList<int>{1671, 2005, 2298, 2506, 2841, 3342};
        QTest::newRow("woman of 30, 60.0 kg, 65.0 in")
            << "cmbGender=Female > cmbAge=30 > optKG > cmbKG=60 > cmdOkWeight > optInches > "
               "cmbInches=65 > cmdOKHeight"
            << QList<int>{1397, 1676, 1921, 2096, 2375, 2794};
        QTest::newRow("man of 40, 154.0 lb, 1.8 m")
            << "cmbAge=40 > optPound > cmbPound=154 > cmdOkWeight > optMeter > cmbMeter=1 > "
               "cmbPointMeter=.8 > cmdOKHeight"
            << QList<int>{1653, 1984, 2273, 2480, 2810, 3306};
        QTest::newRow("basal 1, 0.1 kg, 59.0 in, 120 years")
            << "cmbAge=120 > optKG > cmbPointKG=.1 > cmdOkWeight > optInches > cmbInches=59 > "
               "cmdOKHeight"
            << QList<int>{1, 1, 1, 2, 2, 2};
    }

    void requirements() {
        QFETCH(QString, entries);
        QFETCH(QList<int>, kcal);
        AppFixture app;
        const QWidget* input = app.launch(0);
        QCOMPARE(walk(app, entries), QString());
        const QVariantList before = inputState(app);
        const QStringList activities{"optOne", "optTwo", "optThree", "optFour", "optFive"};
        for (int level = 0; level < 5; ++level) {
            QCOMPARE(walk(app, "cmdCalculate"), QString());
            QCOMPARE(int(app.calculators.calorieStore().BasalCalories), kcal[0]);
            QCOMPARE(input->isVisible(), false);
            QCOMPARE(app.window.welcomePanelVisible(), false);
            QVERIFY(inView(app.findIn(Result, "fraSelectDailyActivity")));
            auto* calculate = app.findIn<QAbstractButton>(Result, "cmdCalculate");
            QCOMPARE(calculate->isEnabled(), false); // until an activity is chosen
            QCOMPARE(walk(app, activities[level] + " > cmdCalculate"), QString());
            QCOMPARE(app.findIn<QLabel>(Result, "lblRequireCalories")->text(),
                     QString::number(kcal[level + 1]));
            QVERIFY(inView(app.findIn(Result, "fraResult")));
            QVERIFY(!inView(calculate));
            // Back by the button and from the File menu in turn, Exit at the end.
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

    // The four areas two by two: the window fits the main window without scrolling.
    void fitsTheMainWindow() {
        AppFixture app;
        const QWidget* input = app.launch(0);
        QVERIFY(app.window.clientArea()->rect().contains(input->parentWidget()->geometry()));
    }
};

QTEST_MAIN(TestCalorieWindows)
#include "tst_caloriewindows.moc"
