#include "scoring/modheartattack.h"

#include "scoring/riskband.h"

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace wellbox::modHeartAttack {

namespace {

constexpr std::array<std::string_view, 11> SystolicAnswers{"0",   "98",  "105", "113", "121", "130",
                                                           "140", "150", "161", "173", "186"};
constexpr std::array<std::string_view, 12> CholesterolAnswers{
    "0", "139", "152", "167", "183", "200", "220", "240", "263", "289", "316", "331"};
constexpr std::array<std::string_view, 16> HdlAnswers{
    "0", "25", "27", "30", "33", "36", "39", "43", "47", "51", "58", "61", "67", "74", "81", "88"};

constexpr auto SystolicEntries = measuredEntries(SystolicAnswers);
constexpr auto CholesterolEntries = measuredEntries(CholesterolAnswers);
constexpr auto HdlEntries = measuredEntries(HdlAnswers);
constexpr MeasuredList SystolicList{units::Measure::BloodPressure, SystolicEntries, 0,
                                    WELLBOX_TEXT("wellbox::Scoring", "systolic blood pressure %1")};
constexpr MeasuredList CholesterolList{units::Measure::Cholesterol, CholesterolEntries, 1,
                                       WELLBOX_TEXT("wellbox::Scoring", "total cholesterol %1")};
constexpr MeasuredList HdlList{units::Measure::Cholesterol, HdlEntries, 2,
                               WELLBOX_TEXT("wellbox::Scoring", "HDL %1")};

// Where each question stands in HeartAttackQuestions, and so in the answers.
enum QuestionIndex : std::size_t { Smoker, Diabetic, Systolic, Total, Hdl, Hypertrophy };

// Points per answer position, one row per question.
constexpr std::array<std::int16_t, 2> SmokerPoints{4, 0};
constexpr std::array<std::int16_t, 2> DiabeticMenPoints{3, 0};
constexpr std::array<std::int16_t, 2> DiabeticWomenPoints{6, 0};
// The published score has 6 for "173"; these values are the ones in use. A value not given,
// "0", earns the reference range's 0 points; the last entries lie above the score's top range
// and earn its points (AboveTheRanges).
constexpr std::array<std::int16_t, 11> SystolicPoints{0, -2, -1, 0, 1, 2, 3, 4, 5, 8, 8};
constexpr std::array<std::int16_t, 12> CholesterolPoints{0, -3, -2, -1, 0, 1, 2, 3, 4, 5, 6, 6};
constexpr std::array<std::int16_t, 16> HdlPoints{0, 7,  6,  5,  4,  3,  2,  1,
                                                 0, -1, -2, -3, -4, -5, -6, -7};
constexpr std::array<std::int16_t, 2> HypertrophyPoints{9, 0};

struct QuestionPoints {
    std::span<const std::int16_t> men;
    std::span<const std::int16_t> women;
};

// Point rows by question; only the diabetes question depends on sex.
constexpr std::array<QuestionPoints, 6> PointsByQuestion{{
    {SmokerPoints, SmokerPoints},
    {DiabeticMenPoints, DiabeticWomenPoints},
    {SystolicPoints, SystolicPoints},
    {CholesterolPoints, CholesterolPoints},
    {HdlPoints, HdlPoints},
    {HypertrophyPoints, HypertrophyPoints},
}};

struct AgeRow {
    std::int16_t men;
    std::int16_t women;
};

// Age points for each year from YoungestAge to OldestAge.
constexpr std::array<AgeRow, 45> AgePoints{{
    {-2, -12}, {-1, -11}, {0, -9},  {0, -8},  {1, -6},  {2, -5},  {2, -4},  {3, -3},  {3, -2},
    {4, -1},   {5, 0},    {5, 1},   {6, 2},   {6, 2},   {7, 3},   {7, 4},   {8, 4},   {8, 5},
    {9, 5},    {9, 6},    {10, 6},  {10, 7},  {11, 7},  {11, 8},  {11, 8},  {12, 8},  {12, 9},
    {13, 9},   {13, 9},   {13, 9},  {14, 9},  {14, 10}, {15, 10}, {15, 10}, {15, 10}, {16, 10},
    {16, 10},  {16, 10},  {17, 11}, {17, 11}, {17, 11}, {18, 11}, {18, 11}, {18, 11}, {19, 11},
}};

struct RiskRow {
    std::int16_t total;
    std::int16_t percent;
};

// Ten-year risk by total. The published table skips a total of 22; its row here says 21 %,
// between the risks of its neighbours.
constexpr std::array<RiskRow, 31> RiskTable{{
    {2, 2},   {3, 2},   {4, 2},   {5, 3},   {6, 3},   {7, 4},   {8, 4},   {9, 5},
    {10, 6},  {11, 6},  {12, 7},  {13, 8},  {14, 9},  {15, 10}, {16, 12}, {17, 13},
    {18, 14}, {19, 16}, {20, 18}, {21, 19}, {22, 21}, {23, 23}, {24, 26}, {25, 27},
    {26, 29}, {27, 31}, {28, 33}, {29, 36}, {30, 38}, {31, 40}, {32, 42},
}};

constexpr std::string_view RiskSentence = WELLBOX_TEXT(
    "wellbox::Scoring", "Your Risk of Suffering from A Heart Attack in the Next 10 Years is %1");
// Below the table the risk is its lowest percentage, above it more than its highest.
constexpr std::int16_t LowestPercent = 1;

// The last entries stand for that value or more, above the range the score was made for: they
// are scored as the top range, and the result says so.
struct AboveTheRange {
    QuestionIndex question;
    int entry;
    int scoredAs;
    std::span<const std::int16_t> points;
};
constexpr std::array<AboveTheRange, 2> AboveTheRanges{{
    {Systolic, positionIn(SystolicAnswers, "186"), positionIn(SystolicAnswers, "173"),
     SystolicPoints},
    {Total, positionIn(CholesterolAnswers, "331"), positionIn(CholesterolAnswers, "316"),
     CholesterolPoints},
}};
static_assert(std::ranges::all_of(AboveTheRanges, [](const AboveTheRange& above) {
    return above.points[static_cast<std::size_t>(above.entry)] ==
           above.points[static_cast<std::size_t>(above.scoredAs)];
}));

// A value not given earns the points of the score's reference range, the one that earns none.
struct Reference {
    QuestionIndex question;
    int entry;
    std::span<const std::int16_t> points;
};
constexpr std::array<Reference, 3> References{{
    {Systolic, positionIn(SystolicAnswers, "113"), SystolicPoints},
    {Total, positionIn(CholesterolAnswers, "183"), CholesterolPoints},
    {Hdl, positionIn(HdlAnswers, "47"), HdlPoints},
}};
static_assert(std::ranges::all_of(References, [](const Reference& reference) {
    return reference.points[static_cast<std::size_t>(reference.entry)] == 0 &&
           reference.points[0] == 0;
}));

constexpr bool rowsMatchAnswers() {
    const std::array<std::size_t, 6> answerCounts{YesNo.size(),           YesNo.size(),
                                                  SystolicAnswers.size(), CholesterolAnswers.size(),
                                                  HdlAnswers.size(),      YesNo.size()};
    for (std::size_t i = 0; i < answerCounts.size(); ++i) {
        if (PointsByQuestion[i].men.size() != answerCounts[i] ||
            PointsByQuestion[i].women.size() != answerCounts[i])
            return false;
    }
    return true;
}
static_assert(rowsMatchAnswers());
static_assert(YoungestAge + AgePoints.size() - 1 == OldestAge);
// As in the published table, age points never fall with age and rise by at most 2 a year, a
// man's by at most 1: a cell changed inside a run of equal points breaks the build.
static_assert(std::ranges::adjacent_find(AgePoints, [](const AgeRow& a, const AgeRow& b) {
                  return b.men < a.men || b.men > a.men + 1 || b.women < a.women ||
                         b.women > a.women + 2;
              }) == AgePoints.end());
// Every total from the first row to the last has exactly one row, and risk never falls.
static_assert(std::ranges::adjacent_find(RiskTable, [](const RiskRow& a, const RiskRow& b) {
                  return b.total != a.total + 1 || b.percent < a.percent;
              }) == RiskTable.end());
static_assert(RiskTable.front().percent >= LowestPercent);

} // namespace

constexpr std::array<Question, 6> HeartAttackQuestions{{
    {WELLBOX_TEXT("wellbox::Scoring", "1. Are you a smoker?"), YesNo},
    {WELLBOX_TEXT("wellbox::Scoring", "2. Are you a diabetic?"), YesNo},
    {WELLBOX_TEXT("wellbox::Scoring", "3. What is your systolic blood pressure?"), SystolicAnswers,
     &SystolicList},
    {WELLBOX_TEXT("wellbox::Scoring", "4. What is your total Cholesterol value?"),
     CholesterolAnswers, &CholesterolList},
    {WELLBOX_TEXT("wellbox::Scoring",
                  "5. What is your HDL Cholesterol (High Density Lipoprotein) value?"),
     HdlAnswers, &HdlList},
    {WELLBOX_TEXT("wellbox::Scoring",
                  "6. Does your doctor think that you suffer from left ventricular hypertrophy?"),
     YesNo},
}};

// The answers of a person with low-risk values (no smoking, no diabetes, systolic under 120,
// total cholesterol 160-199, HDL at least 45 for men and 55 for women), by question. Diabetes
// and hypertrophy are no levers.
constexpr report::LowRiskPerson LowRisk{
    {{
        {.men = NoAnswer, .women = NoAnswer, .factor = WELLBOX_TEXT("wellbox::Scoring", "smoking")},
        {.men = NoAnswer, .women = NoAnswer, .factor = {}},
        {.men = positionIn(SystolicAnswers, "113"),
         .women = positionIn(SystolicAnswers, "113"),
         .factor = WELLBOX_TEXT("wellbox::Scoring", "systolic blood pressure")},
        {.men = positionIn(CholesterolAnswers, "183"),
         .women = positionIn(CholesterolAnswers, "183"),
         .factor = WELLBOX_TEXT("wellbox::Scoring", "total cholesterol")},
        {.men = positionIn(HdlAnswers, "47"),
         .women = positionIn(HdlAnswers, "58"),
         .factor = WELLBOX_TEXT("wellbox::Scoring", "HDL cholesterol")},
        {.men = NoAnswer, .women = NoAnswer, .factor = {}},
    }},
    WELLBOX_TEXT("wellbox::Scoring",
                 "A man of %1 who does not smoke, is not diabetic, has systolic blood pressure %2, "
                 "total cholesterol %3, HDL %4 and no hypertrophy"),
    WELLBOX_TEXT("wellbox::Scoring",
                 "A woman of %1 who does not smoke, is not diabetic, has systolic blood pressure "
                 "%2, total cholesterol %3, HDL %4 and no hypertrophy"),
};
static_assert(report::fitsItsQuestions(LowRisk, HeartAttackQuestions));

namespace {

// What the result's values mean beside it: those above the score's range, those not given; a
// line for each kind.
std::vector<Phrase> remarks(const HeartAttackAnswers& in) {
    std::vector<Phrase> above;
    for (const AboveTheRange& range : AboveTheRanges)
        if (in.answers[range.question] == range.entry) {
            const Question& question = HeartAttackQuestions[range.question];
            above.push_back(Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1 or more (scored as %2)"),
                                   {namedAnswer(question, range.entry, in.unit),
                                    answerWithUnit(question, range.scoredAs, in.unit)}));
        }
    std::vector<Phrase> taken;
    for (const Reference& reference : References)
        if (notGiven(HeartAttackQuestions[reference.question], in.answers[reference.question]))
            taken.push_back(
                namedAnswer(HeartAttackQuestions[reference.question], reference.entry, in.unit));
    std::vector<Phrase> said;
    if (!above.empty())
        said.push_back(Phrase(WELLBOX_TEXT("wellbox::Scoring",
                                           "Above the range the score was made for, so the risk "
                                           "may be higher than shown: %1"),
                              {report::listedPhrase(above)}));
    if (!taken.empty())
        said.push_back(Phrase(WELLBOX_TEXT("wellbox::Scoring",
                                           "Not given, so the estimate took the reference value "
                                           "(0 points): %1"),
                              {report::listedPhrase(taken)}));
    return said;
}

} // namespace

std::int16_t answerPoints(int question, int answer, Sex sex) {
    if (question < 1 || question > static_cast<int>(PointsByQuestion.size()))
        throw std::out_of_range("heart attack question number " + std::to_string(question));
    const QuestionPoints& row = PointsByQuestion[static_cast<std::size_t>(question - 1)];
    const std::span<const std::int16_t> points = sex == Sex::Male ? row.men : row.women;
    if (answer < 0 || static_cast<std::size_t>(answer) >= points.size())
        throw std::out_of_range("heart attack answer " + std::to_string(answer) + " to question " +
                                std::to_string(question));
    return points[static_cast<std::size_t>(answer)];
}

std::int16_t agePoints(std::int16_t age, Sex sex) {
    const int index = age - YoungestAge;
    if (index < 0 || static_cast<std::size_t>(index) >= AgePoints.size())
        return 0;
    const AgeRow& row = AgePoints[static_cast<std::size_t>(index)];
    return sex == Sex::Male ? row.men : row.women;
}

Risk tenYearRisk(std::int16_t total) {
    if (total < RiskTable.front().total)
        return {LowestPercent};
    if (total > RiskTable.back().total)
        return {RiskTable.back().percent, RiskBound::MoreThan};
    return {RiskTable[static_cast<std::size_t>(total - RiskTable.front().total)].percent};
}

Phrase riskPhrase(const Risk& risk) {
    // Below the table the sentence says its lowest percentage as it stands; only past its top
    // is the risk a bound.
    const Phrase percent = Phrase::number(risk.percent);
    return risk.bound == RiskBound::MoreThan
               ? Phrase(WELLBOX_TEXT("wellbox::Scoring", "over %1 %"), {percent})
               : Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1 %"), {percent});
}

HeartAttackScore ScoreHeartAttackRisk(const HeartAttackAnswers& answers) {
    HeartAttackScore score{};
    score.agePoints = agePoints(answers.age, answers.sex);
    for (std::size_t i = 0; i < answers.answers.size(); ++i)
        score.answerPoints[i] =
            answerPoints(static_cast<int>(i) + 1, answers.answers[i], answers.sex);
    // Totals stay within -24..56.
    score.total = score.addUp();
    score.risk = tenYearRisk(score.total);
    score.sentence = Phrase(RiskSentence, {riskPhrase(score.risk)});
    return score;
}

ResultReport heartAttackReport(const HeartAttackAnswers& in, const HeartAttackScore& score) {
    ResultReport result;
    report::addAgeAndSex(result, in, score.agePoints);
    const auto scoredAs = [&in](std::size_t question, Phrase answer) {
        for (const AboveTheRange& above : AboveTheRanges)
            if (question == above.question && in.answers[question] == above.entry)
                return Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1 or more (scored as %2)"),
                              {std::move(answer), answerWithUnit(HeartAttackQuestions[question],
                                                                 above.scoredAs, in.unit)});
        return answer;
    };
    report::addQuestionRows(result, HeartAttackQuestions, in.answers, score.answerPoints, in.unit,
                            scoredAs);
    report::addTotalRows(result, Phrase(report::TotalItem), score.total,
                         Phrase(WELLBOX_TEXT("wellbox::Scoring", "Risk table")),
                         report::totalReads(score.total, riskPhrase(score.risk)));
    result.resultTexts = {score.sentence};
    result.remarks = remarks(in);
    result.band = bandLine(score.risk);
    result.notes = {report::modelNote(WELLBOX_TEXT("wellbox::Scoring",
                                                   "the Framingham coronary risk point score")),
                    report::agesNote(YoungestAge, OldestAge), bandSource(),
                    Phrase(report::HeartNote), Phrase(report::EstimateNote)};
    if (in.unit == CholesterolUnit::MmolPerL)
        result.notes.insert(result.notes.end() - 1, report::mmolNote());
    result.outlook = heartAttackOutlook(in);
    return result;
}

ResultOutlook heartAttackOutlook(const HeartAttackAnswers& answers) {
    return report::ageQuizOutlook(answers, HeartAttackQuestions, LowRisk,
                                  {ScoreHeartAttackRisk, riskPhrase});
}

} // namespace wellbox::modHeartAttack
