#include "scoring/resultoutlook.h"

#include <algorithm>
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
    {.men = "No", .women = "No", .factor = WELLBOX_TEXT("wellbox::Scoring", "smoking")},
    {.men = "No", .women = "No", .factor = {}},
    {.men = "113",
     .women = "113",
     .factor = WELLBOX_TEXT("wellbox::Scoring", "systolic blood pressure")},
    {.men = "183", .women = "183", .factor = WELLBOX_TEXT("wellbox::Scoring", "total cholesterol")},
    {.men = "47", .women = "58", .factor = WELLBOX_TEXT("wellbox::Scoring", "HDL cholesterol")},
    {.men = "No", .women = "No", .factor = {}},
}};

// The same person's cholesterol answers. LDL earns nothing, and no line may suggest stopping a
// medicine, so neither is a lever.
constexpr std::array<LowRiskAnswer, 6> CholesterolLowRisk{{
    {.men = "160-199",
     .women = "160-199",
     .factor = WELLBOX_TEXT("wellbox::Scoring", "total cholesterol")},
    {.men = "50-59", .women = "60+", .factor = WELLBOX_TEXT("wellbox::Scoring", "HDL cholesterol")},
    {.men = "<130", .women = "<130", .factor = {}},
    {.men = "<120",
     .women = "<120",
     .factor = WELLBOX_TEXT("wellbox::Scoring", "systolic blood pressure")},
    {.men = "No", .women = "No", .factor = {}},
    {.men = "No", .women = "No", .factor = WELLBOX_TEXT("wellbox::Scoring", "smoking")},
}};

// The line for all of them together, by how many there are: %1 the risk, %2 the points fewer.
constexpr std::array<std::string_view, 5> TogetherLines{{
    {},
    {},
    WELLBOX_TEXT("wellbox::Scoring", "If both were so: %1 (%2)"),
    WELLBOX_TEXT("wellbox::Scoring", "If all three were so: %1 (%2)"),
    WELLBOX_TEXT("wellbox::Scoring", "If all four were so: %1 (%2)"),
}};
static_assert(std::ranges::count_if(HeartLowRisk, [](const LowRiskAnswer& a) {
                  return !a.factor.empty();
              }) < static_cast<std::ptrdiff_t>(TogetherLines.size()));
static_assert(std::ranges::count_if(CholesterolLowRisk, [](const LowRiskAnswer& a) {
                  return !a.factor.empty();
              }) < static_cast<std::ptrdiff_t>(TogetherLines.size()));

constexpr std::string_view WhatIfLine = WELLBOX_TEXT("wellbox::Scoring", "If %1 were %2: %3 (%4)");
constexpr std::string_view Quoted = WELLBOX_TEXT("wellbox::Scoring", "\"%1\"");
constexpr std::string_view PointFewer = WELLBOX_TEXT("wellbox::Scoring", "%1 point fewer");
constexpr std::string_view PointsFewer = WELLBOX_TEXT("wellbox::Scoring", "%1 points fewer");
// %1 the age, %2 the answers, %3 their points, %4 the risk.
constexpr std::string_view ManComparison =
    WELLBOX_TEXT("wellbox::Scoring", "A man of %1 with the low-risk answers %2: %3 points, %4");
constexpr std::string_view WomanComparison =
    WELLBOX_TEXT("wellbox::Scoring", "A woman of %1 with the low-risk answers %2: %3 points, %4");

struct InHundredWords {
    std::string_view alone;
    std::string_view continued;
};

// How many in 100 a risk stands for, in the order of RiskBound: %1 the number, %2 who.
constexpr std::array<InHundredWords, 4> InHundred{{
    {WELLBOX_TEXT("wellbox::Scoring", "%1 in 100 %2"),
     WELLBOX_TEXT("wellbox::Scoring", "%1 in 100 %2")},
    {WELLBOX_TEXT("wellbox::Scoring", "Fewer than %1 in 100 %2"),
     WELLBOX_TEXT("wellbox::Scoring", "fewer than %1 in 100 %2")},
    {WELLBOX_TEXT("wellbox::Scoring", "%1 or more in 100 %2"),
     WELLBOX_TEXT("wellbox::Scoring", "%1 or more in 100 %2")},
    {WELLBOX_TEXT("wellbox::Scoring", "More than %1 in 100 %2"),
     WELLBOX_TEXT("wellbox::Scoring", "more than %1 in 100 %2")},
}};
static_assert(static_cast<std::size_t>(RiskBound::MoreThan) + 1 == InHundred.size());

struct DiabetesLever {
    std::size_t question;
    int answer;
    std::string_view factor;
};

// The diabetes answers that can change, besides the weight.
constexpr DiabetesLever ExerciseLever{.question = 2,
                                      .answer = YesAnswer,
                                      .factor =
                                          WELLBOX_TEXT("wellbox::Scoring", "regular exercise")};

Phrase quoted(std::string_view answer) {
    return Phrase(Quoted, {Phrase(answer)});
}

Phrase pointsFewer(int points) {
    return Phrase(points == 1 ? PointFewer : PointsFewer, {Phrase::number(points)});
}

Phrase whatIfLine(std::string_view factor, Phrase answer, Phrase risk, int fewer) {
    return Phrase(WhatIfLine,
                  {Phrase(factor), std::move(answer), std::move(risk), pointsFewer(fewer)});
}

Phrase togetherLine(std::size_t count, Phrase risk, int fewer) {
    return Phrase(TogetherLines[count], {std::move(risk), pointsFewer(fewer)});
}

CaptionPart inHundred(PictureKey key, const StatedRisk& risk, std::string_view who) {
    const InHundredWords& words = InHundred[static_cast<std::size_t>(risk.bound)];
    const std::vector<Phrase> arguments{Phrase::number(risk.inHundred), Phrase(who)};
    return {key, Phrase(words.alone, arguments), Phrase(words.continued, arguments)};
}

FigureArray figures(const std::string& yours, const std::string& lowRisk, Sex sex) {
    const StatedRisk own = readRiskText(yours), low = readRiskText(lowRisk);
    return {own.inHundred,
            low.inHundred,
            {inHundred(PictureKey::Yours, own,
                       sex == Sex::Male ? WELLBOX_TEXT("wellbox::Scoring", "men like you")
                                        : WELLBOX_TEXT("wellbox::Scoring", "women like you")),
             inHundred(PictureKey::LowRisk, low,
                       WELLBOX_TEXT("wellbox::Scoring", "with low-risk answers"))}};
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
    const auto own = score(in);

    AgeQuizAnswers low = in;
    LowRiskComparison comparison{};
    std::vector<Phrase> named;
    for (std::size_t q = 0; q < questions.size(); ++q) {
        low.answers[q] = positionOf(questions[q], male ? lowRisk[q].men : lowRisk[q].women);
        // The list's own entry, which is what a translation knows.
        comparison.answers[q] = questions[q].answers[static_cast<std::size_t>(low.answers[q])];
        named.push_back(quoted(comparison.answers[q]));
    }
    const auto lowScore = score(low);
    comparison.total = lowScore.total;
    comparison.risk = lowScore.risk;
    comparison.line = Phrase(male ? ManComparison : WomanComparison,
                             {Phrase::number(in.age), joinedPhrase(named),
                              Phrase::number(lowScore.total), lowScore.risk});

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
            {{Phrase(lowRisk[q].factor)},
             then.total,
             then.risk,
             static_cast<std::int16_t>(fewer),
             whatIfLine(lowRisk[q].factor, quoted(comparison.answers[q]), then.risk, fewer)});
        together.answers[q] = low.answers[q];
        all.factors.push_back(Phrase(lowRisk[q].factor));
    }
    if (all.factors.size() > 1) {
        const auto then = score(together);
        all.total = then.total;
        all.risk = then.risk;
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

Phrase captionPhrase(const std::vector<CaptionPart>& parts) {
    static constexpr std::string_view Joint = WELLBOX_TEXT("wellbox::Scoring", "%1; %2");
    if (parts.empty())
        return Phrase::value({});
    Phrase text = parts.front().text;
    for (std::size_t i = 1; i < parts.size(); ++i)
        text = Phrase(Joint, {std::move(text), parts[i].continued});
    return text;
}

std::string captionText(const std::vector<CaptionPart>& parts) {
    return captionPhrase(parts).english();
}

const std::vector<CaptionPart>& captionParts(const ResultPictureData& picture) {
    return std::visit([](const auto& p) -> const std::vector<CaptionPart>& { return p.caption; },
                      picture);
}

std::vector<Phrase> ResultOutlook::lines() const {
    std::vector<Phrase> all;
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

} // namespace

ResultOutlook diabetesOutlook(const DiabetesAnswers& in) {
    const DiabetesResult own = ScoreDiabetesRisk(in);
    const WeightChartRow& chart = DiabetesWeightChart.at(in.heightRow);

    ScoreScale scale{own.score, HighestScore, scoreBands(), own.band, {}};
    const RiskBand& band = RiskBands[own.band];
    const Phrase onScale(
        WELLBOX_TEXT("wellbox::Scoring", "Score %1 on a scale of %2 to %3: %4 (%5)"),
        {Phrase::number(own.score), Phrase::number(scale.bands.front().lowest),
         Phrase::number(scale.highest), Phrase(band.name), Phrase(band.scores)});
    scale.caption = {{PictureKey::Score, onScale, onScale}};

    ResultOutlook outlook{std::nullopt, {}, std::move(scale)};
    DiabetesAnswers together = in;
    WhatIf all{};
    const auto consider = [&](DiabetesAnswers changed, std::string_view factor, Phrase answer) {
        const DiabetesResult then = ScoreDiabetesRisk(changed);
        if (then.score >= own.score)
            return false;
        const int fewer = own.score - then.score;
        outlook.whatIfs.push_back({{Phrase(factor)},
                                   then.score,
                                   scoreText(then),
                                   static_cast<std::int16_t>(fewer),
                                   whatIfLine(factor, std::move(answer), scoreText(then), fewer)});
        all.factors.push_back(Phrase(factor));
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
    std::vector<Phrase> levels;
    for (const std::int16_t calories : bars.required)
        levels.push_back(Phrase::value(requiredCaloriesText(calories)));
    const auto at = static_cast<std::size_t>(chosen);
    const Phrase level(WELLBOX_TEXT("wellbox::Scoring", "%1: %2 calories a day"),
                       {Phrase::value(levelNames.at(at)),
                        Phrase::value(requiredCaloriesText(bars.required.at(at)))});
    const std::vector<Phrase> basalValue{Phrase::value(requiredCaloriesText(basal))};
    bars.caption = {
        {PictureKey::ChosenLevel, level, level},
        {PictureKey::Levels,
         Phrase(WELLBOX_TEXT("wellbox::Scoring", "The five levels: %1"), {joinedPhrase(levels)}),
         Phrase(WELLBOX_TEXT("wellbox::Scoring", "the five levels: %1"), {joinedPhrase(levels)})},
        {PictureKey::Basal,
         Phrase(WELLBOX_TEXT("wellbox::Scoring", "Basal calories: %1"), basalValue),
         Phrase(WELLBOX_TEXT("wellbox::Scoring", "basal calories: %1"), basalValue)},
    };
    return {std::nullopt, {}, std::move(bars)};
}

} // namespace modCalorieCalculator

} // namespace wellbox
