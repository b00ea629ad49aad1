#include "scoring/modcholesterolcalculator.h"

#include "scoring/riskband.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace wellbox::modCholesterolCalculator {

namespace {

constexpr std::array<std::string_view, 5> TotalAnswers{"<160", "160-199", "200-239", "240-279",
                                                       "280+"};
constexpr std::array<std::string_view, 4> HdlAnswers{"60+", "50-59", "40-49", "<40"};
constexpr std::array<std::string_view, 3> LdlAnswers{"<130", "130-159", "160>"};
constexpr std::array<std::string_view, 5> SystolicAnswers{"<120", "120-129", "130-139", "140-159",
                                                          "160+"};
constexpr auto TotalEntries = measuredEntries(TotalAnswers);
constexpr auto HdlEntries = measuredEntries(HdlAnswers);
constexpr auto LdlEntries = measuredEntries(LdlAnswers);
constexpr auto SystolicEntries = measuredEntries(SystolicAnswers);
constexpr MeasuredList TotalList{units::Measure::Cholesterol, TotalEntries, 1,
                                 WELLBOX_TEXT("wellbox::Scoring", "total cholesterol %1")};
constexpr MeasuredList HdlList{units::Measure::Cholesterol, HdlEntries, 1,
                               WELLBOX_TEXT("wellbox::Scoring", "HDL %1")};
constexpr MeasuredList LdlList{units::Measure::Cholesterol, LdlEntries, 1,
                               WELLBOX_TEXT("wellbox::Scoring", "LDL %1")};
constexpr MeasuredList SystolicList{units::Measure::BloodPressure, SystolicEntries, 0,
                                    WELLBOX_TEXT("wellbox::Scoring", "systolic blood pressure %1")};

struct AgeBand {
    std::int16_t firstAge;
    std::int16_t men;
    std::int16_t women;
};

// Age points by five-year band (the first band is fifteen years).
constexpr std::array<AgeBand, 10> AgePoints{{
    {20, -9, -7},
    {35, -4, -3},
    {40, 0, 0},
    {45, 3, 3},
    {50, 6, 6},
    {55, 8, 8},
    {60, 10, 10},
    {65, 11, 12},
    {70, 12, 14},
    {75, 13, 16},
}};

// First ages of the ten-year bands used by cholesterol and smoking points.
constexpr std::array<std::int16_t, 5> DecadeStarts{20, 40, 50, 60, 70};
using ByDecade = std::array<std::int16_t, DecadeStarts.size()>;

struct TotalRow {
    ByDecade men;
    ByDecade women;
};

// Total cholesterol points by answer, each by ten-year band.
constexpr std::array<TotalRow, TotalAnswers.size()> TotalPoints{{
    {.men = {0, 0, 0, 0, 0}, .women = {0, 0, 0, 0, 0}},
    {.men = {4, 3, 2, 1, 0}, .women = {4, 3, 2, 1, 1}},
    {.men = {7, 5, 3, 1, 0}, .women = {8, 6, 4, 2, 1}},
    {.men = {9, 6, 4, 2, 1}, .women = {11, 8, 5, 3, 2}},
    {.men = {11, 8, 5, 3, 1}, .women = {13, 10, 7, 4, 2}},
}};

// HDL points by answer, the same for both sexes.
constexpr std::array<std::int16_t, HdlAnswers.size()> HdlPoints{-1, 0, 1, 2};

struct SystolicRow {
    std::int16_t menUntreated, menTreated, womenUntreated, womenTreated;
};

// Blood pressure points by answer; treatment picks the column.
constexpr std::array<SystolicRow, SystolicAnswers.size()> SystolicPoints{{
    {0, 0, 0, 0},
    {0, 1, 1, 3},
    {1, 2, 2, 4},
    {1, 2, 3, 5},
    {2, 3, 4, 6},
}};

// Smoking points by ten-year band.
constexpr ByDecade SmokingPointsMen{8, 5, 3, 1, 1};
constexpr ByDecade SmokingPointsWomen{9, 7, 4, 2, 1};

struct RiskRow {
    std::int16_t lowestTotal;
    Risk risk;
};

constexpr std::int16_t Below = std::numeric_limits<std::int16_t>::min();
constexpr RiskBound Fewer = RiskBound::FewerThan, OrMore = RiskBound::OrMore;

// Ten-year risk: each row holds from its total up to the next row's.
constexpr std::array<RiskRow, 14> RiskMen{{
    {Below, {1, Fewer}},
    {0, {1}},
    {5, {2}},
    {7, {3}},
    {8, {4}},
    {9, {5}},
    {10, {6}},
    {11, {8}},
    {12, {10}},
    {13, {12}},
    {14, {16}},
    {15, {20}},
    {16, {25}},
    {17, {30, OrMore}},
}};
constexpr std::array<RiskRow, 14> RiskWomen{{
    {Below, {1, Fewer}},
    {9, {1}},
    {13, {2}},
    {15, {3}},
    {16, {4}},
    {17, {5}},
    {18, {6}},
    {19, {8}},
    {20, {11}},
    {21, {14}},
    {22, {17}},
    {23, {22}},
    {24, {27}},
    {25, {30, OrMore}},
}};

// The risk as the sentence ends it, in the order of RiskBound; the tables state no "more than".
constexpr std::array<std::string_view, 4> RiskPatterns{WELLBOX_TEXT("wellbox::Scoring", "%1%"),
                                                       WELLBOX_TEXT("wellbox::Scoring", "<%1%"),
                                                       WELLBOX_TEXT("wellbox::Scoring", ">=%1%"),
                                                       {}};

constexpr std::array<std::string_view, 3> CategoryWords{
    WELLBOX_TEXT("wellbox::Scoring", "Optimum"),
    WELLBOX_TEXT("wellbox::Scoring", "Borderline High"), WELLBOX_TEXT("wellbox::Scoring", "High")};
constexpr std::size_t Optimum = 0, Borderline = 1, High = 2;

// The questions whose answers the category sentences name, in the order of the sentences.
constexpr std::array<std::size_t, 3> CategoryQuestions{Total, Hdl, Ldl};

// Category word (index into CategoryWords) for each answer of the three cholesterol questions.
constexpr std::array<std::size_t, TotalAnswers.size()> TotalCategory{Optimum, Borderline,
                                                                     Borderline, Borderline, High};
constexpr std::array<std::size_t, HdlAnswers.size()> HdlCategory{Optimum, Borderline, Borderline,
                                                                 High};
constexpr std::array<std::size_t, LdlAnswers.size()> LdlCategory{Optimum, Borderline, High};

static_assert(std::ranges::is_sorted(AgePoints, {}, &AgeBand::firstAge));
static_assert(AgePoints.front().firstAge == YoungestAge &&
              AgePoints.back().firstAge + 4 == OldestAge);
static_assert(std::ranges::is_sorted(DecadeStarts) && DecadeStarts.front() == YoungestAge);
static_assert(std::ranges::adjacent_find(RiskMen, std::ranges::greater_equal{},
                                         &RiskRow::lowestTotal) == RiskMen.end());
static_assert(std::ranges::adjacent_find(RiskWomen, std::ranges::greater_equal{},
                                         &RiskRow::lowestTotal) == RiskWomen.end());
static_assert(RiskMen.front().lowestTotal == Below && RiskWomen.front().lowestTotal == Below);
static_assert(
    std::ranges::none_of(RiskMen,
                         [](const RiskRow& row) {
                             return RiskPatterns[static_cast<std::size_t>(row.risk.bound)].empty();
                         }) &&
    std::ranges::none_of(RiskWomen, [](const RiskRow& row) {
        return RiskPatterns[static_cast<std::size_t>(row.risk.bound)].empty();
    }));

// Index of the last row whose key is at most value; callers keep value at or above the first key.
template <typename T, std::size_t N, typename Proj = std::identity>
std::size_t lastAtMost(const std::array<T, N>& rows, std::int16_t value, Proj key = {}) {
    return static_cast<std::size_t>(std::ranges::upper_bound(rows, value, {}, key) - rows.begin()) -
           1;
}

std::size_t checkedAnswer(const CholesterolAnswers& in, QuestionIndex question, std::size_t count) {
    const int answer = in.answers[question];
    if (answer < 0 || static_cast<std::size_t>(answer) >= count)
        throw std::out_of_range("cholesterol answer " + std::to_string(answer) + " to question " +
                                std::to_string(question + 1));
    return static_cast<std::size_t>(answer);
}

// The result sentences, in the order of CholesterolResult::sentences; %1 is a category word or
// the risk.
constexpr std::array<std::string_view, 4> SentenceTexts{
    WELLBOX_TEXT("wellbox::Scoring", "Your Total Cholesterol Level is at a %1 Level"),
    WELLBOX_TEXT("wellbox::Scoring", "Your HDL 'Good' Cholesterol Level is at a %1 Level"),
    WELLBOX_TEXT("wellbox::Scoring", "Your LDL 'Bad' Cholesterol Level is at a %1 Level"),
    WELLBOX_TEXT("wellbox::Scoring", "Your Risk of Having a Heart Attack based on your "
                                     "Cholesterol Level in the Next 10 Years is %1"),
};

} // namespace

constexpr std::array<Question, 6> CholesterolQuestions{{
    {WELLBOX_TEXT("wellbox::Scoring", "Choose your Current Total Cholesterol Level."), TotalAnswers,
     &TotalList},
    {WELLBOX_TEXT("wellbox::Scoring", "Choose your Current HDL Cholesterol Level."), HdlAnswers,
     &HdlList},
    {WELLBOX_TEXT("wellbox::Scoring", "Choose your Current LDL Cholesterol Level."), LdlAnswers,
     &LdlList},
    {WELLBOX_TEXT("wellbox::Scoring", "Choose Systolic Blood Pressure."), SystolicAnswers,
     &SystolicList},
    {WELLBOX_TEXT("wellbox::Scoring", "Do you take Blood Pressure Medicines?"), YesNo},
    {WELLBOX_TEXT("wellbox::Scoring", "Do you smoke?"), YesNo},
}};

// The answers of a person with low-risk values, as for the heart attack calculator. LDL earns
// nothing, and no line may suggest stopping a medicine, so neither is a lever.
constexpr report::LowRiskPerson LowRisk{
    {{
        {.men = positionIn(TotalAnswers, "160-199"),
         .women = positionIn(TotalAnswers, "160-199"),
         .factor = WELLBOX_TEXT("wellbox::Scoring", "total cholesterol")},
        {.men = positionIn(HdlAnswers, "50-59"),
         .women = positionIn(HdlAnswers, "60+"),
         .factor = WELLBOX_TEXT("wellbox::Scoring", "HDL cholesterol")},
        {.men = positionIn(LdlAnswers, "<130"),
         .women = positionIn(LdlAnswers, "<130"),
         .factor = {}},
        {.men = positionIn(SystolicAnswers, "<120"),
         .women = positionIn(SystolicAnswers, "<120"),
         .factor = WELLBOX_TEXT("wellbox::Scoring", "systolic blood pressure")},
        {.men = NoAnswer, .women = NoAnswer, .factor = {}},
        {.men = NoAnswer, .women = NoAnswer, .factor = WELLBOX_TEXT("wellbox::Scoring", "smoking")},
    }},
    WELLBOX_TEXT("wellbox::Scoring",
                 "A man of %1 with total cholesterol %2, HDL %3, LDL %4 and systolic blood "
                 "pressure %5, who takes no blood pressure medicines and does not smoke"),
    WELLBOX_TEXT("wellbox::Scoring",
                 "A woman of %1 with total cholesterol %2, HDL %3, LDL %4 and systolic blood "
                 "pressure %5, who takes no blood pressure medicines and does not smoke"),
};
static_assert(report::fitsItsQuestions(LowRisk, CholesterolQuestions));

// HDL answers whose category word reads the wrong way round to a layperson: "Borderline High"
// and "High" say that a low HDL raises the risk.
constexpr std::array<int, 2> HdlReadWrongWay{positionIn(HdlAnswers, "40-49"),
                                             positionIn(HdlAnswers, "<40")};
static_assert(std::ranges::all_of(HdlReadWrongWay, [](int entry) {
    return HdlCategory[static_cast<std::size_t>(entry)] != Optimum &&
           HdlPoints[static_cast<std::size_t>(entry)] > 0;
}));

CholesterolResult ScoreCholesterolRisk(const CholesterolAnswers& in) {
    if (in.age < YoungestAge || in.age > OldestAge)
        throw std::invalid_argument("cholesterol age " + std::to_string(in.age) +
                                    " outside the table's ages");
    const bool male = in.sex == Sex::Male;
    const std::size_t total = checkedAnswer(in, Total, TotalAnswers.size());
    const std::size_t hdl = checkedAnswer(in, Hdl, HdlAnswers.size());
    const std::size_t ldl = checkedAnswer(in, Ldl, LdlAnswers.size());
    const std::size_t systolic = checkedAnswer(in, Systolic, SystolicAnswers.size());
    const bool treated = checkedAnswer(in, Medicines, YesNo.size()) == std::size_t{YesAnswer};
    const bool smoker = checkedAnswer(in, Smoking, YesNo.size()) == std::size_t{YesAnswer};

    const AgeBand& ageBand = AgePoints[lastAtMost(AgePoints, in.age, &AgeBand::firstAge)];
    const std::size_t decade = lastAtMost(DecadeStarts, in.age);
    const SystolicRow& bp = SystolicPoints[systolic];

    CholesterolResult result{};
    result.agePoints = male ? ageBand.men : ageBand.women;
    result.answerPoints[Total] = (male ? TotalPoints[total].men : TotalPoints[total].women)[decade];
    result.answerPoints[Hdl] = HdlPoints[hdl];
    // The medicines answer earns nothing itself: it picks the blood pressure column.
    result.answerPoints[Systolic] = male ? (treated ? bp.menTreated : bp.menUntreated)
                                         : (treated ? bp.womenTreated : bp.womenUntreated);
    if (smoker)
        result.answerPoints[Smoking] = (male ? SmokingPointsMen : SmokingPointsWomen)[decade];
    result.total = result.addUp();
    const auto& risk = male ? RiskMen : RiskWomen;
    result.risk = risk[lastAtMost(risk, result.total, &RiskRow::lowestTotal)].risk;
    result.categories = {Phrase(CategoryWords[TotalCategory[total]]),
                         Phrase(CategoryWords[HdlCategory[hdl]]),
                         Phrase(CategoryWords[LdlCategory[ldl]])};
    for (std::size_t i = 0; i < result.categories.size(); ++i)
        result.sentences[i] = Phrase(SentenceTexts[i], {result.categories[i]});
    result.sentences.back() = Phrase(SentenceTexts.back(), {riskPhrase(result.risk)});
    return result;
}

Phrase riskPhrase(const Risk& risk) {
    return Phrase(RiskPatterns.at(static_cast<std::size_t>(risk.bound)),
                  {Phrase::number(risk.percent)});
}

ResultReport cholesterolReport(const CholesterolAnswers& in, const CholesterolResult& result) {
    ResultReport shown;
    report::addAgeAndSex(shown, in, result.agePoints);
    // The medicines answer earns through the blood pressure row, which it picks the column of;
    // a cholesterol answer is shown with the category its sentence names, in the answer's row
    // rather than one of its own, so that every row of the workings stays in view.
    const auto remark = [&in, &result](std::size_t question, Phrase answer) {
        if (const auto named = std::ranges::find(CategoryQuestions, question);
            named != CategoryQuestions.end())
            return Phrase(
                LabelJoint,
                {std::move(answer),
                 result.categories[static_cast<std::size_t>(named - CategoryQuestions.begin())]});
        if (question != Medicines)
            return answer;
        return Phrase(
            in.answers[Medicines] == YesAnswer
                ? WELLBOX_TEXT("wellbox::Scoring", "%1 (treated column for blood pressure)")
                : WELLBOX_TEXT("wellbox::Scoring", "%1 (untreated column for blood pressure)"),
            {std::move(answer)});
    };
    report::addQuestionRows(shown, CholesterolQuestions, in.answers, result.answerPoints, in.unit,
                            remark);
    report::addTotalRows(shown, Phrase(report::TotalItem), result.total,
                         Phrase(in.sex == Sex::Male
                                    ? WELLBOX_TEXT("wellbox::Scoring", "Risk table for men")
                                    : WELLBOX_TEXT("wellbox::Scoring", "Risk table for women")),
                         report::totalReads(result.total, percentPhrase(result.risk)));
    shown.resultTexts.assign(result.sentences.begin(), result.sentences.end());
    if (std::ranges::find(HdlReadWrongWay, in.answers[Hdl]) != HdlReadWrongWay.end()) {
        const Question& hdl = CholesterolQuestions[Hdl];
        const auto& low = LowRisk.answers[Hdl];
        shown.remarks.push_back(
            Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1: lower than the %2 of the low-risk "
                                                    "person; for HDL, higher is better"),
                   {namedAnswer(hdl, in.answers[Hdl], in.unit),
                    answerPhrase(hdl, in.sex == Sex::Male ? low.men : low.women, in.unit)}));
    }
    shown.band = bandLine(result.risk);
    shown.notes = {report::modelNote(
                       WELLBOX_TEXT("wellbox::Scoring", "the NCEP ATP III ten-year risk tables")),
                   report::agesNote(YoungestAge, OldestAge), bandSource(),
                   Phrase(report::HeartNote), Phrase(report::EstimateNote)};
    if (in.unit == CholesterolUnit::MmolPerL)
        shown.notes.insert(shown.notes.end() - 1, report::mmolNote());
    shown.outlook = cholesterolOutlook(in);
    return shown;
}

ResultOutlook cholesterolOutlook(const CholesterolAnswers& answers) {
    return report::ageQuizOutlook(answers, CholesterolQuestions, LowRisk,
                                  {ScoreCholesterolRisk, percentPhrase});
}

} // namespace wellbox::modCholesterolCalculator
