#include "scoring/moddiabetesriskcalculator.h"

#include <algorithm>
#include <span>
#include <stdexcept>

namespace wellbox::modDiabetesRiskCalculator {

namespace {

constexpr std::array<std::string_view, 3> AgeAnswers{
    WELLBOX_TEXT("wellbox::Scoring", "Less than 45 years old"),
    WELLBOX_TEXT("wellbox::Scoring", "Between 45 to 64 years old"),
    WELLBOX_TEXT("wellbox::Scoring", "65 years old or more")};

constexpr std::string_view ScoreSentence = WELLBOX_TEXT("wellbox::Scoring", "Your Score is: %1");

// Points per answer position, one row per question.
constexpr std::array<std::int16_t, 3> AgePoints{0, 5, 9};
constexpr std::array<std::int16_t, 2> SiblingPoints{1, 0};
constexpr std::array<std::int16_t, 2> ExercisePoints{0, 5}; // no regular exercise earns them
constexpr std::array<std::int16_t, 2> BabyPoints{1, 0};
constexpr std::array<std::int16_t, 2> ParentPoints{1, 0};
constexpr std::array<std::span<const std::int16_t>, 5> PointsByQuestion{
    AgePoints, SiblingPoints, ExercisePoints, BabyPoints, ParentPoints};

constexpr std::int16_t OverweightPoints = 5;

} // namespace

constexpr std::array<RiskBand, 3> RiskBands{{
    {.lowestScore = 0,
     .name = WELLBOX_TEXT("wellbox::Scoring", "Very Low Risk"),
     .scores = WELLBOX_TEXT("wellbox::Scoring", "0 to 2"),
     .sentence = WELLBOX_TEXT("wellbox::Scoring",
                              "You are at a Very Low Risk of having Type 2 Diabetes now.")},
    {.lowestScore = 3,
     .name = WELLBOX_TEXT("wellbox::Scoring", "Low Risk"),
     .scores = WELLBOX_TEXT("wellbox::Scoring", "3 to 9"),
     .sentence =
         WELLBOX_TEXT("wellbox::Scoring", "You are at a Low Risk of having Type 2 Diabetes now.")},
    {.lowestScore = 10,
     .name = WELLBOX_TEXT("wellbox::Scoring", "High Risk"),
     .scores = WELLBOX_TEXT("wellbox::Scoring", "10 or more"),
     .sentence = WELLBOX_TEXT(
         "wellbox::Scoring",
         "You are at a High Risk of having Type 2 Diabetes now. Please consult your doctor.")},
}};

constexpr std::int16_t HighestScore = [] {
    int highest = OverweightPoints;
    for (const auto points : PointsByQuestion)
        highest += std::ranges::max(points);
    return static_cast<std::int16_t>(highest);
}();

static_assert(std::ranges::is_sorted(RiskBands, std::ranges::less_equal{}, &RiskBand::lowestScore));
static_assert(RiskBands.front().lowestScore == 0);
static_assert(RiskBands.back().lowestScore <= HighestScore);

constexpr std::array<WeightChartRow, 19> DiabetesWeightChart{{
    {"4'10''", 129}, {"4'11''", 133}, {"5'0''", 138},  {"5'1''", 143},  {"5'2''", 147},
    {"5'3''", 152},  {"5'4''", 157},  {"5'5''", 162},  {"5'6''", 167},  {"5'7''", 172},
    {"5'8''", 177},  {"5'9''", 182},  {"5'10''", 188}, {"5'11''", 193}, {"6'0''", 199},
    {"6'1''", 204},  {"6'2''", 210},  {"6'3''", 216},  {"6'4''", 221},
}};

constexpr std::array<Question, 5> DiabetesQuestions{{
    {WELLBOX_TEXT("wellbox::Scoring", "1. What is your age?"), AgeAnswers},
    {WELLBOX_TEXT("wellbox::Scoring",
                  "2. Do you have any brother or sister suffering from diabetes?"),
     YesNo},
    {WELLBOX_TEXT("wellbox::Scoring",
                  "3. Do you exercise for atleast 3 times week for atleast 30 minutes per day?"),
     YesNo},
    {WELLBOX_TEXT(
         "wellbox::Scoring",
         "4. Are you a woman who gave birth to a baby who weighed 9 pounds or more at birth?"),
     YesNo},
    {WELLBOX_TEXT("wellbox::Scoring",
                  "5. Do you have any parent (father or mother) suffering from diabetes?"),
     YesNo},
}};

static_assert(std::ranges::is_sorted(DiabetesWeightChart, std::ranges::less_equal{},
                                     &WeightChartRow::thresholdPounds));
static_assert([] {
    for (std::size_t i = 0; i < DiabetesQuestions.size(); ++i)
        if (DiabetesQuestions[i].answers.size() != PointsByQuestion[i].size())
            return false;
    return true;
}());

std::int16_t weightPoints(std::size_t heightRow, std::int16_t weightPounds) {
    if (heightRow >= DiabetesWeightChart.size())
        throw std::out_of_range("diabetes height row " + std::to_string(heightRow));
    return weightPounds >= DiabetesWeightChart[heightRow].thresholdPounds ? OverweightPoints : 0;
}

DiabetesResult ScoreDiabetesRisk(const DiabetesAnswers& in) {
    DiabetesResult result{};
    result.weightPoints = weightPoints(in.heightRow, in.weightPounds);
    int score = result.weightPoints;
    for (std::size_t q = 0; q < DiabetesQuestions.size(); ++q) {
        const int answer = in.answers[q];
        if (answer < 0 || static_cast<std::size_t>(answer) >= PointsByQuestion[q].size())
            throw std::out_of_range("diabetes answer " + std::to_string(answer) + " to question " +
                                    std::to_string(q + 1));
        result.answerPoints[q] = PointsByQuestion[q][static_cast<std::size_t>(answer)];
        score += result.answerPoints[q];
    }
    result.score = static_cast<std::int16_t>(score);
    const auto band = std::ranges::upper_bound(RiskBands, result.score, {}, &RiskBand::lowestScore);
    result.scorePhrase = Phrase(ScoreSentence, {Phrase::value(std::to_string(result.score))});
    result.scoreSentence = result.scorePhrase.english();
    result.band = static_cast<std::size_t>(std::prev(band) - RiskBands.begin());
    result.riskSentence = std::prev(band)->sentence;
    return result;
}

} // namespace wellbox::modDiabetesRiskCalculator
