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

    void start_data() {
        QTest::addColumn<bool>("secondInstance");
        QTest::addColumn<int>("storedDaysAgo");
        QTest::addColumn<QString>("box");
        QTest::addColumn<MessageButtons>("buttons");
        QTest::newRow("second instance, reminder due")
            << true << 30 << "Application is already running" << MessageButtons::Ok;
        QTest::newRow("reminder due") << false << 20
                                      << "There maybe an update to this software available\r"
                                         "Do you want to check for an update?"
                                      << MessageButtons::YesNo;
        QTest::newRow("no reminder due") << false << 14 << "" << MessageButtons::Ok;
    }

    void start() {
        QFETCH(bool, secondInstance);
        QFETCH(int, storedDaysAgo);
        QFETCH(QString, box);
        QFETCH(MessageButtons, buttons);
        FakeMessageBox messageBox;
        FakeWebPageOpener opener;
        FakeSettingsStore settings;
        FakeClock clock;
        FakeInstanceGuard guard;
        guard.running = secondInstance;
        Platform platform{messageBox, opener, settings, clock};
        HelpLinks links(opener);
        CalculatorWindows calculators;
        const QString key = "kestavo-wellbox|Settings|" + EncodeSetting("Duration");
        settings.values[key] =
            EncodeSetting(clock.date.addDays(-storedDaysAgo).toString(Qt::ISODate));
        const auto stored = settings.values;
        bool windowShownDuringBox = false;
        messageBox.onShow = [&] {
            for (const QWidget* w : QApplication::topLevelWidgets())
                windowShownDuringBox |= w->isVisible();
        };

        auto window = startApplication(platform, guard, links,
                                       [&](CalculatorKind kind, const WindowContext& context) {
                                           return calculators.create(kind, context);
                                       });
        QCOMPARE(messageBox.texts(), box.isEmpty() ? QStringList() : QStringList{box});
        if (!box.isEmpty()) {
            QCOMPARE(messageBox.shown[0].icon, MessageIcon::Information);
            QCOMPARE(messageBox.shown[0].buttons, buttons);
        }
        QVERIFY(!windowShownDuringBox);
        QCOMPARE(bool(window), !secondInstance);
        if (secondInstance) {
            QCOMPARE(settings.values, stored);
            return;
        }
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Kestavo Wellbox I v1.15"));
        // Exiting writes, opens and shows nothing.
        const auto beforeExit = settings.values;
        window->close();
        QCOMPARE(settings.values, beforeExit);
        QVERIFY(opener.opened.isEmpty());
        QCOMPARE(messageBox.shown.size(), box.isEmpty() ? 0 : 1);
    }

    // Centred on the screen, but never with the menu bar out of reach.
    void mainWindowPosition_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("1920x1080") << QRect(0, 0, 1920, 1040) << QPoint(560, 210);
        QTest::newRow("1920x1080 at scale 2") << QRect(0, 0, 960, 520) << QPoint(80, 0);
        QTest::newRow("640x480") << QRect(0, 0, 640, 480) << QPoint(0, 0);
        QTest::newRow("second screen below a panel")
            << QRect(1920, 32, 640, 448) << QPoint(1920, 32);
        QTest::newRow("second screen, room to spare")
            << QRect(1920, 32, 1000, 800) << QPoint(2020, 122);
    }

    void mainWindowPosition() {
        QFETCH(QRect, available);
        QFETCH(QPoint, expected);
        QCOMPARE(wellbox::mainWindowPosition(available, QSize(800, 620)), expected);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
