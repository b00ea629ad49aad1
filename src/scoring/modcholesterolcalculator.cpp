#include "scoring/modcholesterolcalculator.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string_view>

namespace wellbox::modCholesterolCalculator {

namespace {

constexpr std::array<std::string_view, 5> TotalAnswers{"<160", "160-199", "200-239", "240-279",
                                                       "280+"};
constexpr std::array<std::string_view, 4> HdlAnswers{"60+", "50-59", "40-49", "<40"};
constexpr std::array<std::string_view, 3> LdlAnswers{"<130", "130-159", "160>"};
constexpr std::array<std::string_view, 5> SystolicAnswers{"<120", "120-129", "130-139", "140-159",
                                                          "160+"};

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
    std::string_view text;
};

constexpr std::int16_t Below = std::numeric_limits<std::int16_t>::min();

// Ten-year risk text: each row holds from its total up to the next row's.
constexpr std::array<RiskRow, 14> RiskMen{{
    {Below, "<1%"},
    {0, "1%"},
    {5, "2%"},
    {7, "3%"},
    {8, "4%"},
    {9, "5%"},
    {10, "6%"},
    {11, "8%"},
    {12, "10%"},
    {13, "12%"},
    {14, "16%"},
    {15, "20%"},
    {16, "25%"},
    {17, ">=30%"},
}};
constexpr std::array<RiskRow, 14> RiskWomen{{
    {Below, "<1%"},
    {9, "1%"},
    {13, "2%"},
    {15, "3%"},
    {16, "4%"},
    {17, "5%"},
    {18, "6%"},
    {19, "8%"},
    {20, "11%"},
    {21, "14%"},
    {22, "17%"},
    {23, "22%"},
    {24, "27%"},
    {25, ">=30%"},
}};

constexpr std::array<std::string_view, 3> CategoryWords{
    WELLBOX_TEXT("wellbox::Scoring", "Optimum"),
    WELLBOX_TEXT("wellbox::Scoring", "Borderline High"), WELLBOX_TEXT("wellbox::Scoring", "High")};
constexpr std::size_t Optimum = 0, Borderline = 1, High = 2;

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
    {WELLBOX_TEXT("wellbox::Scoring", "Choose your Current Total Cholesterol Level."),
     TotalAnswers},
    {WELLBOX_TEXT("wellbox::Scoring", "Choose your Current HDL Cholesterol Level."), HdlAnswers},
    {WELLBOX_TEXT("wellbox::Scoring", "Choose your Current LDL Cholesterol Level."), LdlAnswers},
    {WELLBOX_TEXT("wellbox::Scoring", "Choose Systolic Blood Pressure."), SystolicAnswers},
    {WELLBOX_TEXT("wellbox::Scoring", "Do you take Blood Pressure Medicines?"), YesNo},
    {WELLBOX_TEXT("wellbox::Scoring", "Do you smoke?"), YesNo},
}};

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
    result.riskText = risk[lastAtMost(risk, result.total, &RiskRow::lowestTotal)].text;
    result.risk = Phrase::value(result.riskText);
    const std::array<Phrase, 4> sentenceEnds{
        Phrase(CategoryWords[TotalCategory[total]]),
        Phrase(CategoryWords[HdlCategory[hdl]]),
        Phrase(CategoryWords[LdlCategory[ldl]]),
        result.risk,
    };
    result.totalCategory = sentenceEnds[Total].english();
    result.hdlCategory = sentenceEnds[Hdl].english();
    result.ldlCategory = sentenceEnds[Ldl].english();
    result.categories = {sentenceEnds[Total], sentenceEnds[Hdl], sentenceEnds[Ldl]};
    for (std::size_t i = 0; i < SentenceTexts.size(); ++i) {
        result.sentencePhrases[i] = Phrase(SentenceTexts[i], {sentenceEnds[i]});
        result.sentences[i] = result.sentencePhrases[i].english();
    }
    return result;
}

} // namespace wellbox::modCholesterolCalculator
