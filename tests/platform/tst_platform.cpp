#include "platform/instanceguard.h"
#include "support/datarows.h"
#include "support/nodes.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <deque>
#include <thread>

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace wellbox;
using namespace wellbox::testing;

// Bytes from a data file: percent-encoded, with $self, $parent and $host for this process's id,
// its parent's and this machine's name.
static QByteArray bytes(QString cell) {
    cell.replace("$self", QString::number(QCoreApplication::applicationPid()))
        .replace("$parent", QString::number(::getppid()))
        .replace("$host", QSysInfo::machineHostName());
    return QByteArray::fromPercentEncoding(cell.toUtf8());
}

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    // What lies where the lock file goes, what a rival does meanwhile, and how many start at
    // once, from guard.tsv.
    void instanceGuard_data() { addRowsFrom("guard.tsv"); }

    void instanceGuard() {
        QFETCH(QString, lock);
        QFETCH(QString, rival);
        QFETCH(int, starters);
        // A race lost now and then is tried often enough to be seen.
        for (int round = 0; round < (starters > 1 ? 60 : 1); ++round) {
            QTemporaryDir dir;
            QVERIFY(putNode(dir.filePath("lock"), bytes(lock)));
            const QString path = dir.filePath(lock == "<file>/" ? "lock/lock" : "lock");
            QLockFile rivalLock(path);
            QFile held(path);
            const auto rivalStep = [&] {
                if (rival == "holds it" && !held.isOpen() && held.open(QIODevice::ReadOnly))
                    ::flock(held.handle(), LOCK_EX | LOCK_NB);
                if (rival == "removes it" || rival == "takes it")
                    QLockFile(path).removeStaleLockFile();
                if (rival == "takes it")
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
            QTEST(int(LockFileInstanceGuard(path).anotherInstanceRunning()), "held");
            QCOMPARE(guards[0].anotherInstanceRunning(), bool(refused[0])); // asked again: same
        }
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
