#include "platform/instanceguard.h"
#include "platform/settingsstore.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

using namespace wellbox;

// Puts `content` at `path`: a FIFO, a directory, a sparse 200 MB file, nothing, a link to
// /dev/zero, a link to a file "target" beside it holding the rest, or a file holding it.
static bool put(const QString& path, const QByteArray& content) {
    QFile file(path);
    const QString target = QFileInfo(path).dir().filePath("target");
    return content == "<none>" ||
           (content == "<fifo>"        ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
            : content == "<directory>" ? QDir().mkdir(path)
            : content == "<sparse>"    ? file.open(QIODevice::WriteOnly) && file.resize(200 << 20)
            : content == "<zero>"      ? QFile::link("/dev/zero", path)
            : content.startsWith("<link>")
                ? put(target, content.mid(6)) && QFile::link(target, path)
                : file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
}

static QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A rival start's step taken just before the guard removes a lock left over.
enum Rival { Idle, RemovesIt, TakesIt };

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    // What lies where the lock file goes, what a rival does meanwhile, and how many start at
    // once. `winners`: the starts that go on; `held`: a start after them is refused.
    void instanceGuard_data() {
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<Rival>("rival");
        QTest::addColumn<int>("starters");
        QTest::addColumn<int>("winners");
        QTest::addColumn<bool>("held");
        const auto file = [](qint64 pid, QByteArray host = QSysInfo::machineHostName().toUtf8()) {
            return QByteArray::number(pid) + "\ntst_platform\n" + host + '\n';
        };
        const qint64 self = QCoreApplication::applicationPid();
        const QByteArray crashed = file(2147483646);
        QTest::newRow("live instance") << file(self) << Idle << 1 << 0 << true;
        QTest::newRow("crashed instance") << crashed << Idle << 1 << 1 << true;
        QTest::newRow("other host") << file(self, "elsewhere.invalid") << Idle << 1 << 1 << true;
        QTest::newRow("process now of another program")
            << file(::getppid()) << Idle << 1 << 1 << true;
        QTest::newRow("nothing") << QByteArray("<none>") << Idle << 1 << 1 << true;
        const QByteArray garbage("\x93\x07\xfe\n\x00\x81z", 7);
        QTest::newRow("random bytes") << garbage << Idle << 1 << 1 << true;
        QTest::newRow("directory") << QByteArray("<directory>") << Idle << 1 << 1 << false;
        QTest::newRow("folder is a file") << QByteArray("<file>/") << Idle << 1 << 1 << false;
        // A damaged lock is replaced at once: a FIFO would block, /dev/zero and a huge file
        // never end or take seconds.
        QTest::newRow("FIFO") << QByteArray("<fifo>") << Idle << 1 << 1 << true;
        QTest::newRow("link to /dev/zero") << QByteArray("<zero>") << Idle << 1 << 1 << true;
        QTest::newRow("sparse 200 MB") << QByteArray("<sparse>") << Idle << 1 << 1 << true;
        // After a crash, starters race for the lock left over: exactly one wins.
        QTest::newRow("rival removes it first") << garbage << RemovesIt << 1 << 1 << true;
        QTest::newRow("rival takes it first") << garbage << TakesIt << 1 << 0 << true;
        QTest::newRow("16 at once") << crashed << Idle << 16 << 1 << true;
    }

    void instanceGuard() {
        QFETCH(QByteArray, lock);
        QFETCH(Rival, rival);
        QFETCH(int, starters);
        // A race lost now and then is tried often enough to be seen.
        for (int round = 0; round < (starters > 1 ? 30 : 1); ++round) {
            QTemporaryDir dir;
            QVERIFY(put(dir.filePath("lock"), lock));
            const QString path = dir.filePath(lock == "<file>/" ? "lock/lock" : "lock");
            QLockFile rivalLock(path);
            const auto rivalStep = [&] {
                if (rival != Idle)
                    QLockFile(path).removeStaleLockFile();
                if (rival == TakesIt)
                    rivalLock.tryLock(0);
            };
            std::vector<std::unique_ptr<LockFileInstanceGuard>> guards;
            for (int i = 0; i < starters; ++i)
                guards.push_back(std::make_unique<LockFileInstanceGuard>(path, rivalStep));
            std::vector<char> refused(guards.size());
            ::alarm(10); // a blocked guard would hang; the alarm ends the test instead
            QElapsedTimer timer;
            timer.start();
            std::atomic<int> ready = 0;
            std::vector<std::jthread> starts;
            for (std::size_t i = 0; i < guards.size(); ++i)
                starts.emplace_back([&, i] {
                    for (++ready; ready < starters;) // all ask at the same moment
                        std::this_thread::yield();
                    refused[i] = guards[i]->anotherInstanceRunning();
                });
            starts.clear();
            ::alarm(0);
            QCOMPARE_LT(timer.elapsed(), 1000);
            QTEST(int(std::count(refused.begin(), refused.end(), 0)), "winners");
            QTEST(LockFileInstanceGuard(path).anotherInstanceRunning(), "held");
            QCOMPARE(guards[0]->anotherInstanceRunning(), bool(refused[0])); // asked again: same
        }
    }

    // What lies where the settings file and its lock go, and where the environment puts them.
    // `reads`: the entry before and after writing "changed"; `target`: a link's target after.
    // A FIFO would hang the start and a huge file slow it, a link may lead to anyone's file:
    // none is the program's own, so each is left as it is.
    void settingsStore_data() {
        QTest::addColumn<QByteArray>("home");       // HOME; "<temp>" a fresh folder
        QTest::addColumn<QByteArray>("configHome"); // XDG_CONFIG_HOME, the same
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<QString>("reads");
        QTest::addColumn<QByteArray>("target");
        const QByteArray own = "[Settings]\nsFC2E:@?=`a^e^a_ae\n";
        const QByteArray t = "<temp>";
        const QByteArray none = "<none>";
        QTest::newRow("none") << t << t << none << none << "|changed" << QByteArray();
        QTest::newRow("64 KiB") << t << t << (own + ';').leftJustified(64 * 1024, 'x') << none
                                << "`a^e^a_ae|changed" << QByteArray();
        QTest::newRow("over 64 KiB") << t << t << (own + ';').leftJustified(64 * 1024 + 1, 'x')
                                     << none << "|" << QByteArray();
        QTest::newRow("FIFO") << t << t << QByteArray("<fifo>") << none << "|" << QByteArray();
        QTest::newRow("link to notes") << t << t << QByteArray("<link>milk\n[eggs]\n") << none
                                       << "|" << QByteArray("milk\n[eggs]\n");
        QTest::newRow("link to own settings")
            << t << t << "<link>" + own << none << "`a^e^a_ae|changed"
            << QByteArray("[Settings]\nsFC2E%3A%40%3F=changed\n");
        QTest::newRow("lock is a folder")
            << t << t << own << QByteArray("<directory>") << "`a^e^a_ae|`a^e^a_ae" << QByteArray();
        QTest::newRow("lock is a FIFO")
            << t << t << own << QByteArray("<fifo>") << "`a^e^a_ae|`a^e^a_ae" << QByteArray();
        QTest::newRow("no HOME") << none << none << none << none << "|" << QByteArray();
        QTest::newRow("relative HOME")
            << QByteArray("rel") << none << none << none << "|" << QByteArray();
        QTest::newRow("relative XDG_CONFIG_HOME")
            << t << QByteArray("rel/cfg") << none << none << "|changed" << QByteArray();
    }

    void settingsStore() {
        QFETCH(QByteArray, home);
        QFETCH(QByteArray, configHome);
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, lock);
        // Away from the user's own configuration, and from test runs side by side; started in
        // an empty folder, which must stay so.
        QTemporaryDir config;
        QVERIFY(config.isValid() && QDir(config.path()).mkdir("start"));
        const QString started = QDir::currentPath();
        QDir::setCurrent(config.filePath("start"));
        for (const auto& [name, value] : {std::pair{"HOME", home}, {"XDG_CONFIG_HOME", configHome}})
            value == "<none>"
                ? qunsetenv(name)
                : qputenv(name, value == "<temp>" ? QFile::encodeName(config.path()) : value);
        const QString file = config.filePath("wellbox.ini");
        QVERIFY(put(file, content));
        QVERIFY(put(file + ".lock", lock));
        ::alarm(10); // opening a FIFO would hang; the alarm ends the test instead
        QtSettingsStore store;
        const QString before = store.read("wellbox", "Settings", "sFC2E:@?") + '|';
        store.write("wellbox", "Settings", "sFC2E:@?", "changed");
        const QString after = store.read("wellbox", "Settings", "sFC2E:@?");
        ::alarm(0);
        const QStringList left = QDir::current().entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        QDir::setCurrent(started);
        QTEST(before + after, "reads");
        QTEST(contentOf(config.filePath("target")), "target");
        QCOMPARE(left, QStringList());
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
