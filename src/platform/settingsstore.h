#pragma once

#include <QString>

namespace wellbox {

// Per-user settings addressed by application, section and entry. An absent or unreadable
// entry reads as empty; a write that fails is dropped.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& application, const QString& section,
                         const QString& entry) const = 0;
    virtual void write(const QString& application, const QString& section, const QString& entry,
                       const QString& value) = 0;
};

class QtSettingsStore final : public SettingsStore {
public:
    QString read(const QString& application, const QString& section,
                 const QString& entry) const override;
    void write(const QString& application, const QString& section, const QString& entry,
               const QString& value) override;
};

} // namespace wellbox
