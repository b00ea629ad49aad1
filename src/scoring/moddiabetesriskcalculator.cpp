#include "scoring/moddiabetesriskcalculator.h"

#include <algorithm>
#include <iterator>
#include <span>
#include <stdexcept>
#include <string>

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

struct DiabetesLever {
    std::size_t question;
    int answer;
    std::string_view factor;
};

// The answer that can change, besides the weight: regular exercise.
constexpr DiabetesLever ExerciseLever{.question = 2,
                                      .answer = YesAnswer,
                                      .factor =
                                          WELLBOX_TEXT("wellbox::Scoring", "regular exercise")};

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
    result.band = static_cast<std::size_t>(std::prev(band) - RiskBands.begin());
    result.scoreSentence = Phrase(ScoreSentence, {Phrase::number(result.score)});
    result.riskSentence = Phrase(std::prev(band)->sentence);
    return result;
}

namespace {

Phrase scoreText(const DiabetesResult& result) {
    return Phrase(WELLBOX_TEXT("wellbox::Scoring", "score %1, %2"),
                  {Phrase::number(result.score), Phrase(RiskBands[result.band].name)});
}

std::vector<ScoreBand> scoreBands() {
    std::vector<ScoreBand> bands;
    for (std::size_t i = 0; i < RiskBands.size(); ++i) {
        const std::int16_t highest =
            i + 1 < RiskBands.size() ? static_cast<std::int16_t>(RiskBands[i + 1].lowestScore - 1)
                                     : HighestScore;
        bands.push_back({RiskBands[i].lowestScore, highest, Phrase(RiskBands[i].name),
                         Phrase(RiskBands[i].scores)});
    }
    return bands;
}

ScoreScale scoreScale(const DiabetesResult& own) {
    ScoreScale scale{own.score, HighestScore, scoreBands(), own.band, {}};
    const RiskBand& band = RiskBands[own.band];
    const Phrase onScale(
        WELLBOX_TEXT("wellbox::Scoring", "Score %1 on a scale of %2 to %3: %4 (%5)"),
        {Phrase::number(own.score), Phrase::number(scale.bands.front().lowest),
         Phrase::number(scale.highest), Phrase(band.name), Phrase(band.scores)});
    scale.caption = {{PictureKey::Score, onScale, onScale}};
    return scale;
}

} // namespace

ResultReport diabetesReport(const std::string& name, const DiabetesAnswers& in,
                            const DiabetesResult& result) {
    const WeightChartRow& chart = DiabetesWeightChart.at(in.heightRow);
    const Phrase height(chart.height);
    const Phrase weight(WELLBOX_TEXT("wellbox::Scoring", "%1 pounds"),
                        {Phrase::number(in.weightPounds)});
    ResultReport shown;
    shown.headings = report::quizHeadings();
    shown.details = {{Phrase(WELLBOX_TEXT("wellbox::Scoring", "Name")), Phrase::value(name)},
                     {Phrase(report::HeightLabel), height},
                     {Phrase(report::WeightLabel), weight}};
    shown.rows.push_back({Phrase(WELLBOX_TEXT("wellbox::Scoring", "Weight for height")),
                          Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1, %2 (points from %3 pounds)"),
                                 {height, weight, Phrase::number(chart.thresholdPounds)}),
                          Phrase::number(result.weightPoints)});
    report::addQuestionRows(shown, DiabetesQuestions, in.answers, result.answerPoints);
    report::addTotalRows(shown, Phrase(WELLBOX_TEXT("wellbox::Scoring", "Score")), result.score,
                         Phrase(WELLBOX_TEXT("wellbox::Scoring", "Risk band")),
                         Phrase(WELLBOX_TEXT("wellbox::Scoring", "Scores %1"),
                                {Phrase(RiskBands[result.band].scores)}));
    // The band's row does not say the score it is read for.
    shown.reading = Phrase(WELLBOX_TEXT("wellbox::Scoring", "Score %1; %2"),
                           {Phrase::number(result.score), shown.reading});
    shown.resultTexts = {result.scoreSentence, result.riskSentence, Phrase(PhysicianNote)};
    shown.notes = {
        report::modelNote(WELLBOX_TEXT("wellbox::Scoring",
                                       "the American Diabetes Association's paper risk test")),
        Phrase(WELLBOX_TEXT("wellbox::Scoring",
                            "This test asks no age in years: its first question takes every age.")),
        Phrase(report::EstimateNote)};
    shown.outlook = diabetesOutlook(in);
    return shown;
}

ResultOutlook diabetesOutlook(const DiabetesAnswers& in) {
    const DiabetesResult own = ScoreDiabetesRisk(in);
    const WeightChartRow& chart = DiabetesWeightChart.at(in.heightRow);
    ResultOutlook outlook{std::nullopt, {}, scoreScale(own)};
    DiabetesAnswers together = in;
    std::size_t levers = 0;
    const auto consider = [&](const DiabetesAnswers& changed, std::string_view factor,
                              Phrase answer) {
        const DiabetesResult then = ScoreDiabetesRisk(changed);
        if (then.score >= own.score)
            return false;
        outlook.whatIfs.push_back(
            {then.score, report::whatIfLine(factor, std::move(answer), scoreText(then),
                                            own.score - then.score)});
        ++levers;
        return true;
    };

    // Below the chart's threshold weight for the height, the weight points drop.
    DiabetesAnswers lighter = in;
    lighter.weightPounds = static_cast<std::int16_t>(chart.thresholdPounds - 1);
    if (consider(
            lighter, WELLBOX_TEXT("wellbox::Scoring", "weight"),
            Phrase(WELLBOX_TEXT("wellbox::Scoring", "under %1 pounds (the chart's weight for %2)"),
                   {Phrase::number(chart.thresholdPounds), Phrase(chart.height)})))
        together.weightPounds = lighter.weightPounds;
    DiabetesAnswers exercising = in;
    exercising.answers[ExerciseLever.question] = ExerciseLever.answer;
    if (consider(exercising, ExerciseLever.factor,
                 report::quoted(DiabetesQuestions[ExerciseLever.question]
                                    .answers[static_cast<std::size_t>(ExerciseLever.answer)])))
        together.answers[ExerciseLever.question] = ExerciseLever.answer;

    if (levers > 1) {
        const DiabetesResult then = ScoreDiabetesRisk(together);
        outlook.whatIfs.push_back(
            {then.score, report::togetherLine(levers, scoreText(then), own.score - then.score)});
    }
    return outlook;
}

} // namespace wellbox::modDiabetesRiskCalculator
