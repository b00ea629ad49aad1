#include "calorie/caloriedriver.h"

#include "widgets/helplinks.h"

#include <QPointer>
#include <QtTest>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

constexpr auto Input = CalorieDriver::Input;
constexpr auto Result = CalorieDriver::Result;

const QStringList kActivityOptions{"optOne", "optTwo", "optThree", "optFour", "optFive"};

bool noActivitySelected(const CalorieDriver& calorie) {
    for (const QString& name : kActivityOptions)
        if (calorie.in<QRadioButton>(Result, qPrintable(name))->isChecked())
            return false;
    return true;
}

} // namespace

class TstCalorieResultWindow : public QObject {
    Q_OBJECT

private slots:
    void workedExamples_data() {
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("height");
        QTest::addColumn<int>("basal");
        QTest::addColumn<QStringList>("required"); // one per activity option, top to bottom
        const QList<QStringList> examples{
            {"Male", "30", "70.0 kg", "1.7 m", "1671", "2005", "2298", "2506", "2841", "3342"},
            {"Female", "30", "60.0 kg", "65.0 in", "1397", "1676", "1921", "2096", "2375", "2794"},
            {"Male", "40", "154.0 lb", "1.8 m", "1653", "1984", "2273", "2480", "2810", "3306"},
            {"Male", "120", "0.1 kg", "1.5 m", "1", "1", "1", "2", "2", "2"},
            {"Male", "1", "500.9 kg", "500.9 in", "13283", "15940", "18264", "19924", "22581",
             "26566"},
        };
        for (const QStringList& e : examples)
            QTest::addRow("%s %s %s %s", qPrintable(e[0]), qPrintable(e[1]), qPrintable(e[2]),
                          qPrintable(e[3]))
                << e[0] << e[1] << e[2] << e[3] << e[4].toInt() << e.mid(5);
    }

    // Each level needs a fresh result window: after Calculate the options are covered, so the
    // second and later levels also go through Back and a second Proceed.
    void workedExamples() {
        QFETCH(QString, sex);
        QFETCH(QString, age);
        QFETCH(QString, weight);
        QFETCH(QString, height);
        QFETCH(int, basal);
        QFETCH(QStringList, required);
        CalorieDriver calorie;
        QVERIFY(calorie.proceedWith(sex, age, weight, height));
        for (qsizetype level = 0; level < kActivityOptions.size(); ++level) {
            if (level > 0) {
                QVERIFY(calorie.click(Result, "cmdBack"));
                QVERIFY(calorie.click(Input, "cmdCalculate"));
            }
            QCOMPARE(calorie.store->BasalCalories, basal);
            QVERIFY(noActivitySelected(calorie));
            QVERIFY(calorie.click(Result, qPrintable(kActivityOptions[level])));
            QVERIFY(calorie.click(Result, "cmdCalculate"));

            QCOMPARE(calorie.shownRequirement(), required[level]);
            QCOMPARE(calorie.store->RequiredCalories, required[level].toInt());
            QVERIFY(inFront(calorie.in(Result, "fraResult")));
            QVERIFY(!reachable(calorie.in(Result, "cmdCalculate")));
            QVERIFY(!reachable(calorie.in(Result, qPrintable(kActivityOptions[level]))));
            QVERIFY(!calorie.app.window.welcomePanelVisible());
        }
    }

    void calculateWaitsForAnActivity_data() {
        QTest::addColumn<QString>("activity");
        QTest::addColumn<QString>("required"); // for female, 50, 80.0 kg, 65.0 in (basal 1495)
        const QStringList required{"1794", "2056", "2242", "2542", "2990"};
        for (qsizetype i = 0; i < kActivityOptions.size(); ++i)
            QTest::newRow(qPrintable(kActivityOptions[i])) << kActivityOptions[i] << required[i];
    }

    // Nothing to calculate before an activity is chosen, so no earlier requirement, nor the
    // store's starting 0, is ever shown as the one of the entries.
    void calculateWaitsForAnActivity() {
        QFETCH(QString, activity);
        QFETCH(QString, required);
        CalorieDriver calorie;
        QVERIFY(calorie.proceedWith("Male", "30", "70.0 kg", "1.7 m"));
        QVERIFY(calorie.click(Result, "optFive"));
        QVERIFY(calorie.click(Result, "cmdCalculate"));
        QVERIFY(calorie.click(Result, "cmdExit"));
        QVERIFY(calorie.proceedWith("Female", "50", "80.0 kg", "65.0 in"));
        auto* calculate = calorie.in<QAbstractButton>(Result, "cmdCalculate");
        QVERIFY(!calculate->isEnabled());
        QTest::mouseClick(calculate, Qt::LeftButton);
        QVERIFY(inFront(calorie.in(Result, "fraSelectDailyActivity")));

        QVERIFY(calorie.click(Result, qPrintable(activity)));
        QVERIFY(calculate->isEnabled());
        QVERIFY(calorie.click(Result, "cmdCalculate"));
        QCOMPARE(calorie.shownRequirement(), required);
    }

    void backRestoresTheInputWindow_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("Back button") << false;
        QTest::newRow("File Back") << true;
    }

    void backRestoresTheInputWindow() {
        QFETCH(bool, fromMenu);
        CalorieDriver calorie;
        QVERIFY(calorie.proceedWith("Female", "45", "154.0 lb", "65.0 in"));
        QCOMPARE(calorie.store->BasalCalories, 1423);
        QVERIFY(calorie.result());
        // Leave the height entry frame in front, to see it come back that way.
        QVERIFY(calorie.click(Result, "cmdBack"));
        QVERIFY(calorie.click(Input, "optInches"));
        const QPointer<CalculatorWindow> input = calorie.input();
        const QStringList before = calorie.inputState();
        QVERIFY(calorie.click(Input, "cmdCalculate"));
        QVERIFY(calorie.click(Result, "optTwo"));
        QVERIFY(calorie.click(Result, "cmdCalculate"));
        const QPointer<CalculatorWindow> firstResult = calorie.result();

        QVERIFY(fromMenu ? calorie.trigger(Result, "mnuFileBack")
                         : calorie.click(Result, "cmdBack"));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(firstResult.isNull());
        QVERIFY(!calorie.result());
        QCOMPARE(calorie.input(), input.data());
        QVERIFY(calorie.input()->isVisible());
        QCOMPARE(calorie.app.visibleCalculatorCount(), 1);
        QVERIFY(!calorie.app.window.welcomePanelVisible());
        QCOMPARE(calorie.inputState(), before);
        QVERIFY(inFront(calorie.in(Input, "fraSelectWeight")));
        QVERIFY(inFront(calorie.in(Input, "fraEnterHeight")));

        // A second Proceed recomputes from the entries and opens a fresh result window.
        QVERIFY(calorie.pick("cmbAge", "46"));
        QVERIFY(calorie.click(Input, "cmdCalculate"));
        QCOMPARE(calorie.store->BasalCalories, 1418);
        QVERIFY(noActivitySelected(calorie));
        QVERIFY(inFront(calorie.in(Result, "fraSelectDailyActivity")));
    }

    void exitLeavesTheInputWindowForTheLauncher_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<bool>("relaunch"); // or click the first welcome caption
        QTest::newRow("Exit button, then the calorie launcher") << false << true;
        QTest::newRow("File Exit, then the welcome caption") << true << false;
    }

    void exitLeavesTheInputWindowForTheLauncher() {
        QFETCH(bool, fromMenu);
        QFETCH(bool, relaunch);
        CalorieDriver calorie;
        QVERIFY(calorie.proceedWith("Male", "30", "70.0 kg", "1.7 m"));
        const QPointer<CalculatorWindow> input = calorie.input();

        QVERIFY(fromMenu ? calorie.trigger(Result, "mnuExit") : calorie.click(Result, "cmdExit"));
        QVERIFY(!calorie.result());
        QCOMPARE(calorie.input(), input.data());
        QVERIFY(!input->isVisible());
        QCOMPARE(calorie.app.visibleCalculatorCount(), 0);
        QVERIFY(calorie.app.window.welcomePanelVisible());

        if (relaunch) {
            QVERIFY(calorie.app.launch(0));
            QVERIFY(calorie.input() != input.data());
            QVERIFY(!calorie.in<QRadioButton>(Input, "optKG")->isChecked());
            QVERIFY(!calorie.app.window.welcomePanelVisible());
        } else {
            calorie.app.window.launchFromCaption(0);
            QVERIFY(!calorie.input());
            QVERIFY(calorie.app.window.welcomePanelVisible());
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(input.isNull());
    }

    // Each window's advert opens the co-brand page once.
    void advertsOpenTheCoBrandingPage() {
        CalorieDriver calorie;
        calorie.app.launch(0);
        QVERIFY(reachable(calorie.in(Input, "lblCobrand")));
        QTest::mouseClick(calorie.in<QLabel>(Input, "lblCobrand"), Qt::LeftButton);
        QVERIFY(calorie.proceedWith("Male", "30", "70.0 kg", "1.7 m"));
        auto* advert = calorie.in<QLabel>(Result, "lblCobrand");
        QVERIFY(reachable(advert));
        QTest::mouseClick(advert, Qt::LeftButton);
        QCOMPARE(calorie.app.webPageOpener.opened,
                 QStringList(2, pageAddress(WebPage::CoBrandPage)));
    }

    void resultWindowMenuAndLayout() {
        CalorieDriver calorie;
        QVERIFY(calorie.proceedWith("Male", "30", "70.0 kg", "1.7 m"));
        CalculatorWindow* result = calorie.result();
        QCOMPARE(result->objectName(), "frmCalorieCalculatorDisplay");
        QCOMPARE(result->windowTitle(), "Kestavo Calorie Calculator");
        QCOMPARE(calorie.fileMenu(Result), QStringList({"mnuFileBack=&Back", "mnuExit=E&xit"}));

        // The result frame covers the activity frame completely once it is raised.
        QCOMPARE(calorie.in(Result, "fraResult")->geometry(),
                 calorie.in(Result, "fraSelectDailyActivity")->geometry());
        QVERIFY(result->width() <= 770 && result->height() <= 370);
    }
};

QTEST_MAIN(TstCalorieResultWindow)
#include "tst_calorieresultwindow.moc"
