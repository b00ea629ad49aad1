#pragma once

#include "scoring/question.h"
#include "scoring/sex.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace wellbox::modHeartAttack {

// The six questions in quiz order; an answer is the zero-based position in its list.
extern const std::array<Question, 6> HeartAttackQuestions;

// The ages the quiz accepts; only they earn age points.
inline constexpr std::int16_t YoungestAge = 30;
inline constexpr std::int16_t OldestAge = 74;

struct HeartAttackAnswers {
    std::int16_t age;
    Sex sex;
    std::array<int, 6> answers;
};

// How a total came about: the points of the age and of each answer, the total and the risk the
// total reads in the risk table; the sentence is made from them.
struct HeartAttackScore {
    std::int16_t agePoints;
    std::array<std::int16_t, 6> answerPoints;
    std::int16_t total;
    std::string riskText; // "18 %", as the sentence ends
    std::string sentence;
};

// Points of one answer; question is 1..6. Throws std::out_of_range for a bad question or answer.
std::int16_t answerPoints(int question, int answer, Sex sex);

// Points for the age; 0 outside YoungestAge..OldestAge.
std::int16_t agePoints(std::int16_t age, Sex sex);

// The ten-year risk for a point total, as the sentence ends ("18 %"); defined for every total.
std::string riskText(std::int16_t total);

// The ten-year risk sentence for a point total; defined for every total.
std::string riskSentence(std::int16_t total);

// Sum of the six answer points and the age points, with its risk sentence.
HeartAttackScore ScoreHeartAttackRisk(const HeartAttackAnswers& answers);

} // namespace wellbox::modHeartAttack
