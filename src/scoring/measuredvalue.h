#pragma once

#include "scoring/units.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace wellbox {

// What an entry of a list of measured values stands for in its tables' unit, read from the
// entry as the list writes it: "0" a value not known, "139" that value, "<160" below it,
// "160-199" both and all between, "280+" (and "160>") that or more.
struct MeasuredEntry {
    enum class Kind { NotGiven, Value, Below, Between, OrMore };
    Kind kind;
    int low = 0;  // the value, or the lower bound
    int high = 0; // the upper bound of a range

    constexpr bool operator==(const MeasuredEntry&) const = default;
};

namespace measured {

constexpr int number(std::string_view digits) {
    if (digits.empty())
        throw "a measured entry without its number";
    int value = 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9')
            throw "a measured entry that is no number";
        value = value * 10 + (digit - '0');
    }
    return value;
}

constexpr MeasuredEntry entry(std::string_view text) {
    using Kind = MeasuredEntry::Kind;
    if (text == "0")
        return {Kind::NotGiven};
    if (text.starts_with('<'))
        return {Kind::Below, number(text.substr(1))};
    if (text.ends_with('+') || text.ends_with('>'))
        return {Kind::OrMore, number(text.substr(0, text.size() - 1))};
    if (const std::size_t dash = text.find('-'); dash != std::string_view::npos) {
        const MeasuredEntry range{Kind::Between, number(text.substr(0, dash)),
                                  number(text.substr(dash + 1))};
        if (range.high <= range.low)
            throw "a measured range that ends before it starts";
        return range;
    }
    return {Kind::Value, number(text)};
}

} // namespace measured

// The entries of a list, read while compiling where the result is a constexpr table, as every
// list's is: an entry that is no measured value then fails to compile.
template <std::size_t N>
constexpr std::array<MeasuredEntry, N>
measuredEntries(const std::array<std::string_view, N>& texts) {
    std::array<MeasuredEntry, N> entries{};
    for (std::size_t i = 0; i < N; ++i)
        entries[i] = measured::entry(texts[i]);
    return entries;
}

// A question whose answers are measured values: what it measures, its entries in list order,
// the decimals an entry shows converted to mmol/L, and the value named as a result names it
// ("HDL %1", %1 the value with its unit).
struct MeasuredList {
    units::Measure measure;
    std::span<const MeasuredEntry> entries;
    int mmolDecimals = 1;
    std::string_view named;
};

} // namespace wellbox
