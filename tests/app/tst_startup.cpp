#include "app/application.h"
#include "app/updatereminder.h"
#include "support/appfixture.h"
#include "support/datarows.h"
#include "support/nowindowleft.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

using namespace wellbox;
using namespace wellbox::testing;

// A file-size limit of 0 bytes.
constexpr rlimit kNoGrowth{0, 0};

// The environment of the program itself: no display but the offscreen platform, and its own
// home, settings and runtime folder `home`, away from every other run.
QProcessEnvironment programEnvironment(const QString& home) {
    QProcessEnvironment started = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        started.remove(name);
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
        started.insert(name, home);
    return started;
}

// Waits up to ten seconds for `ready`.
template <typename Ready> bool waitFor(Ready ready) {
    for (int tick = 0; tick < 1000; ++tick, QTest::qWait(10))
        if (ready())
            return true;
    return false;
}

// How a program ended: "killed", "status N", or "runs" when it did not end in ten seconds.
QString outcome(QProcess& program) {
    const bool ended = program.waitForFinished(10'000);
    if (!ended) {
        program.kill();
        program.waitForFinished();
        return "runs";
    }
    return program.exitStatus() == QProcess::CrashExit
               ? "killed"
               : QString("status %1").arg(program.exitCode());
}

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
        QTemporaryDir home;
        QProcessEnvironment started = programEnvironment(home.path());
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

    // The program running, or its update reminder up, ended by a signal: those that ask a
    // program to end end it cleanly, with 128 and the signal's number, its lock gone with it;
    // after a kill, which leaves the lock's file, the next start runs as well.
    void endSignal_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("reminder");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("SIGINT") << SIGINT << false << "status 130";
        QTest::newRow("SIGHUP") << SIGHUP << false << "status 129";
        QTest::newRow("SIGTERM") << SIGTERM << false << "status 143";
        QTest::newRow("SIGQUIT") << SIGQUIT << false << "status 131";
        QTest::newRow("SIGKILL") << SIGKILL << false << "killed";
        QTest::newRow("SIGTERM at the reminder") << SIGTERM << true << "status 143";
    }

    void endSignal() {
        QFETCH(int, signal);
        QFETCH(bool, reminder);
        QTemporaryDir home;
        // The last reminder twenty days before today's: it is due.
        QFile settings(home.filePath("kestavo-wellbox.ini"));
        QVERIFY(!reminder ||
                (settings.open(QIODevice::WriteOnly) &&
                 settings.write(
                     "[Settings]\nsFC2E%3A%40%3F=" +
                     EncodeSetting(dateToSettingText(QDate::currentDate().addDays(-20))).toUtf8() +
                     '\n') > 0));
        settings.close();
        const QString lock = home.filePath("kestavo-wellbox.lock");
        QProcessEnvironment environment = programEnvironment(home.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        for (const bool again : {false, true}) {
            QProcess program;
            program.setProcessEnvironment(environment);
            program.start(WELLBOX_PROGRAM, {});
            // Running once the lock names it; then given time to show its window.
            QVERIFY(waitFor([&] {
                QFile named(lock);
                return named.open(QIODevice::ReadOnly) &&
                       named.readLine().trimmed().toLongLong() == program.processId();
            }));
            QTest::qWait(200);
            ::kill(pid_t(program.processId()), again ? SIGTERM : signal);
            if (again) {
                QCOMPARE(outcome(program), "status 143");
                QVERIFY(!QFileInfo::exists(lock));
            } else {
                QTEST(outcome(program), "outcome");
                QCOMPARE(QFileInfo::exists(lock), signal == SIGKILL);
            }
        }
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
