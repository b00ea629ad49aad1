#pragma once

#include <cstdint>

namespace wellbox::modCalorieCalculator {

// The values the two calorie windows share, their one home for the whole run; never saved.
// Proceed writes the weight, height and basal value, Calculate the requirement, which stays as
// it is when no activity is chosen.
struct CalorieStore {
    double WeightKg = 0.0;
    double HeightCm = 0.0;
    std::int16_t BasalCalories = 0;
    std::int16_t RequiredCalories = 0;
};

} // namespace wellbox::modCalorieCalculator
