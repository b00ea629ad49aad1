#include "scoring/riskband.h"

namespace wellbox {

namespace {

struct BandWords {
    std::string_view name;
    std::string_view line; // %1 the risk
};

constexpr std::array<BandWords, 3> Words{{
    {WELLBOX_TEXT("wellbox::Scoring", "lower risk"),
     WELLBOX_TEXT("wellbox::Scoring", "%1: lower risk (under 10 in 100)")},
    {WELLBOX_TEXT("wellbox::Scoring", "moderately high risk"),
     WELLBOX_TEXT("wellbox::Scoring", "%1: moderately high risk (10 to 20 in 100)")},
    {WELLBOX_TEXT("wellbox::Scoring", "high risk"),
     WELLBOX_TEXT("wellbox::Scoring", "%1: high risk (over 20 in 100)")},
}};
static_assert(Words.size() == RiskBands.size());

// In the order of RiskBound.
constexpr std::array<std::string_view, 4> PercentPatterns{
    WELLBOX_TEXT("wellbox::Scoring", "%1 %"), WELLBOX_TEXT("wellbox::Scoring", "under %1 %"),
    WELLBOX_TEXT("wellbox::Scoring", "%1 % or more"),
    WELLBOX_TEXT("wellbox::Scoring", "over %1 %")};
static_assert(static_cast<std::size_t>(RiskBound::MoreThan) + 1 == PercentPatterns.size());

} // namespace

RiskBand riskBand(const Risk& risk) {
    // The whole percent nearest the bound among those it stands for.
    int nearest = risk.percent;
    if (risk.bound == RiskBound::FewerThan)
        nearest -= 1;
    else if (risk.bound == RiskBound::MoreThan)
        nearest += 1;
    for (std::size_t b = RiskBands.size(); b-- > 1;)
        if (nearest >= RiskBands[b].lowest)
            return static_cast<RiskBand>(b);
    return RiskBand::Lower;
}

Phrase percentPhrase(const Risk& risk) {
    return Phrase(PercentPatterns.at(static_cast<std::size_t>(risk.bound)),
                  {Phrase::number(risk.percent)});
}

Phrase bandLine(const Risk& risk) {
    return Phrase(Words[static_cast<std::size_t>(riskBand(risk))].line, {percentPhrase(risk)});
}

Phrase bandName(RiskBand band) {
    return Phrase(Words.at(static_cast<std::size_t>(band)).name);
}

Phrase bandSource() {
    return Phrase(WELLBOX_TEXT("wellbox::Scoring",
                               "Risk bands: the ten-year risk categories of the NCEP ATP III "
                               "report (2002), under 10 %, 10 to 20 % and over 20 %."));
}

} // namespace wellbox
