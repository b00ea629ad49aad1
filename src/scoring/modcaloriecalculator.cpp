#include "scoring/modcaloriecalculator.h"

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
};

// Each unit, in the order of Unit: how it converts to the store's, and an entry with it.
constexpr std::array<UnitRow, 4> Units{{
    {Unit::Kilograms, 1.0, WELLBOX_TEXT("wellbox::Scoring", "%1 kg")},
    // This constant, not 0.45359237.
    {Unit::Pounds, 0.454545, WELLBOX_TEXT("wellbox::Scoring", "%1 lb")},
    {Unit::Meters, 100.0, WELLBOX_TEXT("wellbox::Scoring", "%1 m")},
    {Unit::Inches, 2.54, WELLBOX_TEXT("wellbox::Scoring", "%1 in")},
}};
static_assert(std::ranges::is_sorted(Units, {}, &UnitRow::unit) &&
              static_cast<std::size_t>(Units.back().unit) + 1 == Units.size());

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

// Nearest, ties to even: the default rounding mode, which std::round does not follow.
std::int16_t roundToInt16(double value) {
    return checkedInt16(std::nearbyint(value));
}

// A computed number as the workings show it: at most six decimals, trailing zeros dropped down
// to `minimumDecimals`.
Phrase workingNumber(double value, int minimumDecimals = 0) {
    std::array<char, 64> digits{};
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                    std::chars_format::fixed, MostDecimals)
                          .ptr;
    int decimals = MostDecimals;
    while (decimals > minimumDecimals && end[decimals - MostDecimals - 1] == '0')
        --decimals;
    return Phrase::decimal(value, decimals);
}

// A working followed by its rounding where that changes the value.
Phrase rounded(Phrase shown, double unrounded, std::int16_t value) {
    if (unrounded == static_cast<double>(value))
        return shown;
    return Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1, rounded to %2"),
                  {std::move(shown), Phrase::number(value)});
}

const UnitRow& unitOf(const Entry& entry) {
    return Units.at(static_cast<std::size_t>(entry.unit));
}

} // namespace

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

BasalWorking ComputeBasalCalories(Sex sex, double weightKg, double heightCm, double ageYears) {
    const BasalConstants& c = sex == Sex::Male ? MaleBasal : FemaleBasal;
    // One operation per step: the order of the roundings decides results near a half.
    double t = weightKg * c.perKg;
    t = t + c.base;
    t = t + heightCm * c.perCm;
    t = t - ageYears * c.perYear;
    return {sex, weightKg, heightCm, ageYears, t, roundToInt16(t)};
}

RequirementWorking ComputeRequiredCalories(std::int16_t basal, ActivityLevel level) {
    const auto index = static_cast<std::size_t>(level);
    if (level == ActivityLevel::Higher)
        return {level, HigherFactor, basal * 2.0, checkedInt16(basal * HigherFactor)};
    if (index >= ActivityFactors.size())
        throw std::invalid_argument("activity level " + std::to_string(static_cast<int>(level)));
    const double product = static_cast<double>(basal) * ActivityFactors[index];
    return {level, ActivityFactors[index], product, roundToInt16(product)};
}

BasalWorking basalWorking(const CalorieEntries& entries) {
    return ComputeBasalCalories(entries.sex, storedValue(entries.weight),
                                storedValue(entries.height), entries.age);
}

Phrase basalFormula(const BasalWorking& w) {
    const BasalConstants& c = w.sex == Sex::Male ? MaleBasal : FemaleBasal;
    return rounded(
        Phrase(
            WELLBOX_TEXT("wellbox::Scoring", "%1 + %2 x %3 kg + %4 x %5 cm - %6 x %7 years = %8"),
            {workingNumber(c.base), workingNumber(c.perKg), workingNumber(w.weightKg, 1),
             workingNumber(c.perCm), workingNumber(w.heightCm, 1), workingNumber(c.perYear),
             workingNumber(w.ageYears), workingNumber(w.unrounded)}),
        w.unrounded, w.basal);
}

Phrase requirementFormula(std::int16_t basal, const RequirementWorking& w) {
    return rounded(
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
         basalFormula(basal), Phrase::number(basal.basal)});
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
    return shown;
}

ResultOutlook calorieOutlook(std::int16_t basal, const LevelRequirements& required,
                             ActivityLevel chosen) {
    const auto at = static_cast<std::size_t>(chosen);
    CalorieBars bars{required, at, basal, {}};
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
