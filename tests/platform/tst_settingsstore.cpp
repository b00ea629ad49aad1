#include "platform/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

    void unusableFileIsLeftUntouched_data() {
        QTest::addColumn<qint64>("size"); // a FIFO when negative
        QTest::addColumn<bool>("used");
        QTest::newRow("64 KiB") << qint64(64 * 1024) << true;
        QTest::newRow("one byte over 64 KiB") << qint64(64 * 1024 + 1) << false;
        QTest::newRow("FIFO") << qint64(-1) << false;
    }

    void unusableFileIsLeftUntouched() {
        QFETCH(qint64, size);
        QFETCH(bool, used);
        QDir().mkpath(QFileInfo(fileName()).absolutePath());
        const QByteArray path = QFile::encodeName(fileName());
        std::atomic<bool> done = false;
        std::atomic<bool> opened = false;
        std::thread writer;
        if (size < 0) {
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
            // Lets a reader of the FIFO go on instead of hanging, and tells that there was one.
            writer = std::thread([&] {
                for (; !done; std::this_thread::sleep_for(std::chrono::milliseconds(5)))
                    if (const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                        opened = true;
                        ::close(fd);
                    }
            });
        } else {
            QFile file(fileName());
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QByteArray content = "[Settings]\nsFC2E:@?=`a^e^a_ae\n;";
            file.write(content + QByteArray(size - content.size(), 'x'));
        }
        const auto stop = qScopeGuard([&] {
            done = true;
            if (writer.joinable())
                writer.join();
        });

        QtSettingsStore store;
        QCOMPARE(store.read(kApp, "Settings", "sFC2E:@?"),
                 used ? QStringLiteral("`a^e^a_ae") : QString());
        QVERIFY(!opened);
        store.write(kApp, "Settings", "sFC2E:@?", "changed");
        QVERIFY(!opened);
        const QFileInfo after(fileName());
        QCOMPARE(after.isFile(), size >= 0);
        if (!used)
            QCOMPARE(after.size(), std::max<qint64>(size, 0));
    }

private:
    // Not asked of QSettings, which would hang reading a FIFO left by an interrupted run.
    static QString fileName() {
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
               kApp + ".ini";
    }
    static constexpr char kApp[] = "kestavo-wellbox-test";
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
