#include "scoring/resultreport.h"

#include <utility>

namespace wellbox {

namespace {

std::array<Phrase, 3> quizHeadings() {
    return {Phrase(WELLBOX_TEXT("wellbox::Scoring", "Question")),
            Phrase(WELLBOX_TEXT("wellbox::Scoring", "Answer")),
            Phrase(WELLBOX_TEXT("wellbox::Scoring", "Points"))};
}
constexpr std::string_view EstimateNote =
    WELLBOX_TEXT("wellbox::Scoring", "An estimate, not a diagnosis.");
constexpr std::string_view HeartNote =
    WELLBOX_TEXT("wellbox::Scoring", "The score is meant for people without known heart disease.");
constexpr std::string_view AgeLabel = WELLBOX_TEXT("wellbox::Scoring", "Age");
constexpr std::string_view SexLabel = WELLBOX_TEXT("wellbox::Scoring", "Sex");
constexpr std::string_view WeightLabel = WELLBOX_TEXT("wellbox::Scoring", "Weight");
constexpr std::string_view HeightLabel = WELLBOX_TEXT("wellbox::Scoring", "Height");
constexpr std::string_view TotalItem = WELLBOX_TEXT("wellbox::Scoring", "Total");
// What the risk table reads for a total: %1 the total, %2 the risk.
constexpr std::string_view TotalReads = WELLBOX_TEXT("wellbox::Scoring", "Total %1 points: %2");

// Nothing: an empty cell.
Phrase none() {
    return Phrase::value({});
}

Phrase sexText(Sex sex) {
    return Phrase(sexName(sex));
}

Phrase agesNote(int youngest, int oldest) {
    return Phrase(WELLBOX_TEXT("wellbox::Scoring", "This calculator takes ages %1 to %2."),
                  {Phrase::number(youngest), Phrase::number(oldest)});
}

Phrase modelNote(std::string_view model) {
    return Phrase(WELLBOX_TEXT("wellbox::Scoring", "Model: %1, as used by this program."),
                  {Phrase(model)});
}

Phrase answerText(const Question& question, int position) {
    return Phrase(question.answers[static_cast<std::size_t>(position)]);
}

// A row per question, its answer followed by what `remark` says of it: a pattern whose %1 is
// the answer, or nothing.
template <std::size_t N, typename Remark>
void addQuestionRows(ResultReport& report, const std::array<Question, N>& questions,
                     const std::array<int, N>& answers, const std::array<std::int16_t, N>& points,
                     Remark remark) {
    for (std::size_t i = 0; i < N; ++i) {
        Phrase answer = answerText(questions[i], answers[i]);
        if (const std::string_view pattern = remark(i); !pattern.empty())
            answer = Phrase(pattern, {std::move(answer)});
        report.rows.push_back(
            {Phrase(questions[i].text), std::move(answer), Phrase::number(points[i])});
    }
}

std::string_view noRemark(std::size_t) {
    return {};
}

// The total, then the risk table's row it reads, which is where the result comes from.
void addTotalRows(ResultReport& report, const Phrase& totalName, std::int16_t total,
                  const Phrase& tableName, const Phrase& read) {
    report.rows.push_back({totalName, none(), Phrase::number(total)});
    report.resultRow = report.rows.size();
    report.rows.push_back({tableName, read, none()});
    report.reading = Phrase(LabelJoint, {tableName, read});
}

// The age and the sex as the details and the first row of an age quiz show them.
void addAgeAndSex(ResultReport& report, const AgeQuizAnswers& in, std::int16_t points) {
    report.headings = quizHeadings();
    report.details = {{Phrase(AgeLabel), Phrase::number(in.age)},
                      {Phrase(SexLabel), sexText(in.sex)}};
    report.rows.push_back({Phrase(WELLBOX_TEXT("wellbox::Scoring", "Age and sex")),
                           Phrase(ListJoint, {Phrase::number(in.age), sexText(in.sex)}),
                           Phrase::number(points)});
}

} // namespace

namespace modHeartAttack {

ResultReport heartAttackReport(const HeartAttackAnswers& in, const HeartAttackScore& score) {
    ResultReport report;
    addAgeAndSex(report, in, score.agePoints);
    addQuestionRows(report, HeartAttackQuestions, in.answers, score.answerPoints, noRemark);
    addTotalRows(report, Phrase(TotalItem), score.total,
                 Phrase(WELLBOX_TEXT("wellbox::Scoring", "Risk table")),
                 Phrase(TotalReads, {Phrase::number(score.total), score.risk}));
    report.resultTexts = {score.sentencePhrase};
    report.notes = {
        modelNote(WELLBOX_TEXT("wellbox::Scoring", "the Framingham coronary risk point score")),
        agesNote(YoungestAge, OldestAge), Phrase(HeartNote), Phrase(EstimateNote)};
    report.outlook = heartAttackOutlook(in);
    return report;
}

} // namespace modHeartAttack

namespace modCholesterolCalculator {

ResultReport cholesterolReport(const CholesterolAnswers& in, const CholesterolResult& result) {
    ResultReport report;
    addAgeAndSex(report, in, result.agePoints);
    // The medicines answer earns through the blood pressure row, which it picks the column of.
    const auto medicinesRemark = [&in](std::size_t question) -> std::string_view {
        if (question != Medicines)
            return {};
        return in.answers[Medicines] == YesAnswer
                   ? WELLBOX_TEXT("wellbox::Scoring", "%1 (treated column for blood pressure)")
                   : WELLBOX_TEXT("wellbox::Scoring", "%1 (untreated column for blood pressure)");
    };
    addQuestionRows(report, CholesterolQuestions, in.answers, result.answerPoints, medicinesRemark);
    addTotalRows(report, Phrase(TotalItem), result.total,
                 Phrase(in.sex == Sex::Male
                            ? WELLBOX_TEXT("wellbox::Scoring", "Risk table for men")
                            : WELLBOX_TEXT("wellbox::Scoring", "Risk table for women")),
                 Phrase(TotalReads, {Phrase::number(result.total), result.risk}));
    const std::array<std::pair<std::string_view, QuestionIndex>, 3> categories{{
        {WELLBOX_TEXT("wellbox::Scoring", "Total cholesterol sentence"), Total},
        {WELLBOX_TEXT("wellbox::Scoring", "HDL sentence"), Hdl},
        {WELLBOX_TEXT("wellbox::Scoring", "LDL sentence"), Ldl},
    }};
    for (std::size_t i = 0; i < categories.size(); ++i) {
        const auto& [item, question] = categories[i];
        report.rows.push_back(
            {Phrase(item),
             Phrase(LabelJoint, {answerText(CholesterolQuestions[question], in.answers[question]),
                                 result.categories[i]}),
             none()});
    }
    report.resultTexts.assign(result.sentencePhrases.begin(), result.sentencePhrases.end());
    report.notes = {
        modelNote(WELLBOX_TEXT("wellbox::Scoring", "the NCEP ATP III ten-year risk tables")),
        agesNote(YoungestAge, OldestAge), Phrase(HeartNote), Phrase(EstimateNote)};
    report.outlook = cholesterolOutlook(in);
    return report;
}

} // namespace modCholesterolCalculator

namespace modDiabetesRiskCalculator {

ResultReport diabetesReport(const std::string& name, const DiabetesAnswers& in,
                            const DiabetesResult& result) {
    const WeightChartRow& chart = DiabetesWeightChart.at(in.heightRow);
    const Phrase height(chart.height);
    const Phrase weight(WELLBOX_TEXT("wellbox::Scoring", "%1 pounds"),
                        {Phrase::number(in.weightPounds)});
    ResultReport report;
    report.headings = quizHeadings();
    report.details = {{Phrase(WELLBOX_TEXT("wellbox::Scoring", "Name")), Phrase::value(name)},
                      {Phrase(HeightLabel), height},
                      {Phrase(WeightLabel), weight}};
    report.rows.push_back(
        {Phrase(WELLBOX_TEXT("wellbox::Scoring", "Weight for height")),
         Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1, %2 (points from %3 pounds)"),
                {height, weight, Phrase::number(chart.thresholdPounds)}),
         Phrase::number(result.weightPoints)});
    addQuestionRows(report, DiabetesQuestions, in.answers, result.answerPoints, noRemark);
    addTotalRows(report, Phrase(WELLBOX_TEXT("wellbox::Scoring", "Score")), result.score,
                 Phrase(WELLBOX_TEXT("wellbox::Scoring", "Risk band")),
                 Phrase(WELLBOX_TEXT("wellbox::Scoring", "Scores %1"),
                        {Phrase(RiskBands[result.band].scores)}));
    // The band's row does not say the score it is read for.
    report.reading = Phrase(WELLBOX_TEXT("wellbox::Scoring", "Score %1; %2"),
                            {Phrase::number(result.score), report.reading});
    report.resultTexts = {result.scorePhrase, Phrase(RiskBands[result.band].sentence),
                          Phrase(PhysicianNote)};
    report.notes = {
        modelNote(WELLBOX_TEXT("wellbox::Scoring",
                               "the American Diabetes Association's paper risk test")),
        Phrase(WELLBOX_TEXT("wellbox::Scoring",
                            "This test asks no age in years: its first question takes every age.")),
        Phrase(EstimateNote)};
    report.outlook = diabetesOutlook(in);
    return report;
}

} // namespace modDiabetesRiskCalculator

namespace modCalorieCalculator {

ResultReport calorieReport(const CalorieEntries& entries, const RequirementWorking& chosen,
                           const LevelNames& levelNames) {
    const BasalWorking& basal = entries.basal;
    ResultReport report;
    report.headings = {Phrase(WELLBOX_TEXT("wellbox::Scoring", "Step")),
                       Phrase(WELLBOX_TEXT("wellbox::Scoring", "Working")),
                       Phrase(WELLBOX_TEXT("wellbox::Scoring", "Calories"))};
    report.details = {{Phrase(SexLabel), sexText(basal.sex)},
                      {Phrase(AgeLabel), Phrase::value(decimalText(basal.ageYears))},
                      {Phrase(WeightLabel), Phrase::value(entries.weightEntered)},
                      {Phrase(HeightLabel), Phrase::value(entries.heightEntered)},
                      {Phrase(WELLBOX_TEXT("wellbox::Scoring", "Activity")),
                       Phrase::value(levelNames[static_cast<std::size_t>(chosen.level)])}};
    report.rows.push_back(
        {Phrase(basal.sex == Sex::Male ? WELLBOX_TEXT("wellbox::Scoring", "Basal calories, men")
                                       : WELLBOX_TEXT("wellbox::Scoring", "Basal calories, women")),
         basalFormula(basal), Phrase::number(basal.basal)});
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
        Phrase item = Phrase::value(levelNames[i]);
        if (isChosen)
            item = Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1 (chosen)"), {std::move(item)});
        report.rows.push_back({std::move(item), requirementFormula(basal.basal, working),
                               Phrase::number(working.calories)});
    }
    const ReportRow& read = report.rows.at(report.resultRow);
    report.reading = Phrase(LabelJoint, {read.item, read.answer});
    report.outlook = calorieOutlook(basal.basal, required, chosen.level, levelNames);
    report.resultTexts = {
        Phrase(LabelJoint,
               {Phrase(RequirementHeading), Phrase::value(requiredCaloriesText(chosen.calories))})};
    report.notes = {modelNote(WELLBOX_TEXT("wellbox::Scoring", "the Harris-Benedict equations")),
                    agesNote(YoungestAge, OldestAge), Phrase(EstimateNote)};
    return report;
}

} // namespace modCalorieCalculator

} // namespace wellbox
