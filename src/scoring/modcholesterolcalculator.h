#pragma once

#include "scoring/question.h"
#include "scoring/resultreport.h"
#include "scoring/translatable.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace wellbox::modCholesterolCalculator {

// The six questions in quiz order.
extern const std::array<Question, 6> CholesterolQuestions;

// Where each question stands in CholesterolQuestions, and so in the answers.
enum QuestionIndex : std::size_t { Total, Hdl, Ldl, Systolic, Medicines, Smoking };

// The ages the tables cover and the quiz accepts.
inline constexpr std::int16_t YoungestAge = 20;
inline constexpr std::int16_t OldestAge = 79;

using CholesterolAnswers = AgeQuizAnswers;

// The score (the LDL answer earns no points), the category of each cholesterol answer and the
// sentences made from them and the risk.
struct CholesterolResult : AgeQuizScore {
    std::array<Phrase, 3> categories; // total, HDL, LDL
    std::array<Phrase, 4> sentences;  // total, HDL, LDL, risk
};

// The risk as the sentence ends it: "<1%", "14%", ">=30%".
Phrase riskPhrase(const Risk& risk);

// Throws std::invalid_argument for an age outside YoungestAge..OldestAge, std::out_of_range for an
// answer outside its list.
CholesterolResult ScoreCholesterolRisk(const CholesterolAnswers& answers);

ResultReport cholesterolReport(const CholesterolAnswers& answers, const CholesterolResult& result);
// Throws as ScoreCholesterolRisk does.
ResultOutlook cholesterolOutlook(const CholesterolAnswers& answers);

} // namespace wellbox::modCholesterolCalculator
