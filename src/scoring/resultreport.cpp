#include "scoring/resultreport.h"

#include "scoring/riskband.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace wellbox {

namespace {

// The line for all of them together, by how many there are: %1 the risk, %2 the points fewer.
constexpr std::array<std::string_view, 5> TogetherLines{{
    {},
    {},
    WELLBOX_TEXT("wellbox::Scoring", "If both were so: %1 (%2)"),
    WELLBOX_TEXT("wellbox::Scoring", "If all three were so: %1 (%2)"),
    WELLBOX_TEXT("wellbox::Scoring", "If all four were so: %1 (%2)"),
}};
static_assert(TogetherLines.size() == report::MostLevers + 1);

constexpr std::string_view WhatIfPattern =
    WELLBOX_TEXT("wellbox::Scoring", "If %1 were %2: %3 (%4)");
constexpr std::string_view QuotedPattern = WELLBOX_TEXT("wellbox::Scoring", "\"%1\"");
constexpr std::string_view PointFewer = WELLBOX_TEXT("wellbox::Scoring", "%1 point fewer");
constexpr std::string_view PointsFewer = WELLBOX_TEXT("wellbox::Scoring", "%1 points fewer");
// %1 the person with the low-risk answers, %2 their points, %3 the risk.
constexpr std::string_view Comparison = WELLBOX_TEXT("wellbox::Scoring", "%1: %2, %3");

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

// One point or minus one is a point, every other number points.
bool onePoint(int points) {
    return points == 1 || points == -1;
}

Phrase pointsFewer(int points) {
    return Phrase(onePoint(points) ? PointFewer : PointsFewer, {Phrase::number(points)});
}

CaptionPart inHundred(PictureKey key, const Risk& risk, std::string_view who) {
    const InHundredWords& words = InHundred[static_cast<std::size_t>(risk.bound)];
    const std::vector<Phrase> arguments{Phrase::number(risk.percent), Phrase(who)};
    return {key, Phrase(words.alone, arguments), Phrase(words.continued, arguments)};
}

// The whole figures a risk fills, and whether it marks a part of the next: fewer than 1 fills
// none, more than 42 a part of the 43rd.
std::pair<std::int16_t, bool> figuresOf(const Risk& risk) {
    switch (risk.bound) {
    case RiskBound::FewerThan:
        return {static_cast<std::int16_t>(risk.percent - 1), true};
    case RiskBound::MoreThan:
        return {risk.percent, true};
    default:
        return {risk.percent, false};
    }
}

FigureArray figures(const Risk& yours, const Risk& lowRisk, Sex sex) {
    FigureArray array{
        .caption = {inHundred(PictureKey::Yours, yours,
                              sex == Sex::Male
                                  ? WELLBOX_TEXT("wellbox::Scoring", "men like you")
                                  : WELLBOX_TEXT("wellbox::Scoring", "women like you")),
                    inHundred(PictureKey::LowRisk, lowRisk,
                              WELLBOX_TEXT("wellbox::Scoring", "with low-risk answers"))}};
    std::tie(array.yours, array.yoursPart) = figuresOf(yours);
    std::tie(array.lowRisk, array.lowRiskPart) = figuresOf(lowRisk);
    return array;
}

} // namespace

Phrase captionPhrase(const std::vector<CaptionPart>& parts) {
    static constexpr std::string_view Joint = WELLBOX_TEXT("wellbox::Scoring", "%1; %2");
    if (parts.empty())
        return Phrase::value({});
    Phrase text = parts.front().text;
    for (std::size_t i = 1; i < parts.size(); ++i)
        text = Phrase(Joint, {std::move(text), parts[i].continued});
    return text;
}

const std::vector<CaptionPart>& captionParts(const ResultPictureData& picture) {
    return std::visit([](const auto& p) -> const std::vector<CaptionPart>& { return p.caption; },
                      picture);
}

std::vector<Phrase> ResultOutlook::lines() const {
    std::vector<Phrase> all;
    if (comparison)
        all.push_back(*comparison);
    for (const WhatIf& whatIf : whatIfs)
        all.push_back(whatIf.line);
    return all;
}

namespace report {

std::array<Phrase, 3> quizHeadings() {
    return {Phrase(WELLBOX_TEXT("wellbox::Scoring", "Question")),
            Phrase(WELLBOX_TEXT("wellbox::Scoring", "Answer")),
            Phrase(WELLBOX_TEXT("wellbox::Scoring", "Points"))};
}

Phrase agesNote(int youngest, int oldest) {
    return Phrase(WELLBOX_TEXT("wellbox::Scoring", "This calculator takes ages %1 to %2."),
                  {Phrase::number(youngest), Phrase::number(oldest)});
}

Phrase modelNote(std::string_view model) {
    return Phrase(WELLBOX_TEXT("wellbox::Scoring", "Model: %1, as used by this program."),
                  {Phrase(model)});
}

Phrase mmolNote() {
    return Phrase(WELLBOX_TEXT(
        "wellbox::Scoring", "The mmol/L entries are the mg/dL ones divided by 38.67 and rounded, "
                            "so a value on a boundary may read one entry apart from its mg/dL "
                            "reading."));
}

Phrase pointsPhrase(int points) {
    return Phrase(onePoint(points) ? WELLBOX_TEXT("wellbox::Scoring", "%1 point")
                                   : WELLBOX_TEXT("wellbox::Scoring", "%1 points"),
                  {Phrase::number(points)});
}

Phrase listedPhrase(const std::vector<Phrase>& items) {
    if (items.size() < 2)
        return joinedPhrase(items);
    const std::vector<Phrase> allButLast(items.begin(), items.end() - 1);
    return Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1 and %2"),
                  {joinedPhrase(allButLast), items.back()});
}

Phrase totalReads(std::int16_t total, Phrase risk) {
    return Phrase(WELLBOX_TEXT("wellbox::Scoring", "Total %1: %2"),
                  {pointsPhrase(total), std::move(risk)});
}

Phrase rowAnswer(const Question& question, int position, CholesterolUnit unit) {
    if (notGiven(question, position))
        return Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1 (not given)"),
                      {answerPhrase(question, position, unit)});
    return answerWithUnit(question, position, unit);
}

void addTotalRows(ResultReport& report, const Phrase& totalName, std::int16_t total,
                  const Phrase& tableName, const Phrase& read) {
    report.totalRow = report.rows.size();
    report.rows.push_back({totalName, none(), Phrase::number(total)});
    report.resultRow = report.rows.size();
    report.rows.push_back({tableName, read, none()});
    report.reading = Phrase(LabelJoint, {tableName, read});
}

void addAgeAndSex(ResultReport& report, const AgeQuizAnswers& in, std::int16_t points) {
    const Phrase sex(sexName(in.sex));
    report.headings = quizHeadings();
    report.details = {{Phrase(AgeLabel), Phrase::number(in.age)}, {Phrase(SexLabel), sex}};
    report.rows.push_back({Phrase(WELLBOX_TEXT("wellbox::Scoring", "Age and sex")),
                           Phrase(ListJoint, {Phrase::number(in.age), sex}),
                           Phrase::number(points)});
}

Phrase quoted(std::string_view answer) {
    return Phrase(QuotedPattern, {Phrase(answer)});
}

Phrase whatIfLine(std::string_view factor, Phrase answer, Phrase risk, int fewer) {
    return Phrase(WhatIfPattern,
                  {Phrase(factor), std::move(answer), std::move(risk), pointsFewer(fewer)});
}

Phrase togetherLine(std::size_t count, Phrase risk, int fewer) {
    return Phrase(TogetherLines.at(count), {std::move(risk), pointsFewer(fewer)});
}

ResultOutlook ageQuizOutlook(const AgeQuizAnswers& in, const std::array<Question, 6>& questions,
                             const LowRiskPerson& lowRisk, const AgeQuizScoring& scoring) {
    const bool male = in.sex == Sex::Male;
    const AgeQuizScore own = scoring.score(in);

    AgeQuizAnswers low = in;
    std::vector<Phrase> named;
    std::vector<Phrase> values{Phrase::number(in.age)};
    for (std::size_t q = 0; q < questions.size(); ++q) {
        const Question& question = questions[q];
        low.answers[q] = male ? lowRisk.answers[q].men : lowRisk.answers[q].women;
        // A value with its unit, any other answer as its list names it, which is what a
        // translation knows.
        if (question.measured) {
            named.push_back(answerWithUnit(question, low.answers[q], in.unit));
            values.push_back(named.back());
        } else {
            named.push_back(quoted(question.answers[static_cast<std::size_t>(low.answers[q])]));
        }
    }
    const AgeQuizScore lowScore = scoring.score(low);
    ResultOutlook outlook{
        Phrase(Comparison, {Phrase(male ? lowRisk.man : lowRisk.woman, values),
                            pointsPhrase(lowScore.total), scoring.risk(lowScore.risk)}),
        {},
        figures(own.risk, lowScore.risk, in.sex)};

    AgeQuizAnswers together = in;
    std::size_t levers = 0;
    for (std::size_t q = 0; q < questions.size(); ++q) {
        // What the answer would be is no change where it was not known.
        if (lowRisk.answers[q].factor.empty() || notGiven(questions[q], in.answers[q]))
            continue;
        AgeQuizAnswers changed = in;
        changed.answers[q] = low.answers[q];
        const AgeQuizScore then = scoring.score(changed);
        if (then.total >= own.total)
            continue;
        outlook.whatIfs.push_back(
            {then.total, whatIfLine(lowRisk.answers[q].factor, named[q], scoring.risk(then.risk),
                                    own.total - then.total)});
        together.answers[q] = low.answers[q];
        ++levers;
    }
    if (levers > 1) {
        const AgeQuizScore then = scoring.score(together);
        outlook.whatIfs.push_back(
            {then.total, togetherLine(levers, scoring.risk(then.risk), own.total - then.total)});
    }
    return outlook;
}

} // namespace report

} // namespace wellbox
