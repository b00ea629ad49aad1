#include "platform/instanceguard.h"
#include "platform/savedialog.h"
#include "platform/settingsstore.h"
#include "support/datarows.h"
#include "support/nodes.h"

#include <QLineEdit>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

    // What lies where a settings file and its lock go (ours, the one Qt's file dialogs keep, the
    // user's folder names) and where the environment puts them; between the store's read and
    // write the real save dialog may be answered with Enter. From settings.tsv.
    void settingsStore_data() { addRowsFrom("settings.tsv"); }

    void settingsStore() {
        QFETCH(QString, at);
        QFETCH(QString, content);
        QFETCH(int, size);
        QFETCH(QString, lock);
        QFETCH(QString, environment);
        QFETCH(QString, saved);
        QFETCH(QString, target);
        // Away from the user's own configuration, and from test runs side by side; one folder
        // for every row, as Qt settles where its own settings lie once a run. Started in an empty
        // folder, which must stay so.
        QVERIFY(m_config.isValid() && QDir(m_config.path()).removeRecursively());
        const QDir config(m_config.path());
        QVERIFY(config.mkpath("start"));
        const QString started = QDir::currentPath();
        QDir::setCurrent(config.filePath("start"));
        qputenv("HOME", QFile::encodeName(config.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        for (const QString& setting : environment.split(' ', Qt::SkipEmptyParts)) {
            const QByteArray name = setting.section('=', 0, 0).toUtf8();
            setting.contains('=') ? qputenv(name.constData(), setting.section('=', 1).toUtf8())
                                  : qunsetenv(name.constData());
        }
        QVERIFY(putNode(config.filePath(at), bytes(content).leftJustified(size, 'x')));
        QVERIFY(putNode(config.filePath(at + ".lock"), bytes(lock)));
        ::alarm(10); // opening a FIFO or waiting for a lock would hang; the alarm ends the test
        QtSettingsStore store;
        const QString before = store.read("wellbox", "Settings", "sFC2E:@?") + '|';
        QString answer;
        if (!saved.isEmpty()) {
            QtSaveDialog dialog;
            QTimer::singleShot(0, this, [] {
                if (QWidget* shown = QApplication::activeModalWidget())
                    QTest::keyClick(shown->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
            });
            answer = dialog.askFileName(nullptr, "kept.pdf", "PDF (*.pdf)");
        }
        store.write("wellbox", "Settings", "sFC2E:@?", "changed");
        const QString after = store.read("wellbox", "Settings", "sFC2E:@?");
        ::alarm(0);
        const QStringList left = QDir::current().entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        QDir::setCurrent(started);
        QTEST(before + after, "reads");
        QCOMPARE(answer, QString(saved).replace('~', config.path()));
        QFile linked(config.filePath("target"));
        QCOMPARE(linked.open(QIODevice::ReadOnly) ? linked.readAll() : QByteArray(), bytes(target));
        QCOMPARE(left, QStringList());
        QTEST(
            config.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System)
                .join(' '),
            "kept");
    }

private:
    QTemporaryDir m_config;
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
