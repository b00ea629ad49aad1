#pragma once

#include "scoring/sex.h"
#include "scoring/translatable.h"

#include <array>
#include <cstdint>
#include <numeric>
#include <span>
#include <string>
#include <string_view>

namespace wellbox {

// One question of a risk quiz: its text and its pick-only answers, in display order.
struct Question {
    std::string_view text;
    std::span<const std::string_view> answers;
};

// The answer list of every yes-or-no question; "Yes" comes first.
inline constexpr std::array<std::string_view, 2> YesNo{WELLBOX_TEXT("wellbox::Scoring", "Yes"),
                                                       WELLBOX_TEXT("wellbox::Scoring", "No")};
inline constexpr int YesAnswer = 0;
inline constexpr int NoAnswer = 1;

// What the heart attack and cholesterol quizzes ask: age, sex and six picked answers, each the
// zero-based position in its question's list, in quiz order.
struct AgeQuizAnswers {
    std::int16_t age;
    Sex sex;
    std::array<int, 6> answers;
};

// How an age quiz's total came about: the points of the age and of each answer, their total and
// the risk that the total reads in the risk table for the sex, in English and as it is shown.
struct AgeQuizScore {
    std::int16_t agePoints;
    std::array<std::int16_t, 6> answerPoints;
    std::int16_t total;
    std::string riskText;
    Phrase risk;

    // The total of the age points and the answer points, which the points tables keep in range.
    std::int16_t addUp() const {
        return static_cast<std::int16_t>(
            std::accumulate(answerPoints.begin(), answerPoints.end(), int{agePoints}));
    }
};

} // namespace wellbox
