#pragma once

#include "scoring/translatable.h"

#include <array>
#include <string_view>

namespace wellbox {

// How the diabetes test asks for height and weight: the chart's feet, inches and pounds, or
// centimetres and whole kilograms.
enum class BodyUnits { Imperial, Metric };

// How the heart attack and cholesterol quizzes write cholesterol: as their tables do, or in
// millimoles per litre.
enum class CholesterolUnit { MgPerDl, MmolPerL };

namespace units {

// Cholesterol: mg/dL in one mmol/L.
inline constexpr double MgPerDlPerMmolPerL = 38.67;
// One kilogram in pounds, the pound being 0.45359237 kg.
inline constexpr double PoundsPerKilogram = 2.20462262185;
inline constexpr int HundredthsOfCmPerInch = 254;

// What a measured value is of, and so the unit its tables give it in.
enum class Measure { BloodPressure, Cholesterol };

// A unit's name as written beside a list of values, and a value with it ("140 mm Hg").
struct UnitWords {
    std::string_view name;
    std::string_view withValue;
};

inline constexpr UnitWords MmHg{WELLBOX_TEXT("wellbox::Scoring", "mm Hg"),
                                WELLBOX_TEXT("wellbox::Scoring", "%1 mm Hg")};
// In the order of CholesterolUnit.
inline constexpr std::array<UnitWords, 2> CholesterolUnits{{
    {WELLBOX_TEXT("wellbox::Scoring", "mg/dL"), WELLBOX_TEXT("wellbox::Scoring", "%1 mg/dL")},
    {WELLBOX_TEXT("wellbox::Scoring", "mmol/L"), WELLBOX_TEXT("wellbox::Scoring", "%1 mmol/L")},
}};

inline const UnitWords& unitWords(Measure measure, CholesterolUnit unit) {
    return measure == Measure::BloodPressure ? MmHg
                                             : CholesterolUnits[static_cast<std::size_t>(unit)];
}

} // namespace units

} // namespace wellbox
