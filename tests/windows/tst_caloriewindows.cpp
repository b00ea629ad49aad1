// The calorie calculator's two windows, each built alone: units and their frames, what Proceed
// refuses and what it hands on, the daily requirement per activity, and how the result window
// is left, as calorieinput.tsv and calorieresult.tsv list what is seen. Their texts are in
// texts.tsv; the hand-off between them is the main window's.

#include "scoring/caloriestore.h"
#include "support/datarows.h"
#include "support/nowindowleft.h"
#include "support/userpath.h"
#include "windows/calorieinputwindow.h"
#include "windows/calorieresultwindow.h"

#include <QLabel>

using namespace wellbox;
using namespace wellbox::testing;
namespace calc = wellbox::modCalorieCalculator;
using calc::basalFormula;
using calc::basalWorking;
using calc::entryPhrase;

// What Proceed handed on: how often, or the weight, height or basal working of the entries it
// handed on last.
static QString handedOn(const QSignalSpy& proceeded, const QString& what) {
    if (what == "handed on")
        return QString::number(proceeded.count());
    const auto entries = proceeded.value(0).value(0).value<calc::CalorieEntries>();
    return QString::fromStdString(what.startsWith("weight") ? entryPhrase(entries.weight).english()
                                  : what.startsWith("height")
                                      ? entryPhrase(entries.height).english()
                                      : basalFormula(entries, basalWorking(entries)).english());
}

// What the calorie store keeps: "weight kept", "height kept", "basal kept", "requirement kept".
static std::optional<QString> kept(const calc::CalorieStore& store, const QString& what) {
    const std::map<QString, double> values{{"weight kept", store.WeightKg},
                                           {"height kept", store.HeightCm},
                                           {"basal kept", store.BasalCalories},
                                           {"requirement kept", store.RequiredCalories}};
    if (!values.contains(what))
        return std::nullopt;
    return QString::number(values.at(what), 'g', 10);
}

class TestCalorieWindows : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { checkNoWindowLeft(); }

    // The age and sex labels lead to their lists: their access keys and a reader's name.
    void labelsLeadToLists_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("list");
        QTest::newRow("age") << "Label1"
                             << "cmbAge";
        QTest::newRow("sex") << "Label3"
                             << "cmbGender";
    }
    void labelsLeadToLists() {
        QFETCH(QString, label);
        calc::CalorieStore store;
        const Alone input([&store](const WindowContext& context) {
            return new CalorieInputWindow(context, store);
        });
        const QWidget* buddy = input.window->findChild<QLabel*>(label)->buddy();
        QTEST(buddy ? buddy->objectName() : QString(), "list");
    }

    // After a path of steps in the input window, one thing seen, told or handed on, from
    // calorieinput.tsv.
    void input_data() { addRowsFrom("calorieinput.tsv"); }

    void input() {
        QFETCH(QString, steps);
        QFETCH(QString, what);
        calc::CalorieStore store;
        const Alone input([&store](const WindowContext& context) {
            return new CalorieInputWindow(context, store);
        });
        QSignalSpy proceeded(input.window, &CalorieInputWindow::proceeded);
        QCOMPARE(input.walk(steps), QString());
        const std::optional<QString> inStore = kept(store, what);
        QTEST(what.endsWith("handed on") ? handedOn(proceeded, what)
              : inStore                  ? *inStore
                                         : input.seen(what),
              "expected");
    }

    // After a path of steps in a result window given what Proceed kept and handed on for a man
    // of 1, 70.0 kg, 1.7 m, one thing seen, kept or asked for, from calorieresult.tsv.
    void result_data() { addRowsFrom("calorieresult.tsv"); }

    void result() {
        QFETCH(QString, steps);
        QFETCH(QString, what);
        const calc::CalorieEntries entries{Sex::Male, 1, calorieEntry("70.0 kg"),
                                           calorieEntry("1.7 m")};
        calc::CalorieStore store{70, 170, calc::basalWorking(entries).basal, 0};
        const Alone result([&](const WindowContext& context) {
            auto* window = new CalorieResultWindow(context, store);
            window->prepare(entries);
            return window;
        });
        QSignalSpy back(result.window, &CalorieResultWindow::backRequested);
        QCOMPARE(result.walk(steps), QString());
        const std::optional<QString> inStore = kept(store, what);
        QTEST(what == "back requested" ? QString::number(back.count())
              : inStore                ? *inStore
                                       : result.seen(what),
              "expected");
    }
};

QTEST_MAIN(TestCalorieWindows)
#include "tst_caloriewindows.moc"
