// The calorie calculator's two windows from the launcher: units and their frames, what Proceed
// refuses, the daily requirement per activity, Back to the input window as left, and Exit.

#include "calorie/caloriestore.h"
#include "support/appfixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

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
    if (!combo || !inView(combo) || combo->findText(entry) < 0)
        return false;
    while (combo->currentText() != entry)
        QTest::keyClick(combo,
                        combo->findText(entry) > combo->currentIndex() ? Qt::Key_Down : Qt::Key_Up);
    return true;
}

// An entry such as "65.0 in": its unit chosen, its two lists picked, then OK (or "... back").
bool enter(const AppFixture& app, const QString& entry) {
    const QStringList part = entry.split(' ');
    const QMap<QString, QStringList> units{
        {"kg", {"optKG", "cmbKG", "cmbPointKG", "Weight"}},
        {"lb", {"optPound", "cmbPound", "cmbPointPound", "Weight"}},
        {"m", {"optMeter", "cmbMeter", "cmbPointMeter", "Height"}},
        {"in", {"optInches", "cmbInches", "cmbPointInches", "Height"}}};
    const QStringList unit = units.value(part.value(1));
    if (unit.isEmpty())
        return entry.isEmpty();
    const QString button = part.value(2) == "back" ? "cmdBack"
                           : unit[3] == "Weight"   ? "cmdOk"
                                                   : "cmdOK";
    return click(app, Input, qPrintable(unit[0])) &&
           pick(app, unit[1], part[0].section('.', 0, 0)) &&
           pick(app, unit[2], '.' + part[0].section('.', 1)) &&
           click(app, Input, qPrintable(button + unit[3]));
}

// Every list selection, unit choice and frame in view of the input window.
QStringList inputState(const AppFixture& app) {
    QStringList state;
    const QWidget* input = app.window.loadedCalculator(Input);
    for (const QComboBox* list : input->findChildren<QComboBox*>())
        state << list->currentText();
    for (const QRadioButton* option : input->findChildren<QRadioButton*>())
        state << QString::number(option->isChecked());
    for (const QGroupBox* frame : input->findChildren<QGroupBox*>())
        state << QString::number(inView(frame));
    return state;
}

} // namespace

class TestCalorieWindows : public QObject {
    Q_OBJECT
private slots:
    void unitFrames_data() {
        QTest::addColumn<QStringList>(
            "unit"); // option, its frame, the other unit's frame, the area
        QTest::newRow("kilograms") << QStringList{"optKG", "fraInKilogram", "fraInPound", "Weight"};
        QTest::newRow("pounds") << QStringList{"optPound", "fraInPound", "fraInKilogram", "Weight"};
        QTest::newRow("meters") << QStringList{"optMeter", "fraInMeter", "fraInInches", "Height"};
        QTest::newRow("inches") << QStringList{"optInches", "fraInInches", "fraInMeter", "Height"};
    }

    // Opened with every list at its first entry and no unit; a unit opens its entry frame, OK
    // keeps it chosen, Back clears it, and the lists keep their entries throughout.
    void unitFrames() {
        QFETCH(QStringList, unit);
        AppFixture app;
        QWidget* input = app.launch(0);
        QCOMPARE(input->windowTitle(), "Kestavo Calorie Calculator");
        for (const QString& list :
             {"cmbGender=Male Female 2", "cmbAge=1 120 120", "cmbKG=0 500 501",
              "cmbPointKG=.0 .9 10", "cmbPound=0 1000 1001", "cmbPointPound=.0 .9 10",
              "cmbMeter=0 10 11", "cmbPointMeter=.0 .9 10", "cmbInches=0 500 501",
              "cmbPointInches=.0 .9 10"}) {
            const auto* combo = input->findChild<QComboBox*>(list.section('=', 0, 0));
            QVERIFY(!combo->isEditable() && combo->currentIndex() == 0);
            QCOMPARE(QStringLiteral("%1 %2 %3")
                         .arg(combo->itemText(0), combo->itemText(combo->count() - 1))
                         .arg(combo->count()),
                     list.section('=', 1));
        }
        for (const QRadioButton* option : input->findChildren<QRadioButton*>())
            QVERIFY(!option->isChecked());
        const auto* select = input->findChild<QWidget*>("fraSelect" + unit[3]);
        const auto* option = input->findChild<QRadioButton*>(unit[0]);
        QVERIFY(inView(select) && inView(input->findChild<QWidget*>("fraSelectWeight")));

        QVERIFY(click(app, Input, qPrintable(unit[0])));
        QVERIFY(inView(input->findChild<QWidget*>("fraEnter" + unit[3])));
        QVERIFY(inView(input->findChild<QWidget*>(unit[1])) &&
                !input->findChild<QWidget*>(unit[2])->isVisible());
        const auto lists = input->findChild<QWidget*>(unit[1])->findChildren<QComboBox*>();
        for (QComboBox* list : lists)
            QTest::keyClick(list, Qt::Key_End);
        QVERIFY(click(app, Input, qPrintable((unit[3] == "Weight" ? "cmdOk" : "cmdOK") + unit[3])));
        QVERIFY(inView(select) && option->isChecked());
        QVERIFY(click(app, Input, qPrintable(unit[0])));
        QVERIFY(click(app, Input, qPrintable("cmdBack" + unit[3])));
        QVERIFY(inView(select) && !option->isChecked());
        for (QComboBox* list : lists)
            QCOMPARE(list->currentIndex(), list->count() - 1);
        QVERIFY(click(app, Input, "cmdExit"));
        QVERIFY(!app.window.loadedCalculator(Input) && app.window.welcomePanelVisible());
    }

    void proceedRefuses_data() {
        QTest::addColumn<QStringList>("entries"); // sex, age, weight, height
        QTest::addColumn<int>("basal");           // 0: refused
        const auto row = [](const char* tag, const QStringList& entries, int basal = 0) {
            QTest::newRow(tag) << entries << basal;
        };
        row("no unit", {"Male", "30", "", ""});
        row("weight only", {"Male", "30", "70.0 kg", ""});
        row("height only", {"Male", "30", "", "1.7 m"});
        row("weight unit chosen, then Back", {"Male", "30", "70.0 kg back", "1.7 m"});
        // A weight or height of 0, or a basal value not above 0, is no body to compute for.
        row("male, no weight", {"Male", "1", "0.0 kg", "10.9 m"});
        row("male, no height", {"Male", "1", "500.9 kg", "0.0 in"});
        row("male, 120, 0.1 kg, 1.4 m: basal -49", {"Male", "120", "0.1 kg", "1.4 m"});
        row("male, 120, 0.1 kg, 1.5 m: basal 1", {"Male", "120", "0.1 kg", "1.5 m"}, 1);
        row("male, 120, 0.1 kg, 58.9 in: basal -1", {"Male", "120", "0.1 kg", "58.9 in"});
        row("male, 120, 0.1 kg, 59.0 in: basal 1", {"Male", "120", "0.1 kg", "59.0 in"}, 1);
        row("female, no weight", {"Female", "1", "0.0 lb", "500.9 in"});
        row("female, no height", {"Female", "1", "1000.9 lb", "0.0 m"});
        row("female, 120, 0.1 lb, 0.1 in: basal 102", {"Female", "120", "0.1 lb", "0.1 in"}, 102);
    }

    // Proceed from the File menu: a refusal says so once and leaves everything as it was.
    void proceedRefuses() {
        QFETCH(QStringList, entries);
        QFETCH(int, basal);
        AppFixture app;
        app.launch(0);
        QVERIFY(pick(app, "cmbGender", entries[0]) && pick(app, "cmbAge", entries[1]));
        QVERIFY(enter(app, entries[2]) && enter(app, entries[3]));
        const QStringList before = inputState(app);
        app.findIn<QAction>(Input, "mnuProceed")->trigger();
        QCOMPARE(app.calculators.calorieStore().BasalCalories, basal);
        QCOMPARE(app.window.loadedCalculator(Result) != nullptr, basal > 0);
        if (basal > 0)
            return;
        QCOMPARE(app.messageBox.texts(), QStringList{"Plese Select Both Your Height And Weight"});
        QVERIFY(app.messageBox.shown[0].icon == MessageIcon::Information &&
                app.messageBox.shown[0].buttons == MessageButtons::Ok);
        QCOMPARE(inputState(app), before);
        QCOMPARE(app.calculators.calorieStore().WeightKg, 0.0);
    }

    void dailyRequirement_data() {
        QTest::addColumn<QStringList>("entries"); // sex, age, weight, height
        QTest::addColumn<int>("basal");
        QTest::addColumn<QStringList>("required"); // per activity, top to bottom
        QTest::newRow("male, 30, 70.0 kg, 1.7 m")
            << QStringList{"Male", "30", "70.0 kg", "1.7 m"} << 1671
            << QStringList{"2005", "2298", "2506", "2841", "3342"};
        QTest::newRow("female, 30, 60.0 kg, 65.0 in")
            << QStringList{"Female", "30", "60.0 kg", "65.0 in"} << 1397
            << QStringList{"1676", "1921", "2096", "2375", "2794"};
        QTest::newRow("male, 40, 154.0 lb, 1.8 m")
            << QStringList{"Male", "40", "154.0 lb", "1.8 m"} << 1653
            << QStringList{"1984", "2273", "2480", "2810", "3306"};
        QTest::newRow("male, 1, 500.9 kg, 500.9 in")
            << QStringList{"Male", "1", "500.9 kg", "500.9 in"} << 13283
            << QStringList{"15940", "18264", "19924", "22581", "26566"};
    }

    // Each activity in a fresh result window: Back between them, then Exit. The other unit of
    // each quantity holds other entries, which Proceed must not read.
    void dailyRequirement() {
        QFETCH(QStringList, entries);
        QFETCH(int, basal);
        QFETCH(QStringList, required);
        AppFixture app;
        app.launch(0);
        const QMap<QString, QString> otherUnit{
            {"kg", "lb"}, {"lb", "kg"}, {"m", "in"}, {"in", "m"}};
        QVERIFY(enter(app, "9.9 " + otherUnit[entries[2].section(' ', 1)]) &&
                enter(app, "9.9 " + otherUnit[entries[3].section(' ', 1)]));
        QVERIFY(pick(app, "cmbGender", entries[0]) && pick(app, "cmbAge", entries[1]));
        QVERIFY(enter(app, entries[2]) && enter(app, entries[3]));
        const QStringList before = inputState(app);
        const QStringList activities{"optOne", "optTwo", "optThree", "optFour", "optFive"};
        for (int level = 0; level < activities.size(); ++level) {
            QVERIFY(click(app, Input, "cmdCalculate"));
            QCOMPARE(app.calculators.calorieStore().BasalCalories, basal);
            QVERIFY(!app.window.loadedCalculator(Input)->isVisible());
            QVERIFY(!app.window.welcomePanelVisible());
            QCOMPARE(app.visibleCalculatorCount(), 1);
            QVERIFY(inView(app.findIn(Result, "fraSelectDailyActivity")));
            auto* calculate = app.findIn<QAbstractButton>(Result, "cmdCalculate");
            QVERIFY(!calculate->isEnabled()); // until an activity is chosen
            QVERIFY(click(app, Result, qPrintable(activities[level])));
            QVERIFY(calculate->isEnabled() && click(app, Result, "cmdCalculate"));
            QCOMPARE(app.findIn<QLabel>(Result, "lblRequireCalories")->text(), required[level]);
            QCOMPARE(app.calculators.calorieStore().RequiredCalories, required[level].toInt());
            QVERIFY(inView(app.findIn(Result, "fraResult")) && !inView(calculate));
            if (level == activities.size() - 1)
                break;
            if (level % 2) // Back by its button and from the File menu in turn
                app.findIn<QAction>(Result, "mnuFileBack")->trigger();
            else
                QVERIFY(click(app, Result, "cmdBack"));
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!app.window.loadedCalculator(Result));
            QCOMPARE(app.visibleCalculatorCount(), 1);
            QVERIFY(!app.window.welcomePanelVisible());
            QCOMPARE(inputState(app), before);
        }
        QVERIFY(app.messageBox.shown.isEmpty());
        QVERIFY(click(app, Result, "cmdExit"));
        QVERIFY(!app.window.loadedCalculator(Result) && app.window.loadedCalculator(Input));
        QCOMPARE(app.visibleCalculatorCount(), 0);
        QVERIFY(app.window.welcomePanelVisible());
    }
};

QTEST_MAIN(TestCalorieWindows)
#include "tst_caloriewindows.moc"
