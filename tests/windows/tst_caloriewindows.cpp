// The calorie calculator's two windows from the launcher: units and their frames, what Proceed
// refuses, the daily requirement per activity, Back to the input window as left, and Exit.

#include "scoring/caloriestore.h"
#include "support/appfixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QMenu>

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

// An entry such as "65.0 Inches": its unit chosen, its two lists picked, then OK, or the weight's
// Back where "back" follows.
bool enter(const AppFixture& app, const QString& entry) {
    const QStringList part = entry.split(' ');
    const QString ok = QString("KG Pound").contains(part.value(1)) ? "cmdOkWeight" : "cmdOKHeight";
    return entry == "no unit" ||
           (click(app, Input, "opt" + part[1]) &&
            pick(app, "cmb" + part[1], part[0].section('.', 0, 0)) &&
            pick(app, "cmbPoint" + part[1], '.' + part[0].section('.', 1)) &&
            click(app, Input, part.value(2) == "back" ? "cmdBackWeight" : ok));
}

// Every list selection and unit choice of the input window.
QVariantList inputState(const AppFixture& app) {
    QVariantList state;
    for (const QWidget* control : app.window.loadedCalculator(Input)->findChildren<QWidget*>())
        state << control->property("currentText") << control->property("checked");
    return state;
}

// The File menu's captions as the user reads them, top to bottom.
QString fileMenu(const QWidget* window) {
    QStringList captions;
    for (const QAction* action : window->findChild<QMenu*>("mnuFile")->actions())
        captions << action->text();
    return captions.join(", ");
}

} // namespace

class TestCalorieWindows : public QObject {
    Q_OBJECT
private slots:
    void walk_data() {
        // Row names are the entries: sex, age, weight, height. Then the basal calories and the
        // requirement per activity, top to bottom; none where Proceed refuses.
        QTest::addColumn<QString>("kcal");
        const auto row = [](const char* tag, QString kcal = {}) { QTest::newRow(tag) << kcal; };
        row("Male, 30, 70.0 KG, no unit");
        row("Male, 30, 70.0 KG back, 1.7 Meter");
        row("Male, 30, 70.0 KG, 1.7 Meter", "1671 2005 2298 2506 2841 3342");
        row("Female, 30, 60.0 KG, 65.0 Inches", "1397 1676 1921 2096 2375 2794");
        row("Male, 40, 154.0 Pound, 1.8 Meter", "1653 1984 2273 2480 2810 3306");
        // No weight, or a basal value not above 0: no body to compute for.
        row("Male, 1, 0.0 KG, 10.9 Meter");
        row("Male, 120, 0.3 Pound, 58.9 Inches"); // basal 0
        row("Male, 120, 0.1 KG, 59.0 Inches", "1 1 1 2 2 2");
    }

    // Entered from the first entries of every list; then each activity in a fresh result window,
    // Back between them, by the button and from the File menu in turn, and Exit at the end.
    void walk() {
        QFETCH(QString, kcal);
        const QStringList calories = kcal.split(' ');
        const QStringList entries = QString(QTest::currentDataTag()).split(", ");
        AppFixture app;
        QWidget* input = app.launch(0);
        QCOMPARE(input->windowTitle(), "Kestavo Calorie Calculator");
        QCOMPARE(fileMenu(input), "&Proceed, E&xit");
        // The four areas two by two: the window fits the main window without scrolling.
        QVERIFY(app.window.clientArea()->rect().contains(input->parentWidget()->geometry()));
        QVERIFY(pick(app, "cmbGender", entries[0]) && pick(app, "cmbAge", entries[1]));
        QVERIFY(enter(app, entries[2]) && enter(app, entries[3]));
        const QVariantList before = inputState(app);
        if (kcal.isEmpty()) { // from the File menu: said once, and nothing else changes
            app.findIn<QAction>(Input, "mnuProceed")->trigger();
            QCOMPARE(app.messageBox.texts().join('|'), "Plese Select Both Your Height And Weight");
            QVERIFY(app.messageBox.shown[0].icon == MessageIcon::Information &&
                    app.messageBox.shown[0].buttons == MessageButtons::Ok);
            QVERIFY(!app.window.loadedCalculator(Result) && input->isVisible());
            QVERIFY(inputState(app) == before && app.calculators.calorieStore().BasalCalories == 0);
            return;
        }
        const QStringList activities{"optOne", "optTwo", "optThree", "optFour", "optFive"};
        for (int level = 0; level < 5; ++level) {
            QVERIFY(click(app, Input, "cmdCalculate"));
            QCOMPARE(QString::number(app.calculators.calorieStore().BasalCalories), calories[0]);
            QVERIFY(!input->isVisible() && !app.window.welcomePanelVisible());
            QVERIFY(inView(app.findIn(Result, "fraSelectDailyActivity")));
            QCOMPARE(fileMenu(app.window.loadedCalculator(Result)), "&Back, E&xit");
            for (const QString text : {"optTwo=Light Activity for 2 Days per Week",
                                       "cmdCalculate=Calculate My Required Calories",
                                       "Label2=Required Calories For Your Daily Activity"})
                QCOMPARE(app.findIn(Result, text.section('=', 0, 0))->property("text").toString(),
                         text.section('=', 1));
            auto* calculate = app.findIn<QAbstractButton>(Result, "cmdCalculate");
            // Calculate waits for an activity to be chosen.
            QVERIFY(!calculate->isEnabled() && click(app, Result, activities[level]));
            QVERIFY(calculate->isEnabled() && click(app, Result, "cmdCalculate"));
            QCOMPARE(app.findIn<QLabel>(Result, "lblRequireCalories")->text(), calories[level + 1]);
            QVERIFY(inView(app.findIn(Result, "fraResult")) && !inView(calculate));
            if (level % 2)
                app.findIn<QAction>(Result, "mnuFileBack")->trigger();
            else
                QVERIFY(click(app, Result, level == 4 ? "cmdExit" : "cmdBack"));
            QVERIFY(!app.window.loadedCalculator(Result) && inputState(app) == before);
            // Back shows the input window again; Exit leaves it loaded but hidden.
            QVERIFY(input->isVisible() != (level == 4) &&
                    app.window.welcomePanelVisible() == (level == 4));
        }
        QVERIFY(app.window.loadedCalculator(Input) && app.messageBox.shown.isEmpty());
    }

    // A double click on a step button (or an option) acts once, and its second click reaches
    // nothing the first brought into view: no list opens, no advert is followed, no step is
    // taken twice. After it: the frames in view, any page opened, any message.
    void doubleClicks_data() {
        QTest::addColumn<QString>("before"); // entries, then clicks in the result window
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("after");
        const QString entered = "70.0 KG, 1.7 Meter, Proceed";
        QTest::newRow("Kilograms") << "" << "optKG" << "fraEnterWeight fraSelectHeight";
        QTest::newRow("OK") << "optKG" << "cmdOkWeight" << "fraSelectWeight fraSelectHeight";
        QTest::newRow("Back") << "optMeter" << "cmdBackHeight" << "fraSelectWeight fraSelectHeight";
        QTest::newRow("Proceed, over the co-branding advert")
            << "70.0 KG, 1.7 Meter" << "cmdCalculate" << "fraSelectDailyActivity";
        QTest::newRow("Calculate") << entered + ", optOne" << "cmdCalculate" << "fraResult 2242";
        QTest::newRow("Back to the input window")
            << entered + ", optOne, cmdCalculate" << "cmdBack" << "fraSelectWeight fraSelectHeight";
    }

    void doubleClicks() {
        QFETCH(QString, before);
        QFETCH(QString, control);
        AppFixture app;
        app.launch(0);
        for (const QString& step : before.split(", ", Qt::SkipEmptyParts))
            QVERIFY(step.contains(' ') ? enter(app, step)
                                       : click(app, app.activeCalculator()->kind(),
                                               step == "Proceed" ? "cmdCalculate" : step));
        QWidget* target = app.activeCalculator()->findChild<QWidget*>(control);
        clickAt(target, QTest::MouseDClick, QPoint(6, target->height() / 2));
        QStringList after;
        for (const QString name : {"fraSelectWeight", "fraEnterWeight", "fraSelectHeight",
                                   "fraEnterHeight", "fraSelectDailyActivity", "fraResult"})
            if (QWidget* frame = app.activeCalculator()->findChild<QWidget*>(name); frame && inView(frame))
                after << name;
        if (auto* calories = app.activeCalculator()->findChild<QLabel*>("lblRequireCalories"))
            after << calories->text();
        after << app.webPageOpener.opened << app.messageBox.texts();
        QVERIFY(!QApplication::activePopupWidget());
        QTEST(after.join(' ').trimmed(), "after");
    }

    // However an option becomes checked, here by a reader's action, the window answers as to a
    // click: a unit opens its lists, an activity lets Calculate go.
    void optionCheckedByAReader_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("opened"); // what comes into view
        QTest::newRow("optKG") << "optKG" << "cmbKG";
        QTest::newRow("optPound") << "optPound" << "cmbPointPound";
        QTest::newRow("optMeter") << "optMeter" << "cmbMeter";
        QTest::newRow("optInches") << "optInches" << "cmbPointInches";
        QTest::newRow("optThree") << "optThree" << "cmdCalculate";
    }

    void optionCheckedByAReader() {
        QFETCH(QString, option);
        QFETCH(QString, opened);
        AppFixture app;
        app.launch(0);
        if (option.startsWith("optT")) {
            QVERIFY(enter(app, "70.0 KG") && enter(app, "1.7 Meter") &&
                    click(app, Input, "cmdCalculate"));
        }
        QWidget* window = app.activeCalculator();
        QAccessibleInterface* node =
            QAccessible::queryAccessibleInterface(window->findChild<QWidget*>(option));
        node->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(node->state().checked);
        QWidget* shown = window->findChild<QWidget*>(opened);
        QVERIFY(inView(shown) && shown->isEnabled());
    }
};

QTEST_MAIN(TestCalorieWindows)
#include "tst_caloriewindows.moc"
