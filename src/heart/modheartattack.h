#pragma once

#include "quiz/question.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace wellbox::modHeartAttack {

// The six questions in quiz order; an answer is the zero-based position in its list.
extern const std::array<Question, 6> HeartAttackQuestions;

struct HeartAttackAnswers {
    std::int16_t age;
    std::string sex; // exactly "Male" selects the men's points, anything else the women's
    std::array<int, 6> answers;
};

struct HeartAttackScore {
    std::int16_t total;
    std::string sentence;
};

// Points of one answer; question is 1..6. Throws std::out_of_range for a bad question or answer.
std::int16_t answerPoints(int question, int answer, std::string_view sex);

// Points for the age; 0 outside 30..74.
std::int16_t agePoints(std::int16_t age, std::string_view sex);

// The ten-year risk sentence for a point total; defined for every total.
std::string riskSentence(std::int16_t total);

// Sum of the six answer points and the age points, with its risk sentence.
HeartAttackScore ScoreHeartAttackRisk(const HeartAttackAnswers& answers);

} // namespace wellbox::modHeartAttack
