#include "platform/instanceguard.h"
#include "platform/settingsstore.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <deque>
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

// A rival start's step taken just before the guard removes a lock left over.
enum Rival { Idle, RemovesIt, TakesIt };

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    // What lies where the lock file goes, what a rival does meanwhile, and how many start at
    // once. `winners`: the starts that go on; `held`: a start after them is refused.
    void instanceGuard_data() {
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<int>("winners");
        QTest::addColumn<bool>("held");
        QTest::addColumn<Rival>("rival");
        QTest::addColumn<int>("starters");
        const auto row = [](const char* name, const QByteArray& lock, int winners, bool held,
                            Rival rival = Idle, int starters = 1) {
            QTest::newRow(name) << lock << winners << held << rival << starters;
        };
        const auto file = [](qint64 pid, QByteArray host = QSysInfo::machineHostName().toUtf8()) {
            return QByteArray::number(pid) + "\ntst_platform\n" + host + '\n';
        };
        const qint64 self = QCoreApplication::applicationPid();
        const QByteArray garbage("\x93\x07\xfe\n\x00\x81z", 7);
        row("live instance", file(self), 0, true);
        row("crashed instance", file(2147483646), 1, true);
        row("other host", file(self, "elsewhere.invalid"), 1, true);
        row("process now of another program", file(::getppid()), 1, true);
        row("nothing", "<none>", 1, true);
        row("random bytes", garbage, 1, true);
        row("directory", "<directory>", 1, false);
        row("folder is a file", "<file>/", 1, false);
        // A damaged lock is replaced at once: a FIFO would block, /dev/zero and a huge file
        // never end or take seconds.
        row("FIFO", "<fifo>", 1, true);
        row("link to /dev/zero", "<zero>", 1, true);
        row("sparse 200 MB", "<sparse>", 1, true);
        // After a crash, starters race for the lock left over: exactly one wins.
        row("rival removes it first", garbage, 1, true, RemovesIt);
        row("rival takes it first", garbage, 0, true, TakesIt);
        row("16 at once", file(2147483646), 1, true, Idle, 16);
    }

    void instanceGuard() {
        QFETCH(QByteArray, lock);
        QFETCH(Rival, rival);
        QFETCH(int, starters);
        // A race lost now and then is tried often enough to be seen.
        for (int round = 0; round < (starters > 1 ? 60 : 1); ++round) {
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
            std::deque<LockFileInstanceGuard> guards;
            for (int i = 0; i < starters; ++i)
                guards.emplace_back(path, rivalStep);
            std::vector<char> refused(guards.size());
            ::alarm(2); // a guard that blocks, or dawdles over a huge file, ends the test
            std::atomic<int> ready = 0;
            std::vector<std::jthread> starts;
            for (std::size_t i = 0; i < guards.size(); ++i)
                starts.emplace_back([&, i] {
                    for (++ready; ready < starters;) // all ask at the same moment
                        std::this_thread::yield();
                    refused[i] = guards[i].anotherInstanceRunning();
                });
            starts.clear();
            ::alarm(0);
            QTEST(int(std::count(refused.begin(), refused.end(), 0)), "winners");
            QTEST(LockFileInstanceGuard(path).anotherInstanceRunning(), "held");
            QCOMPARE(guards[0].anotherInstanceRunning(), bool(refused[0])); // asked again: same
        }
    }

    // What lies where the settings file and its lock go, and where the environment puts them
    // (HOME and XDG_CONFIG_HOME otherwise a fresh folder). `reads`: the entry before and after
    // writing "changed"; `target`: a link's target after. A FIFO would hang the start and a huge
    // file slow it, a link may lead to anyone's file: none is the program's own, so each is
    // left as it is.
    void settingsStore_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<QString>("reads");
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QByteArrayList>("environment"); // set, or unset when without "="
        const auto row = [](const char* name, const QByteArray& content, const QByteArray& lock,
                            const char* reads, const QByteArray& target = {},
                            const QByteArrayList& environment = {}) {
            QTest::newRow(name) << content << lock << QString(reads) << target << environment;
        };
        const QByteArray own = "[Settings]\nsFC2E:@?=`a^e^a_ae\n";
        row("none", "<none>", "<none>", "|changed");
        row("64 KiB", (own + ';').leftJustified(64 * 1024, 'x'), "<none>", "`a^e^a_ae|changed");
        row("over 64 KiB", (own + ';').leftJustified(64 * 1024 + 1, 'x'), "<none>", "|");
        row("FIFO", "<fifo>", "<none>", "|");
        row("link to notes", "<link>milk\n[eggs]\n", "<none>", "|", "milk\n[eggs]\n");
        row("link to own settings", "<link>" + own, "<none>", "`a^e^a_ae|changed",
            "[Settings]\nsFC2E%3A%40%3F=changed\n");
        row("lock is a folder", own, "<directory>", "`a^e^a_ae|`a^e^a_ae");
        row("lock is a FIFO", own, "<fifo>", "`a^e^a_ae|`a^e^a_ae");
        row("no HOME", "<none>", "<none>", "|", {}, {"HOME", "XDG_CONFIG_HOME"});
        row("relative HOME", "<none>", "<none>", "|", {}, {"HOME=rel", "XDG_CONFIG_HOME"});
        row("relative XDG_CONFIG_HOME", "<none>", "<none>", "|changed", {},
            {"XDG_CONFIG_HOME=rel/cfg"});
    }

    void settingsStore() {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, lock);
        QFETCH(QByteArrayList, environment);
        // Away from the user's own configuration, and from test runs side by side; started in
        // an empty folder, which must stay so.
        QTemporaryDir config;
        QVERIFY(config.isValid() && QDir(config.path()).mkdir("start"));
        const QString started = QDir::currentPath();
        QDir::setCurrent(config.filePath("start"));
        qputenv("HOME", QFile::encodeName(config.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        for (const QByteArray& setting : environment)
            setting.contains('=') ? qputenv(setting.split('=')[0], setting.split('=')[1])
                                  : qunsetenv(setting);
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
        QFile target(config.filePath("target"));
        QTEST(target.open(QIODevice::ReadOnly) ? target.readAll() : QByteArray(), "target");
        QCOMPARE(left, QStringList());
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
