#include "platform/settingsstore.h"

#include "platform/lockentry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

#include <optional>

namespace wellbox {

namespace {

// The program writes a few dozen bytes; a larger file is none of its own.
constexpr qint64 kLargestFile = 64 * 1024;

QString key(const QString& section, const QString& entry) {
    return section + QLatin1Char('/') + entry;
}

// XDG_CONFIG_HOME, or ~/.config. A relative folder would lie wherever the program was started,
// so it counts as unset (as the XDG base-directory rules say); without a home there is none.
QString configFolder() {
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.startsWith(QLatin1Char('/')))
        return configHome;
    const QString home = qEnvironmentVariable("HOME");
    if (home.startsWith(QLatin1Char('/')))
        return home + QStringLiteral("/.config");
    return {};
}

// The per-user file, unless something there is no regular file of sensible size: reading a
// FIFO would hang the start and a huge file would delay it, so such a file is left alone.
std::optional<QString> usableFile(const QString& application) {
    const QString folder = configFolder();
    if (folder.isEmpty())
        return std::nullopt;
    const QString path = folder + QLatin1Char('/') + application + QStringLiteral(".ini");
    const QFileInfo file(path);
    if (file.exists() && (!file.isFile() || file.size() > kLargestFile))
        return std::nullopt;
    return path;
}

// Whether a file holds nothing but `entry` in `section`, as this store writes it: a link to it
// is then the user's own setting kept elsewhere (by a dotfile manager, say). Notes, another
// program's settings, even beside ours, or an empty file are no one's to overwrite.
bool holdsOnlyEntry(const QString& path, const QString& section, const QString& entry) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = '[' + section.toUtf8() + ']';
    bool inSection = false;
    bool entries = false;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QByteArray text = line.trimmed();
        // QSettings writes the entry's name percent-encoded; by hand it may be plain.
        const QByteArray name =
            QByteArray::fromPercentEncoding(text.left(text.indexOf('=')).trimmed());
        if (text == header)
            inSection = true;
        else if (!text.isEmpty() && (!inSection || !text.contains('=') || name != entry.toUtf8()))
            return false;
        else
            entries = entries || !text.isEmpty();
    }
    return entries;
}

// QSettings waits for its lock without end, and a folder or a FIFO in its place would never
// let go: a write goes ahead only when the lock is free now.
bool lockFreeNow(const QString& path) {
    if (lockEntryAt(path) == LockEntry::Damaged ||
        lockEntryAt(path + QStringLiteral(".rmlock")) == LockEntry::Damaged)
        return false;
    QLockFile probe(path);
    return probe.tryLock(0); // and free again as the probe goes
}

} // namespace

QString QtSettingsStore::read(const QString& application, const QString& section,
                              const QString& entry) const {
    const std::optional<QString> file = usableFile(application);
    if (!file)
        return {};
    const QSettings settings(*file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return {};
    const QVariant value = settings.value(key(section, entry));
    // Anything but text (a list, a byte array someone wrote by hand) counts as absent.
    if (value.typeId() != QMetaType::QString)
        return {};
    return value.toString();
}

void QtSettingsStore::write(const QString& application, const QString& section,
                            const QString& entry, const QString& value) {
    const std::optional<QString> file = usableFile(application);
    if (!file || (QFileInfo(*file).isSymLink() && !holdsOnlyEntry(*file, section, entry)) ||
        !QDir().mkpath(QFileInfo(*file).path()) || !lockFreeNow(*file + QStringLiteral(".lock")))
        return;
    QSettings settings(*file, QSettings::IniFormat);
    if (!settings.isWritable())
        return;
    settings.setValue(key(section, entry), value);
    settings.sync();
}

} // namespace wellbox
