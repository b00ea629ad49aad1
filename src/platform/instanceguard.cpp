#include "platform/instanceguard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace wellbox {

namespace {

// The file name of the program a process runs, empty when there is no such process.
QString executableName(qint64 pid) {
    QString target = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
    // An instance outlives the replacing of its program by an update.
    if (target.endsWith(QLatin1String(" (deleted)")))
        target.chop(10);
    return QFileInfo(target).fileName();
}

} // namespace

LockFileInstanceGuard::LockFileInstanceGuard(const QString& lockFilePath)
    : m_lock(std::make_unique<QLockFile>(lockFilePath)) {
    // A running instance may hold its lock for days; only a dead owner makes it stale.
    m_lock->setStaleLockTime(0);
}

LockFileInstanceGuard::~LockFileInstanceGuard() = default;

bool LockFileInstanceGuard::anotherInstanceRunning() {
    // A second round takes over a stale lock that was removed in the first.
    for (int round = 0; round < 2; ++round) {
        if (m_lock->isLocked() || m_lock->tryLock(0))
            return false;
        // A lock that cannot be created lets the program start, as a missing folder does.
        if (m_lock->error() != QLockFile::LockFailedError)
            return false;
        if (heldByLiveInstance())
            return true;
        // Damaged, foreign or left over; one that cannot be removed lets the program start.
        if (!m_lock->removeStaleLockFile())
            return false;
    }
    return false;
}

bool LockFileInstanceGuard::heldByLiveInstance() const {
    qint64 pid = 0;
    QString host;
    if (!m_lock->getLockInfo(&pid, &host, nullptr))
        return false;
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return false;
    const QString name = executableName(pid);
    return !name.isEmpty() && name == executableName(QCoreApplication::applicationPid());
}

QString LockFileInstanceGuard::defaultLockFilePath(const QString& application) {
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty())
        directory = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(directory);
    return QDir(directory).filePath(application + QStringLiteral(".lock"));
}

} // namespace wellbox
