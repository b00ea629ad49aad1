#pragma once

#include "scoring/question.h"
#include "scoring/translatable.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace wellbox {

// The ten-year risk categories of the NCEP ATP III report (2002), which the cholesterol tables
// come from and the heart attack score shares: under 10 %, 10 to 20 %, over 20 %.
enum class RiskBand { Lower, ModeratelyHigh, High };

struct RiskBandLimits {
    std::int16_t lowest; // the least whole percent in the band
    std::int16_t highest;
};

inline constexpr std::array<RiskBandLimits, 3> RiskBands{{{0, 9}, {10, 20}, {21, 100}}};
static_assert(RiskBands[0].highest + 1 == RiskBands[1].lowest &&
              RiskBands[1].highest + 1 == RiskBands[2].lowest);

// The band a risk falls in; a bound falls in the band of the nearest value it stands for
// ("<1%" lower, ">=30%" and "over 42 %" high).
RiskBand riskBand(const Risk& risk);

// A risk in the one style the suite's own texts use: "16 %", "under 1 %", "30 % or more",
// "over 42 %".
Phrase percentPhrase(const Risk& risk);

// "23 %: high risk (over 20 in 100)".
Phrase bandLine(const Risk& risk);
// The band's name alone, "high risk".
Phrase bandName(RiskBand band);
// Where the bands come from, for the notes.
Phrase bandSource();

} // namespace wellbox
