#pragma once

// Recording stand-ins for the platform seams, so that tests never show a real box, open a
// browser, touch the user's settings or depend on today's date.

#include "platform/instanceguard.h"
#include "platform/platform.h"

#include <QMap>
#include <QStringList>

#include <functional>

namespace wellbox::testing {

class FakeMessageBox final : public MessageBox {
public:
    struct Shown {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer show(QWidget*, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override {
        shown.append({text, icon, buttons});
        if (onShow)
            onShow();
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return answers.isEmpty() ? MessageAnswer::No : answers.takeFirst();
    }

    QStringList texts() const {
        QStringList result;
        for (const Shown& s : shown)
            result << s.text;
        return result;
    }

    QVector<Shown> shown;
    QVector<MessageAnswer> answers; // replies to Yes/No boxes, in order; No when empty
    std::function<void()> onShow;   // runs while the "modal" box is up
};

class FakeWebPageOpener final : public WebPageOpener {
public:
    void open(const QString& address) override { opened << address; }
    QStringList opened;
};

// Entries are kept under "application|section|entry".
class FakeSettingsStore final : public SettingsStore {
public:
    QString read(const QString& app, const QString& section, const QString& entry) const override {
        return values.value(app + '|' + section + '|' + entry);
    }
    void write(const QString& application, const QString& section, const QString& entry,
               const QString& value) override {
        values.insert(application + '|' + section + '|' + entry, value);
    }
    QMap<QString, QString> values;
};

class FakeClock final : public Clock {
public:
    QDate today() const override { return date; }
    QDate date{2026, 12, 6};
};

class FakeInstanceGuard final : public InstanceGuard {
public:
    bool anotherInstanceRunning() override { return running; }
    bool running = false;
};

} // namespace wellbox::testing
