#include "calorie/caloriedriver.h"

#include <QGroupBox>
#include <QMdiArea>
#include <QMenu>
#include <QScrollBar>
#include <QtTest>

#include <cmath>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

QStringList numbers(int first, int last) {
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n);
    return items;
}

const QStringList kTenths{".0", ".1", ".2", ".3", ".4", ".5", ".6", ".7", ".8", ".9"};

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
        for (const char* tenths :
             {"cmbPointKG", "cmbPointPound", "cmbPointMeter", "cmbPointInches"})
            QTest::newRow(tenths) << tenths << kTenths;
    }

    void listsHoldTheirRanges() {
        QFETCH(QString, list);
        QFETCH(QStringList, items);
        CalorieDriver calorie;
        calorie.app.launch(0);
        auto* combo = calorie.in<QComboBox>(CalorieDriver::Input, qPrintable(list));
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
            QVERIFY2(!calorie.in<QRadioButton>(CalorieDriver::Input, unit.option)->isChecked(),
                     unit.option);
        QVERIFY(inFront(calorie.in(CalorieDriver::Input, "fraSelectWeight")));
        QVERIFY(inFront(calorie.in(CalorieDriver::Input, "fraSelectHeight")));

        const QList<QAction*> file = calorie.in<QMenu>(CalorieDriver::Input, "mnuFile")->actions();
        QCOMPARE(file.size(), 2);
        QCOMPARE(file[0]->objectName(), "mnuProceed");
        QCOMPARE(file[0]->text(), "&Proceed");
        QCOMPARE(file[1]->objectName(), "mnuExit");
    }

    void unitOptionsSwitchFrames_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("otherOption");
        QTest::addColumn<QString>("selectFrame");
        QTest::addColumn<QString>("enterFrame");
        QTest::addColumn<QString>("shownFrame");
        QTest::addColumn<QString>("hiddenFrame");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("back");
        QTest::newRow("kilograms") << "optKG"
                                   << "optPound"
                                   << "fraSelectWeight"
                                   << "fraEnterWeight"
                                   << "fraInKilogram"
                                   << "fraInPound"
                                   << "cmdOkWeight"
                                   << "cmdBackWeight";
        QTest::newRow("pounds") << "optPound"
                                << "optKG"
                                << "fraSelectWeight"
                                << "fraEnterWeight"
                                << "fraInPound"
                                << "fraInKilogram"
                                << "cmdOkWeight"
                                << "cmdBackWeight";
        QTest::newRow("meters") << "optMeter"
                                << "optInches"
                                << "fraSelectHeight"
                                << "fraEnterHeight"
                                << "fraInMeter"
                                << "fraInInches"
                                << "cmdOKHeight"
                                << "cmdBackHeight";
        QTest::newRow("inches") << "optInches"
                                << "optMeter"
                                << "fraSelectHeight"
                                << "fraEnterHeight"
                                << "fraInInches"
                                << "fraInMeter"
                                << "cmdOKHeight"
                                << "cmdBackHeight";
    }

    // Select -> enter on a unit, OK keeps the unit, a click on it opens the entry again, Back
    // clears it; the lists keep their selections throughout.
    void unitOptionsSwitchFrames() {
        QFETCH(QString, option);
        QFETCH(QString, otherOption);
        QFETCH(QString, selectFrame);
        QFETCH(QString, enterFrame);
        QFETCH(QString, shownFrame);
        QFETCH(QString, hiddenFrame);
        QFETCH(QString, ok);
        QFETCH(QString, back);
        CalorieDriver calorie;
        calorie.app.launch(0);
        const auto K = CalorieDriver::Input;
        auto frame = [&](const QString& name) { return calorie.in(K, qPrintable(name)); };
        auto checked = [&](const QString& name) {
            return calorie.in<QRadioButton>(K, qPrintable(name))->isChecked();
        };

        QVERIFY(calorie.click(K, qPrintable(option)));
        QVERIFY(inFront(frame(enterFrame)));
        QVERIFY(frame(shownFrame)->isVisible());
        QVERIFY(!frame(hiddenFrame)->isVisible());
        const auto lists = frame(shownFrame)->findChildren<QComboBox*>();
        QCOMPARE(lists.size(), 2);
        QVERIFY(lists[0]->x() + lists[0]->width() <= lists[1]->x() ||
                lists[1]->x() + lists[1]->width() <= lists[0]->x());
        for (QComboBox* list : lists)
            list->setCurrentIndex(list->count() - 1);

        QVERIFY(calorie.click(K, qPrintable(ok)));
        QVERIFY(inFront(frame(selectFrame)));
        QVERIFY(checked(option));
        QVERIFY(!checked(otherOption));

        QVERIFY(calorie.click(K, qPrintable(option)));
        QVERIFY(inFront(frame(enterFrame)));
        QVERIFY(calorie.click(K, qPrintable(back)));
        QVERIFY(inFront(frame(selectFrame)));
        QVERIFY(!checked(option));
        QVERIFY(!checked(otherOption));
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
            QVERIFY(calorie.click(CalorieDriver::Input, qPrintable(name)));
        const QStringList before = calorie.inputState();

        QVERIFY(fromMenu ? calorie.trigger(CalorieDriver::Input, "mnuProceed")
                         : calorie.click(CalorieDriver::Input, "cmdCalculate"));

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
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("height");
        QTest::addColumn<double>("weightKg");
        QTest::addColumn<double>("heightCm");
        QTest::addColumn<int>("basal");
        QTest::newRow("kilograms and meters") << "Male"
                                              << "30"
                                              << "70.0 kg"
                                              << "1.7 m" << 70.0 << 170.0 << 1671;
        QTest::newRow("inches") << "Female"
                                << "30"
                                << "60.0 kg"
                                << "65.0 in" << 60.0 << 165.1 << 1397;
        QTest::newRow("pounds") << "Male"
                                << "40"
                                << "154.0 lb"
                                << "1.8 m" << 69.99993 << 180.0 << 1653;
        QTest::newRow("tenths are read") << "Male"
                                         << "30"
                                         << "70.5 kg"
                                         << "1.7 m" << 70.5 << 170.0 << 1678;
        QTest::newRow("nothing but age") << "Male"
                                         << "120"
                                         << "0.0 kg"
                                         << "0.0 m" << 0.0 << 0.0 << -750;
        QTest::newRow("largest kilograms and inches") << "Male"
                                                      << "1"
                                                      << "500.9 kg"
                                                      << "500.9 in" << 500.9 << 1272.286 << 13283;
        QTest::newRow("largest kilograms and inches, female")
            << "Female"
            << "1"
            << "500.9 kg"
            << "500.9 in" << 500.9 << 1272.286 << 7759;
        QTest::newRow("largest pounds and meters") << "Male"
                                                   << "1"
                                                   << "1000.9 lb"
                                                   << "10.9 m" << 454.9540905 << 1090.0 << 11742;
    }

    void proceedConvertsAndHandsOver() {
        QFETCH(QString, sex);
        QFETCH(QString, age);
        QFETCH(QString, weight);
        QFETCH(QString, height);
        QFETCH(double, weightKg);
        QFETCH(double, heightCm);
        QFETCH(int, basal);
        CalorieDriver calorie;
        QVERIFY(calorie.proceedWith(sex, age, weight, height));

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

    // Only the chosen unit's lists count; the other unit's lists keep theirs for later.
    void switchingUnitsReadsOnlyTheChosenLists() {
        CalorieDriver calorie;
        calorie.app.launch(0);
        QVERIFY(calorie.enter("80.5 kg"));
        QVERIFY(calorie.enter("2.0 m"));
        QVERIFY(calorie.proceedWith("Male", "30", "154.0 lb", "65.0 in"));
        QVERIFY(near(calorie.store->WeightKg, 69.99993));
        QVERIFY(near(calorie.store->HeightCm, 165.1));

        QVERIFY(calorie.click(CalorieDriver::Result, "cmdBack"));
        QVERIFY(calorie.click(CalorieDriver::Input, "optKG"));
        QVERIFY(calorie.click(CalorieDriver::Input, "optMeter"));
        QVERIFY(calorie.click(CalorieDriver::Input, "cmdCalculate"));
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
        QVERIFY(fromMenu ? calorie.trigger(CalorieDriver::Input, "mnuExit")
                         : calorie.click(CalorieDriver::Input, "cmdExit"));
        QVERIFY(!calorie.input());
        QCOMPARE(calorie.app.visibleCalculatorCount(), 0);
        QVERIFY(calorie.app.window.welcomePanelVisible());
    }

    void layoutFitsTheMainWindow() {
        CalorieDriver calorie;
        CalculatorWindow* input = calorie.app.launch(0);
        // The select frames fill the weight and height areas.
        auto area = [&](const char* name) {
            const QWidget* frame = calorie.in(CalorieDriver::Input, name);
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

        QVERIFY(input->width() <= 770);
        QVERIFY(input->height() <= 370);
        QMdiArea* client = calorie.app.window.clientArea();
        QVERIFY(!client->horizontalScrollBar()->isVisible());
        QVERIFY(!client->verticalScrollBar()->isVisible());
    }
};

QTEST_MAIN(TstCalorieInputWindow)
#include "tst_calorieinputwindow.moc"
