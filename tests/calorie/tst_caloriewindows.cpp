// The calorie calculator's two windows from the launcher: units and their frames, what Proceed
// refuses, the daily requirement per activity, Back to the input window as left, and Exit.

#include "calorie/caloriestore.h"
#include "support/appfixture.h"

#include <QComboBox>
#include <QLabel>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

constexpr auto Input = CalculatorKind::CalorieMain, Result = CalculatorKind::CalorieDisplay;

// Clicks a control the user can see, near its left edge where an option's circle is.
bool click(const AppFixture& app, CalculatorKind kind, const QString& name) {
    QWidget* control = app.findIn(kind, name);
    if (!inView(control))
        return false;
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
    return true;
}

// Picks an entry of a list the user can see, with the arrow keys.
bool pick(const AppFixture& app, const QString& list, const QString& entry) {
    auto* combo = app.findIn<QComboBox>(Input, list);
    for (int n = combo->findText(entry) - combo->currentIndex(); n > 0 && inView(combo); --n)
        QTest::keyClick(combo, Qt::Key_Down);
    return combo->currentText() == entry;
}

// An entry such as "65.0 Inches": its unit chosen, its two lists picked, then OK, or Back where
// "back" follows.
bool enter(const AppFixture& app, const QString& entry) {
    const QStringList part = entry.split(' ');
    const QString area = QString("KG Pound").contains(part.value(1)) ? "Weight" : "Height";
    const QString ok = area == "Weight" ? "cmdOkWeight" : "cmdOKHeight";
    return entry == "no unit" ||
           (click(app, Input, "opt" + part[1]) &&
            pick(app, "cmb" + part[1], part[0].section('.', 0, 0)) &&
            pick(app, "cmbPoint" + part[1], '.' + part[0].section('.', 1)) &&
            click(app, Input, part.value(2) == "back" ? "cmdBack" + area : ok));
}

// Every list selection and unit choice of the input window.
QStringList inputState(const AppFixture& app) {
    QStringList state;
    for (const QWidget* control : app.window.loadedCalculator(Input)->findChildren<QWidget*>())
        state << control->property("currentText").toString() +
                     control->property("checked").toString();
    return state;
}

} // namespace

class TestCalorieWindows : public QObject {
    Q_OBJECT
private slots:
    void walk_data() {
        QTest::addColumn<QStringList>("entries");  // sex, age, weight, height
        QTest::addColumn<int>("basal");            // 0: Proceed refuses
        QTest::addColumn<QStringList>("required"); // per activity, top to bottom
        const auto row = [](const char* entries, int basal = 0, const char* required = "") {
            QTest::newRow(entries) << QString(entries).split(", ") << basal
                                   << QString(required).split(' ', Qt::SkipEmptyParts);
        };
        row("Male, 30, 70.0 KG, no unit");
        row("Male, 30, 70.0 KG back, 1.7 Meter");
        row("Male, 30, 70.0 KG, 1.7 Meter", 1671, "2005 2298 2506 2841 3342");
        row("Female, 30, 60.0 KG, 65.0 Inches", 1397, "1676 1921 2096 2375 2794");
        row("Male, 40, 154.0 Pound, 1.8 Meter", 1653, "1984 2273 2480 2810 3306");
        // No weight, or a basal value not above 0: no body to compute for.
        row("Male, 1, 0.0 KG, 10.9 Meter");
        row("Male, 120, 0.3 Pound, 58.9 Inches"); // basal 0
        row("Male, 120, 0.1 KG, 59.0 Inches", 1, "1 1 2 2 2");
    }

    // Entered from the first entries of every list; then each activity in a fresh result window,
    // Back between them, by the button and from the File menu in turn, and Exit at the end.
    void walk() {
        QFETCH(QStringList, entries);
        QFETCH(int, basal);
        QFETCH(QStringList, required);
        AppFixture app;
        QWidget* input = app.launch(0);
        QCOMPARE(input->windowTitle(), "Kestavo Calorie Calculator");
        // The four areas two by two: the window fits the main window without scrolling.
        QVERIFY(app.window.clientArea()->rect().contains(input->parentWidget()->geometry()));
        QVERIFY(pick(app, "cmbGender", entries[0]) && pick(app, "cmbAge", entries[1]));
        QVERIFY(enter(app, entries[2]) && enter(app, entries[3]));
        const QStringList before = inputState(app);
        const modCalorieCalculator::CalorieStore& store = app.calculators.calorieStore();
        if (basal == 0) { // from the File menu: said once, and nothing else changes
            app.findIn<QAction>(Input, "mnuProceed")->trigger();
            QCOMPARE(app.messageBox.texts(),
                     QStringList("Plese Select Both Your Height And Weight"));
            QVERIFY(app.messageBox.shown[0].icon == MessageIcon::Information &&
                    app.messageBox.shown[0].buttons == MessageButtons::Ok);
            QVERIFY(!app.window.loadedCalculator(Result) && input->isVisible());
            QVERIFY(inputState(app) == before && store.BasalCalories == 0);
            return;
        }
        const QStringList activities{"optOne", "optTwo", "optThree", "optFour", "optFive"};
        for (int level = 0; level < 5; ++level) {
            QVERIFY(click(app, Input, "cmdCalculate"));
            QCOMPARE(store.BasalCalories, basal);
            QVERIFY(!input->isVisible() && !app.window.welcomePanelVisible());
            QVERIFY(inView(app.findIn(Result, "fraSelectDailyActivity")));
            for (const QString text : {"optTwo=Light Activity for 2 Days per Week",
                                       "cmdCalculate=Calculate My Required Calories",
                                       "Label2=Required Calories For Your Daily Activity"})
                QCOMPARE(app.findIn(Result, text.section('=', 0, 0))->property("text").toString(),
                         text.section('=', 1));
            auto* calculate = app.findIn<QAbstractButton>(Result, "cmdCalculate");
            QVERIFY(!calculate->isEnabled()); // until an activity is chosen
            QVERIFY(click(app, Result, activities[level]));
            QVERIFY(calculate->isEnabled() && click(app, Result, "cmdCalculate"));
            QCOMPARE(app.findIn<QLabel>(Result, "lblRequireCalories")->text(), required[level]);
            QCOMPARE(store.RequiredCalories, required[level].toInt());
            QVERIFY(inView(app.findIn(Result, "fraResult")) && !inView(calculate));
            if (level == 4)
                break;
            if (level % 2)
                app.findIn<QAction>(Result, "mnuFileBack")->trigger();
            else
                QVERIFY(click(app, Result, "cmdBack"));
            QVERIFY(!app.window.loadedCalculator(Result) && !app.window.welcomePanelVisible());
            QCOMPARE(inputState(app), before);
        }
        QVERIFY(app.messageBox.shown.isEmpty() && click(app, Result, "cmdExit"));
        QVERIFY(!app.window.loadedCalculator(Result) && app.window.loadedCalculator(Input));
        QVERIFY(app.visibleCalculatorCount() == 0 && app.window.welcomePanelVisible());
    }
};

QTEST_MAIN(TestCalorieWindows)
#include "tst_caloriewindows.moc"
