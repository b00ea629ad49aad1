#pragma once

#include "scoring/modcaloriecalculator.h"

#include <cstdint>
#include <string>

namespace wellbox::modCalorieCalculator {

// Values the two calorie windows share for the whole run; never saved.
struct CalorieStore {
    std::int16_t BasalCalories = 0;
    std::int16_t RequiredCalories = 0;
    // How BasalCalories was worked out, and the entries as picked ("70.0 kg", "1.7 m"), for
    // the result's breakdown.
    BasalWorking Basal;
    std::string WeightEntered;
    std::string HeightEntered;
};

} // namespace wellbox::modCalorieCalculator
