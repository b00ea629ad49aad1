#pragma once

#include "quiz/question.h"

#include <array>
#include <cstdint>
#include <string>

namespace wellbox::modCholesterolCalculator {

// The six questions in quiz order; an answer is the zero-based position in its list.
extern const std::array<Question, 6> CholesterolQuestions;

struct CholesterolAnswers {
    std::int16_t age; // 20..79
    std::string sex;  // exactly "Male" selects the men's tables, anything else the women's
    std::array<int, 6> answers;
};

struct CholesterolResult {
    std::int16_t points;
    std::string riskText;
    std::string totalCategory, hdlCategory, ldlCategory;
    std::array<std::string, 4> sentences; // total, HDL, LDL, risk
};

// Throws std::invalid_argument for an age outside 20..79, std::out_of_range for an answer
// outside its list.
CholesterolResult ScoreCholesterolRisk(const CholesterolAnswers& answers);

} // namespace wellbox::modCholesterolCalculator
