#pragma once

// Recording stand-ins for the platform seams, so that tests never show a real box, open a
// browser, touch the user's settings or depend on today's date.

#include "platform/clock.h"
#include "platform/instanceguard.h"
#include "platform/messagebox.h"
#include "platform/settingsstore.h"
#include "platform/webpageopener.h"

#include <QMap>
#include <QStringList>
#include <QVector>

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

class FakeSettingsStore final : public SettingsStore {
public:
    QString read(const QString& application, const QString& section,
                 const QString& entry) const override {
        ++reads;
        return values.value(key(application, section, entry));
    }
    void write(const QString& application, const QString& section, const QString& entry,
               const QString& value) override {
        ++writes;
        values.insert(key(application, section, entry), value);
    }
    static QString key(const QString& application, const QString& section, const QString& entry) {
        return application + QLatin1Char('|') + section + QLatin1Char('|') + entry;
    }

    QMap<QString, QString> values;
    mutable int reads = 0;
    int writes = 0;
};

class FakeClock final : public Clock {
public:
    explicit FakeClock(QDate date = QDate(2026, 12, 6))
        : date(date) {}
    QDate today() const override { return date; }
    QDate date;
};

class FakeInstanceGuard final : public InstanceGuard {
public:
    bool anotherInstanceRunning() override {
        ++asked;
        return running;
    }
    bool running = false;
    int asked = 0;
};

} // namespace wellbox::testing
