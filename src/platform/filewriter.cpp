#include "platform/filewriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wellbox {

namespace {

// Links followed on the way to a file, as many as the kernel follows.
constexpr int kMostLinks = 40;
// Names tried for a new file before giving up; each is random, so one nearly always does.
constexpr int kNameTries = 16;
// Tries to put the file in the target's place while others come and go there.
constexpr int kCommitRounds = 4;
// A named file is ".<target>" and this mark, then as many random letters.
constexpr QByteArrayView kPartMark = ".kestavo-";
constexpr int kRandomLetters = 6;
constexpr QByteArrayView kLetters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

QString reasonOf(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// What may lie where a file is to be written besides a regular file, each left as it is.
struct Refused {
    mode_t type;
    const char* reason;
};
constexpr std::array kRefused{
    Refused{S_IFDIR, QT_TRANSLATE_NOOP("wellbox::FileWriter",
                                       "It is a folder, not a file, and was left as it was")},
    Refused{S_IFIFO, QT_TRANSLATE_NOOP("wellbox::FileWriter",
                                       "It is a named pipe, not a file, and was left as it was")},
    Refused{S_IFCHR, QT_TRANSLATE_NOOP("wellbox::FileWriter",
                                       "It is a device, not a file, and was left as it was")},
    Refused{S_IFSOCK, QT_TRANSLATE_NOOP("wellbox::FileWriter",
                                        "It is a socket, not a file, and was left as it was")},
    Refused{S_IFLNK, QT_TRANSLATE_NOOP("wellbox::FileWriter",
                                       "It is a link, not a file, and was left as it was")},
};

// Why `entry` may not be replaced; nothing for a regular file.
std::optional<QString> notAFile(const struct stat& entry) {
    if (S_ISREG(entry.st_mode))
        return std::nullopt;
    // A block device is a device as a character one is.
    const mode_t type = S_ISBLK(entry.st_mode) ? S_IFCHR : entry.st_mode & S_IFMT;
    for (const Refused& refused : kRefused)
        if (type == refused.type)
            return QCoreApplication::translate("wellbox::FileWriter", refused.reason);
    return reasonOf(EINVAL);
}

// Where a write goes: past every link, with what lies there now (nothing where nothing does).
struct Target {
    QString path;
    std::optional<struct stat> found;
    QString failure;
};

Target resolve(const QString& path) {
    QString at = QFileInfo(path).absoluteFilePath();
    for (int link = 0; link <= kMostLinks; ++link) {
        struct stat entry {};
        if (::lstat(QFile::encodeName(at).constData(), &entry) != 0)
            return {at, std::nullopt, errno == ENOENT ? QString() : reasonOf(errno)};
        if (!S_ISLNK(entry.st_mode))
            return {at, entry, {}};
        at = QFileInfo(at).symLinkTarget();
    }
    return {at, std::nullopt, reasonOf(ELOOP)};
}

bool isPartName(QByteArrayView name) {
    const qsizetype mark = name.size() - kRandomLetters - kPartMark.size();
    if (mark < 2 || name.front() != '.' || name.sliced(mark, kPartMark.size()) != kPartMark)
        return false;
    for (const char c : name.last(kRandomLetters))
        if (!kLetters.contains(c))
            return false;
    return true;
}

// Shortened where the target's name is as long as a name may be.
QByteArray partName(const QByteArray& target) {
    QByteArray name = '.' +
                      target.first(std::min<qsizetype>(
                          target.size(), NAME_MAX - 1 - kPartMark.size() - kRandomLetters)) +
                      kPartMark.toByteArray();
    for (int i = 0; i < kRandomLetters; ++i)
        name += kLetters[QRandomGenerator::global()->bounded(int(kLetters.size()))];
    return name;
}

// Removes what killed writes left in `folder`: files of the user's, named as a write names
// them, that no writer holds (a live one keeps its file locked).
void removeLeftovers(int folder) {
    DIR* listing = ::fdopendir(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!listing)
        return;
    while (const dirent* entry = ::readdir(listing)) {
        if (!isPartName(entry->d_name))
            continue;
        const int fd =
            ::openat(folder, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        struct stat opened {};
        struct stat there {};
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(folder, entry->d_name, &there, AT_SYMLINK_NOFOLLOW) == 0 &&
            there.st_ino == opened.st_ino && there.st_dev == opened.st_dev)
            ::unlinkat(folder, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(listing);
}

bool noUnnamedFiles(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

// The new file while it is written, in the target's folder; gone again unless it took the
// target's place.
class Part {
public:
    // `named` answers as a file system without unnamed files would.
    Part(int folder, const QByteArray& target, bool named)
        : m_folder(folder)
        , m_target(target) {
        m_fd = named ? (errno = EOPNOTSUPP, -1)
                     : ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (m_fd >= 0 || !noUnnamedFiles(errno)) {
            m_error = m_fd >= 0 ? 0 : errno;
            return;
        }
        m_fd = create(O_WRONLY);
        ::flock(m_fd, LOCK_EX);
    }
    ~Part() {
        ::close(m_fd);
        if (!m_name.isEmpty())
            ::unlinkat(m_folder, m_name.constData(), 0);
    }
    Part(const Part&) = delete;
    Part& operator=(const Part&) = delete;

    int error() const { return m_error; }
    const QByteArray& name() const { return m_name; }
    int fd() const { return m_fd; }

    // Every byte, a write cut short by a full disk or a signal tried again for the rest, which
    // then fails with the reason.
    bool write(const QByteArray& bytes, const QtFileWriter::Trial& trial) {
        for (qsizetype done = 0; done < bytes.size();) {
            const char* rest = bytes.constData() + done;
            const auto count = std::size_t(bytes.size() - done);
            const ssize_t step = trial.systemWrite(m_fd, rest, count);
            if (step > 0)
                done += step;
            else if (step == 0 || errno != EINTR)
                return fail(step == 0 ? ENOSPC : errno);
        }
        return true;
    }

    bool flush() { return ::fsync(m_fd) == 0 || fail(errno); }

    // Named, and closed: the name can now take the target's place.
    bool finish(const QtFileWriter::Trial& trial) {
        if (m_name.isEmpty() && !giveName(trial))
            return false;
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 || fail(errno);
    }

    void committed() { m_name.clear(); }

private:
    bool fail(int error) {
        m_error = error;
        return false;
    }

    // A new file under a name of its own, or -1 with the reason kept.
    int create(int flags) {
        for (int i = 0; i < kNameTries; ++i) {
            m_name = partName(m_target);
            const int fd = ::openat(m_folder, m_name.constData(),
                                    flags | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (fd >= 0)
                return fd;
            m_error = errno;
            if (m_error != EEXIST)
                break;
        }
        m_name.clear();
        return -1;
    }

    // Links the unnamed file into the folder, through /proc where the process may not link a
    // descriptor itself.
    bool giveName(const QtFileWriter::Trial& trial) {
        const QByteArray open = "/proc/self/fd/" + QByteArray::number(m_fd);
        const auto link = [&](int from, const char* path, const QByteArray& name, int flags) {
            return trial.systemLink(from, path, m_folder, name.constData(), flags);
        };
        for (int i = 0; i < kNameTries; ++i) {
            const QByteArray name = partName(m_target);
            if (link(AT_FDCWD, open.constData(), name, AT_SYMLINK_FOLLOW) == 0 ||
                (errno != EEXIST && link(m_fd, "", name, AT_EMPTY_PATH) == 0)) {
                m_name = name;
                return true;
            }
            if (errno != EEXIST)
                return fail(errno);
        }
        return fail(EEXIST);
    }

    int m_folder;
    QByteArray m_target;
    int m_fd = -1;
    int m_error = 0;
    QByteArray m_name;
};

bool noRenameFlags(int error) {
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

// Puts `part` in the place of `target` where nothing lies or a regular file does, in one step
// that takes whatever lies there then: anything else put there meanwhile is put back, left as
// it was. Where the file system has no such step, what lies there is checked just before.
std::optional<QString> commit(int folder, const QByteArray& part, const QByteArray& target,
                              const QtFileWriter::Trial& trial) {
    const auto rename = [&](const QByteArray& from, const QByteArray& to, unsigned flags) {
        return trial.systemRename(folder, from.constData(), folder, to.constData(), flags);
    };
    for (int round = 0; round < kCommitRounds; ++round) {
        if (rename(part, target, RENAME_NOREPLACE) == 0)
            return std::nullopt;
        if (errno == EEXIST && rename(part, target, RENAME_EXCHANGE) == 0) {
            struct stat taken {};
            if (::fstatat(folder, part.constData(), &taken, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISREG(taken.st_mode)) {
                ::unlinkat(folder, part.constData(), 0);
                return std::nullopt;
            }
            rename(part, target, RENAME_EXCHANGE);
            return notAFile(taken);
        }
        // Gone between the two steps: the next round finds nothing there.
        if (errno == ENOENT)
            continue;
        if (!noRenameFlags(errno))
            return reasonOf(errno);
        struct stat there {};
        if (::fstatat(folder, target.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0)
            if (const std::optional<QString> refused = notAFile(there))
                return refused;
        if (rename(part, target, 0) == 0)
            return std::nullopt;
        return reasonOf(errno);
    }
    return reasonOf(EBUSY);
}

} // namespace

QtFileWriter::QtFileWriter()
    : QtFileWriter(Trial{}) {}

QtFileWriter::QtFileWriter(Trial trial)
    : m_trial(std::move(trial)) {
    // What a trial leaves out, the system does.
    if (!m_trial.systemWrite)
        m_trial.systemWrite = ::write;
    if (!m_trial.systemRename)
        m_trial.systemRename = ::renameat2;
    if (!m_trial.systemLink)
        m_trial.systemLink = ::linkat;
}

std::optional<QString> QtFileWriter::write(const QString& path, const QByteArray& bytes) {
    const Target target = resolve(path);
    if (!target.failure.isEmpty())
        return target.failure;
    // A file the user may not write stays theirs to keep, though its folder would let it go.
    if (target.found && S_ISREG(target.found->st_mode) &&
        ::access(QFile::encodeName(target.path).constData(), W_OK) != 0)
        return reasonOf(errno);
    const QFileInfo place(target.path);
    const int folder =
        ::open(QFile::encodeName(place.path()).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return reasonOf(errno);
    removeLeftovers(folder);
    const QByteArray name = QFile::encodeName(place.fileName());
    std::optional<QString> failure;
    {
        Part part(folder, name, m_trial.named);
        // A file replaced keeps who may read it.
        if (part.fd() >= 0 && target.found && S_ISREG(target.found->st_mode))
            ::fchmod(part.fd(), target.found->st_mode & 07777);
        const bool written = part.fd() >= 0 && part.write(bytes, m_trial) && part.flush();
        if (written && m_trial.beforeCommit)
            m_trial.beforeCommit();
        if (!written || !part.finish(m_trial)) {
            failure = reasonOf(part.error());
        } else {
            failure = commit(folder, part.name(), name, m_trial);
            if (!failure)
                part.committed();
        }
    }
    ::close(folder);
    return failure;
}

} // namespace wellbox
