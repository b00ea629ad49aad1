#include "platform/settingsstore.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <optional>

namespace wellbox {

namespace {

// The program writes a few dozen bytes; a larger file is none of its own.
constexpr qint64 kLargestFile = 64 * 1024;

QString key(const QString& section, const QString& entry) {
    return section + QLatin1Char('/') + entry;
}

// The per-user file, unless something there is no regular file of sensible size: reading a
// FIFO would hang the start and a huge file would delay it, so such a file is left alone.
std::optional<QString> usableFile(const QString& application) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        return std::nullopt;
    const QString path = folder + QLatin1Char('/') + application + QStringLiteral(".ini");
    const QFileInfo file(path);
    if (file.exists() && (!file.isFile() || file.size() > kLargestFile))
        return std::nullopt;
    return path;
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
    if (!file)
        return;
    QSettings settings(*file, QSettings::IniFormat);
    if (!settings.isWritable())
        return;
    settings.setValue(key(section, entry), value);
    settings.sync();
}

} // namespace wellbox
