#pragma once

#include "scoring/question.h"
#include "scoring/resultreport.h"
#include "scoring/translatable.h"

#include <array>
#include <cstdint>

namespace wellbox::modHeartAttack {

// The six questions in quiz order.
extern const std::array<Question, 6> HeartAttackQuestions;

// The ages the quiz accepts; only they earn age points.
inline constexpr std::int16_t YoungestAge = 30;
inline constexpr std::int16_t OldestAge = 74;

using HeartAttackAnswers = AgeQuizAnswers;

// The score, its risk and the sentence made from it.
struct HeartAttackScore : AgeQuizScore {
    Phrase sentence;
};

// Points of one answer; question is 1..6. Throws std::out_of_range for a bad question or answer.
std::int16_t answerPoints(int question, int answer, Sex sex);

// Points for the age; 0 outside YoungestAge..OldestAge.
std::int16_t agePoints(std::int16_t age, Sex sex);

// The ten-year risk for a point total; defined for every total.
Risk tenYearRisk(std::int16_t total);
// The risk as the sentence ends it: "18 %", "over 42 %".
Phrase riskPhrase(const Risk& risk);

// Sum of the six answer points and the age points, with its risk sentence.
HeartAttackScore ScoreHeartAttackRisk(const HeartAttackAnswers& answers);

ResultReport heartAttackReport(const HeartAttackAnswers& answers, const HeartAttackScore& score);
ResultOutlook heartAttackOutlook(const HeartAttackAnswers& answers);

} // namespace wellbox::modHeartAttack
