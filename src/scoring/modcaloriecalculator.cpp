#include "scoring/modcaloriecalculator.h"

#include "scoring/calorieestimates.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace wellbox::modCalorieCalculator {

namespace {

struct BasalConstants {
    double perKg;
    double base;
    double perCm;
    double perYear;
};

// Deliberately not the published Harris-Benedict constants (665, not 655; 66, not 66.5).
constexpr BasalConstants MaleBasal{13.7, 66.0, 5.0, 6.8};
constexpr BasalConstants FemaleBasal{9.6, 665.0, 1.8, 4.7};

// Multipliers of the basal value for the levels below Higher, in enum order.
constexpr std::array<double, 4> ActivityFactors{1.2, 1.375, 1.5, 1.7};
static_assert(static_cast<std::size_t>(ActivityLevel::Higher) == ActivityFactors.size());
static_assert(ActivityNames.size() == ActivityFactors.size() + 1);
// Higher doubles in whole numbers.
constexpr int HigherFactor = 2;

struct UnitRow {
    Unit unit;
    double toStored; // to kilograms or centimetres
    std::string_view entry;
    std::string_view stored;
    // The entry in words beside the stored value where it was converted, for one and for more.
    std::string_view one;
    std::string_view more;
};

constexpr std::string_view InKg = WELLBOX_TEXT("wellbox::Scoring", "%1 kg");
constexpr std::string_view InCm = WELLBOX_TEXT("wellbox::Scoring", "%1 cm");

// Each unit, in the order of Unit: how it converts to the store's, and an entry with it.
constexpr std::array<UnitRow, 4> Units{{
    {Unit::Kilograms, 1.0, InKg, InKg, {}, {}},
    // This constant, not 0.45359237.
    {Unit::Pounds, 0.454545, WELLBOX_TEXT("wellbox::Scoring", "%1 lb"), InKg,
     WELLBOX_TEXT("wellbox::Scoring", "%1 pound"), WELLBOX_TEXT("wellbox::Scoring", "%1 pounds")},
    {Unit::Meters, 100.0, WELLBOX_TEXT("wellbox::Scoring", "%1 m"), InCm, {}, {}},
    {Unit::Inches, 2.54, WELLBOX_TEXT("wellbox::Scoring", "%1 in"), InCm,
     WELLBOX_TEXT("wellbox::Scoring", "%1 inch"), WELLBOX_TEXT("wellbox::Scoring", "%1 inches")},
}};
static_assert(std::ranges::is_sorted(Units, {}, &UnitRow::unit) &&
              static_cast<std::size_t>(Units.back().unit) + 1 == Units.size());

const UnitRow& unitOf(const Entry& entry) {
    return Units.at(static_cast<std::size_t>(entry.unit));
}

// The most decimals a working shows.
constexpr int MostDecimals = 6;

template <typename Number> std::int16_t checkedInt16(Number value) {
    // Written so that NaN fails too.
    if (!(value >= std::numeric_limits<std::int16_t>::min() &&
          value <= std::numeric_limits<std::int16_t>::max()))
        throw std::out_of_range("calories " + Phrase::decimal(double(value), 1).english() +
                                " outside 16 bits");
    return static_cast<std::int16_t>(value);
}

} // namespace

std::int16_t roundedCalories(double value) {
    // Nearest, ties to even: the default rounding mode, which std::round does not follow.
    return checkedInt16(std::nearbyint(value));
}

Phrase workingNumber(double value) {
    std::array<char, 64> digits{};
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                    std::chars_format::fixed, MostDecimals)
                          .ptr;
    int decimals = MostDecimals;
    while (decimals > 0 && end[decimals - MostDecimals - 1] == '0')
        --decimals;
    return Phrase::decimal(value, decimals);
}

Phrase roundedWorking(Phrase shown, double unrounded, std::int16_t value) {
    if (unrounded == static_cast<double>(value))
        return shown;
    return Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1, rounded to %2"),
                  {std::move(shown), Phrase::number(value)});
}

double activityFactor(ActivityLevel level) {
    const auto index = static_cast<std::size_t>(level);
    if (level == ActivityLevel::Higher)
        return HigherFactor;
    if (index >= ActivityFactors.size())
        throw std::invalid_argument("activity level " + std::to_string(static_cast<int>(level)));
    return ActivityFactors[index];
}

double entryValue(const Entry& entry) {
    // One division of whole numbers, which rounds once, as reading the decimal does.
    return (entry.whole * 10 + entry.tenths) / 10.0;
}

double storedValue(const Entry& entry) {
    return entryValue(entry) * unitOf(entry).toStored;
}

Phrase entryPhrase(const Entry& entry) {
    return Phrase(unitOf(entry).entry, {Phrase::decimal(entryValue(entry), 1)});
}

Phrase storedPhrase(const Entry& entry) {
    const UnitRow& unit = unitOf(entry);
    Phrase stored(unit.stored, {Phrase::decimal(storedValue(entry), 1)});
    if (unit.more.empty())
        return stored;
    const bool one = entry.whole == 1 && entry.tenths == 0;
    const Phrase own(one ? unit.one : unit.more,
                     {Phrase::decimal(entryValue(entry), entry.tenths == 0 ? 0 : 1)});
    return Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1 (%2)"), {std::move(stored), own});
}

BasalWorking ComputeBasalCalories(Sex sex, double weightKg, double heightCm, double ageYears) {
    const BasalConstants& c = sex == Sex::Male ? MaleBasal : FemaleBasal;
    // One operation per step: the order of the roundings decides results near a half.
    double t = weightKg * c.perKg;
    t = t + c.base;
    t = t + heightCm * c.perCm;
    t = t - ageYears * c.perYear;
    return {sex, weightKg, heightCm, ageYears, t, roundedCalories(t)};
}

RequirementWorking ComputeRequiredCalories(std::int16_t basal, ActivityLevel level) {
    const double factor = activityFactor(level);
    if (level == ActivityLevel::Higher)
        return {level, factor, basal * 2.0, checkedInt16(basal * HigherFactor)};
    const double product = static_cast<double>(basal) * factor;
    return {level, factor, product, roundedCalories(product)};
}

BasalWorking basalWorking(const CalorieEntries& entries) {
    return ComputeBasalCalories(entries.sex, storedValue(entries.weight),
                                storedValue(entries.height), entries.age);
}

Phrase basalFormula(const CalorieEntries& entries, const BasalWorking& w) {
    const BasalConstants& c = w.sex == Sex::Male ? MaleBasal : FemaleBasal;
    return roundedWorking(
        Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1 + %2 x %3 + %4 x %5 - %6 x %7 years = %8"),
               {workingNumber(c.base), workingNumber(c.perKg), storedPhrase(entries.weight),
                workingNumber(c.perCm), storedPhrase(entries.height), workingNumber(c.perYear),
                workingNumber(w.ageYears), workingNumber(w.unrounded)}),
        w.unrounded, w.basal);
}

Phrase requirementFormula(std::int16_t basal, const RequirementWorking& w) {
    return roundedWorking(
        Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1 x %2 = %3"),
               {Phrase::number(basal), workingNumber(w.factor), workingNumber(w.unrounded)}),
        w.unrounded, w.calories);
}

ResultReport calorieReport(const CalorieEntries& entries, const RequirementWorking& chosen) {
    const BasalWorking basal = basalWorking(entries);
    ResultReport shown;
    shown.headings = {Phrase(WELLBOX_TEXT("wellbox::Scoring", "Step")),
                      Phrase(WELLBOX_TEXT("wellbox::Scoring", "Working")),
                      Phrase(WELLBOX_TEXT("wellbox::Scoring", "Calories"))};
    shown.details = {{Phrase(report::SexLabel), Phrase(sexName(entries.sex))},
                     {Phrase(report::AgeLabel), Phrase::number(entries.age)},
                     {Phrase(report::WeightLabel), entryPhrase(entries.weight)},
                     {Phrase(report::HeightLabel), entryPhrase(entries.height)},
                     {Phrase(WELLBOX_TEXT("wellbox::Scoring", "Activity")),
                      Phrase(ActivityNames[static_cast<std::size_t>(chosen.level)])}};
    shown.rows.push_back(
        {Phrase(basal.sex == Sex::Male ? WELLBOX_TEXT("wellbox::Scoring", "Basal calories, men")
                                       : WELLBOX_TEXT("wellbox::Scoring", "Basal calories, women")),
         basalFormula(entries, basal), Phrase::number(basal.basal)});
    // Each level worked out once, for its row and its bar.
    LevelRequirements required{};
    for (std::size_t i = 0; i < ActivityNames.size(); ++i) {
        const auto level = static_cast<ActivityLevel>(i);
        const bool isChosen = level == chosen.level;
        const RequirementWorking working =
            isChosen ? chosen : ComputeRequiredCalories(basal.basal, level);
        required.at(i) = working.calories;
        if (isChosen)
            shown.resultRow = shown.rows.size();
        Phrase item(ActivityNames[i]);
        if (isChosen)
            item = Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1 (chosen)"), {std::move(item)});
        shown.rows.push_back({std::move(item), requirementFormula(basal.basal, working),
                              Phrase::number(working.calories)});
    }
    const ReportRow& read = shown.rows.at(shown.resultRow);
    shown.reading = Phrase(LabelJoint, {read.item, read.answer});
    shown.outlook = calorieOutlook(basal.basal, required, chosen.level);
    shown.resultTexts = {
        Phrase(LabelJoint, {Phrase(RequirementHeading), Phrase::number(chosen.calories)})};
    shown.notes = {
        report::modelNote(WELLBOX_TEXT("wellbox::Scoring", "the Harris-Benedict equations")),
        report::agesNote(YoungestAge, OldestAge), Phrase(report::EstimateNote)};
    addEstimates(shown, entries, chosen);
    return shown;
}

ResultOutlook calorieOutlook(std::int16_t basal, const LevelRequirements& required,
                             ActivityLevel chosen) {
    const auto at = static_cast<std::size_t>(chosen);
    CalorieBars bars{required, at, basal, {}, std::nullopt};
    std::vector<Phrase> levels;
    for (const std::int16_t calories : bars.required)
        levels.push_back(Phrase::number(calories));
    const Phrase level(WELLBOX_TEXT("wellbox::Scoring", "%1: %2 calories a day"),
                       {Phrase(ActivityNames.at(at)), Phrase::number(bars.required.at(at))});
    const std::vector<Phrase> basalValue{Phrase::number(basal)};
    bars.caption = {
        {PictureKey::ChosenLevel, level, level},
        {PictureKey::Levels,
         Phrase(WELLBOX_TEXT("wellbox::Scoring", "The five levels: %1"), {joinedPhrase(levels)}),
         Phrase(WELLBOX_TEXT("wellbox::Scoring", "the five levels: %1"), {joinedPhrase(levels)})},
        {PictureKey::Basal,
         Phrase(WELLBOX_TEXT("wellbox::Scoring", "Basal calories: %1"), basalValue),
         Phrase(WELLBOX_TEXT("wellbox::Scoring", "basal calories: %1"), basalValue)},
    };
    return {std::nullopt, {}, std::move(bars)};
}

} // namespace wellbox::modCalorieCalculator
