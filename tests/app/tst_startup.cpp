#include "app/application.h"
#include "app/updatereminder.h"
#include "support/appfixture.h"

#include <QApplication>
#include <QTest>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

const QDate kToday = FakeClock().date;
const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGb(QLocale::English, QLocale::UnitedKingdom);
const QLocale kDe(QLocale::German, QLocale::Germany);
const QLocale kJa(QLocale::Japanese, QLocale::Japan);

const QString kDownloadPage = QStringLiteral("https://www.kestavo.example/wellbox/download/");

// The box the start shows: none, the reminder answered Yes or No, or the refusal.
enum Box { NoBox, Yes, No, Refused };

QString daysFromToday(int days, const QLocale& writer = QLocale::c()) {
    return dateToSettingText(kToday.addDays(days), writer);
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void start_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("stored"); // the last reminder's date; empty when absent
        QTest::addColumn<Box>("box");
        QTest::addColumn<bool>("writesToday");
        QTest::newRow("second instance") << kUs << daysFromToday(-30) << Refused << false;
        QTest::newRow("first start") << kUs << "" << NoBox << true;
        QTest::newRow("14 days ago") << kUs << daysFromToday(-14) << NoBox << false;
        QTest::newRow("15 days ago, No") << kUs << daysFromToday(-15) << No << true;
        QTest::newRow("15 days ago, Yes") << kUs << daysFromToday(-15) << Yes << true;
        QTest::newRow("14 days ahead") << kUs << daysFromToday(14) << NoBox << false;
        QTest::newRow("15 days ahead, Yes") << kUs << daysFromToday(15) << Yes << true;
        // Written under one locale, read under another.
        QTest::newRow("de_DE to en_US") << kUs << daysFromToday(-14, kDe) << NoBox << false;
        QTest::newRow("en_US to de_DE") << kDe << daysFromToday(-13, kUs) << NoBox << false;
        QTest::newRow("ja_JP to de_DE") << kDe << daysFromToday(14, kJa) << NoBox << false;
        // Earlier releases wrote the locale's short form, some with a two-digit year.
        QTest::newRow("en_US, two digits, 14 days ago") << kUs << "11/22/26" << NoBox << false;
        QTest::newRow("de_DE, two digits, today") << kDe << "06.12.26" << NoBox << false;
        QTest::newRow("de_DE, 14 days ago") << kDe << "22.11.2026" << NoBox << false;
        QTest::newRow("en_US, 15 days ago") << kUs << "11/21/2026" << Yes << true;
        // A value that is no date is replaced, or it would silence the reminder for good.
        QTest::newRow("words") << kUs << "next tuesday" << NoBox << true;
        QTest::newRow("impossible day") << kUs << "2/30/2026" << NoBox << true;
        QTest::newRow("month 13") << kUs << "13/1/2026" << NoBox << true;
        QTest::newRow("en_US date under en_GB") << kGb << "11/25/2026" << NoBox << true;
    }

    void start() {
        QFETCH(QLocale, locale);
        QFETCH(QString, stored);
        QFETCH(Box, box);
        QFETCH(bool, writesToday);
        QLocale::setDefault(locale);
        FakePlatform fakes;
        FakeInstanceGuard guard;
        guard.running = box == Refused;
        // Under the program's file name, "Duration" as earlier releases stored it.
        const QString key = "tst_startup|Settings|sFC2E:@?";
        fakes.settings.values[key] = EncodeSetting(stored);
        fakes.messageBox.answers = {box == Yes ? MessageAnswer::Yes : MessageAnswer::No};
        const auto window = startApplication(fakes.platform, guard, fakes.links, {});
        QCOMPARE(fakes.messageBox.texts(),
                 box == NoBox     ? QStringList()
                 : box == Refused ? QStringList{"Application is already running"}
                                  : QStringList{"There maybe an update to this software available\r"
                                                "Do you want to check for an update?"});
        for (const FakeMessageBox::Shown& shown : fakes.messageBox.shown)
            QVERIFY(shown.icon == MessageIcon::Information &&
                    shown.buttons == (box == Refused ? MessageButtons::Ok : MessageButtons::YesNo));
        QCOMPARE(window && window->isVisible(), box != Refused);
        if (window)
            QCOMPARE(window->windowTitle(), "Kestavo Wellbox I v1.15");
        QCOMPARE(fakes.webPageOpener.opened,
                 box == Yes ? QStringList{kDownloadPage} : QStringList());
        const QString now = DecodeSetting(fakes.settings.values.value(key));
        if (writesToday)
            QCOMPARE(dateFromSettingText(now, locale, kToday).value_or(QDate()), kToday);
        else
            QCOMPARE(now, stored);
    }

    // Every printable character stands for another; earlier releases must still be read.
    void settingsDisguise() {
        QCOMPARE(EncodeSetting("!Duration~ \u00e9"), "PsFC2E:@?O \u00e9");
        QCOMPARE(DecodeSetting("PsFC2E:@?O \u00e9"), "!Duration~ \u00e9");
    }

    // Centred on the screen, but never with the menu bar out of reach.
    void mainWindowPosition_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("1920x1080") << QRect(0, 0, 1920, 1040) << QPoint(560, 210);
        QTest::newRow("1920x1080 at scale 2") << QRect(0, 0, 960, 520) << QPoint(80, 0);
        QTest::newRow("second screen, small") << QRect(1920, 32, 640, 448) << QPoint(1920, 32);
        QTest::newRow("second screen") << QRect(1920, 32, 1000, 800) << QPoint(2020, 122);
    }

    void mainWindowPosition() {
        QFETCH(QRect, available);
        QFETCH(QPoint, expected);
        QCOMPARE(wellbox::mainWindowPosition(available, QSize(800, 620)), expected);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
