#include "platform/filewriter.h"
#include "support/datarows.h"
#include "support/limits.h"
#include "support/nodes.h"

#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// A folder's nodes without the digests of what files hold, the folder itself as ~.
QString shape(const QString& folder) {
    QStringList nodes;
    for (const QString& node : nodesIn(folder))
        nodes << (node.contains(" file ") ? node.section(' ', 0, 2) : node);
    return nodes.join(", ").replace(folder, "~");
}

// How a child process ended: the signal that killed it, or 0; -1 when it did not end in time.
int killedBy(pid_t child) {
    int status = 0;
    for (int tick = 0; tick < 1000; ++tick, ::usleep(10'000))
        if (::waitpid(child, &status, WNOHANG) == child)
            return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    return -1;
}

} // namespace

class TestFileWriter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ::umask(022); }

    // What lies where the file goes, what takes its place between the check and the commit, and
    // whether the file system has unnamed files; from writer.tsv.
    void write_data() { addRowsFrom("writer.tsv"); }

    void write() {
        QFETCH(QString, there);
        QFETCH(QString, mode);
        QFETCH(QString, meanwhile);
        QFETCH(int, named);
        QFETCH(QString, rename);
        if (mode == "444" && ::geteuid() == 0)
            QSKIP("root may write any file");
        QTemporaryDir folder;
        const QString path = folder.filePath("kept.pdf");
        QVERIFY(putNode(path, there.toUtf8()));
        if (!mode.isEmpty())
            QVERIFY(::chmod(QFile::encodeName(path).constData(), mode.toUInt(nullptr, 8)) == 0);
        QStringList checked = nodesIn(folder.path());
        const auto replace = [&] {
            if (meanwhile.isEmpty())
                return;
            ::remove(QFile::encodeName(path).constData());
            QVERIFY(putNode(path, meanwhile.toUtf8()));
            // What lies there now, but for the named file being written.
            checked = nodesIn(folder.path()).filter(QRegularExpression("^kept.pdf "));
        };
        const auto systemRename = [&](int from, const char* a, int to, const char* b,
                                      unsigned flags) {
            const bool noFlags = flags && rename.startsWith("no flags");
            if (noFlags || rename.endsWith("refused")) {
                errno = noFlags ? EINVAL : EACCES;
                return -1;
            }
            return ::renameat2(from, a, to, b, flags);
        };
        const std::optional<QString> failure = QtFileWriter({.named = bool(named),
                                                             .beforeCommit = replace,
                                                             .systemWrite = {},
                                                             .systemRename = systemRename,
                                                             .systemLink = {}})
                                                   .write(path, "new bytes");
        QTEST(failure.value_or("written"), "outcome");
        QTEST(shape(folder.path()), "after");
        if (failure) {
            QCOMPARE(nodesIn(folder.path()), checked); // byte for byte
        } else {
            QFile written(path);
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(written.readAll(), "new bytes");
        }
    }

    // A name as long as a name may be is written too, though the named file beside it is longer.
    void longestName() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QString(251, 'x') + ".pdf");
        for (const bool named : {false, true}) {
            QCOMPARE(QtFileWriter({.named = named,
                                   .beforeCommit = {},
                                   .systemWrite = {},
                                   .systemRename = {},
                                   .systemLink = {}})
                         .write(path, "new bytes"),
                     std::nullopt);
            QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        }
    }

    // A write(2) that takes fewer bytes than asked, or is cut off by a signal, is tried again
    // for the rest; one that takes nothing is a full disk, which leaves the old file as it was.
    void shortWrites() {
        QTemporaryDir folder;
        const QString path = folder.filePath("kept.pdf");
        int calls = 0;
        int takenEach = 4;
        const auto systemWrite = [&](int fd, const char* bytes, std::size_t count) -> ssize_t {
            // Every other call is cut off by a signal before it writes; a writer that would
            // go on for ever is let through, as if written, for the comparison below to see.
            if (++calls > 100)
                return ssize_t(count);
            if (calls % 2) {
                errno = EINTR;
                return -1;
            }
            return takenEach ? ::write(fd, bytes, std::min<std::size_t>(count, takenEach)) : 0;
        };
        QtFileWriter writer({.named = false,
                             .beforeCommit = {},
                             .systemWrite = systemWrite,
                             .systemRename = {},
                             .systemLink = {}});
        QCOMPARE(writer.write(path, "old bytes"), std::nullopt);
        QCOMPARE(calls, 6);
        takenEach = 0;
        QCOMPARE(writer.write(path, "new bytes"), std::strerror(ENOSPC));
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), "old bytes");
    }

    // With standard input closed, the folder is opened as descriptor 0, and written to still.
    void writtenWithoutStandardInput() {
        QTemporaryDir folder;
        const QString path = folder.filePath("kept.pdf");
        const int input = ::dup(STDIN_FILENO);
        ::close(STDIN_FILENO);
        const std::optional<QString> failure = QtFileWriter().write(path, "new bytes");
        ::dup2(input, STDIN_FILENO);
        ::close(input);
        QCOMPARE(failure, std::nullopt);
        QCOMPARE(QFileInfo(path).size(), 9);
    }

    // At the limit of open files, once its folder takes the last descriptor, a write tells
    // why, whether its file would be unnamed or named, and the old file stays.
    void atTheLimitOfOpenFiles_data() {
        QTest::addColumn<bool>("named");
        QTest::newRow("unnamed") << false;
        QTest::newRow("named") << true;
    }
    void atTheLimitOfOpenFiles() {
        QFETCH(bool, named);
        QTemporaryDir folder;
        const QString path = folder.filePath("kept.pdf");
        QCOMPARE(QtFileWriter().write(path, "old bytes"), std::nullopt);
        QtFileWriter writer({.named = named,
                             .beforeCommit = {},
                             .systemWrite = {},
                             .systemRename = {},
                             .systemLink = {}});
        // A limit on descriptors is one on their numbers: the lowest free one is the last.
        const int lowestFree = ::dup(STDERR_FILENO);
        ::close(lowestFree);
        std::optional<QString> failure;
        withLimit(RLIMIT_NOFILE, rlim_t(lowestFree) + 1,
                  [&] { failure = writer.write(path, "new bytes"); });
        QCOMPARE(failure, QString(std::strerror(EMFILE)));
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), "old bytes");
        QCOMPARE(nodesIn(folder.path()).size(), 1);
    }

    // Where /proc cannot link the unnamed file into its folder, as without /proc, the file is
    // linked by its descriptor; where that is refused too, the reason is told and the old file
    // stays.
    void linkedWithoutProc_data() {
        QTest::addColumn<int>("refused"); // the error of the link by descriptor, 0: none
        QTest::addColumn<QString>("outcome");
        QTest::newRow("linked by its descriptor") << 0 << "written";
        QTest::newRow("both refused") << EPERM << QString(std::strerror(EPERM));
    }
    void linkedWithoutProc() {
        QFETCH(int, refused);
        QFETCH(QString, outcome);
        if (!refused && ::geteuid() != 0)
            QSKIP("only a process that may read any file links a descriptor");
        QTemporaryDir folder;
        const QString path = folder.filePath("kept.pdf");
        QCOMPARE(QtFileWriter().write(path, "old bytes"), std::nullopt);
        const auto systemLink = [&](int from, const char* name, int to, const char* as, int flags) {
            errno = flags == AT_SYMLINK_FOLLOW ? ENOENT : refused;
            return errno ? -1 : ::linkat(from, name, to, as, flags);
        };
        QtFileWriter writer({.named = false,
                             .beforeCommit = {},
                             .systemWrite = {},
                             .systemRename = {},
                             .systemLink = systemLink});
        QCOMPARE(writer.write(path, "new bytes").value_or("written"), outcome);
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), refused ? "old bytes" : "new bytes");
        QCOMPARE(nodesIn(folder.path()).size(), 1);
    }

    // A write killed before its commit leaves nothing where the file system has unnamed files,
    // and its named file where not, which the next write into the folder removes; a file that a
    // live write holds, or one named otherwise, stays; so does a name with no target before the
    // mark.
    void killed() {
        QTemporaryDir folder;
        const QString path = folder.filePath("kept.pdf");
        const QRegularExpression part(R"(^\.kept\.pdf\.kestavo-[A-Za-z0-9]{6} )");
        for (const bool named : {false, true}) {
            const pid_t child = ::fork();
            if (child == 0) {
                QtFileWriter({.named = named,
                              .beforeCommit = [] { ::raise(SIGKILL); },
                              .systemWrite = {},
                              .systemRename = {},
                              .systemLink = {}})
                    .write(path, "new bytes");
                ::_exit(0);
            }
            QCOMPARE(killedBy(child), SIGKILL);
            QCOMPARE(nodesIn(folder.path()).filter(part).size(), int(named));
        }
        const QStringList others{"..kestavo-AbC123", ".kept.pdf.kestavo-12345!",
                                 ".kept.pdf.kestavo-Short", ".notes.kestavo-Held00",
                                 "kept.pdf.AbC123"};
        for (const QString& name : others + QStringList{".k.kestavo-AbC123"})
            QVERIFY(putNode(folder.filePath(name), "mine"));
        QFile held(folder.filePath(others[3]));
        QVERIFY(held.open(QIODevice::ReadOnly) && ::flock(held.handle(), LOCK_EX) == 0);
        QCOMPARE(QtFileWriter().write(path, "new bytes"), std::nullopt);
        QStringList left = others;
        left.insert(4, "kept.pdf");
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            left);
    }
};

QTEST_MAIN(TestFileWriter)
#include "tst_filewriter.moc"
