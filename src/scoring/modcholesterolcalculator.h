#pragma once

#include "scoring/question.h"
#include "scoring/sex.h"

#include <array>
#include <cstdint>
#include <string>

namespace wellbox::modCholesterolCalculator {

// The six questions in quiz order; an answer is the zero-based position in its list.
extern const std::array<Question, 6> CholesterolQuestions;

// The ages the tables cover and the quiz accepts.
inline constexpr std::int16_t YoungestAge = 20;
inline constexpr std::int16_t OldestAge = 79;

struct CholesterolAnswers {
    std::int16_t age; // YoungestAge..OldestAge
    Sex sex;
    std::array<int, 6> answers;
};

// The points of the age and of each answer (the LDL answer earns none) add up to the total,
// which reads the risk in the table for the sex; the sentences are made from these.
struct CholesterolResult {
    std::int16_t agePoints;
    std::array<std::int16_t, 6> answerPoints;
    std::int16_t points;
    std::string riskText;
    std::string totalCategory, hdlCategory, ldlCategory;
    std::array<std::string, 4> sentences; // total, HDL, LDL, risk
};

// Throws std::invalid_argument for an age outside YoungestAge..OldestAge, std::out_of_range for an
// answer outside its list.
CholesterolResult ScoreCholesterolRisk(const CholesterolAnswers& answers);

} // namespace wellbox::modCholesterolCalculator
