#pragma once

#include <cstdint>

namespace wellbox::modCalorieCalculator {

// Values the calorie calculator keeps for the whole run; never saved.
struct CalorieStore {
    std::int16_t BasalCalories = 0;
    std::int16_t RequiredCalories = 0;
};

} // namespace wellbox::modCalorieCalculator
