#include "platform/settingsstore.h"

#include <QSettings>

namespace wellbox {

namespace {

QString key(const QString& section, const QString& entry) {
    return section + QLatin1Char('/') + entry;
}

} // namespace

QString QtSettingsStore::read(const QString& application, const QString& section,
                              const QString& entry) const {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, application);
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
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, application);
    if (!settings.isWritable())
        return;
    settings.setValue(key(section, entry), value);
    settings.sync();
}

} // namespace wellbox
