#pragma once

#include "scoring/modcaloriecalculator.h"
#include "scoring/resultreport.h"

#include <array>
#include <cstdint>
#include <optional>

// What a calorie result adds to the requirement: the body mass index, a second estimate by the
// Mifflin-St Jeor equation, and the calories a day to lose or gain weight.
namespace wellbox::modCalorieCalculator {

// The age from which the adult bands of the body mass index hold; both calorie equations were
// made for adults too.
inline constexpr std::int16_t AdultAge = 18;

// The WHO's bands of the body mass index for adults, lowest first.
enum class BodyMassBand { Underweight, NormalWeight, Overweight, Obese };

// Weight over height squared, in kg/m², to one decimal (halfway to even), with its band from
// AdultAge on; the band is read from the value shown, so the two never disagree.
struct BodyMassIndex {
    double value = 0.0;
    std::optional<BodyMassBand> band;
};

// None where the height is 0.
std::optional<BodyMassIndex> bodyMassIndex(double weightKg, double heightCm, std::int16_t age);

// Mifflin-St Jeor's basal energy, step by step in the order of the published equation:
// 10 x kg + 6.25 x cm - 5 x years, then + 5 for men or - 161 for women; halfway to even. Throws
// std::out_of_range when it does not fit 16 bits (no list value gets there).
BasalWorking ComputeMifflinStJeor(Sex sex, double weightKg, double heightCm, double ageYears);
// Its requirement at a level: the basal value before rounding times the level's factor.
RequirementWorking mifflinRequirement(const BasalWorking& basal, ActivityLevel level);

// The least calories a day a goal line gives, for a man and a woman, in the order of Sex.
inline constexpr std::array<std::int16_t, 2> CalorieFloors{1500, 1200};

// A goal's calories a day: the requirement plus the weekly change in weight times the energy of
// a unit of body weight, over 7 days, rounded; the floor instead where that is below it.
struct GoalCalories {
    double weeklyChange; // in kilograms, or pounds where the weight was entered in pounds
    double unrounded;
    std::int16_t calories;
    bool floored;
};

// Keep weight, lose two amounts a week, gain one, in that order.
using Goals = std::array<GoalCalories, 4>;
Goals goalCalories(std::int16_t required, Sex sex, Unit weightUnit);

// Adds them to a calorie report of the entries at the level chosen: the second estimate's rows to
// its workings, the estimates, and the goal band to its bars.
void addEstimates(ResultReport& report, const CalorieEntries& entries,
                  const RequirementWorking& chosen);

} // namespace wellbox::modCalorieCalculator
