#include "app/application.h"
#include "app/calculatorfactory.h"
#include "app/updatereminder.h"
#include "support/platformfakes.h"
#include "widgets/helplinks.h"

#include <QApplication>
#include <QTest>

using namespace wellbox;
using namespace wellbox::testing;

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName("kestavo-wellbox"); }

    void secondInstanceIsToldAndEndsWithoutReminder() {
        Fakes fakes;
        fakes.guard.running = true;
        // A reminder would be due, but the refused instance must not get that far.
        fakes.storeDate(fakes.clock.date.addDays(-30));

        const auto window = fakes.start();
        QVERIFY(!window);
        QCOMPARE(fakes.messageBox.shown.size(), 1);
        QCOMPARE(fakes.messageBox.shown.first().text,
                 QStringLiteral("Application is already running"));
        QCOMPARE(fakes.messageBox.shown.first().icon, MessageIcon::Information);
        QCOMPARE(fakes.messageBox.shown.first().buttons, MessageButtons::Ok);
        QCOMPARE(fakes.settings.reads, 0);
        QCOMPARE(fakes.settings.writes, 0);
    }

    void reminderComesBeforeTheMainWindow() {
        Fakes fakes;
        fakes.storeDate(fakes.clock.date.addDays(-20));
        bool mainWindowVisibleDuringReminder = true;
        fakes.messageBox.onShow = [&] {
            mainWindowVisibleDuringReminder = false;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "frmMDI" && w->isVisible())
                    mainWindowVisibleDuringReminder = true;
        };

        const auto window = fakes.start();
        QVERIFY(window);
        QCOMPARE(fakes.messageBox.shown.size(), 1);
        QVERIFY(!mainWindowVisibleDuringReminder);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Kestavo Wellbox I v1.15"));
    }

    void mainWindowOpensEvenWhenTheStoredValueIsNoDate() {
        Fakes fakes;
        fakes.settings.values.insert(fakes.entryKey(), EncodeSetting("garbage \x01\x7f"));
        const auto window = fakes.start();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(fakes.messageBox.shown.isEmpty());
        QCOMPARE(fakes.settings.writes, 1);
    }

    void exitingWritesNothing() {
        Fakes fakes;
        auto window = fakes.start();
        QCOMPARE(fakes.settings.writes, 1); // the first start records its date
        window->close();
        window.reset();
        QCOMPARE(fakes.settings.writes, 1);
        QVERIFY(fakes.opener.opened.isEmpty());
    }

    void mainWindowStaysOnTheScreen_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("frame");
        QTest::newRow("1920x1080") << QRect(0, 0, 1920, 1040) << QSize(800, 620);
        QTest::newRow("1920x1080 at scale 2") << QRect(0, 0, 960, 520) << QSize(800, 620);
        QTest::newRow("640x480") << QRect(0, 0, 640, 480) << QSize(800, 620);
        QTest::newRow("second screen below a panel")
            << QRect(1920, 32, 640, 448) << QSize(800, 620);
    }

    void mainWindowStaysOnTheScreen() {
        QFETCH(QRect, available);
        QFETCH(QSize, frame);
        const QPoint at = mainWindowPosition(available, frame);
        QVERIFY(available.contains(at));
        // Centred where it fits, at the near edge where it does not.
        const QRect placed(at, frame);
        const int spareWidth = available.width() - frame.width();
        const int spareHeight = available.height() - frame.height();
        QVERIFY(qAbs(placed.left() - available.left() - qMax(0, spareWidth) / 2) <= 1);
        QVERIFY(qAbs(placed.top() - available.top() - qMax(0, spareHeight) / 2) <= 1);
    }

private:
    struct Fakes {
        std::unique_ptr<MainWindow> start() {
            return startApplication(platform, guard, links,
                                    [this](CalculatorKind kind, const WindowContext& context) {
                                        return calculators.create(kind, context);
                                    });
        }
        void storeDate(QDate date) {
            settings.values.insert(entryKey(), EncodeSetting(dateToSettingText(date, QLocale())));
        }
        static QString entryKey() {
            return FakeSettingsStore::key("kestavo-wellbox", "Settings", EncodeSetting("Duration"));
        }

        FakeMessageBox messageBox;
        FakeWebPageOpener opener;
        FakeSettingsStore settings;
        FakeClock clock;
        FakeInstanceGuard guard;
        Platform platform{messageBox, opener, settings, clock};
        HelpLinks links{opener};
        CalculatorWindows calculators;
    };
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
