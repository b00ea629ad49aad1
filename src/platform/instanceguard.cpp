#include "platform/instanceguard.h"

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wellbox {

namespace {

// Rounds of a start that finds its lock's file replaced or removed under it by a rival.
constexpr int kRounds = 8;

// A lock file names a process, a program and a host: a few dozen bytes.
constexpr off_t kLargestLock = 4 * 1024;

// Removes what lies at `path` unless it is a small regular file, as every lock file is, told
// without opening it: opening a FIFO would block, a device could do anything. False when
// something else is still there (a folder).
bool removeDamaged(const QByteArray& path) {
    struct stat entry {};
    if (::lstat(path.constData(), &entry) != 0 ||
        (S_ISREG(entry.st_mode) && entry.st_size <= kLargestLock))
        return true;
    return ::unlink(path.constData()) == 0 || errno == ENOENT;
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// What the file says, in the form earlier releases (Qt's QLockFile) wrote and read: process
// id, program and host, one a line; so that such a release started beside this one sees it.
QByteArray description() {
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
           QCoreApplication::applicationName().toUtf8() + '\n' +
           QSysInfo::machineHostName().toUtf8() + '\n';
}

} // namespace

LockFileInstanceGuard::LockFileInstanceGuard(QString lockFilePath)
    : m_path(std::move(lockFilePath)) {}

LockFileInstanceGuard::~LockFileInstanceGuard() {
    if (m_fd < 0)
        return;
    // Removed while still locked: a start that opened the file before holds a file that is no
    // longer there, which it finds once it has the lock, and looks again.
    const QByteArray path = QFile::encodeName(m_path);
    struct stat held {};
    struct stat there {};
    if (::fstat(m_fd, &held) == 0 && ::lstat(path.constData(), &there) == 0 &&
        sameFile(held, there))
        ::unlink(path.constData());
    ::close(m_fd);
}

bool LockFileInstanceGuard::anotherInstanceRunning() {
    if (!m_answer)
        m_answer = decide();
    return *m_answer;
}

bool LockFileInstanceGuard::decide() {
    const QByteArray path = QFile::encodeName(m_path);
    for (int round = 0; round < kRounds && !m_path.isEmpty(); ++round) {
        if (!removeDamaged(path))
            return false;
        const int fd =
            ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd < 0) {
            // A link or a FIFO put there meanwhile goes next round; no file can be made, the
            // program starts.
            if (errno == ELOOP || errno == ENXIO)
                continue;
            return false;
        }
        struct stat opened {};
        struct stat there {};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(fd);
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            // Held: an instance runs. A file system without locks lets the program start.
            return error == EWOULDBLOCK;
        }
        if (::lstat(path.constData(), &there) != 0 || !sameFile(opened, there)) {
            ::close(fd); // a rival's file, or one its owner removed as it ended
            continue;
        }
        m_fd = fd;
        const QByteArray said = description();
        if (::ftruncate(fd, 0) == 0 && ::write(fd, said.constData(), said.size()) < 0)
            ::ftruncate(fd, 0);
        return false;
    }
    return false;
}

QString LockFileInstanceGuard::defaultLockFilePath(const QString& application) {
    const QString name = QLatin1Char('/') + application + QStringLiteral(".lock");
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat folder {};
    if (runtime.startsWith('/') && ::stat(runtime.constData(), &folder) == 0 &&
        S_ISDIR(folder.st_mode) && folder.st_uid == ::geteuid() && (folder.st_mode & 077) == 0)
        return QFile::decodeName(runtime) + name;
    // The cache folder as the XDG base-directory rules name it, a relative one counting as unset.
    QByteArray cache = qgetenv("XDG_CACHE_HOME");
    if (!cache.startsWith('/'))
        cache = qgetenv("HOME").startsWith('/') ? qgetenv("HOME") + "/.cache" : QByteArray();
    if (cache.isEmpty())
        return {};
    ::mkdir(cache.constData(), 0700);
    if (::stat(cache.constData(), &folder) != 0 || !S_ISDIR(folder.st_mode) ||
        folder.st_uid != ::geteuid() || (folder.st_mode & 002) != 0)
        return {};
    return QFile::decodeName(cache) + name;
}

} // namespace wellbox
