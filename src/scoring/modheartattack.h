#pragma once

#include "scoring/question.h"
#include "scoring/translatable.h"

#include <array>
#include <string>
#include <string_view>

namespace wellbox::modHeartAttack {

// The six questions in quiz order.
extern const std::array<Question, 6> HeartAttackQuestions;

// The ages the quiz accepts; only they earn age points.
inline constexpr std::int16_t YoungestAge = 30;
inline constexpr std::int16_t OldestAge = 74;

using HeartAttackAnswers = AgeQuizAnswers;

// The score, its risk as the sentence ends ("18 %"), and the sentence made from it, as shown in
// English and as a window translates it.
struct HeartAttackScore : AgeQuizScore {
    std::string sentence;
    Phrase sentencePhrase;
};

// Points of one answer; question is 1..6. Throws std::out_of_range for a bad question or answer.
std::int16_t answerPoints(int question, int answer, Sex sex);

// Points for the age; 0 outside YoungestAge..OldestAge.
std::int16_t agePoints(std::int16_t age, Sex sex);

// The ten-year risk for a point total, as the sentence ends ("18 %"); defined for every total.
std::string riskText(std::int16_t total);
Phrase riskPhrase(std::int16_t total);

// Sum of the six answer points and the age points, with its risk sentence.
HeartAttackScore ScoreHeartAttackRisk(const HeartAttackAnswers& answers);

} // namespace wellbox::modHeartAttack
