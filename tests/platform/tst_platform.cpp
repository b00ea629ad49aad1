#include "platform/instanceguard.h"
#include "platform/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace wellbox;

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    // What lies where the lock file goes: a lock file naming process, program and host, or
    // something else in its place.
    void instanceGuard_data() {
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("takenOver");
        const QByteArray self = QCoreApplication::applicationFilePath().section('/', -1).toUtf8();
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        const auto file = [](qint64 pid, const QByteArray& program, const QByteArray& host) {
            return QByteArray::number(pid) + '\n' + program + '\n' + host + '\n';
        };
        const qint64 pid = QCoreApplication::applicationPid(), gone = 2147483646;
        QTest::newRow("live instance of this program") << file(pid, self, host) << true << false;
        QTest::newRow("running guard") << QByteArray("<guard>") << true << false;
        QTest::newRow("crashed instance") << file(gone, self, host) << false << true;
        QTest::newRow("other host") << file(pid, self, "elsewhere.invalid") << false << true;
        QTest::newRow("live instance of another program")
            << file(::getppid(), "ctest", host) << false << true;
        QTest::newRow("nothing") << QByteArray("<none>") << false << true;
        QTest::newRow("empty") << QByteArray() << false << true;
        QTest::newRow("random bytes") << QByteArray("\x93\x07\xfe\n\x00\x81z", 7) << false << true;
        QTest::newRow("directory") << QByteArray("<directory>") << false << false;
        QTest::newRow("unreadable") << QByteArray("<unreadable>") << false << false;
        QTest::newRow("folder is a file") << QByteArray("<file>/") << false << false;
    }

    void instanceGuard() {
        QFETCH(QByteArray, lock);
        QFETCH(bool, refused);
        QFETCH(bool, takenOver);
        QTemporaryDir dir;
        const QString path =
            dir.filePath(lock == "<file>/" ? "wellbox.lock/wellbox.lock" : "wellbox.lock");
        LockFileInstanceGuard running(path);
        QVERIFY(lock != "<guard>" || !running.anotherInstanceRunning());
        QVERIFY(lock != "<directory>" || QDir().mkdir(path));
        if (!lock.startsWith('<') || lock == "<unreadable>" || lock == "<file>/") {
            QFile file(dir.filePath("wellbox.lock"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(lock) == lock.size());
            QVERIFY(lock != "<unreadable>" || file.setPermissions({}));
        }

        LockFileInstanceGuard guard(path);
        QCOMPARE(guard.anotherInstanceRunning(), refused);
        QCOMPARE(guard.anotherInstanceRunning(), refused); // asking twice changes nothing
        if (takenOver)
            QVERIFY(LockFileInstanceGuard(path).anotherInstanceRunning());
    }

    void lockLivesInTheUsersRuntimeDirectory() {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        QCOMPARE(LockFileInstanceGuard::defaultLockFilePath("kestavo-wellbox"),
                 runtime + "/kestavo-wellbox.lock");
    }

    // What lies where the settings file goes. A FIFO would hang the start and a huge file
    // slow it; neither is the program's own, so both are left as they are.
    void settingsStore_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reads");
        QTest::addColumn<bool>("used");
        const QByteArray own = "[Settings]\nsFC2E:@?=`a^e^a_ae\n;";
        QTest::newRow("none") << QByteArray() << "" << true;
        QTest::newRow("64 KiB") << own.leftJustified(64 * 1024, 'x') << "`a^e^a_ae" << true;
        QTest::newRow("over 64 KiB") << own.leftJustified(64 * 1024 + 1, 'x') << "" << false;
        QTest::newRow("FIFO") << QByteArray("<fifo>") << "" << false;
    }

    void settingsStore() {
        QFETCH(QByteArray, content);
        QFETCH(QString, reads);
        QFETCH(bool, used);
        QStandardPaths::setTestModeEnabled(true); // away from the user's own configuration
        const QString app = "kestavo-wellbox-test";
        const QDir config(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
        const QString path = config.filePath(app + ".ini");
        QVERIFY(config.mkpath("."));
        const auto remove = qScopeGuard([&] { QFile::remove(path); });
        // Opening a FIFO would hang; the alarm ends the test instead.
        ::alarm(10);
        if (content == "<fifo>") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        }

        QtSettingsStore store;
        QCOMPARE(store.read(app, "Settings", "sFC2E:@?"), reads);
        store.write(app, "Settings", "sFC2E:@?", "changed");
        QCOMPARE(store.read(app, "Settings", "sFC2E:@?"), used ? "changed" : "");
        ::alarm(0);
        QVERIFY(used || QFileInfo(path).size() == (content == "<fifo>" ? 0 : content.size()));
        QCOMPARE(QFileInfo(path).isFile(), content != "<fifo>");
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
