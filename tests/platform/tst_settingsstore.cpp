#include "platform/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using wellbox::QtSettingsStore;

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Keeps the test away from the user's own configuration.
        QStandardPaths::setTestModeEnabled(true);
    }

    void init() { QFile::remove(fileName()); }
    void cleanupTestCase() { QFile::remove(fileName()); }

    void absentEntryReadsEmpty() {
        const QtSettingsStore store;
        QCOMPARE(store.read(kApp, "Settings", "sFC2E:@?"), QString());
    }

    void writtenEntryReadsBack() {
        QtSettingsStore store;
        store.write(kApp, "Settings", "sFC2E:@?", "`a^e^a_ae");
        QCOMPARE(store.read(kApp, "Settings", "sFC2E:@?"), QStringLiteral("`a^e^a_ae"));
        QCOMPARE(store.read(kApp, "Other", "sFC2E:@?"), QString());
        QCOMPARE(store.read("another-program", "Settings", "sFC2E:@?"), QString());
    }

    void garbageInTheFileNeverCrashes_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("very long value")
            << "[Settings]\nsFC2E:@?=" + QByteArray(200000, 'x') + "\n";
        QTest::newRow("odd bytes") << QByteArray("[Settings]\nsFC2E:@?=\xff\xfe\x00\x01\x80\n", 22);
        QTest::newRow("list instead of text") << QByteArray("[Settings]\nsFC2E:@?=a, b, c\n");
        QTest::newRow("not an ini file") << QByteArray("\x7f"
                                                       "ELF\x02\x01\x01\x00\x00",
                                                       9);
    }

    void garbageInTheFileNeverCrashes() {
        QFETCH(QByteArray, content);
        QDir().mkpath(QFileInfo(fileName()).absolutePath());
        QFile file(fileName());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        const QtSettingsStore store;
        const QString value = store.read(kApp, "Settings", "sFC2E:@?");
        QVERIFY(value.size() <= content.size());
    }

private:
    static QString fileName() {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, kApp).fileName();
    }
    static constexpr char kApp[] = "kestavo-wellbox-test";
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
