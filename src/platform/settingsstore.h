#pragma once

#include <QString>

namespace wellbox {

class FileWriter;

// Per-user settings addressed by application, section and entry. An absent or unreadable
// entry reads as empty; a write that fails, or would wait, is dropped.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& application, const QString& section,
                         const QString& entry) const = 0;
    virtual void write(const QString& application, const QString& section, const QString& entry,
                       const QString& value) = 0;
};

// An INI file per application in the user's configuration folder, in the form QSettings gives
// it. Of the file only the entry asked for is read, and only as plain text: a value of any
// other kind, or longer than this program writes, reads as empty. A write changes that entry's
// line alone and goes whole through `writer`, or not at all. It rewrites only its own file: a
// regular one, or a link to a file that holds nothing but the entry it writes.
class QtSettingsStore final : public SettingsStore {
public:
    explicit QtSettingsStore(FileWriter& writer);
    QString read(const QString& application, const QString& section,
                 const QString& entry) const override;
    void write(const QString& application, const QString& section, const QString& entry,
               const QString& value) override;

private:
    FileWriter& m_writer;
};

} // namespace wellbox
