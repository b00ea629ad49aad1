#pragma once

#include "scoring/measuredvalue.h"
#include "scoring/sex.h"
#include "scoring/translatable.h"
#include "scoring/units.h"

#include <array>
#include <cstdint>
#include <numeric>
#include <span>
#include <string_view>

namespace wellbox {

// One question of a risk quiz: its text and its pick-only answers, in display order; for a
// question whose answers are measured values, what they stand for.
struct Question {
    std::string_view text;
    std::span<const std::string_view> answers;
    const MeasuredList* measured = nullptr;
};

// The answer at `position` as the question's list shows it in `unit`: the list's own entry, or
// a cholesterol value in mmol/L, its mg/dL entry converted.
Phrase answerPhrase(const Question& question, int position, CholesterolUnit unit);
// The answer with its unit, "140 mm Hg", "4.7 mmol/L"; an answer that is no value as its list
// names it.
Phrase answerWithUnit(const Question& question, int position, CholesterolUnit unit);
// The value named as a result names it, "HDL 47 mg/dL"; an answer that is no value as its list
// names it.
Phrase namedAnswer(const Question& question, int position, CholesterolUnit unit);
// The unit written beside the question's list; none for answers that are no values.
std::string_view answerUnit(const Question& question, CholesterolUnit unit);
// Whether the answer stands for a value not known, "0".
bool notGiven(const Question& question, int position);

// The answer list of every yes-or-no question; "Yes" comes first.
inline constexpr std::array<std::string_view, 2> YesNo{WELLBOX_TEXT("wellbox::Scoring", "Yes"),
                                                       WELLBOX_TEXT("wellbox::Scoring", "No")};
inline constexpr int YesAnswer = 0;
inline constexpr int NoAnswer = 1;

// The position of an entry in an answer list, found while compiling: an entry that the list
// does not hold fails to compile.
template <std::size_t N>
consteval int positionIn(const std::array<std::string_view, N>& answers, std::string_view entry) {
    for (std::size_t i = 0; i < N; ++i)
        if (answers[i] == entry)
            return static_cast<int>(i);
    throw "not an entry of the answer list";
}
static_assert(positionIn(YesNo, "Yes") == YesAnswer && positionIn(YesNo, "No") == NoAnswer);

// What the heart attack and cholesterol quizzes ask: age, sex and six picked answers, each the
// zero-based position in its question's list, in quiz order; and the unit the cholesterol
// values were shown in, which changes no points.
struct AgeQuizAnswers {
    std::int16_t age;
    Sex sex;
    std::array<int, 6> answers;
    CholesterolUnit unit = CholesterolUnit::MgPerDl;
};

// How a risk table's percentage stands for the risk: exactly ("18 %"), or as a bound, fewer
// than ("<1%"), that or more (">=30%"), more than ("over 42 %").
enum class RiskBound { Exactly, FewerThan, OrMore, MoreThan };

// A ten-year risk as a risk table reads it; each calculator writes it its own way.
struct Risk {
    std::int16_t percent;
    RiskBound bound = RiskBound::Exactly;

    bool operator==(const Risk&) const = default;
};

// How an age quiz's total came about: the points of the age and of each answer, their total and
// the risk that the total reads in the risk table for the sex.
struct AgeQuizScore {
    std::int16_t agePoints;
    std::array<std::int16_t, 6> answerPoints;
    std::int16_t total;
    Risk risk;

    // The total of the age points and the answer points, which the points tables keep in range.
    std::int16_t addUp() const {
        return static_cast<std::int16_t>(
            std::accumulate(answerPoints.begin(), answerPoints.end(), int{agePoints}));
    }
};

} // namespace wellbox
