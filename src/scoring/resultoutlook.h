#pragma once

#include "scoring/modcaloriecalculator.h"
#include "scoring/modcholesterolcalculator.h"
#include "scoring/moddiabetesriskcalculator.h"
#include "scoring/modheartattack.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace wellbox {

// How a risk text reads as people in 100: "18 %" exactly 18, "<1%" fewer than 1, ">=30%" 30 or
// more, "over 42 %" more than 42.
enum class RiskBound { Exactly, FewerThan, OrMore, MoreThan };

struct StatedRisk {
    std::int16_t inHundred;
    RiskBound bound;
};

// Throws std::invalid_argument for a text that states no percentage.
StatedRisk readRiskText(std::string_view riskText);

// What a part of a picture's caption speaks of, so that a display can draw its key beside it.
enum class PictureKey { Yours, LowRisk, Score, ChosenLevel, Levels, Basal };

// A part as it stands alone after its key, and as it goes on after an earlier part in one
// sentence ("More than 42 in 100 men like you", "; more than ...").
struct CaptionPart {
    PictureKey key;
    Phrase text;
    Phrase continued;
};

// The parts as one sentence, "; " between them: what a screen reader speaks.
Phrase captionPhrase(const std::vector<CaptionPart>& parts);
std::string captionText(const std::vector<CaptionPart>& parts);

// 100 figures of people: the first `yours` filled for the person, the first `lowRisk` marked
// for a person of the same age and sex with low-risk answers.
struct FigureArray {
    std::int16_t yours = 0;
    std::int16_t lowRisk = 0;
    std::vector<CaptionPart> caption;
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

// The five activity levels' requirements, in screen order, with the chosen one and the basal
// value they are all worked out from.
struct CalorieBars {
    std::array<std::int16_t, 5> required{};
    modCalorieCalculator::ActivityLevel chosen = modCalorieCalculator::ActivityLevel::Sedentary;
    std::int16_t basal = 0;
    std::vector<CaptionPart> caption;
};

using ResultPictureData = std::variant<FigureArray, ScoreScale, CalorieBars>;

const std::vector<CaptionPart>& captionParts(const ResultPictureData& picture);

// Answers changed to the low-risk ones, one or all together, and what the table then gives.
struct WhatIf {
    std::vector<Phrase> factors; // "smoking", "systolic blood pressure"
    std::int16_t total;          // points or score
    Phrase risk;                 // "16 %", "score 11, High Risk"
    std::int16_t pointsFewer;
    Phrase line; // "If smoking were "No": 16 % (4 points fewer)"
};

// A person of the same age and sex with the low-risk answers, scored by the same tables.
struct LowRiskComparison {
    std::array<std::string_view, 6> answers; // entries of the questions' lists
    std::int16_t total;
    Phrase risk;
    Phrase line;
};

// What a result step adds to the result: how it compares, what would change it, its picture.
// Every number in it comes from the calculator's own scoring.
struct ResultOutlook {
    std::optional<LowRiskComparison> comparison; // heart attack and cholesterol only
    // Each changeable answer that earns more than the low-risk one, in quiz order, then all of
    // them together where there are several.
    std::vector<WhatIf> whatIfs;
    ResultPictureData picture;

    // The comparison, then the what-ifs, as lines of text.
    std::vector<Phrase> lines() const;
};

namespace modHeartAttack {
ResultOutlook heartAttackOutlook(const HeartAttackAnswers& answers);
}

namespace modCholesterolCalculator {
// Throws as ScoreCholesterolRisk does.
ResultOutlook cholesterolOutlook(const CholesterolAnswers& answers);
} // namespace modCholesterolCalculator

namespace modDiabetesRiskCalculator {
// Throws as ScoreDiabetesRisk does.
ResultOutlook diabetesOutlook(const DiabetesAnswers& answers);
} // namespace modDiabetesRiskCalculator

namespace modCalorieCalculator {
// The five levels' requirements as the result's workings have them, in screen order; levelNames
// are the captions of the levels as the window shows them.
using LevelRequirements = std::array<std::int16_t, 5>;
ResultOutlook calorieOutlook(std::int16_t basal, const LevelRequirements& required,
                             ActivityLevel chosen, const LevelNames& levelNames);
} // namespace modCalorieCalculator

} // namespace wellbox
