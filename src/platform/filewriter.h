#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

#include <sys/types.h>

namespace wellbox {

// The one place the program writes a file: whole or not at all.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Puts `bytes` at `path`, over a regular file or the regular file a link leads to; anything
    // else there is left as it was. Nothing when written, else why not, in a line that can
    // follow "could not be saved as <path>: ".
    virtual std::optional<QString> write(const QString& path, const QByteArray& bytes) = 0;
};

// Writes an unnamed file in the target's folder, unbuffered, every short write tried again,
// flushed to the disk, and only then puts it in the target's place, in one step that also
// checks what lies there: a FIFO or a device put there meanwhile is left as it was too.
// Where the file system has no unnamed files, the file is named ".<target>.kestavo-XXXXXX"
// until then, and locked while it is written; a kill leaves it, and the next write into that
// folder removes every such file of the user's that no writer holds.
class QtFileWriter final : public FileWriter {
public:
    // What tests make of a file system or a kill: `named` writes as where the file system has no
    // unnamed files, `beforeCommit` runs once the bytes are on the disk, before the file is
    // named, `systemWrite` stands in for write(2), as a full disk or a signal would, and
    // `systemRename` for renameat2(2), as a file system without its flags or a refusal would,
    // and `systemLink` for linkat(2), as a system without /proc would.
    struct Trial {
        bool named = false;
        std::function<void()> beforeCommit;
        std::function<ssize_t(int, const char*, std::size_t)> systemWrite;
        std::function<int(int, const char*, int, const char*, unsigned)> systemRename;
        std::function<int(int, const char*, int, const char*, int)> systemLink;
    };

    QtFileWriter();
    explicit QtFileWriter(Trial trial);

    std::optional<QString> write(const QString& path, const QByteArray& bytes) override;

private:
    Trial m_trial;
};

} // namespace wellbox
