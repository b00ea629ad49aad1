#include "app/application.h"
#include "app/updatereminder.h"
#include "support/appfixture.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

using namespace wellbox;
using namespace wellbox::testing;

// What the start ends in: the refusal, the reminder answered Yes or No, or no box at all, with
// today's date written or the stored one left.
enum Outcome { Refused, Yes, No, Written, Kept };

// A file-size limit of 0 bytes.
constexpr rlimit kNoGrowth{0, 0};

// The date `days` from today as a start stores it.
QString written(int days) {
    return dateToSettingText(FakeClock().date.addDays(days));
}

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void start_data() {
        QTest::addColumn<QString>("locale"); // the locale of this start
        QTest::addColumn<QString>("stored"); // the last reminder's date; empty when absent
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("second instance") << "en_US" << written(-30) << Refused;
        QTest::newRow("first start") << "en_US" << QString() << Written;
        QTest::newRow("14 days ago") << "en_US" << written(-14) << Kept;
        QTest::newRow("15 days ago, No") << "en_US" << written(-15) << No;
        QTest::newRow("14 days ahead, de_DE") << "de_DE" << written(14) << Kept;
        QTest::newRow("15 days ahead, Yes") << "en_US" << written(15) << Yes;
        // Earlier releases wrote the locale's short form, some with a two-digit year.
        QTest::newRow("en_US, 15 days ago, Yes") << "en_US" << QString("11/21/2026") << Yes;
        QTest::newRow("en_US, two digits, 14 days ago") << "en_US" << QString("11/22/26") << Kept;
        // A value that is no date is replaced, or it would silence the reminder for good.
        QTest::newRow("en_US date under en_GB") << "en_GB" << QString("11/25/2026") << Written;
    }

    void start() {
        QFETCH(QString, locale);
        QFETCH(QString, stored);
        QFETCH(Outcome, outcome);
        QLocale::setDefault(QLocale(locale));
        FakePlatform fakes;
        FakeInstanceGuard guard;
        guard.running = outcome == Refused;
        // Under the program's file name, "Duration" as earlier releases stored it.
        const QString key = "tst_startup|Settings|sFC2E:@?";
        fakes.settings.values[key] = EncodeSetting(stored);
        fakes.messageBox.answers = {outcome == Yes ? MessageAnswer::Yes : MessageAnswer::No};
        const auto window = startApplication(fakes.platform, guard, fakes.links, {});
        QCOMPARE(fakes.messageBox.texts(),
                 outcome == Refused ? QStringList{"Application is already running"}
                 : outcome == Yes || outcome == No
                     ? QStringList{"There maybe an update to this software available\r"
                                   "Do you want to check for an update?"}
                     : QStringList());
        for (const FakeMessageBox::Shown& shown : fakes.messageBox.shown)
            QVERIFY(shown.icon == MessageIcon::Information &&
                    shown.buttons == (guard.running ? MessageButtons::Ok : MessageButtons::YesNo));
        QCOMPARE(window && window->isVisible() ? window->windowTitle() : QString(),
                 guard.running ? QString() : "Kestavo Wellbox I v1.15");
        QCOMPARE(fakes.webPageOpener.opened.join(""),
                 outcome == Yes ? "https://www.kestavo.example/wellbox/download/" : "");
        QCOMPARE(DecodeSetting(fakes.settings.values.value(key)),
                 outcome == Refused || outcome == Kept ? stored : written(0));
    }

    // The program itself where no window can open or no file can grow (`ulimit -f 0`): one
    // line and status 1, or a start that goes on (given time to lock and write the date).
    void program_data() {
        QTest::addColumn<QStringList>("environment"); // besides no display named at all
        QTest::addColumn<bool>("noFileGrows");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QByteArray>("message");
        const auto row = [](const char* name, const QStringList& environment, bool noFileGrows,
                            const QByteArray& tail) {
            QTest::newRow(name) << environment << noFileGrows << (noFileGrows ? "runs" : "status 1")
                                << (noFileGrows ? tail
                                                : "kestavo-wellbox needs a graphical desktop, "
                                                  "and no display was found " +
                                                      tail + ".\n");
        };
        row("no display", {}, false, "(neither DISPLAY nor WAYLAND_DISPLAY is set)");
        row("dead display", {"DISPLAY=:5917"}, false, "(tried DISPLAY=:5917)");
        row("unknown platform", {"QT_QPA_PLATFORM=bogus"}, false, "(tried QT_QPA_PLATFORM=bogus)");
        row("file size limit 0", {"QT_QPA_PLATFORM=offscreen"}, true,
            "This plugin does not support propagateSizeHints()\n"); // the offscreen platform's
    }

    void program() {
        QFETCH(QStringList, environment);
        QFETCH(bool, noFileGrows);
        QTemporaryDir home; // its own lock and settings, away from every other run
        QProcessEnvironment started = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
            started.remove(name);
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
            started.insert(name, home.path());
        for (const QString& setting : environment)
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
        QTEST(program.readAllStandardError(), "message");
    }

    // Every printable character stands for another; earlier releases must still be read.
    void settingsDisguise() { QCOMPARE(EncodeSetting("!Duration~ \u00e9"), "PsFC2E:@?O \u00e9"); }

    // Centred on the screen, but never with the menu bar out of reach.
    void mainWindowPosition_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("1920x1080 at scale 2") << QRect(0, 0, 960, 520) << QPoint(80, 0);
        QTest::newRow("second screen, small") << QRect(1920, 32, 640, 448) << QPoint(1920, 32);
        QTest::newRow("second screen") << QRect(1920, 32, 1000, 800) << QPoint(2020, 122);
    }

    void mainWindowPosition() {
        QFETCH(QRect, available);
        QTEST(wellbox::mainWindowPosition(available, QSize(800, 620)), "expected");
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
