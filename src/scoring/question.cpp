#include "scoring/question.h"

#include <cmath>

namespace wellbox {

namespace {

using Kind = MeasuredEntry::Kind;

// A value in mg/dL as a count of mmol/L's last shown digit: 4.1 mmol/L is 41 tenths.
long long mmolSteps(int mgPerDl, int decimals) {
    return std::llround(mgPerDl / units::MgPerDlPerMmolPerL * std::pow(10.0, decimals));
}

Phrase steps(long long count, int decimals) {
    return Phrase::decimal(static_cast<double>(count) / std::pow(10.0, decimals), decimals);
}

// Ranges are converted at their bounds, each ending a step below where the next one up starts,
// so that no two read alike: "160-199" is "4.1-5.1", as "200-239" starts at 5.2.
Phrase inMmol(const MeasuredEntry& entry, int decimals) {
    switch (entry.kind) {
    case Kind::NotGiven:
        return Phrase::decimal(0.0, decimals);
    case Kind::Value:
        return steps(mmolSteps(entry.low, decimals), decimals);
    case Kind::Below:
        return Phrase(WELLBOX_TEXT("wellbox::Scoring", "<%1"),
                      {steps(mmolSteps(entry.low, decimals), decimals)});
    case Kind::Between:
        return Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1-%2"),
                      {steps(mmolSteps(entry.low, decimals), decimals),
                       steps(mmolSteps(entry.high + 1, decimals) - 1, decimals)});
    case Kind::OrMore:
        return Phrase(WELLBOX_TEXT("wellbox::Scoring", "%1+"),
                      {steps(mmolSteps(entry.low, decimals), decimals)});
    }
    return Phrase::value({});
}

const MeasuredEntry* measuredEntry(const Question& question, int position) {
    return question.measured ? &question.measured->entries[static_cast<std::size_t>(position)]
                             : nullptr;
}

} // namespace

Phrase answerPhrase(const Question& question, int position, CholesterolUnit unit) {
    const MeasuredEntry* entry = measuredEntry(question, position);
    if (entry && question.measured->measure == units::Measure::Cholesterol &&
        unit == CholesterolUnit::MmolPerL)
        return inMmol(*entry, question.measured->mmolDecimals);
    return Phrase(question.answers[static_cast<std::size_t>(position)]);
}

Phrase answerWithUnit(const Question& question, int position, CholesterolUnit unit) {
    const Phrase answer = answerPhrase(question, position, unit);
    if (!question.measured)
        return answer;
    return Phrase(units::unitWords(question.measured->measure, unit).withValue, {answer});
}

Phrase namedAnswer(const Question& question, int position, CholesterolUnit unit) {
    const Phrase answer = answerWithUnit(question, position, unit);
    return question.measured ? Phrase(question.measured->named, {answer}) : answer;
}

std::string_view answerUnit(const Question& question, CholesterolUnit unit) {
    return question.measured ? units::unitWords(question.measured->measure, unit).name
                             : std::string_view{};
}

bool notGiven(const Question& question, int position) {
    const MeasuredEntry* entry = measuredEntry(question, position);
    return entry && entry->kind == Kind::NotGiven;
}

} // namespace wellbox
