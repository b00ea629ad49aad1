#include "app/updatereminder.h"
#include "support/platformfakes.h"
#include "widgets/helplinks.h"

#include <QCoreApplication>
#include <QTest>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

const QDate kToday(2026, 12, 6); // the fake clock's day
const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGb(QLocale::English, QLocale::UnitedKingdom);
const QLocale kDe(QLocale::German, QLocale::Germany);
const QLocale kJa(QLocale::Japanese, QLocale::Japan);

QString daysFromToday(int days) {
    return kToday.addDays(days).toString(Qt::ISODate);
}

} // namespace

class TestUpdateReminder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName("kestavo-wellbox"); }

    // The stored form must stay readable by earlier releases and read what they wrote.
    void encoding_data() {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("stored");
        QTest::newRow("entry name") << "Duration"
                                    << "sFC2E:@?";
        QTest::newRow("date") << "2026-12-06"
                              << "a_ae\\`a\\_e";
        QTest::newRow("ends of the range, space, non-ASCII") << "!~ \u00e9"
                                                             << "PO \u00e9";
    }

    void encoding() {
        QFETCH(QString, plain);
        QFETCH(QString, stored);
        QCOMPARE(EncodeSetting(plain), stored);
        QCOMPARE(DecodeSetting(stored), plain);
    }

    void reminder_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("stored"); // before encoding; empty when absent
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("reminds");
        QTest::addColumn<bool>("writesToday");
        QTest::newRow("first start") << kUs << "" << true << false << true;
        QTest::newRow("same day") << kUs << daysFromToday(0) << true << false << false;
        QTest::newRow("14 days ago") << kUs << daysFromToday(-14) << true << false << false;
        QTest::newRow("15 days ago, No") << kUs << daysFromToday(-15) << false << true << true;
        QTest::newRow("15 days ago, Yes") << kUs << daysFromToday(-15) << true << true << true;
        QTest::newRow("14 days ahead") << kUs << daysFromToday(14) << true << false << false;
        QTest::newRow("15 days ahead, Yes") << kUs << daysFromToday(15) << true << true << true;
        QTest::newRow("a century ago") << kUs << daysFromToday(-36524) << false << true << true;
        QTest::newRow("older release, today") << kDe << "06.12.26" << true << false << false;
        QTest::newRow("older release, 15 days ago") << kUs << "11/21/26" << true << true << true;
        // A value that is no date is replaced, or it would silence the reminder for good.
        QTest::newRow("words") << kUs << "next tuesday" << true << false << true;
        QTest::newRow("impossible day") << kUs << "2/30/2026" << true << false << true;
        QTest::newRow("month 13") << kUs << "13/1/2026" << true << false << true;
        QTest::newRow("with a NUL")
            << kUs << QStringLiteral("12/6/2026").insert(2, QChar()) << true << false << true;
        QTest::newRow("1 MB") << kUs << QString(1 << 20, 'x') << true << false << true;
        QTest::newRow("odd characters")
            << kUs << QString::fromUtf8("\u0001\u00ff\ufffd/\u0000/") << true << false << true;
        QTest::newRow("en_US date under en_GB") << kGb << "11/25/2026" << true << false << true;
    }

    void reminder() {
        QFETCH(QLocale, locale);
        QFETCH(QString, stored);
        QFETCH(bool, yes);
        QFETCH(bool, reminds);
        QFETCH(bool, writesToday);
        FakeSettingsStore settings;
        FakeClock clock;
        FakeMessageBox box;
        FakeWebPageOpener opener;
        HelpLinks links(opener);
        const QString key = "kestavo-wellbox|Settings|" + EncodeSetting("Duration");
        if (!stored.isEmpty())
            settings.values.insert(key, EncodeSetting(stored));
        box.answers = {yes ? MessageAnswer::Yes : MessageAnswer::No};

        UpdateReminder(settings, clock, box, links, locale).ShowUpdateReminder();
        QCOMPARE(box.texts(), reminds ? QStringList{"There maybe an update to this software "
                                                    "available\rDo you want to check for an "
                                                    "update?"}
                                      : QStringList());
        if (reminds) {
            QCOMPARE(box.shown[0].icon, MessageIcon::Information);
            QCOMPARE(box.shown[0].buttons, MessageButtons::YesNo);
        }
        QCOMPARE(opener.opened,
                 reminds && yes ? QStringList{pageAddress(WebPage::DownloadPage)} : QStringList());
        const QString now = DecodeSetting(settings.values.value(key));
        if (writesToday)
            QCOMPARE(dateFromSettingText(now, locale, kToday).value_or(QDate()), kToday);
        else
            QCOMPARE(now, stored);
    }

    void storedDateReads_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QLocale>("reader");
        QTest::addColumn<QDate>("expected");
        const QDate leapDay(2000, 2, 29), thirteenth(2027, 1, 13);
        QTest::newRow("written under de_DE, read under en_US")
            << dateToSettingText(thirteenth, kDe) << kUs << thirteenth;
        QTest::newRow("written under en_US, read under de_DE")
            << dateToSettingText(thirteenth, kUs) << kDe << thirteenth;
        QTest::newRow("written under ja_JP, read under de_DE")
            << dateToSettingText(leapDay, kJa) << kDe << leapDay;
        QTest::newRow("written under en_US, read under en_GB")
            << dateToSettingText(kToday, kUs) << kGb << kToday;
        QTest::newRow("older en_US, two-digit year") << "12/6/26" << kUs << kToday;
        QTest::newRow("older de_DE, two-digit year") << "06.12.26" << kDe << kToday;
        QTest::newRow("older, late last century") << "3/1/99" << kUs << QDate(1999, 3, 1);
        QTest::newRow("older, near future") << "1/1/70" << kUs << QDate(2070, 1, 1);
        QTest::newRow("older en_US, four-digit year") << "12/6/2026" << kUs << kToday;
        QTest::newRow("older de_DE, four-digit year") << "06.12.2026" << kDe << kToday;
        QTest::newRow("no date") << "2/30/2026" << kUs << QDate();
    }

    void storedDateReads() {
        QFETCH(QString, text);
        QFETCH(QLocale, reader);
        QFETCH(QDate, expected);
        QCOMPARE(dateFromSettingText(text, reader, kToday).value_or(QDate()), expected);
    }
};

QTEST_GUILESS_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
