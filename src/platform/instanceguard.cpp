#include "platform/instanceguard.h"

#include "platform/lockentry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#include <ctime>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wellbox {

namespace {

// Rounds of a start that races others for a lock left over, and the pause after a round in
// which a rival got there first; it doubles each round, so all rounds wait 75 ms at most.
constexpr int kRounds = 5;
constexpr unsigned long kFirstPauseMs = 5;

// The file name of the program a process runs, empty when there is no such process.
QString executableName(qint64 pid) {
    QString target = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
    // An instance outlives the replacing of its program by an update.
    if (target.endsWith(QLatin1String(" (deleted)")))
        target.chop(10);
    return QFileInfo(target).fileName();
}

// Whether a lock file's content (process id, program, host, one a line) names a live instance
// of this program on this host.
bool namesLiveInstance(const QByteArray& content) {
    const QList<QByteArray> lines = content.split('\n');
    bool isNumber = false;
    const qint64 pid = lines.value(0).toLongLong(&isNumber);
    const QString host = QString::fromUtf8(lines.value(2));
    if (!isNumber || pid <= 0 || (!host.isEmpty() && host != QSysInfo::machineHostName()))
        return false;
    const QString name = executableName(pid);
    return !name.isEmpty() && name == executableName(QCoreApplication::applicationPid());
}

// Removes the lock at `path` if it is one left over: not flocked (a live lock always is),
// still the file at that path, and naming no live instance. A rival's new lock is empty and
// not yet flocked for an instant, so an empty lock goes only once it is a few seconds old.
bool removeLeftOver(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat opened {};
    struct stat there {};
    QByteArray content(4096, Qt::Uninitialized);
    ssize_t size = -1;
    const bool leftOver = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 &&
                          (size = ::read(fd, content.data(), content.size())) >= 0 &&
                          (size > 0 || opened.st_mtime + 2 < std::time(nullptr)) &&
                          !namesLiveInstance(content.left(size)) &&
                          ::lstat(name.constData(), &there) == 0 && there.st_ino == opened.st_ino &&
                          there.st_dev == opened.st_dev;
    const bool removed = leftOver && ::unlink(name.constData()) == 0;
    ::close(fd);
    return removed;
}

} // namespace

LockFileInstanceGuard::LockFileInstanceGuard(const QString& lockFilePath,
                                             std::function<void()> beforeRemoval)
    : m_lock(std::make_unique<QLockFile>(lockFilePath))
    , m_beforeRemoval(std::move(beforeRemoval)) {
    // A running instance may hold its lock for days; only a dead owner makes it stale.
    m_lock->setStaleLockTime(0);
}

LockFileInstanceGuard::~LockFileInstanceGuard() = default;

bool LockFileInstanceGuard::anotherInstanceRunning() {
    if (m_lock->isLocked())
        return false;
    const QString path = m_lock->fileName();
    // Each round takes the lock, finds its owner alive, or removes what is left over. A removal
    // that fails means a rival got there first: the next round looks again, after a pause in
    // which the rival writes its lock.
    for (int round = 0; round < kRounds; ++round) {
        // Qt's lock reads what it finds there, and locks a second file while it removes a stale
        // one; a damaged entry that cannot be removed lets the program start unguarded.
        if (!removeDamagedLock(path) || !removeDamagedLock(path + QStringLiteral(".rmlock")))
            return false;
        if (m_lock->tryLock(0))
            return false;
        // A lock that cannot be created lets the program start, as a missing folder does.
        if (m_lock->error() != QLockFile::LockFailedError)
            return false;
        QFile lock(path);
        if (lock.open(QIODevice::ReadOnly) && namesLiveInstance(lock.read(4096)))
            return true;
        m_beforeRemoval();
        if (!removeLeftOver(path) && round + 1 < kRounds)
            QThread::msleep(kFirstPauseMs << round);
    }
    // Left over, yet never removable (another user's, say): as with no lock at all.
    return false;
}

QString LockFileInstanceGuard::defaultLockFilePath(const QString& application) {
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty())
        directory = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(directory);
    return QDir(directory).filePath(application + QStringLiteral(".lock"));
}

} // namespace wellbox
