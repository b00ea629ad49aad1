#include "scoring/resultreport.h"

namespace wellbox {

namespace {

std::array<std::string, 3> quizHeadings() {
    return {"Question", "Answer", "Points"};
}
constexpr std::string_view EstimateNote = "An estimate, not a diagnosis.";
constexpr std::string_view HeartNote = "The score is meant for people without known heart disease.";

std::string sexText(Sex sex) {
    return sex == Sex::Male ? "Male" : "Female";
}

std::string agesNote(int youngest, int oldest) {
    return "This calculator takes ages " + std::to_string(youngest) + " to " +
           std::to_string(oldest) + ".";
}

std::string modelNote(std::string_view model) {
    return "Model: " + std::string(model) + ", as used by this program.";
}

std::string answerText(const Question& question, int position) {
    return std::string(question.answers[static_cast<std::size_t>(position)]);
}

template <std::size_t N>
void addQuestionRows(ResultReport& report, const std::array<Question, N>& questions,
                     const std::array<int, N>& answers, const std::array<std::int16_t, N>& points) {
    for (std::size_t i = 0; i < N; ++i)
        report.rows.push_back({std::string(questions[i].text), answerText(questions[i], answers[i]),
                               std::to_string(points[i])});
}

} // namespace

namespace modHeartAttack {

ResultReport HeartAttackReport(const HeartAttackAnswers& in, const HeartAttackScore& score) {
    ResultReport report;
    report.headings = quizHeadings();
    report.details = {{"Age", std::to_string(in.age)}, {"Sex", sexText(in.sex)}};
    report.rows.push_back({"Age and sex", std::to_string(in.age) + ", " + sexText(in.sex),
                           std::to_string(score.agePoints)});
    addQuestionRows(report, HeartAttackQuestions, in.answers, score.answerPoints);
    report.rows.push_back({"Total", "", std::to_string(score.total)});
    report.rows.push_back(
        {"Risk table", "Total " + std::to_string(score.total) + " points: " + score.riskText, ""});
    report.resultTexts = {score.sentence};
    report.notes = {modelNote("the Framingham coronary risk point score"),
                    agesNote(YoungestAge, OldestAge), std::string(HeartNote),
                    std::string(EstimateNote)};
    return report;
}

} // namespace modHeartAttack

namespace modCholesterolCalculator {

ResultReport CholesterolReport(const CholesterolAnswers& in, const CholesterolResult& result) {
    ResultReport report;
    report.headings = quizHeadings();
    report.details = {{"Age", std::to_string(in.age)}, {"Sex", sexText(in.sex)}};
    report.rows.push_back({"Age and sex", std::to_string(in.age) + ", " + sexText(in.sex),
                           std::to_string(result.agePoints)});
    addQuestionRows(report, CholesterolQuestions, in.answers, result.answerPoints);
    // The medicines answer earns through the blood pressure row, which it picks the column of.
    report.rows[5].answer += in.answers[4] == 0 ? " (treated column for blood pressure)"
                                                : " (untreated column for blood pressure)";
    report.rows.push_back({"Total", "", std::to_string(result.total)});
    report.rows.push_back({"Risk table for " + std::string(in.sex == Sex::Male ? "men" : "women"),
                           "Total " + std::to_string(result.total) + " points: " + result.riskText,
                           ""});
    const std::array<std::pair<std::string, std::string>, 3> categories{{
        {"Total cholesterol sentence", result.totalCategory},
        {"HDL sentence", result.hdlCategory},
        {"LDL sentence", result.ldlCategory},
    }};
    for (std::size_t i = 0; i < categories.size(); ++i)
        report.rows.push_back(
            {categories[i].first,
             answerText(CholesterolQuestions[i], in.answers[i]) + ": " + categories[i].second, ""});
    report.resultTexts.assign(result.sentences.begin(), result.sentences.end());
    report.notes = {modelNote("the NCEP ATP III ten-year risk tables"),
                    agesNote(YoungestAge, OldestAge), std::string(HeartNote),
                    std::string(EstimateNote)};
    return report;
}

} // namespace modCholesterolCalculator

namespace modDiabetesRiskCalculator {

ResultReport DiabetesReport(const std::string& name, const DiabetesAnswers& in,
                            const DiabetesResult& result) {
    const WeightChartRow& chart = DiabetesWeightChart.at(in.heightRow);
    const std::string height(chart.height), weight = std::to_string(in.weightPounds) + " pounds";
    ResultReport report;
    report.headings = quizHeadings();
    report.details = {{"Name", name}, {"Height", height}, {"Weight", weight}};
    report.rows.push_back({"Weight for height",
                           height + ", " + weight + " (points from " +
                               std::to_string(chart.thresholdPounds) + " pounds)",
                           std::to_string(result.weightPoints)});
    for (std::size_t i = 0; i < DiabetesQuestions.size(); ++i)
        report.rows.push_back({std::string(DiabetesQuestions[i].text), in.answers[i],
                               std::to_string(result.answerPoints[i])});
    report.rows.push_back({"Score", "", std::to_string(result.score)});
    report.rows.push_back({"Risk band", "Scores " + result.band, ""});
    report.resultTexts = {result.scoreSentence, result.riskSentence};
    report.notes = {modelNote("the American Diabetes Association's paper risk test"),
                    "This test asks no age in years: its first question takes every age.",
                    std::string(EstimateNote)};
    return report;
}

} // namespace modDiabetesRiskCalculator

namespace modCalorieCalculator {

ResultReport CalorieReport(const BasalWorking& basal, const CalorieChoice& choice) {
    ResultReport report;
    report.headings = {"Step", "Working", "Calories"};
    const std::string chosenName = choice.levelNames[static_cast<std::size_t>(choice.chosen)];
    report.details = {{"Sex", sexText(basal.sex)},
                      {"Age", decimalText(basal.ageYears)},
                      {"Weight", choice.weightEntered},
                      {"Height", choice.heightEntered},
                      {"Activity", chosenName}};
    report.rows.push_back({basal.sex == Sex::Male ? "Basal calories, men" : "Basal calories, women",
                           basalFormula(basal), std::to_string(basal.basal)});
    for (std::size_t i = 0; i < choice.levelNames.size(); ++i) {
        const auto level = static_cast<ActivityLevel>(i);
        const RequirementWorking working = WorkRequiredCalories(basal.basal, level);
        report.rows.push_back({choice.levelNames[i] + (level == choice.chosen ? " (chosen)" : ""),
                               requirementFormula(basal.basal, working),
                               std::to_string(working.calories)});
    }
    report.resultTexts = {
        requiredCaloriesText(WorkRequiredCalories(basal.basal, choice.chosen).calories)};
    report.notes = {modelNote("the Harris-Benedict equations"),
                    agesNote(choice.youngestAge, choice.oldestAge), std::string(EstimateNote)};
    return report;
}

} // namespace modCalorieCalculator

} // namespace wellbox
