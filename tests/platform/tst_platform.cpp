#include "platform/instanceguard.h"
#include "platform/settingsstore.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace wellbox;

// Puts `content` at `path`: a FIFO, a directory, nothing, or a file holding it.
static bool put(const QString& path, const QByteArray& content) {
    QFile file(path);
    return content == "<none>" ||
           (content == "<fifo>" ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
            : content == "<directory>"
                ? QDir().mkdir(path)
                : file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
}

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    // What lies where the lock file goes: a lock file naming process and host, or something
    // else in its place. `held`: a start after this one is refused.
    void instanceGuard_data() {
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("held");
        const auto file = [](qint64 pid, QByteArray host = QSysInfo::machineHostName().toUtf8()) {
            return QByteArray::number(pid) + "\ntst_platform\n" + host + '\n';
        };
        const qint64 self = QCoreApplication::applicationPid();
        QTest::newRow("live instance") << file(self) << true << true;
        QTest::newRow("crashed instance") << file(2147483646) << false << true;
        QTest::newRow("other host") << file(self, "elsewhere.invalid") << false << true;
        QTest::newRow("process now of another program") << file(::getppid()) << false << true;
        QTest::newRow("nothing") << QByteArray("<none>") << false << true;
        QTest::newRow("random bytes") << QByteArray("\x93\x07\xfe\n\x00\x81z", 7) << false << true;
        QTest::newRow("directory") << QByteArray("<directory>") << false << false;
        QTest::newRow("folder is a file") << QByteArray("<file>/") << false << false;
    }

    void instanceGuard() {
        QFETCH(QByteArray, lock);
        QTemporaryDir dir;
        QVERIFY(put(dir.filePath("lock"), lock));
        const QString path = dir.filePath(lock == "<file>/" ? "lock/lock" : "lock");
        LockFileInstanceGuard guard(path);
        QTEST(guard.anotherInstanceRunning(), "refused");
        QTEST(guard.anotherInstanceRunning(), "refused"); // asking twice changes nothing
        QTEST(LockFileInstanceGuard(path).anotherInstanceRunning(), "held");
    }

    // What lies where the settings file goes. A FIFO would hang the start and a huge file
    // slow it; neither is the program's own, so both are left as they are. `reads`: the entry
    // before and after writing "changed".
    void settingsStore_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reads");
        const QByteArray own = "[Settings]\nsFC2E:@?=`a^e^a_ae\n;";
        QTest::newRow("none") << QByteArray("<none>") << "|changed";
        QTest::newRow("64 KiB") << own.leftJustified(64 * 1024, 'x') << "`a^e^a_ae|changed";
        QTest::newRow("over 64 KiB") << own.leftJustified(64 * 1024 + 1, 'x') << "|";
        QTest::newRow("FIFO") << QByteArray("<fifo>") << "|";
    }

    void settingsStore() {
        QFETCH(QByteArray, content);
        // Away from the user's own configuration, and from test runs side by side.
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        QVERIFY(put(config.filePath("wellbox.ini"), content));
        ::alarm(10); // opening a FIFO would hang; the alarm ends the test instead
        QtSettingsStore store;
        const QString before = store.read("wellbox", "Settings", "sFC2E:@?") + '|';
        store.write("wellbox", "Settings", "sFC2E:@?", "changed");
        QTEST(before + store.read("wellbox", "Settings", "sFC2E:@?"), "reads");
        ::alarm(0);
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
