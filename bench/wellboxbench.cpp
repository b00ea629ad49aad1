// Times the suite against a bare QMainWindow of the same size, in one run of this program:
//   wellbox-bench [--runs N]
// Start-up and peak memory are whole processes: this program starts itself again, once as the
// bare window and once as the suite (which then opens every calculator once), and times each
// from process start until its window has been painted. Opening windows and driving the
// calculators are timed inside this process.

#include "app/calculatorfactory.h"
#include "app/mainwindow.h"
#include "result/resultdocument.h"
#include "result/resultsheet.h"
#include "scoring/modheartattack.h"
#include "support/appfixture.h"
#include "windows/calculatorwindow.h"
#include "windows/helplinks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

constexpr QSize kClientSize{792, 546};

// Peak resident set size of this process in KiB, as the kernel reports it.
long peakResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Shows a window and returns once it has been painted.
void showAndPaint(QWidget& window) {
    window.show();
    static_cast<void>(QTest::qWaitForWindowExposed(&window));
    window.repaint();
    QApplication::processEvents();
}

// The calculator the launcher button opens whose name carries `button`.
CalculatorKind launchedBy(int button) {
    for (const CalculatorDescriptor& calculator : kCalculators)
        if (calculator.launcher && calculator.launcher->buttonIndex == button)
            return calculator.kind;
    throw std::out_of_range("no launcher button " + std::to_string(button));
}

struct Suite : FakeContext {
    CalculatorWindows calculators;
    MainWindow window{platform, links,
                      [this](CalculatorKind kind, const WindowContext& context, MainWindow& shell) {
                          return calculators.create(kind, context, shell);
                      }};

    template <typename T = QWidget> T* in(CalculatorKind kind, const char* name) const {
        CalculatorWindow* calculator = window.loadedCalculator(kind);
        return calculator ? calculator->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    }

    void click(CalculatorKind kind, const char* name) const {
        if (auto* button = in<QAbstractButton>(kind, name))
            button->click();
    }

    void type(CalculatorKind kind, const char* name, const QString& text) const {
        if (auto* box = in<QLineEdit>(kind, name))
            box->setText(text);
    }

    void quiz(CalculatorKind kind, int questions) {
        window.launch(kind);
        if (kind == CalculatorKind::Diabetes) {
            type(kind, "txtName", QStringLiteral("Pat"));
            type(kind, "txtWeight", QStringLiteral("170"));
        } else {
            type(kind, "txtAge", QStringLiteral("50"));
        }
        click(kind, "cmdNext");
        for (int i = 0; i < questions; ++i)
            click(kind, "cmdNextQuestion");
        QApplication::processEvents();
    }

    void calorieProceedAndCalculate() const {
        click(CalculatorKind::CalorieMain, "optKG");
        click(CalculatorKind::CalorieMain, "optMeter");
        click(CalculatorKind::CalorieMain, "cmdCalculate");
        click(CalculatorKind::CalorieDisplay, "optThree");
        click(CalculatorKind::CalorieDisplay, "cmdCalculate");
        QApplication::processEvents();
    }
};

struct Measure {
    const char* name;
    std::vector<double> millis;

    double median() const {
        std::vector<double> sorted = millis;
        std::sort(sorted.begin(), sorted.end());
        return sorted.empty() ? 0.0 : sorted[sorted.size() / 2];
    }
};

double timeMillis(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The child process: shows its window, reports when painted, then reports its peak memory.
// The bare window with one line of text shows what any window with text pays for the font
// system, which the bare window itself only sets up when it closes.
int child(const QString& mode) {
    std::unique_ptr<QMainWindow> bare;
    std::unique_ptr<Suite> suite;
    if (mode == QStringLiteral("suite")) {
        suite = std::make_unique<Suite>();
        showAndPaint(suite->window);
    } else {
        bare = std::make_unique<QMainWindow>();
        bare->resize(kClientSize);
        if (mode == QStringLiteral("text"))
            bare->setCentralWidget(new QLabel(QStringLiteral("Kestavo Wellbox I"), bare.get()));
        showAndPaint(*bare);
    }
    std::printf("painted\n");
    std::fflush(stdout);
    if (suite) {
        for (int button = 0; button < 4; ++button) {
            suite->window.launch(launchedBy(button));
            QApplication::processEvents();
        }
        suite->window.launch(CalculatorKind::CalorieMain);
        suite->calorieProceedAndCalculate();
    }
    std::printf("%ld\n", peakResidentKiB());
    return 0;
}

struct ChildRun {
    double startupMillis;
    long peakKiB;
};

ChildRun runChild(const char* mode) {
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(QApplication::applicationFilePath(),
                  {QStringLiteral("--child"), QString::fromLatin1(mode)});
    process.waitForStarted();
    while (!process.canReadLine() && process.state() != QProcess::NotRunning)
        process.waitForReadyRead(10000);
    const double startup = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    process.waitForFinished(60000);
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    long peak = -1;
    for (const QByteArray& line : lines)
        if (!line.isEmpty() && line != "painted")
            peak = line.toLong();
    return {startup, peak};
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kestavo-wellbox-bench"));
    const QStringList args = QApplication::arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--child"));
        at > 0 && at + 1 < args.size())
        return child(args.at(at + 1));
    int runs = 30;
    if (const qsizetype at = args.indexOf(QStringLiteral("--runs")); at > 0 && at + 1 < args.size())
        runs = std::max(3, args.at(at + 1).toInt());

    Measure bareProcess{"process start to bare window painted", {}};
    Measure textProcess{"process start to bare window with text painted", {}};
    Measure suiteProcess{"process start to main window painted", {}};
    std::vector<double> barePeaks;
    std::vector<double> textPeaks;
    std::vector<double> suitePeaks;
    for (int run = 0; run < std::max(5, runs / 3); ++run) {
        const ChildRun bareRun = runChild("bare");
        const ChildRun textRun = runChild("text");
        const ChildRun suiteRun = runChild("suite");
        bareProcess.millis.push_back(bareRun.startupMillis);
        textProcess.millis.push_back(textRun.startupMillis);
        suiteProcess.millis.push_back(suiteRun.startupMillis);
        barePeaks.push_back(static_cast<double>(bareRun.peakKiB));
        textPeaks.push_back(static_cast<double>(textRun.peakKiB));
        suitePeaks.push_back(static_cast<double>(suiteRun.peakKiB));
    }

    Measure bare{"bare window shown and painted", {}};
    Measure startup{"main window built, shown and painted", {}};
    std::vector<Measure> opening{{"open Calorie Calculator", {}},
                                 {"open Cholesterol Risk Calculator", {}},
                                 {"open Diabetes Risk Calculator", {}},
                                 {"open Heart Attack Risk Calculator", {}}};
    Measure heartQuiz{"heart attack quiz, start to result", {}};
    Measure cholesterolQuiz{"cholesterol quiz, start to result", {}};
    Measure diabetesQuiz{"diabetes quiz, start to result", {}};
    Measure calorie{"calorie Proceed and Calculate", {}};
    Measure table{"heart attack workings scored and tabled", {}};
    Measure pdf{"heart attack result written as PDF", {}};

    // A first, untimed round warms fonts and style caches for both sides alike.
    {
        QMainWindow warm;
        warm.resize(kClientSize);
        showAndPaint(warm);
        Suite suite;
        showAndPaint(suite.window);
    }

    for (int run = 0; run < runs; ++run) {
        bare.millis.push_back(timeMillis([] {
            QMainWindow window;
            window.resize(kClientSize);
            showAndPaint(window);
        }));
        std::unique_ptr<Suite> suite;
        startup.millis.push_back(timeMillis([&] {
            suite = std::make_unique<Suite>();
            showAndPaint(suite->window);
        }));
        for (int button = 0; button < 4; ++button)
            opening[static_cast<std::size_t>(button)].millis.push_back(timeMillis([&] {
                suite->window.launch(launchedBy(button));
                QApplication::processEvents();
            }));
        heartQuiz.millis.push_back(
            timeMillis([&] { suite->quiz(CalculatorKind::HeartAttack, 6); }));
        cholesterolQuiz.millis.push_back(
            timeMillis([&] { suite->quiz(CalculatorKind::Cholesterol, 6); }));
        diabetesQuiz.millis.push_back(
            timeMillis([&] { suite->quiz(CalculatorKind::Diabetes, 5); }));
        suite->window.launch(CalculatorKind::CalorieMain);
        calorie.millis.push_back(timeMillis([&] { suite->calorieProceedAndCalculate(); }));
        const modHeartAttack::HeartAttackAnswers worked{50, Sex::Male, {0, 1, 6, 7, 8, 1}};
        {
            ResultSheet sheet(suite->platform,
                              QStringLiteral("Kestavo Heart Attack Risk Calculator"),
                              MessageIcon::Stop, CaptionPlace::Below);
            table.millis.push_back(timeMillis([&] {
                sheet.setReport(modHeartAttack::heartAttackReport(
                    worked, modHeartAttack::ScoreHeartAttackRisk(worked)));
            }));
        }
        const ResultDocument document(QStringLiteral("Kestavo Heart Attack Risk Calculator"),
                                      suite->clock.now(),
                                      modHeartAttack::heartAttackReport(
                                          worked, modHeartAttack::ScoreHeartAttackRisk(worked)));
        pdf.millis.push_back(timeMillis([&] { document.pdf(); }));
        suite->window.close();
        suite.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    const double base = bare.median();
    std::printf("%-48s %10s %9s\n", "operation", "median ms", "x bare");
    auto row = [](const Measure& m, double baseline) {
        std::printf("%-48s %10.3f %9.2f\n", m.name, m.median(),
                    baseline > 0 ? m.median() / baseline : 0);
    };
    row(bareProcess, bareProcess.median());
    row(textProcess, bareProcess.median());
    row(suiteProcess, bareProcess.median());
    row(bare, base);
    row(startup, base);
    for (const Measure& m : opening)
        row(m, base);
    row(heartQuiz, base);
    row(cholesterolQuiz, base);
    row(diabetesQuiz, base);
    row(calorie, base);
    row(table, base);
    row(pdf, base);
    const Measure barePeak{"", barePeaks};
    const Measure textPeak{"", textPeaks};
    const Measure suitePeak{"", suitePeaks};
    std::printf("\n%-48s %10.0f KiB\n", "peak memory, bare-window process", barePeak.median());
    std::printf("%-48s %10.0f KiB %6.2f x\n", "peak memory, bare window with text",
                textPeak.median(),
                barePeak.median() > 0 ? textPeak.median() / barePeak.median() : 0.0);
    std::printf("%-48s %10.0f KiB %6.2f x\n", "peak memory, suite with every window opened",
                suitePeak.median(),
                barePeak.median() > 0 ? suitePeak.median() / barePeak.median() : 0.0);
    std::printf("(%d runs in process, %zu process pairs, platform %s)\n", runs, barePeaks.size(),
                qPrintable(QGuiApplication::platformName()));
    return 0;
}
