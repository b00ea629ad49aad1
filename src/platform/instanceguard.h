#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace wellbox {

// Answers whether another instance of the program is already running.
class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    virtual bool anotherInstanceRunning() = 0;
};

// Holds a per-user lock file for as long as it lives. A lock left by a crashed instance
// is taken over; a directory that cannot be used lets the program start.
class LockFileInstanceGuard final : public InstanceGuard {
public:
    explicit LockFileInstanceGuard(const QString& lockFilePath);
    ~LockFileInstanceGuard() override;

    bool anotherInstanceRunning() override;

    // The lock file in the user's runtime directory, never a shared one such as /tmp.
    static QString defaultLockFilePath(const QString& application);

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace wellbox
