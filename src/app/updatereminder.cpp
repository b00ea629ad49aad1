#include "app/updatereminder.h"

#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/settingsstore.h"
#include "windows/helplinks.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdlib>

namespace wellbox {

namespace {

const QString kIsoDate = QStringLiteral("yyyy-MM-dd");

// The entry of the last reminder's date, "Duration" in disguise.
QString entry() {
    return EncodeSetting(QStringLiteral("Duration"));
}

// The short pattern with every run of "y" widened to four digits.
QString fourDigitYearPattern(const QLocale& locale) {
    QString pattern = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression years(QStringLiteral("y+"));
    pattern.replace(years, QStringLiteral("yyyy"));
    return pattern;
}

QDate nearestCentury(QDate parsed, QDate today) {
    const int yearInCentury = ((parsed.year() % 100) + 100) % 100;
    const int century = today.year() - ((today.year() % 100) + 100) % 100;
    QDate best;
    for (const int base : {century - 100, century, century + 100}) {
        const QDate candidate(base + yearInCentury, parsed.month(), parsed.day());
        if (!candidate.isValid())
            continue;
        if (!best.isValid() || std::abs(candidate.daysTo(today)) < std::abs(best.daysTo(today)))
            best = candidate;
    }
    return best;
}

} // namespace

// Every locale reads this form as the same day, so a start under another locale finds it.
QString dateToSettingText(QDate date) {
    return date.toString(kIsoDate);
}

std::optional<QDate> dateFromSettingText(const QString& text, const QLocale& locale, QDate today) {
    if (const QDate iso = QDate::fromString(text, kIsoDate); iso.isValid())
        return iso;
    const QDate full = locale.toDate(text, fourDigitYearPattern(locale));
    if (full.isValid())
        return full;
    const QString shortPattern = locale.dateFormat(QLocale::ShortFormat);
    const QDate brief = locale.toDate(text, shortPattern);
    if (!brief.isValid())
        return std::nullopt;
    if (shortPattern.contains(QLatin1String("yyyy")))
        return brief;
    const QDate fixed = nearestCentury(brief, today);
    if (!fixed.isValid())
        return std::nullopt;
    return fixed;
}

UpdateReminder::UpdateReminder(SettingsStore& settings, const Clock& clock, MessageBox& messageBox,
                               HelpLinks& links)
    : m_settings(settings)
    , m_clock(clock)
    , m_messageBox(messageBox)
    , m_links(links) {}

void UpdateReminder::ShowUpdateReminder() {
    const QString stored =
        DecodeSetting(m_settings.read(settingsApplication(), settingsSection(), entry()));
    if (stored.isEmpty()) {
        writeToday();
        return;
    }
    const QDate today = m_clock.today();
    const std::optional<QDate> last = dateFromSettingText(stored, QLocale(), today);
    // A value that is no date would otherwise silence the reminder for good.
    if (!last) {
        writeToday();
        return;
    }
    const qint64 days = today.daysTo(*last);
    if (days >= -kQuietDays && days <= kQuietDays)
        return;

    const MessageAnswer answer =
        m_messageBox.show(nullptr,
                          QCoreApplication::translate("wellbox::UpdateReminder",
                                                      "There maybe an update to this software "
                                                      "available\rDo you want to check for an "
                                                      "update?"),
                          MessageIcon::Information, MessageButtons::YesNo);
    writeToday();
    if (answer == MessageAnswer::Yes)
        m_links.OpenDownloadPage();
}

void UpdateReminder::writeToday() {
    m_settings.write(settingsApplication(), settingsSection(), entry(),
                     EncodeSetting(dateToSettingText(m_clock.today())));
}

} // namespace wellbox
