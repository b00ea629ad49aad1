#include "platform/instanceguard.h"
#include "support/datarows.h"
#include "support/limits.h"
#include "support/nodes.h"

#include <QLockFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <csignal>
#include <deque>
#include <thread>

#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// Bytes from a data file: percent-encoded, with $self, $parent and $host for this process's id,
// its parent's and this machine's name.
QByteArray bytes(QString cell) {
    cell.replace("$self", QString::number(QCoreApplication::applicationPid()))
        .replace("$parent", QString::number(::getppid()))
        .replace("$host", QSysInfo::machineHostName())
        .replace("$program", QCoreApplication::applicationName());
    return QByteArray::fromPercentEncoding(cell.toUtf8());
}

// What a start in a process of its own tells: its process id, and whether it went on.
struct Told {
    pid_t pid;
    bool started;
};

// A start in a process of its own, forked: once the pipe `go` is closed it asks its guard,
// tells `told`, and then holds the lock, if it won, until it is killed.
pid_t forkStart(const QString& path, const int (&go)[2], int told) {
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    ::close(go[1]);
    char nothing = 0;
    while (::read(go[0], &nothing, 1) < 0 && errno == EINTR) {
    }
    LockFileInstanceGuard guard(path);
    const Told answer{::getpid(), !guard.anotherInstanceRunning()};
    if (::write(told, &answer, sizeof answer) == sizeof answer && answer.started)
        ::pause();
    ::_exit(0);
}

// The answers of `count` starts on `told`, waiting at most ten seconds in all.
std::vector<Told> answers(int told, int count) {
    std::vector<Told> all;
    pollfd ready{told, POLLIN, 0};
    while (int(all.size()) < count && ::poll(&ready, 1, 10'000) > 0) {
        Told answer{};
        if (::read(told, &answer, sizeof answer) != sizeof answer)
            break;
        all.push_back(answer);
    }
    return all;
}

// Sets an environment variable to `value`, or unsets it for "<unset>".
void setEnvironment(const char* name, const QString& value) {
    value == "<unset>" ? qunsetenv(name) : qputenv(name, QFile::encodeName(value));
}

} // namespace

class TestInstanceGuard : public QObject {
    Q_OBJECT

private slots:
    // What lies where the lock file goes, what holds it, and how many start at once, from
    // guard.tsv.
    void decision_data() { addRowsFrom("guard.tsv"); }

    void decision() {
        QFETCH(QString, lock);
        QFETCH(QString, rival);
        QFETCH(int, starters);
        QFETCH(int, winners);
        QFETCH(int, held);
        // A race lost now and then is tried often enough to be seen.
        for (int round = 0; round < (starters > 1 ? 60 : 1); ++round) {
            QTemporaryDir dir;
            QVERIFY(putNode(dir.filePath("lock"), bytes(lock)));
            const QString path = dir.filePath(lock == "<file>/" ? "lock/lock" : "lock");
            QFile instance(path);
            QLockFile earlier(path);
            if (rival == "instance")
                QVERIFY(instance.open(QIODevice::ReadOnly) &&
                        ::flock(instance.handle(), LOCK_EX) == 0);
            if (rival == "earlier release")
                QVERIFY(earlier.tryLock(0));
            const rlim_t open = inUse(RLIMIT_NOFILE);
            std::deque<LockFileInstanceGuard> guards;
            for (int i = 0; i < starters; ++i)
                guards.emplace_back(path);
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
            QCOMPARE(int(std::count(refused.begin(), refused.end(), 0)), winners);
            // The start that goes on tells who holds the lock, and nothing of what lay there.
            if (QFile told(path); winners && held && told.open(QIODevice::ReadOnly))
                QCOMPARE(told.readAll(), bytes("$self%0A$program%0A$host%0A"));
            // Only the start that holds the lock keeps a file open.
            QCOMPARE(inUse(RLIMIT_NOFILE), open + rlim_t(winners && held));
            QCOMPARE(int(LockFileInstanceGuard(path).anotherInstanceRunning()), held);
            QCOMPARE(guards[0].anotherInstanceRunning(), bool(refused[0])); // asked again: same
        }
    }

    // An instance killed, twenty processes start at once, a hundred times over: exactly one
    // goes on each time, and is the one killed the next time. Once it ends, its file is gone.
    void afterKill() {
        QTemporaryDir dir;
        const QString path = dir.filePath("lock");
        int told[2];
        QVERIFY(::pipe(told) == 0);
        const auto closeTold = qScopeGuard([&] { ::close(told[0]), ::close(told[1]); });
        pid_t instance = 0;
        for (int round = 0; round <= 100; ++round) {
            if (instance) {
                ::kill(instance, SIGKILL);
                ::waitpid(instance, nullptr, 0);
            }
            const int starters = round == 0 ? 1 : 20;
            int go[2];
            QVERIFY(::pipe(go) == 0);
            std::vector<pid_t> children;
            for (int i = 0; i < starters; ++i)
                children.push_back(forkStart(path, go, told[1]));
            ::close(go[0]);
            ::close(go[1]); // all ask at the same moment
            const std::vector<Told> all = answers(told[0], starters);
            const auto winners = std::ranges::count_if(all, &Told::started);
            instance = winners ? std::ranges::find_if(all, &Told::started)->pid : 0;
            for (const pid_t child : children)
                if (child != instance)
                    ::waitpid(child, nullptr, 0);
            QCOMPARE(int(all.size()), starters);
            QVERIFY2(winners == 1,
                     qPrintable(QString("round %1: %2 went on").arg(round).arg(winners)));
        }
        ::kill(instance, SIGKILL);
        ::waitpid(instance, nullptr, 0);
        {
            LockFileInstanceGuard last(path);
            QVERIFY(!last.anotherInstanceRunning());
        }
        QVERIFY(!QFileInfo::exists(path)); // gone with the guard that held it
    }

    // A guard that ends removes its own file, not one another start has put in its place.
    void ending() {
        QTemporaryDir dir;
        const QString path = dir.filePath("lock");
        for (const bool replaced : {false, true}) {
            {
                LockFileInstanceGuard guard(path);
                QVERIFY(!guard.anotherInstanceRunning());
                QVERIFY(!replaced ||
                        (QFile::rename(path, path + ".old") && putNode(path, "another")));
            }
            QCOMPARE(QFileInfo::exists(path), replaced);
        }
    }

    // Where the lock goes, by what the environment names, from lockfolder.tsv: the runtime
    // folder only where it is the user's own and closed to everyone else, else the cache folder.
    void place_data() { addRowsFrom("lockfolder.tsv"); }

    void place() {
        QFETCH(QString, runtime);
        QFETCH(QString, made);
        QFETCH(QString, cache);
        QFETCH(QString, home);
        QFETCH(QString, lock);
        const QTemporaryDir top;
        const QByteArray folder = QFile::encodeName(top.filePath("made"));
        const mode_t mode = made.toUInt(nullptr, 8);
        QVERIFY(QDir(top.path()).mkdir("home"));
        QVERIFY(made != "file" || putNode(top.filePath("made"), "x"));
        QVERIFY(!mode || (::mkdir(folder, mode) == 0 && ::chmod(folder, mode) == 0));
        const auto here = [&](QString value) { return value.replace("~", top.path()); };
        setEnvironment("XDG_RUNTIME_DIR", here(runtime));
        setEnvironment("XDG_CACHE_HOME", here(cache));
        setEnvironment("HOME", here(home));
        QCOMPARE(LockFileInstanceGuard::defaultLockFilePath("wellbox"), here(lock));
    }
};

QTEST_MAIN(TestInstanceGuard)
#include "tst_instanceguard.moc"
