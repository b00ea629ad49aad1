#pragma once

#include "scoring/sex.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace wellbox::modCalorieCalculator {

// In screen order, top to bottom.
enum class ActivityLevel { Sedentary, Light, Moderate, High, Higher };

// Basal calories per day; halfway values round to even. Throws std::out_of_range when the
// result does not fit 16 bits (no list value gets there).
std::int16_t ComputeBasalCalories(Sex sex, double weightKg, double heightCm, double ageYears);

// Calories per day for an activity level; halfway values round to even. Throws
// std::invalid_argument for an unknown level, std::out_of_range when the result does not fit.
std::int16_t ComputeRequiredCalories(std::int16_t basal, ActivityLevel level);

// Plain decimal digits, '-' first when negative.
std::string requiredCaloriesText(std::int16_t calories);

// Reads a whole-number entry and a tenths entry ("70", ".5") as one number, whatever the
// locale. Throws std::invalid_argument for text of any other form.
double readWholeAndTenths(std::string_view whole, std::string_view tenths);

double poundsToKg(double pounds);
double inchesToCm(double inches);
double metersToCm(double meters);

} // namespace wellbox::modCalorieCalculator
