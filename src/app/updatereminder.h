#pragma once

#include "platform/suitesettings.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace wellbox {

class Clock;
class HelpLinks;
class MessageBox;
class SettingsStore;

// A date as yyyy-MM-dd, whatever the locale, so that it reads back as the same day under any.
QString dateToSettingText(QDate date);
// Reads a date written by dateToSettingText, or by an older release in the locale's short form
// (with the year in four or two digits; two are taken in the century nearest to today).
// No value when it is not a date.
std::optional<QDate> dateFromSettingText(const QString& text, const QLocale& locale, QDate today);

// At most every fifteen days, offers to look for a newer release.
class UpdateReminder {
public:
    UpdateReminder(SettingsStore& settings, const Clock& clock, MessageBox& messageBox,
                   HelpLinks& links);

    void ShowUpdateReminder();

    static constexpr int kQuietDays = 14;

private:
    void writeToday();

    SettingsStore& m_settings;
    const Clock& m_clock;
    MessageBox& m_messageBox;
    HelpLinks& m_links;
};

} // namespace wellbox
