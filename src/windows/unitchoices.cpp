#include "windows/unitchoices.h"

#include "platform/settingsstore.h"
#include "platform/suitesettings.h"

#include <array>
#include <optional>

namespace wellbox {

namespace {

// A choice's entry, and the values it is kept as, in the order of its enumeration.
struct KeptChoice {
    const char* entry;
    std::array<const char*, 2> values;
};

constexpr KeptChoice kBodyUnits{"BodyUnits", {"Imperial", "Metric"}};
constexpr KeptChoice kCholesterolUnit{"CholesterolUnit", {"mg/dL", "mmol/L"}};
static_assert(static_cast<int>(BodyUnits::Metric) == 1 &&
              static_cast<int>(CholesterolUnit::MmolPerL) == 1);

std::optional<std::size_t> readChoice(const SettingsStore& settings, const KeptChoice& choice) {
    const QString value = DecodeSetting(settings.read(settingsApplication(), settingsSection(),
                                                      EncodeSetting(QLatin1String(choice.entry))));
    for (std::size_t i = 0; i < choice.values.size(); ++i)
        if (value == QLatin1String(choice.values[i]))
            return i;
    return std::nullopt;
}

void writeChoice(SettingsStore& settings, const KeptChoice& choice, std::size_t index) {
    settings.write(settingsApplication(), settingsSection(),
                   EncodeSetting(QLatin1String(choice.entry)),
                   EncodeSetting(QLatin1String(choice.values.at(index))));
}

} // namespace

UnitChoices::UnitChoices(SettingsStore& settings)
    : m_settings(settings) {}

BodyUnits UnitChoices::bodyUnits() const {
    const std::optional<std::size_t> kept = readChoice(m_settings, kBodyUnits);
    return kept ? static_cast<BodyUnits>(*kept) : localeBodyUnits();
}

CholesterolUnit UnitChoices::cholesterolUnit() const {
    const std::optional<std::size_t> kept = readChoice(m_settings, kCholesterolUnit);
    return kept ? static_cast<CholesterolUnit>(*kept) : CholesterolUnit::MgPerDl;
}

void UnitChoices::keep(BodyUnits units) {
    writeChoice(m_settings, kBodyUnits, static_cast<std::size_t>(units));
}

void UnitChoices::keep(CholesterolUnit unit) {
    writeChoice(m_settings, kCholesterolUnit, static_cast<std::size_t>(unit));
}

BodyUnits localeBodyUnits(const QLocale& locale) {
    // Qt counts the C locale metric.
    return locale.language() == QLocale::C || locale.measurementSystem() != QLocale::MetricSystem
               ? BodyUnits::Imperial
               : BodyUnits::Metric;
}

} // namespace wellbox
