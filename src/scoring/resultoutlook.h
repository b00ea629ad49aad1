#pragma once

#include "scoring/translatable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace wellbox {

// What a part of a picture's caption speaks of, so that a display can draw its key beside it.
enum class PictureKey { Yours, LowRisk, Score, ChosenLevel, Levels, Basal, GoalBand };

// A part as it stands alone after its key, and as it goes on after an earlier part in one
// sentence ("More than 42 in 100 men like you", "; more than ...").
struct CaptionPart {
    PictureKey key;
    Phrase text;
    Phrase continued;
};

// The parts as one sentence, "; " between them: what a screen reader speaks.
Phrase captionPhrase(const std::vector<CaptionPart>& parts);

// Two arrays of 100 figures of people side by side: in the first, `yours` filled for the
// person; in the second, `lowRisk` marked for a person of the same age and sex with low-risk
// answers. A risk that is a bound ("<1%", "over 42 %") marks a part of the next figure as well,
// so that fewer than one fills no whole figure.
struct FigureArray {
    std::int16_t yours = 0;
    std::int16_t lowRisk = 0;
    std::vector<CaptionPart> caption;
    bool yoursPart = false;
    bool lowRiskPart = false;
};

struct ScoreBand {
    std::int16_t lowest;
    std::int16_t highest;
    Phrase name;   // "Low Risk", as the risk sentence says it
    Phrase scores; // "3 to 9", as the result's workings say it

    // As the scale names it: "Low Risk: 3 to 9".
    Phrase label() const { return Phrase(LabelJoint, {name, scores}); }
};

// The score on a scale of every score the test gives, its risk bands marked.
struct ScoreScale {
    std::int16_t score = 0;
    std::int16_t highest = 0;
    std::vector<ScoreBand> bands; // lowest first
    std::size_t band = 0;         // the score's
    std::vector<CaptionPart> caption;
};

// Calories a day, from the least to the most.
struct CalorieRange {
    std::int16_t lowest = 0;
    std::int16_t highest = 0;
};

// The five activity levels' requirements, in screen order, with the chosen one and the basal
// value they are all worked out from, and the goals to lose or gain weight marked on the chosen
// level's bar.
struct CalorieBars {
    std::array<std::int16_t, 5> required{};
    std::size_t chosen = 0; // in screen order
    std::int16_t basal = 0;
    std::vector<CaptionPart> caption;
    std::optional<CalorieRange> goals;
};

using ResultPictureData = std::variant<FigureArray, ScoreScale, CalorieBars>;

const std::vector<CaptionPart>& captionParts(const ResultPictureData& picture);

// Answers changed to the low-risk ones, one or all together: the total or score the tables then
// give, and the line that says so ("If smoking were "No": 16 % (4 points fewer)").
struct WhatIf {
    std::int16_t total;
    Phrase line;
};

// What a result step adds to the result: how it compares, what would change it, its picture.
// Every number in it comes from the calculator's own scoring.
struct ResultOutlook {
    // A person of the same age and sex with the low-risk answers, scored by the same tables
    // (heart attack and cholesterol only).
    std::optional<Phrase> comparison;
    // Each changeable answer that earns more than the low-risk one, in quiz order, then all of
    // them together where there are several.
    std::vector<WhatIf> whatIfs;
    ResultPictureData picture;

    // The comparison, then the what-ifs, as lines of text.
    std::vector<Phrase> lines() const;
};

} // namespace wellbox
