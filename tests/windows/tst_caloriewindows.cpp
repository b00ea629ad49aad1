// The calorie calculator's two windows from the launcher: units and their frames, what Proceed
// refuses, the daily requirement per activity, Back to the input window as left, and Exit.

#include "scoring/caloriestore.h"
#include "support/appfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>

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
            // The workings: the basal value, then every level's requirement.
            const auto* table = app.findIn<QTableWidget>(Result, "tblBreakdown");
            QStringList worked;
            for (int r = 0; r < table->rowCount(); ++r)
                worked << table->item(r, 2)->text();
            QCOMPARE(worked, calories);
            // Save, Print and Copy follow Back in the Tab order, and the table them.
            app.findIn(Result, "cmdBack")->setFocus();
            for (worked.clear(); worked.size() < 4;
                 worked << QApplication::focusWidget()->objectName())
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(worked.join(' '), "cmdSavePdf cmdPrint cmdCopyResult tblBreakdown");
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
};

QTEST_MAIN(TestCalorieWindows)
#include "tst_caloriewindows.moc"
