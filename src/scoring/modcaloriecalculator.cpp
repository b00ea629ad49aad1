#include "scoring/modcaloriecalculator.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>

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
// Higher doubles in whole numbers.
constexpr int HigherFactor = 2;

constexpr double KgPerPound = 0.454545;
constexpr double CmPerInch = 2.54;
constexpr double CmPerMeter = 100.0;

template <typename Number> std::int16_t checkedInt16(Number value) {
    // Written so that NaN fails too.
    if (!(value >= std::numeric_limits<std::int16_t>::min() &&
          value <= std::numeric_limits<std::int16_t>::max()))
        throw std::out_of_range("calories " + std::to_string(value) + " outside 16 bits");
    return static_cast<std::int16_t>(value);
}

// Nearest, ties to even: the default rounding mode, which std::round does not follow.
std::int16_t roundToInt16(double value) {
    return checkedInt16(std::nearbyint(value));
}

// A working followed by its rounding where that changes the value.
Phrase rounded(Phrase working, double unrounded, std::int16_t value) {
    if (unrounded == static_cast<double>(value))
        return working;
    return Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1, rounded to %2"),
                  {std::move(working), Phrase::value(std::to_string(value))});
}

bool allDigits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

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

std::string decimalText(double value, int minimumDecimals) {
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.6f", value);
    std::string text(buffer.data());
    const std::size_t point = text.find('.');
    std::size_t keep = text.find_last_not_of('0') + 1;
    keep = std::max(keep, point + 1 + static_cast<std::size_t>(minimumDecimals));
    text.resize(keep);
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

Phrase basalFormula(const BasalWorking& w) {
    const BasalConstants& c = w.sex == Sex::Male ? MaleBasal : FemaleBasal;
    const auto value = [](double number, int decimals = 0) {
        return Phrase::value(decimalText(number, decimals));
    };
    return rounded(
        Phrase(
            WELLBOX_TEXT("wellbox::Scoring", "%1 + %2 x %3 kg + %4 x %5 cm - %6 x %7 years = %8"),
            {value(c.base), value(c.perKg), value(w.weightKg, 1), value(c.perCm),
             value(w.heightCm, 1), value(c.perYear), value(w.ageYears), value(w.unrounded)}),
        w.unrounded, w.basal);
}

Phrase requirementFormula(std::int16_t basal, const RequirementWorking& w) {
    return rounded(
        Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1 x %2 = %3"),
               {Phrase::value(std::to_string(basal)), Phrase::value(decimalText(w.factor)),
                Phrase::value(decimalText(w.unrounded))}),
        w.unrounded, w.calories);
}

std::string requiredCaloriesText(std::int16_t calories) {
    return std::to_string(calories);
}

double readWholeAndTenths(std::string_view whole, std::string_view tenths) {
    std::string text(whole);
    text += tenths;
    // Only the list forms ("70", ".5") are numbers here; from_chars alone would take "-", "inf".
    const bool listForm = allDigits(whole) && tenths.size() >= 2 && tenths.front() == '.' &&
                          allDigits(tenths.substr(1));
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (!listForm || error != std::errc{} || end != text.data() + text.size())
        throw std::invalid_argument("not a number: \"" + text + "\"");
    return value;
}

double poundsToKg(double pounds) {
    return pounds * KgPerPound;
}
double inchesToCm(double inches) {
    return inches * CmPerInch;
}
double metersToCm(double meters) {
    return meters * CmPerMeter;
}

} // namespace wellbox::modCalorieCalculator
