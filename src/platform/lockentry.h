#pragma once

#include <QString>

namespace wellbox {

// What lies at a lock file's path, told without opening it: opening a FIFO there would hang,
// and reading a device or a huge file would not end.
enum class LockEntry {
    None,    // nothing, or nothing that can be seen
    Lock,    // a small regular file, as every lock file is
    Damaged, // anything else: a folder, a FIFO, a device, a link, a big file
};

LockEntry lockEntryAt(const QString& path);

// Removes a damaged entry at `path` (a link itself, never its target). False when one is
// still there.
bool removeDamagedLock(const QString& path);

} // namespace wellbox
