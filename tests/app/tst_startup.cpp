#include "app/application.h"
#include "app/calculatorfactory.h"
#include "app/helplinks.h"
#include "app/updatereminder.h"
#include "support/platformfakes.h"

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

private:
    struct Fakes {
        std::unique_ptr<MainWindow> start() {
            return startApplication(platform, guard, links, createCalculatorWindow);
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
    };
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
