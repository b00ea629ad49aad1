#pragma once

#include "scoring/resultreport.h"
#include "scoring/sex.h"
#include "scoring/translatable.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace wellbox::modCalorieCalculator {

// In screen order, top to bottom.
enum class ActivityLevel { Sedentary, Light, Moderate, High, Higher };

// The activity levels as the window offers them and a result names them, in the order of
// ActivityLevel.
inline constexpr std::array<std::string_view, 5> ActivityNames{
    WELLBOX_TEXT("wellbox::Scoring", "Sedentary"),
    WELLBOX_TEXT("wellbox::Scoring", "Light Activity for 2 Days per Week"),
    WELLBOX_TEXT("wellbox::Scoring", "Moderate Activity for 4 Days per Week"),
    WELLBOX_TEXT("wellbox::Scoring", "High Activity for 6 Days per Week"),
    WELLBOX_TEXT("wellbox::Scoring", "Higher Activity Levels"),
};

// The ages the age list offers.
inline constexpr std::int16_t YoungestAge = 1;
inline constexpr std::int16_t OldestAge = 120;

// The heading the requirement is shown and kept under.
inline constexpr std::string_view RequirementHeading =
    WELLBOX_TEXT("wellbox::Scoring", "Required Calories For Your Daily Activity");

// The units a weight or a height is picked in.
enum class Unit { Kilograms, Pounds, Meters, Inches };

// A weight or height as picked from a list of whole numbers and one of tenths, in its unit:
// 70 and .5 kilograms.
struct Entry {
    std::int16_t whole = 0;
    std::int16_t tenths = 0;
    Unit unit = Unit::Kilograms;
};

// The number the two lists read together, exactly as the decimal "70.5" reads.
double entryValue(const Entry& entry);
// The entry in the unit of the calorie store: kilograms for a weight, centimetres for a height.
double storedValue(const Entry& entry);
// The entry with its unit, as a result keeps it: "70.0 kg".
Phrase entryPhrase(const Entry& entry);
// The entry in the store's unit as a working shows it, to one decimal, and the entry beside it
// where it was converted: "75.0 kg (165 pounds)", "170.0 cm".
Phrase storedPhrase(const Entry& entry);

// What Proceed hands on to the result besides the store: the entries as picked.
struct CalorieEntries {
    Sex sex = Sex::Male;
    std::int16_t age = YoungestAge;
    Entry weight;
    Entry height;
};

// A basal value with what it was worked out from, and the value before rounding.
struct BasalWorking {
    Sex sex = Sex::Male;
    double weightKg = 0.0;
    double heightCm = 0.0;
    double ageYears = 0.0;
    double unrounded = 0.0;
    std::int16_t basal = 0;
};

// A requirement with its factor and the product before rounding (Higher is never rounded).
struct RequirementWorking {
    ActivityLevel level;
    double factor;
    double unrounded;
    std::int16_t calories;
};

// Basal calories per day; halfway values round to even. Throws std::out_of_range when the
// result does not fit 16 bits (no list value gets there).
BasalWorking ComputeBasalCalories(Sex sex, double weightKg, double heightCm, double ageYears);

// Calories per day for an activity level; halfway values round to even. Throws
// std::invalid_argument for an unknown level, std::out_of_range when the result does not fit.
RequirementWorking ComputeRequiredCalories(std::int16_t basal, ActivityLevel level);

// A level's multiplier of the basal value, 2 for Higher. Throws std::invalid_argument for an
// unknown level.
double activityFactor(ActivityLevel level);

// Calories to the nearest whole number, halfway values to even. Throws std::out_of_range when
// they do not fit 16 bits.
std::int16_t roundedCalories(double value);
// A computed number as the workings show it: at most six decimals, trailing zeros dropped.
Phrase workingNumber(double value);
// A working followed by its rounding where that changes the value: "2506.5, rounded to 2506".
Phrase roundedWorking(Phrase shown, double unrounded, std::int16_t value);

// The basal value of the entries, from their weight and height in the store's units.
BasalWorking basalWorking(const CalorieEntries& entries);

// The basal computation with the person's numbers, in the order of the published equation:
// "66 + 13.7 x 70.0 kg + 5 x 170.0 cm - 6.8 x 30 years = 1671", the rounding shown where it
// changes the value. The numbers are written as people write them; the value is the exact one's.
Phrase basalFormula(const CalorieEntries& entries, const BasalWorking& working);
// "1671 x 1.5 = 2506.5, rounded to 2506"; "1671 x 2 = 3342".
Phrase requirementFormula(std::int16_t basal, const RequirementWorking& working);

// The requirement of the level chosen, with every level's beside it.
ResultReport calorieReport(const CalorieEntries& entries, const RequirementWorking& chosen);

// The five levels' requirements as the result's workings have them, in screen order.
using LevelRequirements = std::array<std::int16_t, 5>;
ResultOutlook calorieOutlook(std::int16_t basal, const LevelRequirements& required,
                             ActivityLevel chosen);

} // namespace wellbox::modCalorieCalculator
