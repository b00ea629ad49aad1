#include "app/updatereminder.h"
#include "support/platformfakes.h"
#include "widgets/helplinks.h"

#include <QCoreApplication>
#include <QTest>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

const QDate kToday(2026, 12, 6);

// One start of the program as far as the reminder is concerned.
struct ReminderRun {
    explicit ReminderRun(QLocale locale = QLocale(QLocale::English, QLocale::UnitedStates))
        : clock(kToday)
        , locale(std::move(locale)) {}

    void storeDate(QDate date) { storeText(dateToSettingText(date, locale)); }
    void storeText(const QString& text) { settings.values.insert(entryKey(), EncodeSetting(text)); }
    QString storedText() const { return DecodeSetting(settings.values.value(entryKey())); }

    void run() { UpdateReminder(settings, clock, messageBox, links, locale).ShowUpdateReminder(); }

    static QString entryKey() {
        return FakeSettingsStore::key(QCoreApplication::applicationName(), "Settings",
                                      EncodeSetting("Duration"));
    }

    FakeSettingsStore settings;
    FakeClock clock;
    FakeMessageBox messageBox;
    FakeWebPageOpener opener;
    HelpLinks links{opener};
    QLocale locale;
};

} // namespace

class TestUpdateReminder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName("kestavo-wellbox"); }

    void encodingKeepsLengthAndReverses_data() {
        QTest::addColumn<QString>("plain");
        QTest::newRow("entry name") << "Duration";
        QTest::newRow("us date") << "12/6/2026";
        QTest::newRow("german date") << "06.12.2026";
        QTest::newRow("spaces and non-ascii") << QString::fromUtf8("6 déc. 2026 \u00e4");
        QTest::newRow("edges of the printable range") << "!~ O P";
        QTest::newRow("empty") << "";
    }

    void encodingKeepsLengthAndReverses() {
        QFETCH(QString, plain);
        const QString encoded = EncodeSetting(plain);
        QCOMPARE(encoded.size(), plain.size());
        QCOMPARE(DecodeSetting(encoded), plain);
        for (qsizetype i = 0; i < plain.size(); ++i) {
            const bool printable = plain[i] >= QChar('!') && plain[i] <= QChar('~');
            QCOMPARE(encoded[i] != plain[i], printable);
        }
    }

    void entryNameIsNotStoredPlain() {
        QVERIFY(EncodeSetting("Duration") != "Duration");
        QVERIFY(!EncodeSetting("Duration").contains('/'));
    }

    void firstStartWritesTodayWithoutAsking() {
        ReminderRun start;
        start.run();
        QVERIFY(start.messageBox.shown.isEmpty());
        QCOMPARE(start.settings.writes, 1);
        QCOMPARE(dateFromSettingText(start.storedText(), start.locale, kToday), kToday);
    }

    void reminderWindow_data() {
        QTest::addColumn<int>("daysFromToday");
        QTest::addColumn<bool>("reminds");
        QTest::newRow("same day") << 0 << false;
        QTest::newRow("14 days ago") << -14 << false;
        QTest::newRow("15 days ago") << -15 << true;
        QTest::newRow("a year ago") << -365 << true;
        QTest::newRow("14 days ahead") << 14 << false;
        QTest::newRow("15 days ahead") << 15 << true;
        QTest::newRow("a century ago") << -36524 << true;
    }

    void reminderWindow() {
        QFETCH(int, daysFromToday);
        QFETCH(bool, reminds);
        ReminderRun start;
        start.storeDate(kToday.addDays(daysFromToday));
        start.run();
        QCOMPARE(start.messageBox.shown.size(), reminds ? 1 : 0);
        QCOMPARE(start.settings.writes, reminds ? 1 : 0);
        QCOMPARE(dateFromSettingText(start.storedText(), start.locale, kToday),
                 reminds ? kToday : kToday.addDays(daysFromToday));
        QVERIFY(start.opener.opened.isEmpty());
    }

    void reminderAsksAndYesOpensTheDownloadPage() {
        ReminderRun start;
        start.storeDate(kToday.addDays(-15));
        start.messageBox.answers = {MessageAnswer::Yes};
        start.run();
        QCOMPARE(start.messageBox.shown.size(), 1);
        const FakeMessageBox::Shown& box = start.messageBox.shown.first();
        QCOMPARE(box.text, QStringLiteral("There maybe an update to this software available\r"
                                          "Do you want to check for an update?"));
        QCOMPARE(box.icon, MessageIcon::Information);
        QCOMPARE(box.buttons, MessageButtons::YesNo);
        QCOMPARE(start.opener.opened, QStringList{pageAddress(WebPage::DownloadPage)});
        QCOMPARE(dateFromSettingText(start.storedText(), start.locale, kToday), kToday);
    }

    void noWritesTodayAndOpensNothing() {
        ReminderRun start;
        start.storeDate(kToday.addDays(-40));
        start.messageBox.answers = {MessageAnswer::No};
        start.run();
        QVERIFY(start.opener.opened.isEmpty());
        QCOMPARE(dateFromSettingText(start.storedText(), start.locale, kToday), kToday);
    }

    void storedValueThatIsNoDateCountsAsNone_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("stored");
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("words") << us << "next tuesday";
        QTest::newRow("impossible day") << us << "2/30/2026";
        QTest::newRow("month 13") << us << "13/1/2026";
        QTest::newRow("with a NUL") << us << QStringLiteral("12/6/2026").insert(2, QChar());
        QTest::newRow("1 MB") << us << QString(1 << 20, 'x');
        QTest::newRow("odd characters") << us << QString::fromUtf8("\u0001\u00ff\ufffd/\u0000/");
        QTest::newRow("en_US date under en_GB")
            << QLocale(QLocale::English, QLocale::UnitedKingdom) << "11/25/2026";
    }

    void storedValueThatIsNoDateCountsAsNone() {
        QFETCH(QLocale, locale);
        QFETCH(QString, stored);
        ReminderRun start(locale);
        start.storeText(stored);
        start.run();
        QVERIFY(start.messageBox.shown.isEmpty());
        QCOMPARE(start.settings.writes, 1);
        QCOMPARE(dateFromSettingText(start.storedText(), locale, kToday), kToday);
    }

    void dateRoundTripsInEveryLocale_data() {
        QTest::addColumn<QLocale>("writer");
        QTest::addColumn<QLocale>("reader");
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale de(QLocale::German, QLocale::Germany);
        const QLocale ja(QLocale::Japanese, QLocale::Japan);
        QTest::newRow("en_US") << us << us;
        QTest::newRow("de_DE") << de << de;
        QTest::newRow("C") << QLocale::c() << QLocale::c();
        QTest::newRow("ja_JP") << ja << ja;
        QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France)
                               << QLocale(QLocale::French, QLocale::France);
        QTest::newRow("de_DE read under en_US") << de << us;
        QTest::newRow("en_US read under de_DE") << us << de;
        QTest::newRow("ja_JP read under de_DE") << ja << de;
        QTest::newRow("en_US read under en_GB")
            << us << QLocale(QLocale::English, QLocale::UnitedKingdom);
    }

    void dateRoundTripsInEveryLocale() {
        QFETCH(QLocale, writer);
        QFETCH(QLocale, reader);
        for (const QDate date :
             {kToday, QDate(2027, 1, 1), QDate(2099, 12, 31), QDate(2000, 2, 29)}) {
            const QString text = dateToSettingText(date, writer);
            QCOMPARE(dateFromSettingText(text, reader, kToday), date);
        }
    }

    void datesOfEarlierReleasesStillRead_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QDate>("expected");
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale de(QLocale::German, QLocale::Germany);
        QTest::newRow("en_US this year") << us << "12/6/26" << QDate(2026, 12, 6);
        QTest::newRow("de_DE this year") << de << "06.12.26" << QDate(2026, 12, 6);
        QTest::newRow("en_US late last century") << us << "3/1/99" << QDate(1999, 3, 1);
        QTest::newRow("en_US near future") << us << "1/1/70" << QDate(2070, 1, 1);
        QTest::newRow("en_US four-digit year") << us << "12/6/2026" << QDate(2026, 12, 6);
        QTest::newRow("de_DE four-digit year") << de << "06.12.2026" << QDate(2026, 12, 6);
    }

    void datesOfEarlierReleasesStillRead() {
        QFETCH(QLocale, locale);
        QFETCH(QString, stored);
        QFETCH(QDate, expected);
        QCOMPARE(dateFromSettingText(stored, locale, kToday), expected);
    }

    void twoDigitDateOfTodayCausesNoReminder() {
        ReminderRun start(QLocale(QLocale::German, QLocale::Germany));
        start.storeText("06.12.26");
        start.run();
        QVERIFY(start.messageBox.shown.isEmpty());
        QCOMPARE(start.settings.writes, 0);
    }
};

QTEST_GUILESS_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
