#include "scoring/resultoutlook.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>

namespace wellbox {

namespace {

struct LowRiskAnswer {
    std::string_view men;
    std::string_view women;
    std::string_view factor; // empty where the answer is never a lever
};

// The heart attack answers of a person with low-risk values (no smoking, no diabetes, systolic
// under 120, total cholesterol 160-199, HDL at least 45 for men and 55 for women), by question.
// Diabetes and hypertrophy are no levers.
constexpr std::array<LowRiskAnswer, 6> HeartLowRisk{{
    {.men = "No", .women = "No", .factor = "smoking"},
    {.men = "No", .women = "No", .factor = {}},
    {.men = "113", .women = "113", .factor = "systolic blood pressure"},
    {.men = "183", .women = "183", .factor = "total cholesterol"},
    {.men = "47", .women = "58", .factor = "HDL cholesterol"},
    {.men = "No", .women = "No", .factor = {}},
}};

// The same person's cholesterol answers. LDL earns nothing, and no line may suggest stopping a
// medicine, so neither is a lever.
constexpr std::array<LowRiskAnswer, 6> CholesterolLowRisk{{
    {.men = "160-199", .women = "160-199", .factor = "total cholesterol"},
    {.men = "50-59", .women = "60+", .factor = "HDL cholesterol"},
    {.men = "<130", .women = "<130", .factor = {}},
    {.men = "<120", .women = "<120", .factor = "systolic blood pressure"},
    {.men = "No", .women = "No", .factor = {}},
    {.men = "No", .women = "No", .factor = "smoking"},
}};

// What "all of them together" is called, by how many there are.
constexpr std::array<std::string_view, 5> TogetherWords{"", "", "both", "all three", "all four"};
static_assert(std::ranges::count_if(HeartLowRisk, [](const LowRiskAnswer& a) {
                  return !a.factor.empty();
              }) < static_cast<std::ptrdiff_t>(TogetherWords.size()));
static_assert(std::ranges::count_if(CholesterolLowRisk, [](const LowRiskAnswer& a) {
                  return !a.factor.empty();
              }) < static_cast<std::ptrdiff_t>(TogetherWords.size()));

struct DiabetesLever {
    std::size_t question;
    int answer;
    std::string_view factor;
};

// The diabetes answers that can change, besides the weight.
constexpr DiabetesLever ExerciseLever{
    .question = 2, .answer = YesAnswer, .factor = "regular exercise"};

std::string quoted(std::string_view text) {
    return '"' + std::string(text) + '"';
}

std::string pointsFewer(int points) {
    return std::to_string(points) + (points == 1 ? " point fewer" : " points fewer");
}

std::string whatIfLine(std::string_view factor, std::string_view answer, std::string_view risk,
                       int fewer) {
    return "If " + std::string(factor) + " were " + std::string(answer) + ": " + std::string(risk) +
           " (" + pointsFewer(fewer) + ")";
}

std::string togetherLine(std::size_t count, std::string_view risk, int fewer) {
    return "If " + std::string(TogetherWords[count]) + " were so: " + std::string(risk) + " (" +
           pointsFewer(fewer) + ")";
}

std::string inHundred(const StatedRisk& risk, std::string_view who) {
    const std::string n = std::to_string(risk.inHundred);
    switch (risk.bound) {
    case RiskBound::FewerThan:
        return "Fewer than " + n + " in 100 " + std::string(who);
    case RiskBound::OrMore:
        return n + " or more in 100 " + std::string(who);
    case RiskBound::MoreThan:
        return "More than " + n + " in 100 " + std::string(who);
    case RiskBound::Exactly:
        break;
    }
    return n + " in 100 " + std::string(who);
}

FigureArray figures(const std::string& yours, const std::string& lowRisk, Sex sex) {
    const StatedRisk own = readRiskText(yours), low = readRiskText(lowRisk);
    return {
        own.inHundred,
        low.inHundred,
        {{PictureKey::Yours, inHundred(own, sex == Sex::Male ? "men like you" : "women like you")},
         {PictureKey::LowRisk, inHundred(low, "with low-risk answers")}}};
}

int positionOf(const Question& question, std::string_view answer) {
    const auto at = std::ranges::find(question.answers, answer);
    if (at == question.answers.end())
        throw std::logic_error("low-risk answer \"" + std::string(answer) + "\" not in its list");
    return static_cast<int>(at - question.answers.begin());
}

// The comparison and the what-ifs of a quiz that takes age and sex, read with its own scoring.
template <typename ScoreFn>
ResultOutlook ageQuizOutlook(const AgeQuizAnswers& in, const std::array<Question, 6>& questions,
                             const std::array<LowRiskAnswer, 6>& lowRisk, ScoreFn score) {
    const bool male = in.sex == Sex::Male;
    const auto lowAnswer = [&](std::size_t q) { return male ? lowRisk[q].men : lowRisk[q].women; };
    const auto own = score(in);

    AgeQuizAnswers low = in;
    LowRiskComparison comparison{};
    std::string named;
    for (std::size_t q = 0; q < questions.size(); ++q) {
        low.answers[q] = positionOf(questions[q], lowAnswer(q));
        comparison.answers[q] = std::string(lowAnswer(q));
        named += (q == 0 ? "" : ", ") + quoted(lowAnswer(q));
    }
    const auto lowScore = score(low);
    comparison.total = lowScore.total;
    comparison.riskText = lowScore.riskText;
    comparison.line = std::string(male ? "A man of " : "A woman of ") + std::to_string(in.age) +
                      " with the low-risk answers " + named + ": " +
                      std::to_string(lowScore.total) + " points, " + lowScore.riskText;

    ResultOutlook outlook{comparison, {}, figures(own.riskText, lowScore.riskText, in.sex)};
    AgeQuizAnswers together = in;
    WhatIf all{};
    for (std::size_t q = 0; q < questions.size(); ++q) {
        if (lowRisk[q].factor.empty())
            continue;
        AgeQuizAnswers changed = in;
        changed.answers[q] = low.answers[q];
        const auto then = score(changed);
        if (then.total >= own.total)
            continue;
        const int fewer = own.total - then.total;
        outlook.whatIfs.push_back(
            {{std::string(lowRisk[q].factor)},
             then.total,
             then.riskText,
             static_cast<std::int16_t>(fewer),
             whatIfLine(lowRisk[q].factor, quoted(lowAnswer(q)), then.riskText, fewer)});
        together.answers[q] = low.answers[q];
        all.factors.push_back(std::string(lowRisk[q].factor));
    }
    if (all.factors.size() > 1) {
        const auto then = score(together);
        all.total = then.total;
        all.risk = then.riskText;
        all.pointsFewer = static_cast<std::int16_t>(own.total - then.total);
        all.line = togetherLine(all.factors.size(), all.risk, all.pointsFewer);
        outlook.whatIfs.push_back(std::move(all));
    }
    return outlook;
}

} // namespace

StatedRisk readRiskText(std::string_view text) {
    RiskBound bound = RiskBound::Exactly;
    for (const auto& [prefix, meaning] : {std::pair{std::string_view("over "), RiskBound::MoreThan},
                                          std::pair{std::string_view(">="), RiskBound::OrMore},
                                          std::pair{std::string_view("<"), RiskBound::FewerThan}})
        if (text.starts_with(prefix)) {
            bound = meaning;
            text.remove_prefix(prefix.size());
            break;
        }
    int percent = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), percent);
    const std::string_view rest(end, static_cast<std::size_t>(text.data() + text.size() - end));
    if (error != std::errc() || percent < 0 || percent > 100 || (rest != "%" && rest != " %"))
        throw std::invalid_argument("no percentage in the risk text \"" + std::string(text) + '"');
    return {static_cast<std::int16_t>(percent), bound};
}

std::string captionText(const std::vector<CaptionPart>& parts) {
    std::string text;
    for (const CaptionPart& part : parts) {
        std::string said = part.text;
        // A later part goes on in the same sentence, unless it starts with a name ("HDL").
        if (!text.empty() && said.size() > 1 && std::islower(static_cast<unsigned char>(said[1])))
            said[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(said[0])));
        text += (text.empty() ? "" : "; ") + said;
    }
    return text;
}

const std::vector<CaptionPart>& captionParts(const ResultPictureData& picture) {
    return std::visit([](const auto& p) -> const std::vector<CaptionPart>& { return p.caption; },
                      picture);
}

std::vector<std::string> ResultOutlook::lines() const {
    std::vector<std::string> all;
    if (comparison)
        all.push_back(comparison->line);
    for (const WhatIf& whatIf : whatIfs)
        all.push_back(whatIf.line);
    return all;
}

namespace modHeartAttack {

ResultOutlook heartAttackOutlook(const HeartAttackAnswers& answers) {
    return ageQuizOutlook(answers, HeartAttackQuestions, HeartLowRisk, ScoreHeartAttackRisk);
}

} // namespace modHeartAttack

namespace modCholesterolCalculator {

ResultOutlook cholesterolOutlook(const CholesterolAnswers& answers) {
    return ageQuizOutlook(answers, CholesterolQuestions, CholesterolLowRisk, ScoreCholesterolRisk);
}

} // namespace modCholesterolCalculator

namespace modDiabetesRiskCalculator {

namespace {

std::string scoreText(const DiabetesResult& result) {
    return "score " + std::to_string(result.score) + ", " +
           std::string(RiskBands[result.band].name);
}

std::vector<ScoreBand> scoreBands() {
    std::vector<ScoreBand> bands;
    for (std::size_t i = 0; i < RiskBands.size(); ++i) {
        const std::int16_t highest =
            i + 1 < RiskBands.size() ? static_cast<std::int16_t>(RiskBands[i + 1].lowestScore - 1)
                                     : HighestScore;
        bands.push_back({RiskBands[i].lowestScore, highest, std::string(RiskBands[i].name),
                         std::string(RiskBands[i].scores)});
    }
    return bands;
}

} // namespace

ResultOutlook diabetesOutlook(const DiabetesAnswers& in) {
    const DiabetesResult own = ScoreDiabetesRisk(in);
    const WeightChartRow& chart = DiabetesWeightChart.at(in.heightRow);

    ScoreScale scale{own.score, HighestScore, scoreBands(), own.band, {}};
    const RiskBand& band = RiskBands[own.band];
    scale.caption = {{PictureKey::Score, "Score " + std::to_string(own.score) + " on a scale of " +
                                             std::to_string(scale.bands.front().lowest) + " to " +
                                             std::to_string(scale.highest) + ": " +
                                             std::string(band.name) + " (" +
                                             std::string(band.scores) + ")"}};

    ResultOutlook outlook{std::nullopt, {}, std::move(scale)};
    DiabetesAnswers together = in;
    WhatIf all{};
    const auto consider = [&](DiabetesAnswers changed, std::string_view factor,
                              const std::string& answer) {
        const DiabetesResult then = ScoreDiabetesRisk(changed);
        if (then.score >= own.score)
            return false;
        const int fewer = own.score - then.score;
        outlook.whatIfs.push_back({{std::string(factor)},
                                   then.score,
                                   scoreText(then),
                                   static_cast<std::int16_t>(fewer),
                                   whatIfLine(factor, answer, scoreText(then), fewer)});
        all.factors.push_back(std::string(factor));
        return true;
    };

    // Below the chart's threshold weight for the height, the weight points drop.
    DiabetesAnswers lighter = in;
    lighter.weightPounds = static_cast<std::int16_t>(chart.thresholdPounds - 1);
    if (consider(lighter, "weight",
                 "under " + std::to_string(chart.thresholdPounds) +
                     " pounds (the chart's weight for " + std::string(chart.height) + ")"))
        together.weightPounds = lighter.weightPounds;
    DiabetesAnswers exercising = in;
    exercising.answers[ExerciseLever.question] = ExerciseLever.answer;
    if (consider(exercising, ExerciseLever.factor,
                 quoted(DiabetesQuestions[ExerciseLever.question]
                            .answers[static_cast<std::size_t>(ExerciseLever.answer)])))
        together.answers[ExerciseLever.question] = ExerciseLever.answer;

    if (all.factors.size() > 1) {
        const DiabetesResult then = ScoreDiabetesRisk(together);
        all.total = then.score;
        all.risk = scoreText(then);
        all.pointsFewer = static_cast<std::int16_t>(own.score - then.score);
        all.line = togetherLine(all.factors.size(), all.risk, all.pointsFewer);
        outlook.whatIfs.push_back(std::move(all));
    }
    return outlook;
}

} // namespace modDiabetesRiskCalculator

namespace modCalorieCalculator {

ResultOutlook calorieOutlook(std::int16_t basal, const LevelRequirements& required,
                             ActivityLevel chosen, const LevelNames& levelNames) {
    CalorieBars bars{required, chosen, basal, {}};
    std::string levels;
    for (std::size_t i = 0; i < bars.required.size(); ++i)
        levels += (i == 0 ? "" : ", ") + requiredCaloriesText(bars.required[i]);
    const auto at = static_cast<std::size_t>(chosen);
    bars.caption = {
        {PictureKey::ChosenLevel,
         levelNames.at(at) + ": " + requiredCaloriesText(bars.required.at(at)) + " calories a day"},
        {PictureKey::Levels, "The five levels: " + levels},
        {PictureKey::Basal, "Basal calories: " + requiredCaloriesText(basal)},
    };
    return {std::nullopt, {}, std::move(bars)};
}

} // namespace modCalorieCalculator

} // namespace wellbox
