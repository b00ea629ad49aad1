#include "widgets/helplinks.h"
#include "app/updatereminder.h"
#include "support/platformfakes.h"

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

    void storedValueThatIsNoDateIsLeftAlone_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("words") << "next tuesday";
        QTest::newRow("impossible day") << "2/30/2026";
        QTest::newRow("very long") << QString(100000, 'x');
        QTest::newRow("odd characters") << QString::fromUtf8("\u0001\u00ff\ufffd/\u0000/");
    }

    void storedValueThatIsNoDateIsLeftAlone() {
        QFETCH(QString, stored);
        ReminderRun start;
        start.storeText(stored);
        start.run();
        QVERIFY(start.messageBox.shown.isEmpty());
        QCOMPARE(start.settings.writes, 0);
        QCOMPARE(start.storedText(), stored);
    }

    void dateRoundTripsInEveryLocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("ja_JP") << QLocale(QLocale::Japanese, QLocale::Japan);
        QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France);
    }

    void dateRoundTripsInEveryLocale() {
        QFETCH(QLocale, locale);
        for (const QDate date :
             {kToday, QDate(2027, 1, 1), QDate(2099, 12, 31), QDate(2000, 2, 29)}) {
            const QString text = dateToSettingText(date, locale);
            QCOMPARE(dateFromSettingText(text, locale, kToday), date);
        }
    }

    void twoDigitYearReadsAsTheNearestCentury_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QDate>("expected");
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale de(QLocale::German, QLocale::Germany);
        QTest::newRow("en_US this year") << us << "12/6/26" << QDate(2026, 12, 6);
        QTest::newRow("de_DE this year") << de << "06.12.26" << QDate(2026, 12, 6);
        QTest::newRow("en_US late last century") << us << "3/1/99" << QDate(1999, 3, 1);
        QTest::newRow("en_US near future") << us << "1/1/70" << QDate(2070, 1, 1);
    }

    void twoDigitYearReadsAsTheNearestCentury() {
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
