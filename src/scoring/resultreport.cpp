#include "scoring/resultreport.h"

#include <tuple>

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

// A row per question, its answer followed by what `remark` says of it, if anything.
template <std::size_t N, typename Remark>
void addQuestionRows(ResultReport& report, const std::array<Question, N>& questions,
                     const std::array<int, N>& answers, const std::array<std::int16_t, N>& points,
                     Remark remark) {
    for (std::size_t i = 0; i < N; ++i)
        report.rows.push_back({std::string(questions[i].text),
                               answerText(questions[i], answers[i]) + remark(i),
                               std::to_string(points[i])});
}

std::string noRemark(std::size_t) {
    return {};
}

// The total, then the risk table's row it reads, which is where the result comes from.
void addTotalRows(ResultReport& report, const std::string& totalName, std::int16_t total,
                  const std::string& tableName, const std::string& read) {
    report.rows.push_back({totalName, "", std::to_string(total)});
    report.resultRow = report.rows.size();
    report.rows.push_back({tableName, read, ""});
    report.reading = tableName + ": " + read;
}

} // namespace

namespace modHeartAttack {

ResultReport heartAttackReport(const HeartAttackAnswers& in, const HeartAttackScore& score) {
    ResultReport report;
    report.headings = quizHeadings();
    report.details = {{"Age", std::to_string(in.age)}, {"Sex", sexText(in.sex)}};
    report.rows.push_back({"Age and sex", std::to_string(in.age) + ", " + sexText(in.sex),
                           std::to_string(score.agePoints)});
    addQuestionRows(report, HeartAttackQuestions, in.answers, score.answerPoints, noRemark);
    addTotalRows(report, "Total", score.total, "Risk table",
                 "Total " + std::to_string(score.total) + " points: " + score.riskText);
    report.resultTexts = {score.sentence};
    report.notes = {modelNote("the Framingham coronary risk point score"),
                    agesNote(YoungestAge, OldestAge), std::string(HeartNote),
                    std::string(EstimateNote)};
    report.outlook = heartAttackOutlook(in);
    return report;
}

} // namespace modHeartAttack

namespace modCholesterolCalculator {

ResultReport cholesterolReport(const CholesterolAnswers& in, const CholesterolResult& result) {
    ResultReport report;
    report.headings = quizHeadings();
    report.details = {{"Age", std::to_string(in.age)}, {"Sex", sexText(in.sex)}};
    report.rows.push_back({"Age and sex", std::to_string(in.age) + ", " + sexText(in.sex),
                           std::to_string(result.agePoints)});
    // The medicines answer earns through the blood pressure row, which it picks the column of.
    const auto medicinesRemark = [&in](std::size_t question) -> std::string {
        if (question != Medicines)
            return {};
        return in.answers[Medicines] == YesAnswer ? " (treated column for blood pressure)"
                                                  : " (untreated column for blood pressure)";
    };
    addQuestionRows(report, CholesterolQuestions, in.answers, result.answerPoints, medicinesRemark);
    addTotalRows(report, "Total", result.total,
                 "Risk table for " + std::string(in.sex == Sex::Male ? "men" : "women"),
                 "Total " + std::to_string(result.total) + " points: " + result.riskText);
    const std::array<std::tuple<std::string, QuestionIndex, std::string>, 3> categories{{
        {"Total cholesterol sentence", Total, result.totalCategory},
        {"HDL sentence", Hdl, result.hdlCategory},
        {"LDL sentence", Ldl, result.ldlCategory},
    }};
    for (const auto& [item, question, category] : categories)
        report.rows.push_back(
            {item,
             answerText(CholesterolQuestions[question], in.answers[question]) + ": " + category,
             ""});
    report.resultTexts.assign(result.sentences.begin(), result.sentences.end());
    report.notes = {modelNote("the NCEP ATP III ten-year risk tables"),
                    agesNote(YoungestAge, OldestAge), std::string(HeartNote),
                    std::string(EstimateNote)};
    report.outlook = cholesterolOutlook(in);
    return report;
}

} // namespace modCholesterolCalculator

namespace modDiabetesRiskCalculator {

ResultReport diabetesReport(const std::string& name, const DiabetesAnswers& in,
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
    addQuestionRows(report, DiabetesQuestions, in.answers, result.answerPoints, noRemark);
    addTotalRows(report, "Score", result.score, "Risk band",
                 "Scores " + std::string(RiskBands[result.band].scores));
    // The band's row does not say the score it is read for.
    report.reading = "Score " + std::to_string(result.score) + "; " + report.reading;
    report.resultTexts = {result.scoreSentence, result.riskSentence, std::string(PhysicianNote)};
    report.notes = {modelNote("the American Diabetes Association's paper risk test"),
                    "This test asks no age in years: its first question takes every age.",
                    std::string(EstimateNote)};
    report.outlook = diabetesOutlook(in);
    return report;
}

} // namespace modDiabetesRiskCalculator

namespace modCalorieCalculator {

ResultReport calorieReport(const CalorieEntries& entries, const RequirementWorking& chosen,
                           const LevelNames& levelNames) {
    const BasalWorking& basal = entries.basal;
    ResultReport report;
    report.headings = {"Step", "Working", "Calories"};
    report.details = {{"Sex", sexText(basal.sex)},
                      {"Age", decimalText(basal.ageYears)},
                      {"Weight", entries.weightEntered},
                      {"Height", entries.heightEntered},
                      {"Activity", levelNames[static_cast<std::size_t>(chosen.level)]}};
    report.rows.push_back({basal.sex == Sex::Male ? "Basal calories, men" : "Basal calories, women",
                           basalFormula(basal), std::to_string(basal.basal)});
    // Each level worked out once, for its row and its bar.
    LevelRequirements required{};
    for (std::size_t i = 0; i < levelNames.size(); ++i) {
        const auto level = static_cast<ActivityLevel>(i);
        const bool isChosen = level == chosen.level;
        const RequirementWorking working =
            isChosen ? chosen : ComputeRequiredCalories(basal.basal, level);
        required.at(i) = working.calories;
        if (isChosen)
            report.resultRow = report.rows.size();
        report.rows.push_back({levelNames[i] + (isChosen ? " (chosen)" : ""),
                               requirementFormula(basal.basal, working),
                               std::to_string(working.calories)});
    }
    const ReportRow& read = report.rows.at(report.resultRow);
    report.reading = read.item + ": " + read.answer;
    report.outlook = calorieOutlook(basal.basal, required, chosen.level, levelNames);
    report.resultTexts = {std::string(RequirementHeading) + ": " +
                          requiredCaloriesText(chosen.calories)};
    report.notes = {modelNote("the Harris-Benedict equations"), agesNote(YoungestAge, OldestAge),
                    std::string(EstimateNote)};
    return report;
}

} // namespace modCalorieCalculator

} // namespace wellbox
