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

using namespace wellbox;
using namespace wellbox::testing;
namespace calc = wellbox::modCalorieCalculator;

// What Proceed handed on: how often, or the weight, height or basal working it handed on last.
static QString handedOn(const QSignalSpy& proceeded, const QString& what) {
    if (what == "handed on")
        return QString::number(proceeded.count());
    const auto entries = proceeded.value(0).value(0).value<calc::CalorieEntries>();
    return QString::fromStdString(what.startsWith("weight") ? entries.weightEntered
                                  : what.startsWith("height")
                                      ? entries.heightEntered
                                      : calc::basalFormula(entries.basal).english());
}

class TestCalorieWindows : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { checkNoWindowLeft(); }

    // After a path of steps in the input window, one thing seen, told or handed on, from
    // calorieinput.tsv.
    void input_data() { addRowsFrom("calorieinput.tsv"); }

    void input() {
        QFETCH(QString, steps);
        QFETCH(QString, what);
        const Alone input(
            [](const WindowContext& context) { return new CalorieInputWindow(context); });
        QSignalSpy proceeded(input.window, &CalorieInputWindow::proceeded);
        QCOMPARE(input.walk(steps), QString());
        QTEST(what.endsWith("handed on") ? handedOn(proceeded, what) : input.seen(what),
              "expected");
    }

    // After a path of steps in a result window given what Proceed handed on for a man of 1,
    // 70.0 kg, 1.7 m, one thing seen, kept or asked for, from calorieresult.tsv.
    void result_data() { addRowsFrom("calorieresult.tsv"); }

    void result() {
        QFETCH(QString, steps);
        QFETCH(QString, what);
        calc::CalorieStore store;
        const Alone result([&store](const WindowContext& context) {
            auto* window = new CalorieResultWindow(context, store);
            window->prepare(
                {calc::ComputeBasalCalories(Sex::Male, 70, 170, 1), "70.0 kg", "1.7 m"});
            return window;
        });
        QSignalSpy back(result.window, &CalorieResultWindow::backRequested);
        QCOMPARE(result.walk(steps), QString());
        const std::map<QString, int> counts{{"basal kept", store.BasalCalories},
                                            {"requirement kept", store.RequiredCalories},
                                            {"back requested", int(back.count())}};
        QTEST(counts.contains(what) ? QString::number(counts.at(what)) : result.seen(what),
              "expected");
    }
};

QTEST_MAIN(TestCalorieWindows)
#include "tst_caloriewindows.moc"
