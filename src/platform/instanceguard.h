#pragma once

#include <QString>

#include <functional>
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
// refuses a second one: any other lock is taken over, and one that cannot be replaced or
// created lets the program start. Of starts that race for a lock left over, one wins.
class LockFileInstanceGuard final : public InstanceGuard {
public:
    // `beforeRemoval` runs between finding a lock left over and removing it, where a rival that
    // starts at the same moment may get there first; tests put such a rival there.
    explicit LockFileInstanceGuard(
        const QString& lockFilePath, std::function<void()> beforeRemoval = [] {});
    ~LockFileInstanceGuard() override;

    bool anotherInstanceRunning() override;

    // The lock file in the user's runtime directory, never a shared one such as /tmp.
    static QString defaultLockFilePath(const QString& application);

private:
    std::unique_ptr<QLockFile> m_lock;
    std::function<void()> m_beforeRemoval;
};

} // namespace wellbox
