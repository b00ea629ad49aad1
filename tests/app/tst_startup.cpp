#include "app/application.h"
#include "app/updatereminder.h"
#include "support/appfixture.h"
#include "support/datarows.h"
#include "support/nowindowleft.h"

using namespace wellbox;
using namespace wellbox::testing;

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { wellbox::testing::checkNoWindowLeft(); }

    // A start with the last reminder's date as stored, from starts.tsv; the texts of the boxes
    // are in texts.tsv.
    void start_data() { addRowsFrom("starts.tsv"); }

    void start() {
        QFETCH(QString, locale);
        QFETCH(QString, stored);
        QFETCH(QString, outcome);
        QLocale::setDefault(QLocale(locale));
        FakePlatform fakes;
        FakeInstanceGuard guard;
        guard.running = outcome == "refused";
        // Under the program's file name, "Duration" as earlier releases stored it.
        const QString key = "tst_startup|Settings|sFC2E:@?";
        fakes.settings.values[key] = EncodeSetting(stored);
        fakes.messageBox.answers = {outcome == "Yes" ? MessageAnswer::Yes : MessageAnswer::No};
        const auto window = startApplication(fakes.platform, guard, fakes.links, {});
        QCOMPARE(fakes.messageBox.shown.size(), outcome == "no box" ? 0 : 1);
        for (const FakeMessageBox::Shown& shown : fakes.messageBox.shown) {
            QCOMPARE(shown.icon, MessageIcon::Information);
            QCOMPARE(shown.buttons, guard.running ? MessageButtons::Ok : MessageButtons::YesNo);
        }
        QCOMPARE(window && window->isVisible() ? window->windowTitle() : QString(),
                 guard.running ? QString() : "Kestavo Wellbox I v" WELLBOX_VERSION);
        QCOMPARE(fakes.webPageOpener.opened.join(""),
                 outcome == "Yes" ? "https://www.kestavo.example/wellbox/download/" : "");
        QTEST(DecodeSetting(fakes.settings.values.value(key)), "after");
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
        QMap<QByteArray, QByteArray> saved;
        for (const QByteArray name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
            saved[name] = qgetenv(name);
            set.contains(name) ? qputenv(name, "x") : qunsetenv(name);
        }
        const bool available = wellbox::displayAvailable();
        for (const auto& [name, value] : saved.asKeyValueRange())
            value.isEmpty() ? qunsetenv(name) : qputenv(name, value);
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
