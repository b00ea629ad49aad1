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
    {"4'10''", 58, 129}, {"4'11''", 59, 133}, {"5'0''", 60, 138}, {"5'1''", 61, 143},
    {"5'2''", 62, 147},  {"5'3''", 63, 152},  {"5'4''", 64, 157}, {"5'5''", 65, 162},
    {"5'6''", 66, 167},  {"5'7''", 67, 172},  {"5'8''", 68, 177}, {"5'9''", 69, 182},
    {"5'10''", 70, 188}, {"5'11''", 71, 193}, {"6'0''", 72, 199}, {"6'1''", 73, 204},
    {"6'2''", 74, 210},  {"6'3''", 75, 216},  {"6'4''", 76, 221},
}};

namespace {

// The inches a height text such as "5'10''" names.
constexpr int inchesOf(std::string_view height) {
    const std::size_t foot = height.find('\'');
    if (foot == std::string_view::npos || !height.ends_with("''"))
        throw "a height that is not feet and inches";
    int feet = 0, inches = 0;
    for (const char digit : height.substr(0, foot))
        feet = feet * 10 + (digit - '0');
    for (const char digit : height.substr(foot + 1, height.size() - foot - 3))
        inches = inches * 10 + (digit - '0');
    return feet * 12 + inches;
}
static_assert(std::ranges::all_of(DiabetesWeightChart, [](const WeightChartRow& row) {
    return inchesOf(row.height) == row.inches;
}));

const WeightChartRow& chartRow(std::size_t heightRow) {
    if (heightRow >= DiabetesWeightChart.size())
        throw std::out_of_range("diabetes height row " + std::to_string(heightRow));
    return DiabetesWeightChart[heightRow];
}

} // namespace

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

double weightInPounds(std::int16_t weight, BodyUnits units) {
    return units == BodyUnits::Metric ? weight * units::PoundsPerKilogram : weight;
}

std::int16_t weightPoints(std::size_t heightRow, std::int16_t weight, BodyUnits units) {
    return weightInPounds(weight, units) >= chartRow(heightRow).thresholdPounds ? OverweightPoints
                                                                                : 0;
}

Phrase heightPhrase(std::size_t heightRow, BodyUnits units) {
    const WeightChartRow& row = chartRow(heightRow);
    if (units == BodyUnits::Imperial)
        return Phrase(row.height);
    // Whole centimetres, half a centimetre up.
    const int hundredths = row.inches * units::HundredthsOfCmPerInch;
    return Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1 cm"),
                  {Phrase::number((hundredths + 50) / 100)});
}

Phrase weightPhrase(std::int16_t weight, BodyUnits units) {
    return Phrase(units == BodyUnits::Metric ? WELLBOX_TEXT("wellbox::Scoring", "%1 kg")
                                             : WELLBOX_TEXT("wellbox::Scoring", "%1 pounds"),
                  {Phrase::number(weight)});
}

DiabetesResult ScoreDiabetesRisk(const DiabetesAnswers& in) {
    DiabetesResult result{};
    result.weightPoints = weightPoints(in.heightRow, in.weight, in.units);
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

// The most whole pounds or kilograms under a threshold in pounds.
std::int16_t lighterThanThreshold(std::int16_t thresholdPounds, BodyUnits units) {
    if (units == BodyUnits::Imperial)
        return static_cast<std::int16_t>(thresholdPounds - 1);
    auto kilograms = static_cast<std::int16_t>(thresholdPounds / units::PoundsPerKilogram);
    while (weightInPounds(kilograms, units) >= thresholdPounds)
        --kilograms;
    return kilograms;
}

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

// The height and weight as entered, and in metric the pounds they are scored as, beside the
// chart's threshold.
Phrase weightForHeight(const DiabetesAnswers& in, const Phrase& height, const Phrase& weight) {
    const Phrase threshold = Phrase::number(chartRow(in.heightRow).thresholdPounds);
    if (in.units == BodyUnits::Imperial)
        return Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1, %2 (points from %3 pounds)"),
                      {height, weight, threshold});
    return Phrase(
        WELLBOX_TEXT("wellbox::Scoring", "%1, %2 (%3 pounds; points from %4 pounds)"),
        {height, weight, Phrase::decimal(weightInPounds(in.weight, in.units), 1), threshold});
}

} // namespace

ResultReport diabetesReport(const std::string& name, const DiabetesAnswers& in,
                            const DiabetesResult& result) {
    const Phrase height = heightPhrase(in.heightRow, in.units);
    const Phrase weight = weightPhrase(in.weight, in.units);
    ResultReport shown;
    shown.headings = report::quizHeadings();
    shown.details = {{Phrase(WELLBOX_TEXT("wellbox::Scoring", "Name")), Phrase::value(name)},
                     {Phrase(report::HeightLabel), height},
                     {Phrase(report::WeightLabel), weight}};
    shown.rows.push_back({Phrase(WELLBOX_TEXT("wellbox::Scoring", "Weight for height")),
                          weightForHeight(in, height, weight),
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
    if (in.units == BodyUnits::Metric)
        shown.notes.insert(shown.notes.end() - 1,
                           Phrase(WELLBOX_TEXT(
                               "wellbox::Scoring",
                               "Centimetres: the chart's inches x 2.54, rounded; kilograms: scored "
                               "as the same mass in pounds (kg x 2.20462262185).")));
    shown.outlook = diabetesOutlook(in);
    return shown;
}

ResultOutlook diabetesOutlook(const DiabetesAnswers& in) {
    const DiabetesResult own = ScoreDiabetesRisk(in);
    const WeightChartRow& chart = chartRow(in.heightRow);
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
    lighter.weight = lighterThanThreshold(chart.thresholdPounds, in.units);
    const Phrase threshold = Phrase::number(chart.thresholdPounds);
    const Phrase height = heightPhrase(in.heightRow, in.units);
    if (consider(lighter, WELLBOX_TEXT("wellbox::Scoring", "weight"),
                 in.units == BodyUnits::Imperial
                     ? Phrase(WELLBOX_TEXT("wellbox::Scoring",
                                           "under %1 pounds (the chart's weight for %2)"),
                              {threshold, height})
                     : Phrase(WELLBOX_TEXT("wellbox::Scoring",
                                           "%1 kg or less (under the chart's %2 pounds for %3)"),
                              {Phrase::number(lighter.weight), threshold, height})))
        together.weight = lighter.weight;
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
