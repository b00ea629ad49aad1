#include "scoring/calorieestimates.h"

#include <algorithm>
#include <cmath>

namespace wellbox::modCalorieCalculator {

namespace {

struct BandRow {
    BodyMassBand band;
    int fromTenths; // the least index of the band, in tenths
    std::string_view name;
};

// The WHO's adult bands of the body mass index (WHO, 2000), lowest first.
constexpr std::array<BandRow, 4> BodyMassBands{{
    {BodyMassBand::Underweight, 0, WELLBOX_TEXT("wellbox::Scoring", "underweight")},
    {BodyMassBand::NormalWeight, 185, WELLBOX_TEXT("wellbox::Scoring", "normal weight")},
    {BodyMassBand::Overweight, 250, WELLBOX_TEXT("wellbox::Scoring", "overweight")},
    {BodyMassBand::Obese, 300, WELLBOX_TEXT("wellbox::Scoring", "obese")},
}};
static_assert(std::ranges::is_sorted(BodyMassBands, {}, &BandRow::fromTenths));

struct MifflinConstants {
    double perKg;
    double perCm;
    double perYear;
    double added; // 5 for men, -161 for women
    std::string_view formula;
};

// Mifflin-St Jeor (1990), in the order of Sex.
constexpr std::array<MifflinConstants, 2> Mifflin{{
    {10.0, 6.25, 5.0, 5.0,
     WELLBOX_TEXT("wellbox::Scoring", "%1 x %2 + %3 x %4 - %5 x %6 years + %7 = %8")},
    {10.0, 6.25, 5.0, -161.0,
     WELLBOX_TEXT("wellbox::Scoring", "%1 x %2 + %3 x %4 - %5 x %6 years - %7 = %8")},
}};
static_assert(static_cast<std::size_t>(Sex::Female) + 1 == Mifflin.size() &&
              Mifflin.size() == CalorieFloors.size());

struct GoalRow {
    std::string_view name; // %1 the weekly change
    double kg;             // the weekly change in kilograms, negative to lose
    double pounds;         // and in pounds
};

// The goals of the table, top to bottom, in the order of Goals.
constexpr std::array<GoalRow, 4> GoalRows{{
    {WELLBOX_TEXT("wellbox::Scoring", "Keep weight"), 0.0, 0.0},
    {WELLBOX_TEXT("wellbox::Scoring", "Lose %1 a week"), -0.25, -0.5},
    {WELLBOX_TEXT("wellbox::Scoring", "Lose %1 a week"), -0.5, -1.0},
    {WELLBOX_TEXT("wellbox::Scoring", "Gain %1 a week"), 0.25, 0.5},
}};
static_assert(std::tuple_size_v<Goals> == GoalRows.size());
// The goals the bars mark from and to: losing the most, gaining.
constexpr std::size_t LeastGoal = 2, MostGoal = 3;

// Calories per unit of body weight lost or gained, by the rule of thumb (Wishnofsky, 1958).
constexpr double CaloriesPerKg = 7700.0, CaloriesPerPound = 3500.0;
constexpr double DaysPerWeek = 7.0;

bool inPounds(Unit weightUnit) {
    return weightUnit == Unit::Pounds;
}

std::int16_t floorFor(Sex sex) {
    return CalorieFloors.at(static_cast<std::size_t>(sex));
}

// "0.25 kg", "1 pound", "0.5 pounds": as many decimals as the change has.
Phrase weightChange(double change, Unit weightUnit) {
    const double amount = std::fabs(change);
    const Phrase number = workingNumber(amount);
    if (!inPounds(weightUnit))
        return Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1 kg"), {number});
    return Phrase(amount == 1.0 ? WELLBOX_TEXT("wellbox::Scoring", "%1 pound")
                                : WELLBOX_TEXT("wellbox::Scoring", "%1 pounds"),
                  {number});
}

std::vector<Phrase> bodyMassLines(const CalorieEntries& entries) {
    const std::optional<BodyMassIndex> index =
        bodyMassIndex(storedValue(entries.weight), storedValue(entries.height), entries.age);
    if (!index)
        return {
            Phrase(WELLBOX_TEXT("wellbox::Scoring", "Body mass index: none for a height of 0"))};
    const Phrase value = Phrase::decimal(index->value, 1);
    if (!index->band)
        return {Phrase(WELLBOX_TEXT("wellbox::Scoring", "Body mass index %1; children's bands "
                                                        "depend on age and sex (WHO growth "
                                                        "references)"),
                       {value})};
    const std::string_view band = BodyMassBands.at(static_cast<std::size_t>(*index->band)).name;
    return {Phrase(WELLBOX_TEXT("wellbox::Scoring", "Body mass index %1: %2 (WHO adult bands)"),
                   {value, Phrase(band)})};
}

std::vector<Phrase> secondEstimateLines(const CalorieEntries& entries, const BasalWorking& basal,
                                        const RequirementWorking& level) {
    return {Phrase(entries.age < AdultAge
                       ? WELLBOX_TEXT("wellbox::Scoring",
                                      "Mifflin-St Jeor (1990), the equation dietitians now rate "
                                      "most accurate: %1 basal, %2 for this level. Both "
                                      "equations were made for adults.")
                       : WELLBOX_TEXT("wellbox::Scoring",
                                      "Mifflin-St Jeor (1990), the equation dietitians now rate "
                                      "most accurate: %1 basal, %2 for this level"),
                   {Phrase::number(basal.basal), Phrase::number(level.calories)})};
}

void addGoals(ResultEstimates& shown, const Goals& goals, Sex sex, Unit weightUnit) {
    shown.goalHeadings = {Phrase(WELLBOX_TEXT("wellbox::Scoring", "Goal")),
                          Phrase(WELLBOX_TEXT("wellbox::Scoring", "Calories a day"))};
    bool floored = false;
    for (std::size_t i = 0; i < goals.size(); ++i) {
        const GoalCalories& goal = goals.at(i);
        Phrase calories = Phrase::number(goal.calories);
        if (goal.floored)
            calories = Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1 (the floor)"), {calories});
        floored = floored || goal.floored;
        shown.goals.push_back(
            {Phrase(GoalRows.at(i).name, {weightChange(goal.weeklyChange, weightUnit)}),
             std::move(calories)});
    }
    shown.goalNotes.emplace_back(
        inPounds(weightUnit)
            ? WELLBOX_TEXT("wellbox::Scoring",
                           "By the rule of thumb of %1 calories a pound (Wishnofsky, 1958), which "
                           "overstates the loss over months, as the body adapts.")
            : WELLBOX_TEXT("wellbox::Scoring",
                           "By the rule of thumb of %1 calories a kg (Wishnofsky, 1958), which "
                           "overstates the loss over months, as the body adapts."),
        std::vector{
            Phrase::number(std::lround(inPounds(weightUnit) ? CaloriesPerPound : CaloriesPerKg))});
    if (floored)
        shown.goalNotes.emplace_back(
            sex == Sex::Male ? WELLBOX_TEXT("wellbox::Scoring",
                                            "The floor for men, %1 calories a day (Harvard Health "
                                            "Publishing): eating less needs a doctor's advice.")
                             : WELLBOX_TEXT("wellbox::Scoring",
                                            "The floor for women, %1 calories a day (Harvard "
                                            "Health Publishing): eating less needs a doctor's "
                                            "advice."),
            std::vector{Phrase::number(floorFor(sex))});
}

// The goal band the bars mark, and the part of their caption that names it.
void markGoalBand(CalorieBars& bars, const Goals& goals, Unit weightUnit) {
    const GoalCalories &least = goals.at(LeastGoal), &most = goals.at(MostGoal);
    bars.goals = CalorieRange{least.calories, most.calories};
    const std::vector<Phrase> arguments{
        Phrase::number(least.calories), Phrase::number(most.calories),
        weightChange(least.weeklyChange, weightUnit), weightChange(most.weeklyChange, weightUnit)};
    bars.caption.push_back(
        {PictureKey::GoalBand,
         Phrase(WELLBOX_TEXT("wellbox::Scoring",
                             "Goal band: %1 to %2 calories a day, losing %3 to gaining %4 a week"),
                arguments),
         Phrase(WELLBOX_TEXT("wellbox::Scoring",
                             "goal band: %1 to %2 calories a day, losing %3 to gaining %4 a week"),
                arguments)});
}

Phrase mifflinFormula(const CalorieEntries& entries, const BasalWorking& w) {
    const MifflinConstants& c = Mifflin.at(static_cast<std::size_t>(w.sex));
    return roundedWorking(
        Phrase(c.formula,
               {workingNumber(c.perKg), storedPhrase(entries.weight), workingNumber(c.perCm),
                storedPhrase(entries.height), workingNumber(c.perYear), workingNumber(w.ageYears),
                workingNumber(std::fabs(c.added)), workingNumber(w.unrounded)}),
        w.unrounded, w.basal);
}

Phrase mifflinRequirementFormula(const BasalWorking& basal, const RequirementWorking& w) {
    return roundedWorking(Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1 x %2 = %3"),
                                 {workingNumber(basal.unrounded), workingNumber(w.factor),
                                  workingNumber(w.unrounded)}),
                          w.unrounded, w.calories);
}

} // namespace

std::optional<BodyMassIndex> bodyMassIndex(double weightKg, double heightCm, std::int16_t age) {
    if (!(heightCm > 0.0))
        return std::nullopt;
    const double metres = heightCm / 100.0;
    const double tenths = std::nearbyint(weightKg / (metres * metres) * 10.0);
    BodyMassIndex index{tenths / 10.0, std::nullopt};
    if (age >= AdultAge)
        for (const BandRow& row : BodyMassBands)
            if (tenths >= row.fromTenths)
                index.band = row.band;
    return index;
}

BasalWorking ComputeMifflinStJeor(Sex sex, double weightKg, double heightCm, double ageYears) {
    const MifflinConstants& c = Mifflin.at(static_cast<std::size_t>(sex));
    // One operation per step, as for the described equation.
    double t = weightKg * c.perKg;
    t = t + heightCm * c.perCm;
    t = t - ageYears * c.perYear;
    t = t + c.added;
    return {sex, weightKg, heightCm, ageYears, t, roundedCalories(t)};
}

RequirementWorking mifflinRequirement(const BasalWorking& basal, ActivityLevel level) {
    const double factor = activityFactor(level);
    const double product = basal.unrounded * factor;
    return {level, factor, product, roundedCalories(product)};
}

Goals goalCalories(std::int16_t required, Sex sex, Unit weightUnit) {
    const double energy = inPounds(weightUnit) ? CaloriesPerPound : CaloriesPerKg;
    Goals goals{};
    for (std::size_t i = 0; i < goals.size(); ++i) {
        const double change = inPounds(weightUnit) ? GoalRows.at(i).pounds : GoalRows.at(i).kg;
        double t = change * energy;
        t = t / DaysPerWeek;
        const double unrounded = required + t;
        const std::int16_t calories = roundedCalories(unrounded);
        const bool floored = calories < floorFor(sex);
        goals.at(i) = {change, unrounded, floored ? floorFor(sex) : calories, floored};
    }
    return goals;
}

void addEstimates(ResultReport& report, const CalorieEntries& entries,
                  const RequirementWorking& chosen) {
    const double kg = storedValue(entries.weight), cm = storedValue(entries.height);
    const BasalWorking mifflin = ComputeMifflinStJeor(entries.sex, kg, cm, entries.age);
    const RequirementWorking level = mifflinRequirement(mifflin, chosen.level);
    report.rows.push_back(
        {Phrase(entries.sex == Sex::Male
                    ? WELLBOX_TEXT("wellbox::Scoring", "Mifflin-St Jeor (1990), men")
                    : WELLBOX_TEXT("wellbox::Scoring", "Mifflin-St Jeor (1990), women")),
         mifflinFormula(entries, mifflin), Phrase::number(mifflin.basal)});
    report.rows.push_back({Phrase(WELLBOX_TEXT("wellbox::Scoring", "Mifflin-St Jeor, this level")),
                           mifflinRequirementFormula(mifflin, level),
                           Phrase::number(level.calories)});

    ResultEstimates& shown = report.estimates;
    shown.bodyMass = bodyMassLines(entries);
    shown.secondEstimate = secondEstimateLines(entries, mifflin, level);
    const Goals goals = goalCalories(chosen.calories, entries.sex, entries.weight.unit);
    addGoals(shown, goals, entries.sex, entries.weight.unit);
    if (auto* bars = std::get_if<CalorieBars>(&report.outlook.picture))
        markGoalBand(*bars, goals, entries.weight.unit);
}

} // namespace wellbox::modCalorieCalculator
