#include "app/application.h"
#include "app/updatereminder.h"
#include "support/appfixture.h"
#include "support/datarows.h"
#include "support/nowindowleft.h"

#include <QMainWindow>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace wellbox;
using namespace wellbox::testing;

// Limits a start may be given: no file may grow (ulimit -f 0), four files open (ulimit -n 4).
constexpr rlimit kNoGrowth{0, 0};
constexpr rlimit kFourFiles{4, 4};

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

// Where a main window stood when it was first shown.
class FirstShown : public QObject {
public:
    QRect geometry;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && geometry.isNull() &&
            qobject_cast<QMainWindow*>(watched))
            geometry = static_cast<QWidget*>(watched)->geometry();
        return false;
    }
};

// Starts an X server of its own on a display it finds free, and returns that display (":N");
// empty where none starts.
QString startX(QProcess& server) {
    server.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    QByteArray told;
    waitFor([&] {
        told += server.readAllStandardOutput();
        return told.endsWith('\n') || server.state() == QProcess::NotRunning;
    });
    return told.endsWith('\n') ? ':' + QString::fromLatin1(told.trimmed()) : QString();
}

// Ends every D-Bus daemon started for the home folder `home` (as its environment names it),
// and says how many there were.
int endBusesOf(const QString& home) {
    int ended = 0;
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile command("/proc/" + pid + "/cmdline");
        QFile environment("/proc/" + pid + "/environ");
        if (command.open(QIODevice::ReadOnly) &&
            command.readAll().startsWith("/usr/bin/dbus-daemon") &&
            environment.open(QIODevice::ReadOnly) &&
            environment.readAll().split('\0').contains("HOME=" + QFile::encodeName(home))) {
            ::kill(pid.toInt(), SIGTERM);
            ++ended;
        }
    }
    return ended;
}

// How a program ended: "killed", "status N", or "runs" when it did not end in ten seconds.
QString outcomeOf(QProcess& program) {
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
        const QString key = QCoreApplication::applicationName() + "|Settings|sFC2E:@?";
        fakes.settings.values[key] = EncodeSetting(stored);
        fakes.messageBox.answers = {outcome == "Yes" ? MessageAnswer::Yes : MessageAnswer::No};
        const auto window = startApplication(fakes.platform, guard, fakes.links, {});
        QTEST(seen("message boxes", nullptr, fakes, {}), "boxes");
        QCOMPARE(window && window->isVisible(), !guard.running);
        QTEST(seen("pages", nullptr, fakes, {}), "pages");
        QTEST(DecodeSetting(fakes.settings.values.value(key)), "after");
    }

    // The program itself where no window can open, no file can grow, few files can be open or
    // the scaling asked for shows no usable window, from program.tsv.
    void program_data() { addRowsFrom("program.tsv"); }

    void program() {
        QFETCH(QString, environment);
        QFETCH(QString, limit);
        QFETCH(QString, outcome);
        QFETCH(QString, message);
        QTemporaryDir home;
        QProcessEnvironment started = programEnvironment(home.path());
        for (const QString& setting : environment.split(' ', Qt::SkipEmptyParts))
            started.insert(setting.section('=', 0, 0), setting.section('=', 1));
        QProcess program;
        program.setProcessEnvironment(started);
        if (limit == "file size 0")
            program.setChildProcessModifier([] { ::setrlimit(RLIMIT_FSIZE, &kNoGrowth); });
        if (limit == "open files 4")
            program.setChildProcessModifier([] {
                // The program starts with its standard three, whatever this test inherited.
                for (int fd = 3; fd < 1024; ++fd)
                    if (const int flags = ::fcntl(fd, F_GETFD); flags >= 0 && !(flags & FD_CLOEXEC))
                        ::close(fd);
                ::setrlimit(RLIMIT_NOFILE, &kFourFiles);
            });
        program.start(WELLBOX_PROGRAM, {});
        // One that runs is given time to lock, write the date and show its window, then ended.
        if (outcome == "runs" &&
            waitFor([&] { return QFileInfo::exists(home.filePath("kestavo-wellbox.lock")); }) &&
            !program.waitForFinished(300)) {
            ::kill(pid_t(program.processId()), SIGTERM);
            QCOMPARE(outcomeOf(program), "status 143");
        } else {
            QTEST(outcomeOf(program), "outcome");
        }
        QCOMPARE(program.readAllStandardError(), QByteArray::fromPercentEncoding(message.toUtf8()));
    }

    // The program running, or its update reminder up, ended by a signal: those that ask a
    // program to end end it cleanly, with 128 and the signal's number, its lock gone with it;
    // after a kill, which leaves the lock's file, the next start runs as well. Started with
    // standard input closed, the signals' pipe is descriptor 0.
    void endSignal_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("reminder");
        QTest::addColumn<bool>("inputClosed");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("SIGINT") << SIGINT << false << false << "status 130";
        QTest::newRow("SIGHUP") << SIGHUP << false << false << "status 129";
        QTest::newRow("SIGTERM") << SIGTERM << false << false << "status 143";
        QTest::newRow("SIGQUIT") << SIGQUIT << false << false << "status 131";
        QTest::newRow("SIGKILL") << SIGKILL << false << false << "killed";
        QTest::newRow("SIGTERM at the reminder") << SIGTERM << true << false << "status 143";
        QTest::newRow("SIGTERM, no standard input") << SIGTERM << false << true << "status 143";
    }

    void endSignal() {
        QFETCH(int, signal);
        QFETCH(bool, reminder);
        QFETCH(bool, inputClosed);
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
            if (inputClosed)
                program.setChildProcessModifier([] { ::close(STDIN_FILENO); });
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
                QCOMPARE(outcomeOf(program), "status 143");
                QVERIFY(!QFileInfo::exists(lock));
            } else {
                QTEST(outcomeOf(program), "outcome");
                QCOMPARE(QFileInfo::exists(lock), signal == SIGKILL);
            }
        }
    }

    // On an X server with no session bus, none is started for the program: no bus process
    // outlives it, and nothing of one is left in its home or runtime folder; nor where a file
    // that is not a bus lies where the bus would.
    void noSessionBus_data() {
        QTest::addColumn<bool>("plainFile");
        QTest::newRow("nothing there") << false;
        QTest::newRow("a plain file there") << true;
    }
    void noSessionBus() {
        QFETCH(bool, plainFile);
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
            QStandardPaths::findExecutable("dbus-launch").isEmpty())
            QSKIP("Xvfb or dbus-launch is not installed (Debian packages xvfb, dbus-x11)");
        QTemporaryDir home;
        QVERIFY(::mkdir(QFile::encodeName(home.filePath("run")).constData(), 0700) == 0);
        QFile bus(home.filePath("run/bus"));
        QVERIFY(!plainFile || bus.open(QIODevice::WriteOnly));
        bus.close();
        QProcess server;
        const QString display = startX(server);
        QVERIFY(!display.isEmpty());
        QProcessEnvironment environment = programEnvironment(home.path());
        environment.insert("XDG_RUNTIME_DIR", home.filePath("run"));
        environment.insert("DISPLAY", display);
        environment.remove("DBUS_SESSION_BUS_ADDRESS");
        // The X libraries trip the sanitizer's strict string checks and keep memory to the end.
        environment.insert("ASAN_OPTIONS", "detect_leaks=0:abort_on_error=1");
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(WELLBOX_PROGRAM, {});
        QVERIFY(
            waitFor([&] { return QFileInfo::exists(home.filePath("run/kestavo-wellbox.lock")); }));
        QTest::qWait(1500); // its menus made, and any bus asked for
        ::kill(pid_t(program.processId()), SIGTERM);
        QCOMPARE(outcomeOf(program), "status 143");
        const int buses = endBusesOf(home.path()); // one started for it would end with the server
        server.terminate();
        server.waitForFinished(5000);
        QCOMPARE(buses, 0);
        QVERIFY(!QFileInfo::exists(home.filePath(".dbus")));
        QCOMPARE(QDir(home.filePath("run"))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 plainFile ? QStringList{"bus"} : QStringList());
    }

    // Every printable character stands for another; earlier releases must still be read.
    void settingsDisguise() { QCOMPARE(EncodeSetting("!Duration~ \u00e9"), "PsFC2E:@?O \u00e9"); }

    // On a screen lower than the main window is made (run on lowscreen.json's, 1024x500), the
    // window opens made lower to fill the screen's height, wholly on it, and is made to fit
    // before it first shows (its frame is known only after).
    void opensInsideLowScreen() {
        FakeContext fakes;
        FakeInstanceGuard guard;
        FirstShown shown;
        qApp->installEventFilter(&shown);
        const auto window = startApplication(fakes.platform, guard, fakes.links, {});
        qApp->removeEventFilter(&shown);
        QVERIFY(window);
        const QRect available = window->screen()->availableGeometry();
        if (available.height() > 500)
            QSKIP("the screen is as high as the window");
        QVERIFY(shown.geometry.height() <= available.height());
        QVERIFY(available.contains(window->frameGeometry()));
        QCOMPARE(window->frameGeometry().height(), available.height());
    }

    // Centred on the screen, but never with the menu bar out of reach, and made to fit where
    // the screen is smaller than the window; from positions.tsv.
    void mainWindowFrame_data() { addRowsFrom("positions.tsv"); }

    void mainWindowFrame() {
        QFETCH(QString, available);
        const QStringList area = available.split(' ');
        const QRect at = wellbox::mainWindowFrame(
            QRect(area[0].toInt(), area[1].toInt(), area[2].toInt(), area[3].toInt()),
            QSize(800, 620));
        QTEST(QString("%1 %2 %3x%4").arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height()),
              "expected");
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
