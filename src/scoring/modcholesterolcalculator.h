#pragma once

#include "scoring/question.h"
#include "scoring/translatable.h"

#include <array>
#include <string>

namespace wellbox::modCholesterolCalculator {

// The six questions in quiz order.
extern const std::array<Question, 6> CholesterolQuestions;

// Where each question stands in CholesterolQuestions, and so in the answers.
enum QuestionIndex : std::size_t { Total, Hdl, Ldl, Systolic, Medicines, Smoking };

// The ages the tables cover and the quiz accepts.
inline constexpr std::int16_t YoungestAge = 20;
inline constexpr std::int16_t OldestAge = 79;

using CholesterolAnswers = AgeQuizAnswers;

// The score (the LDL answer earns no points) and the sentences made from it and the categories,
// as shown in English and as a window translates them.
struct CholesterolResult : AgeQuizScore {
    std::string totalCategory, hdlCategory, ldlCategory;
    std::array<Phrase, 3> categories;     // total, HDL, LDL, as a window translates them
    std::array<std::string, 4> sentences; // total, HDL, LDL, risk
    std::array<Phrase, 4> sentencePhrases;
};

// Throws std::invalid_argument for an age outside YoungestAge..OldestAge, std::out_of_range for an
// answer outside its list.
CholesterolResult ScoreCholesterolRisk(const CholesterolAnswers& answers);

} // namespace wellbox::modCholesterolCalculator
