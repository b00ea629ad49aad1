#pragma once

#include "scoring/modcaloriecalculator.h"
#include "scoring/modcholesterolcalculator.h"
#include "scoring/moddiabetesriskcalculator.h"
#include "scoring/modheartattack.h"
#include "scoring/resultoutlook.h"

#include <array>
#include <string>
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
    // The total and the row it reads in one line, "Risk table: Total 23 points: 23 %", so that
    // the result can be checked at a glance without the table.
    Phrase reading;
    std::vector<Phrase> resultTexts; // as the window shows them
    std::vector<Phrase> notes;       // the model, the ages taken, what the result is not
    // How the result compares, what would change it and its picture, from the same answers.
    ResultOutlook outlook;
};

namespace modHeartAttack {
ResultReport heartAttackReport(const HeartAttackAnswers& answers, const HeartAttackScore& score);
}

namespace modCholesterolCalculator {
ResultReport cholesterolReport(const CholesterolAnswers& answers, const CholesterolResult& result);
}

namespace modDiabetesRiskCalculator {
// The name takes no part in the score; it is kept as typed.
ResultReport diabetesReport(const std::string& name, const DiabetesAnswers& answers,
                            const DiabetesResult& result);
} // namespace modDiabetesRiskCalculator

namespace modCalorieCalculator {
// The requirement of the level chosen, with every level's beside it.
ResultReport calorieReport(const CalorieEntries& entries, const RequirementWorking& chosen,
                           const LevelNames& levelNames);
} // namespace modCalorieCalculator

} // namespace wellbox
