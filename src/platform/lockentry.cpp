#include "platform/lockentry.h"

#include <QFile>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace wellbox {

namespace {

// A lock file names a process, a program and a host: a few dozen bytes.
constexpr off_t kLargestLock = 4 * 1024;

} // namespace

LockEntry lockEntryAt(const QString& path) {
    struct stat entry {};
    if (::lstat(QFile::encodeName(path).constData(), &entry) != 0)
        return LockEntry::None;
    return S_ISREG(entry.st_mode) && entry.st_size <= kLargestLock ? LockEntry::Lock
                                                                   : LockEntry::Damaged;
}

bool removeDamagedLock(const QString& path) {
    return lockEntryAt(path) != LockEntry::Damaged ||
           ::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT;
}

} // namespace wellbox
