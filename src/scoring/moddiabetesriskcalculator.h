#pragma once

#include "scoring/question.h"
#include "scoring/resultreport.h"
#include "scoring/translatable.h"
#include "scoring/units.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wellbox::modDiabetesRiskCalculator {

struct WeightChartRow {
    std::string_view height; // feet and inches, "5'4''"
    std::int16_t inches;
    std::int16_t thresholdPounds; // at or above this weight earns the weight points
};

// Height entries in list order with their weight thresholds.
extern const std::array<WeightChartRow, 19> DiabetesWeightChart;

// The five questions in quiz order.
extern const std::array<Question, 5> DiabetesQuestions;

struct RiskBand {
    std::int16_t lowestScore;
    std::string_view name;   // as the sentence says it, "Low Risk"
    std::string_view scores; // "3 to 9"
    std::string_view sentence;
};

// Risk sentence by score: each band holds from its score up to the next band's, the last up to
// HighestScore.
extern const std::array<RiskBand, 3> RiskBands;

// The weight points and the most points of every answer.
extern const std::int16_t HighestScore;

// Shown and kept under the two result sentences, whatever the score.
inline constexpr std::string_view PhysicianNote = WELLBOX_TEXT(
    "wellbox::Scoring", "P. S: Kindly consult your physician before taking any drastic steps.");

// The weight points and each answer's points add up to the score, whose band gives the risk
// sentence.
struct DiabetesResult {
    std::int16_t weightPoints;
    std::array<std::int16_t, 5> answerPoints;
    std::int16_t score;
    std::size_t band; // its risk band in RiskBands
    Phrase scoreSentence;
    Phrase riskSentence;
};

struct DiabetesAnswers {
    std::size_t heightRow;      // index into DiabetesWeightChart
    std::int16_t weight;        // in whole pounds, or whole kilograms where metric
    std::array<int, 5> answers; // each the zero-based position in its question's list
    BodyUnits units = BodyUnits::Imperial;
};

// A weight in pounds, exactly: whole kilograms converted.
double weightInPounds(std::int16_t weight, BodyUnits units);

// 5 at or above the row's threshold, else 0; a weight in kilograms is compared as the same mass
// in pounds. Throws std::out_of_range for a row past the chart.
std::int16_t weightPoints(std::size_t heightRow, std::int16_t weight,
                          BodyUnits units = BodyUnits::Imperial);

// A row's height as the height list shows it: "5'4''", or in whole centimetres, "163 cm".
// Throws std::out_of_range for a row past the chart.
Phrase heightPhrase(std::size_t heightRow, BodyUnits units);
// A weight with its unit, "157 pounds", "72 kg".
Phrase weightPhrase(std::int16_t weight, BodyUnits units);

// The weight points and the points of the five answers, with the score and risk sentences.
// Throws std::out_of_range for a row past the chart or an answer outside its list.
DiabetesResult ScoreDiabetesRisk(const DiabetesAnswers& answers);

// The name takes no part in the score; it is kept as typed.
ResultReport diabetesReport(const std::string& name, const DiabetesAnswers& answers,
                            const DiabetesResult& result);
// Throws as ScoreDiabetesRisk does.
ResultOutlook diabetesOutlook(const DiabetesAnswers& answers);

} // namespace wellbox::modDiabetesRiskCalculator
