#include "calorie/caloriedriver.h"

#include <QMdiArea>
#include <QScrollBar>
#include <QtTest>

#include <cmath>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

constexpr auto Input = CalorieDriver::Input;

QStringList numbers(int first, int last) {
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n);
    return items;
}

bool near(double actual, double expected) {
    return std::abs(actual - expected) <= 1e-9;
}

} // namespace

class TstCalorieInputWindow : public QObject {
    Q_OBJECT

private slots:
    void listsHoldTheirRanges_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("sex") << "cmbGender" << QStringList{"Male", "Female"};
        QTest::newRow("age") << "cmbAge" << numbers(1, 120);
        QTest::newRow("kilograms") << "cmbKG" << numbers(0, 500);
        QTest::newRow("pounds") << "cmbPound" << numbers(0, 1000);
        QTest::newRow("meters") << "cmbMeter" << numbers(0, 10);
        QTest::newRow("inches") << "cmbInches" << numbers(0, 500);
        QStringList tenths = numbers(0, 9);
        tenths.replaceInStrings(QRegularExpression("^"), ".");
        for (const UnitLists& unit : kUnits)
            QTest::newRow(unit.tenths) << unit.tenths << tenths;
    }

    void listsHoldTheirRanges() {
        QFETCH(QString, list);
        QFETCH(QStringList, items);
        CalorieDriver calorie;
        calorie.app.launch(0);
        auto* combo = calorie.in<QComboBox>(Input, qPrintable(list));
        QVERIFY(combo);
        QVERIFY(!combo->isEditable());
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        QCOMPARE(shown, items);
        QCOMPARE(combo->currentIndex(), 0);
    }

    void opensWithNoUnitChosen() {
        CalorieDriver calorie;
        CalculatorWindow* input = calorie.app.launch(0);
        QVERIFY(input);
        QCOMPARE(input->objectName(), "frmCalorieCalculatorMain");
        QCOMPARE(input->windowTitle(), "Kestavo Calorie Calculator");
        QVERIFY(!calorie.app.window.welcomePanelVisible());
        for (const UnitLists& unit : kUnits)
            QVERIFY2(!calorie.in<QRadioButton>(Input, unit.option)->isChecked(), unit.option);
        QVERIFY(inFront(calorie.in(Input, "fraSelectWeight")));
        QVERIFY(inFront(calorie.in(Input, "fraSelectHeight")));
        QCOMPARE(calorie.fileMenu(Input), QStringList({"mnuProceed=&Proceed", "mnuExit=E&xit"}));
    }

    void unitOptionsSwitchFrames_data() {
        QTest::addColumn<int>("unit");
        QTest::newRow("kilograms") << 0;
        QTest::newRow("pounds") << 1;
        QTest::newRow("meters") << 2;
        QTest::newRow("inches") << 3;
    }

    // Select -> enter on a unit, OK keeps the unit, a click on it opens the entry again, Back
    // clears it; the lists keep their selections throughout.
    void unitOptionsSwitchFrames() {
        QFETCH(int, unit);
        const UnitLists& own = kUnits.at(unit);
        const UnitLists& other = kUnits.at(unit ^ 1); // the other unit of the same entry
        const char* select = own.weight() ? "fraSelectWeight" : "fraSelectHeight";
        const char* enter = own.weight() ? "fraEnterWeight" : "fraEnterHeight";
        CalorieDriver calorie;
        calorie.app.launch(0);
        auto checked = [&](const UnitLists& u) {
            return calorie.in<QRadioButton>(Input, u.option)->isChecked();
        };

        QVERIFY(calorie.click(Input, own.option));
        QVERIFY(inFront(calorie.in(Input, enter)));
        QVERIFY(calorie.in(Input, own.frame)->isVisible());
        QVERIFY(!calorie.in(Input, other.frame)->isVisible());
        const auto lists = calorie.in(Input, own.frame)->findChildren<QComboBox*>();
        QCOMPARE(lists.size(), 2);
        QVERIFY(lists[0]->x() + lists[0]->width() <= lists[1]->x() ||
                lists[1]->x() + lists[1]->width() <= lists[0]->x());
        for (QComboBox* list : lists)
            list->setCurrentIndex(list->count() - 1);

        QVERIFY(calorie.click(Input, own.ok()));
        QVERIFY(inFront(calorie.in(Input, select)));
        QVERIFY(checked(own) && !checked(other));

        QVERIFY(calorie.click(Input, own.option));
        QVERIFY(inFront(calorie.in(Input, enter)));
        QVERIFY(calorie.click(Input, own.weight() ? "cmdBackWeight" : "cmdBackHeight"));
        QVERIFY(inFront(calorie.in(Input, select)));
        QVERIFY(!checked(own) && !checked(other));
        for (QComboBox* list : lists)
            QCOMPARE(list->currentIndex(), list->count() - 1);
    }

    void proceedNeedsBothUnits_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("no unit") << QStringList{} << false;
        QTest::newRow("no unit, from the menu") << QStringList{} << true;
        QTest::newRow("weight only") << QStringList{"optKG", "cmdOkWeight"} << false;
        QTest::newRow("height only") << QStringList{"optInches"} << false;
        QTest::newRow("weight chosen, then Back")
            << QStringList{"optKG", "cmdBackWeight", "optMeter", "cmdOKHeight"} << false;
    }

    void proceedNeedsBothUnits() {
        QFETCH(QStringList, clicks);
        QFETCH(bool, fromMenu);
        CalorieDriver calorie;
        calorie.app.launch(0);
        for (const QString& name : clicks)
            QVERIFY(calorie.click(Input, qPrintable(name)));
        const QStringList before = calorie.inputState();
        QVERIFY(fromMenu ? calorie.trigger(Input, "mnuProceed")
                         : calorie.click(Input, "cmdCalculate"));

        QCOMPARE(calorie.app.messageBox.texts(),
                 QStringList{"Plese Select Both Your Height And Weight"});
        QCOMPARE(calorie.app.messageBox.shown[0].icon, MessageIcon::Information);
        QCOMPARE(calorie.app.messageBox.shown[0].buttons, MessageButtons::Ok);
        QVERIFY(!calorie.result());
        QVERIFY(calorie.input()->isVisible());
        QCOMPARE(calorie.inputState(), before);
        QCOMPARE(calorie.store->WeightKg, 0.0);
        QCOMPARE(calorie.store->BasalCalories, 0);
    }

    void proceedConvertsAndHandsOver_data() {
        QTest::addColumn<QStringList>("entries"); // sex, age, weight, height
        QTest::addColumn<double>("weightKg");
        QTest::addColumn<double>("heightCm");
        QTest::addColumn<int>("basal");
        // More, through the result window, are in tst_calorieresultwindow.
        auto row = [](const char* what, const QStringList& entries, double kg, double cm,
                      int basal) { QTest::newRow(what) << entries << kg << cm << basal; };
        row("kilograms and meters", {"Male", "30", "70.0 kg", "1.7 m"}, 70.0, 170.0, 1671);
        row("inches", {"Female", "30", "60.0 kg", "65.0 in"}, 60.0, 165.1, 1397);
        row("pounds", {"Male", "40", "154.0 lb", "1.8 m"}, 69.99993, 180.0, 1653);
        row("tenths are read", {"Male", "30", "70.5 kg", "1.7 m"}, 70.5, 170.0, 1678);
        row("largest pounds and meters", {"Male", "1", "1000.9 lb", "10.9 m"}, 454.9540905, 1090.0,
            11742);
    }

    void proceedConvertsAndHandsOver() {
        QFETCH(QStringList, entries);
        QFETCH(double, weightKg);
        QFETCH(double, heightCm);
        QFETCH(int, basal);
        CalorieDriver calorie;
        QVERIFY(calorie.proceedWith(entries[0], entries[1], entries[2], entries[3]));
        QVERIFY2(near(calorie.store->WeightKg, weightKg),
                 qPrintable(QString::number(calorie.store->WeightKg, 'g', 17)));
        QVERIFY(near(calorie.store->HeightCm, heightCm));
        QCOMPARE(calorie.store->BasalCalories, basal);
        QVERIFY(calorie.app.messageBox.shown.isEmpty());
        // The input window waits hidden, with everything in it, behind the result window.
        QVERIFY(calorie.input());
        QVERIFY(!calorie.input()->isVisible());
        QCOMPARE(calorie.app.visibleCalculatorCount(), 1);
        QCOMPARE(calorie.app.activeCalculator(), calorie.result());
        QVERIFY(!calorie.app.window.welcomePanelVisible());
        QVERIFY(inFront(calorie.in(CalorieDriver::Result, "fraSelectDailyActivity")));
    }

    // A weight or height of 0, or a basal value not above 0, is no body to compute for.
    void proceedRefusesNoBody_data() {
        QTest::addColumn<QStringList>("entries"); // sex, age, weight, height
        QTest::addColumn<bool>("refused");
        auto row = [](const char* what, const QStringList& entries, bool refused) {
            QTest::newRow(what) << entries << refused;
        };
        row("male, no weight", {"Male", "1", "0.0 kg", "10.9 m"}, true);
        row("male, no height", {"Male", "1", "500.9 kg", "0.0 in"}, true);
        row("male, oldest, lightest, 1.4 m", {"Male", "120", "0.1 kg", "1.4 m"}, true);
        row("male, oldest, lightest, 1.5 m", {"Male", "120", "0.1 kg", "1.5 m"}, false);
        row("male, oldest, lightest, 58.9 in", {"Male", "120", "0.1 kg", "58.9 in"}, true);
        row("male, oldest, lightest, 59.0 in", {"Male", "120", "0.1 kg", "59.0 in"}, false);
        row("female, no weight", {"Female", "1", "0.0 lb", "500.9 in"}, true);
        row("female, no height", {"Female", "1", "1000.9 lb", "0.0 m"}, true);
        row("female, oldest, smallest", {"Female", "120", "0.1 lb", "0.1 in"}, false);
    }

    void proceedRefusesNoBody() {
        QFETCH(QStringList, entries);
        QFETCH(bool, refused);
        CalorieDriver calorie;
        QCOMPARE(calorie.proceedWith(entries[0], entries[1], entries[2], entries[3]), !refused);
        QCOMPARE(calorie.app.messageBox.texts(),
                 refused ? QStringList{"Plese Select Both Your Height And Weight"} : QStringList{});
        if (refused)
            QCOMPARE(calorie.app.messageBox.shown[0].icon, MessageIcon::Information);
        QCOMPARE(calorie.store->BasalCalories > 0, !refused);
    }

    // Only the chosen unit's lists count; the other unit's lists keep theirs for later.
    void switchingUnitsReadsOnlyTheChosenLists() {
        CalorieDriver calorie;
        calorie.app.launch(0);
        QVERIFY(calorie.enter("80.5 kg") && calorie.enter("2.0 m"));
        QVERIFY(calorie.proceedWith("Male", "30", "154.0 lb", "65.0 in"));
        QVERIFY(near(calorie.store->WeightKg, 69.99993));
        QVERIFY(near(calorie.store->HeightCm, 165.1));

        QVERIFY(calorie.click(CalorieDriver::Result, "cmdBack"));
        for (const char* name : {"optKG", "optMeter", "cmdCalculate"})
            QVERIFY(calorie.click(Input, name));
        QCOMPARE(calorie.store->WeightKg, 80.5);
        QCOMPARE(calorie.store->HeightCm, 200.0);
    }

    void exitShowsWelcomePanel_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("Exit button") << false;
        QTest::newRow("File Exit") << true;
    }

    void exitShowsWelcomePanel() {
        QFETCH(bool, fromMenu);
        CalorieDriver calorie;
        calorie.app.launch(0);
        QVERIFY(fromMenu ? calorie.trigger(Input, "mnuExit") : calorie.click(Input, "cmdExit"));
        QVERIFY(!calorie.input());
        QCOMPARE(calorie.app.visibleCalculatorCount(), 0);
        QVERIFY(calorie.app.window.welcomePanelVisible());
    }

    // The select frames fill the weight, age, height and sex areas, two by two, and the window
    // fits the main window without scroll bars.
    void layoutFitsTheMainWindow() {
        CalorieDriver calorie;
        CalculatorWindow* input = calorie.app.launch(0);
        auto area = [&](const char* name) {
            const QWidget* frame = calorie.in(Input, name);
            return QRect(frame->mapTo(input, QPoint(0, 0)), frame->size());
        };
        const QRect weight = area("fraSelectWeight");
        const QRect age = area("Frame1");
        const QRect height = area("fraSelectHeight");
        const QRect sex = area("Frame3");
        for (const QRect& other : {age, height, sex})
            QCOMPARE(other.size(), weight.size());
        QCOMPARE(age.top(), weight.top());
        QVERIFY(age.left() > weight.right());
        QCOMPARE(height.left(), weight.left());
        QVERIFY(height.top() > weight.bottom());
        QCOMPARE(sex.topLeft(), QPoint(age.left(), height.top()));

        QVERIFY(input->width() <= 770 && input->height() <= 370);
        QMdiArea* client = calorie.app.window.clientArea();
        QVERIFY(!client->horizontalScrollBar()->isVisible());
        QVERIFY(!client->verticalScrollBar()->isVisible());
    }
};

QTEST_MAIN(TstCalorieInputWindow)
#include "tst_calorieinputwindow.moc"
