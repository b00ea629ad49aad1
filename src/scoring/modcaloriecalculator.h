#pragma once

#include "scoring/sex.h"
#include "scoring/translatable.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace wellbox::modCalorieCalculator {

// In screen order, top to bottom.
enum class ActivityLevel { Sedentary, Light, Moderate, High, Higher };

// The activity levels as the window names them, in the order of ActivityLevel.
using LevelNames = std::array<std::string, 5>;

// The ages the age list offers.
inline constexpr std::int16_t YoungestAge = 1;
inline constexpr std::int16_t OldestAge = 120;

// The heading the requirement is shown and kept under.
inline constexpr std::string_view RequirementHeading =
    WELLBOX_TEXT("wellbox::Scoring", "Required Calories For Your Daily Activity");

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

// What Proceed hands on to the result: the basal value as worked out, and the entries as picked
// ("70.0 kg", "1.7 m").
struct CalorieEntries {
    BasalWorking basal;
    std::string weightEntered;
    std::string heightEntered;
};

// Basal calories per day; halfway values round to even. Throws std::out_of_range when the
// result does not fit 16 bits (no list value gets there).
BasalWorking ComputeBasalCalories(Sex sex, double weightKg, double heightCm, double ageYears);

// Calories per day for an activity level; halfway values round to even. Throws
// std::invalid_argument for an unknown level, std::out_of_range when the result does not fit.
RequirementWorking ComputeRequiredCalories(std::int16_t basal, ActivityLevel level);

// The basal computation with the person's numbers, in the order of the published equation:
// "66 + 13.7 x 70.0 kg + 5 x 170.0 cm - 6.8 x 30 years = 1671", the rounding shown where it
// changes the value.
Phrase basalFormula(const BasalWorking& working);
// "1671 x 1.5 = 2506.5, rounded to 2506"; "1671 x 2 = 3342".
Phrase requirementFormula(std::int16_t basal, const RequirementWorking& working);

// A computed number as the workings show it: at most six decimals, no trailing zeros beyond
// the given minimum of decimals.
std::string decimalText(double value, int minimumDecimals = 0);

// Plain decimal digits, '-' first when negative.
std::string requiredCaloriesText(std::int16_t calories);

// Reads a whole-number entry and a tenths entry ("70", ".5") as one number, whatever the
// locale. Throws std::invalid_argument for text of any other form.
double readWholeAndTenths(std::string_view whole, std::string_view tenths);

double poundsToKg(double pounds);
double inchesToCm(double inches);
double metersToCm(double meters);

} // namespace wellbox::modCalorieCalculator
