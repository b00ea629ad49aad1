// The calorie calculator's two windows from the launcher: units and their frames, what Proceed
// refuses, the daily requirement per activity, Back to the input window as left, and Exit.

#include "calorie/caloriestore.h"
#include "support/appfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

constexpr auto Input = CalculatorKind::CalorieMain, Result = CalculatorKind::CalorieDisplay;

// Seen by the user: shown, and the control at its centre is it or inside it.
bool inView(const QWidget* widget) {
    const QWidget* top = widget->window();
    const QWidget* hit = top->childAt(widget->mapTo(top, widget->rect().center()));
    return widget->isVisible() && hit && (hit == widget || widget->isAncestorOf(hit));
}

// Clicks a control the user can see, near its left edge where an option's circle is.
bool click(const AppFixture& app, CalculatorKind kind, const char* name) {
    QWidget* control = app.findIn(kind, name);
    if (!control || !inView(control))
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

const QMap<QString, QString> kUnits{
    {"kg", "KG"}, {"lb", "Pound"}, {"m", "Meter"}, {"in", "Inches"}};

// An entry such as "65.0 in": its unit chosen, its two lists picked, then OK ("... back": Back).
bool enter(const AppFixture& app, const QString& entry) {
    const QStringList part = entry.split(' ');
    const QString unit = kUnits.value(part.value(1));
    const QString area = unit == "Meter" || unit == "Inches" ? "Height" : "Weight";
    if (unit.isEmpty())
        return entry == "no unit";
    QString button = area == "Weight" ? "cmdOkWeight" : "cmdOKHeight";
    if (part.value(2) == "back")
        button = "cmdBack" + area;
    return click(app, Input, qPrintable("opt" + unit)) &&
           pick(app, "cmb" + unit, part[0].section('.', 0, 0)) &&
           pick(app, "cmbPoint" + unit, '.' + part[0].section('.', 1)) &&
           click(app, Input, qPrintable(button));
}

// Every list selection and unit choice of the input window.
QStringList inputState(const AppFixture& app) {
    QStringList state;
    for (const QWidget* control : app.window.loadedCalculator(Input)->findChildren<QWidget*>())
        state << control->property("currentText").toString() +
                     control->property("checked").toString();
    return state;
}

// The File menu as the user opens it: its commands, top to bottom.
QStringList fileMenu(const QWidget* window) {
    QStringList captions;
    for (const QAction* command :
         window->findChild<QMenuBar*>()->actions().constFirst()->menu()->actions())
        captions << command->text();
    return captions;
}

// The result window's own texts, as the user reads them.
const QMap<QString, QString> kResultTexts{
    {"optOne", "Sedentary"},
    {"optTwo", "Light Activity for 2 Days per Week"},
    {"optThree", "Moderate Activity for 4 Days per Week"},
    {"optFour", "High Activity for 6 Days per Week"},
    {"optFive", "Higher Activity Levels"},
    {"cmdCalculate", "Calculate My Required Calories"},
    {"Label3", "The results of Kestavo Free Calorie Calculator are displayed below"},
    {"Label2", "Required Calories For Your Daily Activity"}};

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
        row("Male, 30, no unit, no unit");
        row("Male, 30, 70.0 kg, no unit");
        row("Male, 30, 70.0 kg back, 1.7 m");
        row("Male, 30, 70.0 kg, 1.7 m", 1671, "2005 2298 2506 2841 3342");
        row("Female, 30, 60.0 kg, 65.0 in", 1397, "1676 1921 2096 2375 2794");
        row("Male, 40, 154.0 lb, 1.8 m", 1653, "1984 2273 2480 2810 3306");
        row("Male, 1, 500.9 kg, 500.9 in", 13283, "15940 18264 19924 22581 26566");
        // No weight, no height, or a basal value not above 0: no body to compute for.
        row("Male, 1, 0.0 kg, 10.9 m");
        row("Male, 1, 500.9 kg, 0.0 in");
        row("Male, 120, 0.1 kg, 1.4 m"); // basal -49
        row("Male, 120, 0.1 kg, 1.5 m", 1, "1 1 2 2 2");
        row("Male, 120, 0.1 kg, 58.9 in"); // basal -1
        row("Male, 120, 0.3 lb, 58.9 in"); // basal 0
        row("Male, 120, 0.1 kg, 59.0 in", 1, "1 1 2 2 2");
        row("Female, 1, 0.0 lb, 500.9 in");
        row("Female, 1, 1000.9 lb, 0.0 m");
        row("Female, 120, 0.1 lb, 0.1 in", 102, "122 140 153 173 204");
    }

    // Entered from the first entries of every list; then each activity in a fresh result window,
    // Back between them, and Exit at the end.
    void walk() {
        QFETCH(QStringList, entries);
        QFETCH(int, basal);
        QFETCH(QStringList, required);
        AppFixture app;
        QWidget* input = app.launch(0);
        QCOMPARE(input->windowTitle(), "Kestavo Calorie Calculator");
        QCOMPARE(fileMenu(input), QStringList({"&Proceed", "E&xit"}));
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
        for (int level = 0; level < activities.size(); ++level) {
            QVERIFY(click(app, Input, "cmdCalculate"));
            QCOMPARE(store.BasalCalories, basal);
            QVERIFY(!input->isVisible() && !app.window.welcomePanelVisible());
            QVERIFY(inView(app.findIn(Result, "fraSelectDailyActivity")));
            QCOMPARE(fileMenu(app.window.loadedCalculator(Result)),
                     QStringList({"&Back", "E&xit"}));
            for (auto it = kResultTexts.cbegin(); level == 0 && it != kResultTexts.cend(); ++it)
                QCOMPARE(app.findIn(Result, it.key())->property("text").toString(), it.value());
            auto* calculate = app.findIn<QAbstractButton>(Result, "cmdCalculate");
            QVERIFY(!calculate->isEnabled()); // until an activity is chosen
            QVERIFY(click(app, Result, qPrintable(activities[level])));
            QVERIFY(calculate->isEnabled() && click(app, Result, "cmdCalculate"));
            QCOMPARE(app.findIn<QLabel>(Result, "lblRequireCalories")->text(), required[level]);
            QCOMPARE(store.RequiredCalories, required[level].toInt());
            QVERIFY(inView(app.findIn(Result, "fraResult")) && !inView(calculate));
            if (level == activities.size() - 1)
                break;
            if (level % 2) // by the button and from the File menu in turn
                app.findIn<QAction>(Result, "mnuFileBack")->trigger();
            else
                QVERIFY(click(app, Result, "cmdBack"));
            QVERIFY(!app.window.loadedCalculator(Result) && !app.window.welcomePanelVisible());
            QCOMPARE(inputState(app), before);
        }
        QVERIFY(app.messageBox.shown.isEmpty());
        QVERIFY(click(app, Result, "cmdExit"));
        QVERIFY(!app.window.loadedCalculator(Result) && app.window.loadedCalculator(Input));
        QVERIFY(app.visibleCalculatorCount() == 0 && app.window.welcomePanelVisible());
    }
};

QTEST_MAIN(TestCalorieWindows)
#include "tst_caloriewindows.moc"
