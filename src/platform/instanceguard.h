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

// Holds a per-user lock file for as long as it lives. Only a live instance of this program
// refuses a second one: any other lock is taken over, and one that cannot be read, replaced
// or created lets the program start.
class LockFileInstanceGuard final : public InstanceGuard {
public:
    explicit LockFileInstanceGuard(const QString& lockFilePath);
    ~LockFileInstanceGuard() override;

    bool anotherInstanceRunning() override;

    // The lock file in the user's runtime directory, never a shared one such as /tmp.
    static QString defaultLockFilePath(const QString& application);

private:
    bool heldByLiveInstance() const;

    std::unique_ptr<QLockFile> m_lock;
};

} // namespace wellbox
