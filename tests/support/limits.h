#pragma once

// Resource limits a test puts on its own process for a step, as a nearly full disk, a process
// at its limit of open files or one nearly out of address space would be.

#include <QDir>
#include <QFile>
#include <QScopeGuard>

#include <algorithm>
#include <csignal>

#include <sys/resource.h>
#include <unistd.h>

namespace wellbox::testing {

// What the process has in use of `resource`: open files, or bytes of address space.
inline rlim_t inUse(int resource) {
    if (resource == RLIMIT_NOFILE) // less the one that lists them
        return QDir("/proc/self/fd")
                   .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                   .size() -
               1;
    QFile statm("/proc/self/statm");
    return statm.open(QIODevice::ReadOnly)
               ? statm.readAll().split(' ').value(0).toULongLong() * ::getpagesize()
               : RLIM_INFINITY;
}

// Runs `step` while `resource` may reach `limit` at most, and restores it; a file that grows past
// its limit fails its write, as on a full disk, rather than ending the process.
template <typename Step> void withLimit(int resource, rlim_t limit, Step step) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    ::getrlimit(resource, &before);
    const auto restore = qScopeGuard([&] { ::setrlimit(resource, &before); });
    const rlimit meanwhile{std::min(limit, before.rlim_max), before.rlim_max};
    ::setrlimit(resource, &meanwhile);
    step();
}

} // namespace wellbox::testing
