#pragma once

#include "scoring/question.h"
#include "scoring/resultestimates.h"
#include "scoring/resultoutlook.h"
#include "scoring/translatable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace wellbox {

// One line of how a result was worked out: what was asked, what was answered, what it earned.
struct ReportRow {
    Phrase item;
    Phrase answer;
    Phrase points;
};

struct ReportDetail {
    Phrase label;
    Phrase value;
};

// A result as it can be checked against the published tables and kept: made from the same
// scoring result as the sentences the window shows, so the two never disagree. Every text is a
// phrase, which the window shows in the user's language.
struct ResultReport {
    std::array<Phrase, 3> headings;    // of the row columns
    std::vector<ReportDetail> details; // the personal details as entered
    std::vector<ReportRow> rows;
    std::size_t resultRow = 0; // the row the result is read from: a risk table's, the level chosen
    std::optional<std::size_t> totalRow; // the total that row reads, where it reads one
    // The total and the row it reads in one line, "Risk table: Total 23 points: 23 %", so that
    // the result can be checked at a glance without the table.
    Phrase reading;
    std::vector<Phrase> resultTexts; // as the window shows them
    // What the result's values mean beside it, a line each (a value beyond the range the score
    // was made for, a value not given, a category word that reads the wrong way): shown after
    // the reading, kept after the result texts.
    std::vector<Phrase> remarks;
    // The risk's band, "23 %: high risk (over 20 in 100)" (heart attack and cholesterol only).
    std::optional<Phrase> band;
    // What other equations and tables give for the same entries, after the remarks.
    ResultEstimates estimates;
    std::vector<Phrase> notes; // the model, the ages taken, what the result is not
    // How the result compares, what would change it and its picture, from the same answers.
    ResultOutlook outlook;
};

// The parts that the calculators' reports and outlooks share, for their own files.
namespace report {

inline constexpr std::string_view AgeLabel = WELLBOX_TEXT("wellbox::Scoring", "Age");
inline constexpr std::string_view SexLabel = WELLBOX_TEXT("wellbox::Scoring", "Sex");
inline constexpr std::string_view WeightLabel = WELLBOX_TEXT("wellbox::Scoring", "Weight");
inline constexpr std::string_view HeightLabel = WELLBOX_TEXT("wellbox::Scoring", "Height");
inline constexpr std::string_view TotalItem = WELLBOX_TEXT("wellbox::Scoring", "Total");
inline constexpr std::string_view EstimateNote =
    WELLBOX_TEXT("wellbox::Scoring", "An estimate, not a diagnosis.");
inline constexpr std::string_view HeartNote =
    WELLBOX_TEXT("wellbox::Scoring", "The score is meant for people without known heart disease.");

// Nothing: an empty cell.
inline Phrase none() {
    return Phrase::value({});
}

std::array<Phrase, 3> quizHeadings();
Phrase agesNote(int youngest, int oldest);
Phrase modelNote(std::string_view model);
// How the mmol/L entries were made from the mg/dL ones, for a result shown in mmol/L.
Phrase mmolNote();
// "1 point", "10 points".
Phrase pointsPhrase(int points);
// The items one after another, "and" before the last: "a, b and c".
Phrase listedPhrase(const std::vector<Phrase>& items);
// What a risk table reads for a total: "Total 20 points: 18 %".
Phrase totalReads(std::int16_t total, Phrase risk);
// An answer in a row of the workings: with its unit, or said to be not given.
Phrase rowAnswer(const Question& question, int position, CholesterolUnit unit);

// A row per question with its answer (see rowAnswer()), as `remark` may have it instead.
template <std::size_t N>
void addQuestionRows(ResultReport& report, const std::array<Question, N>& questions,
                     const std::array<int, N>& answers, const std::array<std::int16_t, N>& points,
                     CholesterolUnit unit = CholesterolUnit::MgPerDl,
                     const std::function<Phrase(std::size_t, Phrase)>& remark = {}) {
    for (std::size_t i = 0; i < N; ++i) {
        Phrase answer = rowAnswer(questions[i], answers[i], unit);
        if (remark)
            answer = remark(i, std::move(answer));
        report.rows.push_back(
            {Phrase(questions[i].text), std::move(answer), Phrase::number(points[i])});
    }
}

// The total, then the risk table's row it reads, which is where the result comes from.
void addTotalRows(ResultReport& report, const Phrase& totalName, std::int16_t total,
                  const Phrase& tableName, const Phrase& read);
// The age and the sex as the details and the first row of an age quiz show them.
void addAgeAndSex(ResultReport& report, const AgeQuizAnswers& answers, std::int16_t points);

// "If smoking were "No": 16 % (4 points fewer)", and the line for several together.
Phrase quoted(std::string_view answer);
Phrase whatIfLine(std::string_view factor, Phrase answer, Phrase risk, int fewer);
Phrase togetherLine(std::size_t count, Phrase risk, int fewer);

// An age quiz's answer that gives a person of the same age and sex the low risk: the positions
// in the question's list for a man and a woman, and the factor it names where changing it is a
// lever (empty where it is not).
struct LowRiskAnswer {
    int men;
    int women;
    std::string_view factor;
};

// A person of the same age and sex with the low-risk answers, and the words that describe them
// to a man and to a woman: %1 the age, then each measured value with its unit, in quiz order
// ("A man of %1 who does not smoke, ... has systolic blood pressure %2, ...").
struct LowRiskPerson {
    std::array<LowRiskAnswer, 6> answers;
    std::string_view man;
    std::string_view woman;
};

// The most levers whose line for all of them together has words.
inline constexpr std::size_t MostLevers = 4;

// Whether a pattern has exactly the placeholders %1 to %count.
constexpr bool holdsPlaceholders(std::string_view pattern, int count) {
    for (int n = 1; n <= 9; ++n) {
        const char placeholder[] = {'%', static_cast<char>('0' + n), '\0'};
        if ((pattern.find(placeholder) != std::string_view::npos) != (n <= count))
            return false;
    }
    return true;
}

// Whether every low-risk answer lies in its question's list, the levers are not too many and
// the words have a place for the age and each measured value.
constexpr bool fitsItsQuestions(const LowRiskPerson& lowRisk,
                                const std::array<Question, 6>& questions) {
    std::size_t levers = 0;
    int values = 0;
    for (std::size_t q = 0; q < questions.size(); ++q) {
        const LowRiskAnswer& answer = lowRisk.answers[q];
        levers += answer.factor.empty() ? 0 : 1;
        values += questions[q].measured ? 1 : 0;
        for (const int position : {answer.men, answer.women})
            if (position < 0 || static_cast<std::size_t>(position) >= questions[q].answers.size())
                return false;
    }
    return levers <= MostLevers && holdsPlaceholders(lowRisk.man, values + 1) &&
           holdsPlaceholders(lowRisk.woman, values + 1);
}

// How an age quiz calculator scores answers, and writes the risk its table reads.
struct AgeQuizScoring {
    std::function<AgeQuizScore(const AgeQuizAnswers&)> score;
    Phrase (*risk)(const Risk&);
};

// The comparison, the what-ifs and the figures of an age quiz, read with its own scoring.
// A value not given makes no line of what would change the result.
ResultOutlook ageQuizOutlook(const AgeQuizAnswers& answers,
                             const std::array<Question, 6>& questions, const LowRiskPerson& lowRisk,
                             const AgeQuizScoring& scoring);

} // namespace report

} // namespace wellbox
