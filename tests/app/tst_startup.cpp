#include "app/application.h"
#include "app/updatereminder.h"
#include "support/appfixture.h"
#include "support/datarows.h"
#include "support/nowindowleft.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

using namespace wellbox;
using namespace wellbox::testing;

// A file-size limit of 0 bytes.
constexpr rlimit kNoGrowth{0, 0};

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { checkNoWindowLeft(); }

    // A start with the last reminder's date as stored, from starts.tsv.
    void start_data() { addRowsFrom("starts.tsv"); }

    void start() {
        QFETCH(QString, locale);
        QFETCH(QString, stored);
        QFETCH(QString, outcome);
        QLocale::setDefault(QLocale(locale));
        FakeContext fakes;
        FakeInstanceGuard guard;
        guard.running = outcome == "refused";
        // Under the program's file name, "Duration" as earlier releases stored it.
        const QString key = "tst_startup|Settings|sFC2E:@?";
        fakes.settings.values[key] = EncodeSetting(stored);
        fakes.messageBox.answers = {outcome == "Yes" ? MessageAnswer::Yes : MessageAnswer::No};
        const auto window = startApplication(fakes.platform, guard, fakes.links, {});
        QTEST(seen("message boxes", nullptr, fakes, {}), "boxes");
        QCOMPARE(window && window->isVisible(), !guard.running);
        QTEST(seen("pages", nullptr, fakes, {}), "pages");
        QTEST(DecodeSetting(fakes.settings.values.value(key)), "after");
    }

    // The program itself where no window can open or no file can grow, from program.tsv.
    void program_data() { addRowsFrom("program.tsv"); }

    void program() {
        QFETCH(QString, environment);
        QFETCH(int, noFileGrows);
        QFETCH(QString, message);
        QTemporaryDir home; // its own lock and settings, away from every other run
        QProcessEnvironment started = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
            started.remove(name);
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
            started.insert(name, home.path());
        for (const QString& setting : environment.split(' ', Qt::SkipEmptyParts))
            started.insert(setting.section('=', 0, 0), setting.section('=', 1));
        QProcess program;
        program.setProcessEnvironment(started);
        if (noFileGrows)
            program.setChildProcessModifier([] { ::setrlimit(RLIMIT_FSIZE, &kNoGrowth); });
        program.start(WELLBOX_PROGRAM, {});
        const bool ended = program.waitForFinished(noFileGrows ? 3000 : 60000);
        program.kill();
        program.waitForFinished();
        const bool killed = program.exitStatus() == QProcess::CrashExit;
        QTEST(!ended   ? "runs"
              : killed ? "killed"
                       : QString("status %1").arg(program.exitCode()),
              "outcome");
        QCOMPARE(program.readAllStandardError(), QByteArray::fromPercentEncoding(message.toUtf8()));
    }

    // Every printable character stands for another; earlier releases must still be read.
    void settingsDisguise() { QCOMPARE(EncodeSetting("!Duration~ \u00e9"), "PsFC2E:@?O \u00e9"); }

    // Centred on the screen, but never with the menu bar out of reach; from positions.tsv.
    void mainWindowPosition_data() { addRowsFrom("positions.tsv"); }

    void mainWindowPosition() {
        QFETCH(QString, available);
        const QStringList area = available.split(' ');
        const QPoint at = wellbox::mainWindowPosition(
            QRect(area[0].toInt(), area[1].toInt(), area[2].toInt(), area[3].toInt()),
            QSize(800, 620));
        QTEST(QString("%1 %2").arg(at.x()).arg(at.y()), "expected");
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
