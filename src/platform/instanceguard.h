#pragma once

#include <QString>

#include <optional>

namespace wellbox {

// Answers whether another instance of the program is already running.
class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    virtual bool anotherInstanceRunning() = 0;
};

// Holds a lock on a per-user file for as long as it lives: an advisory lock (flock), which the
// kernel drops with the process however it ends, so that whatever a crash or a kill leaves, no
// lock is left, and taking it is one atomic step that exactly one of many starts wins. Only a
// live instance holds it, in any PID namespace and until the next boot at most; whatever else
// lies there (a file naming any process, a FIFO, a link) is no instance. A lock that cannot be
// made lets the program start. The file goes as the guard does.
class LockFileInstanceGuard final : public InstanceGuard {
public:
    explicit LockFileInstanceGuard(QString lockFilePath);
    ~LockFileInstanceGuard() override;
    LockFileInstanceGuard(const LockFileInstanceGuard&) = delete;
    LockFileInstanceGuard& operator=(const LockFileInstanceGuard&) = delete;

    // Decided once; asked again, the same.
    bool anotherInstanceRunning() override;

    // The lock file in the user's runtime folder where that is safe (absolute, the user's own
    // and closed to everyone else), else in the user's cache folder; never in a shared one such
    // as /tmp. Empty where there is neither.
    static QString defaultLockFilePath(const QString& application);

private:
    bool decide();

    QString m_path;
    int m_fd = -1;
    std::optional<bool> m_answer;
};

} // namespace wellbox
