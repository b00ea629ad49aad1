#include "platform/instanceguard.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace wellbox {

LockFileInstanceGuard::LockFileInstanceGuard(const QString& lockFilePath)
    : m_lock(std::make_unique<QLockFile>(lockFilePath)) {
    // A running instance may hold its lock for days; only a dead owner makes it stale.
    m_lock->setStaleLockTime(0);
}

LockFileInstanceGuard::~LockFileInstanceGuard() = default;

bool LockFileInstanceGuard::anotherInstanceRunning() {
    if (m_lock->isLocked() || m_lock->tryLock(0))
        return false;
    return m_lock->error() == QLockFile::LockFailedError;
}

QString LockFileInstanceGuard::defaultLockFilePath(const QString& application) {
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty())
        directory = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(directory);
    return QDir(directory).filePath(application + QStringLiteral(".lock"));
}

} // namespace wellbox
