#include "app/application.h"
#include "app/updatereminder.h"
#include "support/appfixture.h"
#include "support/nowindowleft.h"

#include <QTest>

using namespace wellbox;
using namespace wellbox::testing;

// What the start ends in: the refusal, the reminder answered Yes or No, or no box at all, with
// today's date written or the stored one left.
enum Outcome { Refused, Yes, No, Written, Kept };

// The date `days` from today as a start under the `writer` locale stores it.
QString written(int days, const QString& writer = "en_US") {
    return dateToSettingText(FakeClock().date.addDays(days), QLocale(writer));
}

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { wellbox::testing::checkNoWindowLeft(); }

    void start_data() {
        QTest::addColumn<QString>("locale"); // the locale of this start
        QTest::addColumn<QString>("stored"); // the last reminder's date; empty when absent
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("second instance") << "en_US" << written(-30) << Refused;
        QTest::newRow("first start") << "en_US" << QString() << Written;
        QTest::newRow("14 days ago, de_DE to en_US") << "en_US" << written(-14, "de_DE") << Kept;
        QTest::newRow("15 days ago, No") << "en_US" << written(-15) << No;
        QTest::newRow("14 days ahead, ja_JP to de_DE") << "de_DE" << written(14, "ja_JP") << Kept;
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
        for (const FakeMessageBox::Shown& shown : fakes.messageBox.shown) {
            QCOMPARE(shown.icon, MessageIcon::Information);
            QCOMPARE(shown.buttons, guard.running ? MessageButtons::Ok : MessageButtons::YesNo);
        }
        QCOMPARE(window && window->isVisible() ? window->windowTitle() : QString(),
                 guard.running ? QString() : "Kestavo Wellbox I v" WELLBOX_VERSION);
        QCOMPARE(fakes.webPageOpener.opened.join(""),
                 outcome == Yes ? "https://www.kestavo.example/wellbox/download/" : "");
        QCOMPARE(DecodeSetting(fakes.settings.values.value(key)),
                 outcome == Refused || outcome == Kept ? stored : written(0, locale));
    }

    // Every printable character stands for another; earlier releases must still be read.
    void settingsDisguise() { QCOMPARE(EncodeSetting("!Duration~ \u00e9"), "PsFC2E:@?O \u00e9"); }

    // A window can be shown where a platform is chosen or a desktop session runs.
    void displayAvailable_data() {
        QTest::addColumn<QByteArrayList>("set"); // the others unset
        QTest::addColumn<bool>("available");
        QTest::newRow("none") << QByteArrayList{} << false;
        QTest::newRow("platform") << QByteArrayList{"QT_QPA_PLATFORM"} << true;
        QTest::newRow("X") << QByteArrayList{"DISPLAY"} << true;
        QTest::newRow("Wayland") << QByteArrayList{"WAYLAND_DISPLAY"} << true;
    }

    void displayAvailable() {
        QFETCH(QByteArrayList, set);
        const QByteArrayList names{"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
        QByteArrayList saved;
        for (const QByteArray& name : names) {
            saved << qgetenv(name);
            set.contains(name) ? qputenv(name, "x") : qunsetenv(name);
        }
        const bool available = wellbox::displayAvailable();
        for (qsizetype i = 0; i < names.size(); ++i)
            saved[i].isEmpty() ? qunsetenv(names[i]) : qputenv(names[i], saved[i]);
        QTEST(available, "available");
    }

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
