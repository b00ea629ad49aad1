#pragma once

// A _data() table read from a tab-separated file of expected values next to the test. The first
// line that is not a comment ("#") names the columns, "name:int" for a whole number and "name"
// for text; each further line is a row, named by its line number and first cells. A cell that
// holds only " repeats the one above it.

#include "scoring/modcaloriecalculator.h"
#include "scoring/modcholesterolcalculator.h"
#include "scoring/moddiabetesriskcalculator.h"
#include "scoring/modheartattack.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <array>
#include <list>

namespace wellbox::testing {

inline void addRowsFrom(const char* file) {
    static std::list<QByteArray> names; // Qt Test keeps the column names by pointer
    QFile data(QStringLiteral(WELLBOX_TEST_DATA) + QLatin1String(file));
    QVERIFY2(data.open(QIODevice::ReadOnly | QIODevice::Text), file);
    QStringList columns, above;
    for (int number = 1; !data.atEnd(); ++number) {
        QStringList cells = QString::fromUtf8(data.readLine()).remove('\n').split('\t');
        if (cells[0].startsWith('#') || cells.join("").isEmpty())
            continue;
        for (qsizetype i = 0; i < cells.size(); ++i)
            cells[i] = cells[i] == "\"" ? above.value(i) : cells[i];
        above = cells;
        if (columns.isEmpty()) {
            columns = cells;
            for (const QString& column : columns) {
                names.push_back(column.section(':', 0, 0).toUtf8());
                column.endsWith(":int") ? QTest::addColumn<int>(names.back().constData())
                                        : QTest::addColumn<QString>(names.back().constData());
            }
            continue;
        }
        QTestData& row = QTest::addRow("%d: %s", number, qPrintable(cells.mid(0, 3).join(' ')));
        for (qsizetype i = 0; i < columns.size(); ++i)
            columns[i].endsWith(":int") ? row << cells.value(i).toInt() : row << cells.value(i);
    }
}

// A cell's bytes: percent-encoded, "{N*text}" standing for text N times over.
inline QByteArray cellBytes(QString cell) {
    const QRegularExpression repeated(R"(\{(\d+)\*([^}]*)\})");
    for (QRegularExpressionMatch m; (m = repeated.match(cell)).hasMatch();)
        cell.replace(m.capturedStart(), m.capturedLength(),
                     m.captured(2).repeated(m.captured(1).toInt()));
    return QByteArray::fromPercentEncoding(cell.toUtf8());
}

// The current row's "answers", each given by its text with ", " between them, as its position in
// its question's list (-1 where it is not in the list).
template <std::size_t N>
std::array<int, N> answerPositions(const std::array<Question, N>& questions) {
    QFETCH(QString, answers);
    const QStringList texts = answers.split(", ");
    std::array<int, N> positions{};
    for (std::size_t q = 0; q < N; ++q) {
        const auto at = std::ranges::find(questions[q].answers, texts.value(int(q)).toStdString());
        positions[q] =
            at == questions[q].answers.end() ? -1 : int(at - questions[q].answers.begin());
    }
    return positions;
}

// The current row's "sex", "age" and "answers" columns as an age quiz's answers.
inline AgeQuizAnswers ageQuizAnswers(const std::array<Question, 6>& questions) {
    QFETCH(QString, sex);
    QFETCH(int, age);
    return {std::int16_t(age), sex == "Male" ? Sex::Male : Sex::Female, answerPositions(questions)};
}

// The current row's answers to the age quiz its "calculator" column names, "heart attack" or
// "cholesterol", given as the mg/dL lists write them, shown in `unit`.
inline AgeQuizAnswers calculatorAnswers(CholesterolUnit unit = CholesterolUnit::MgPerDl) {
    QFETCH(QString, calculator);
    AgeQuizAnswers answers = ageQuizAnswers(calculator == "heart attack"
                                                ? modHeartAttack::HeartAttackQuestions
                                                : modCholesterolCalculator::CholesterolQuestions);
    answers.unit = unit;
    return answers;
}

// The current row's outlook of the age quiz its "calculator" column names.
inline ResultOutlook ageQuizOutlook(CholesterolUnit unit = CholesterolUnit::MgPerDl) {
    QFETCH(QString, calculator);
    const AgeQuizAnswers answers = calculatorAnswers(unit);
    return calculator == "heart attack" ? modHeartAttack::heartAttackOutlook(answers)
                                        : modCholesterolCalculator::cholesterolOutlook(answers);
}

// A unit as a table names it, "mg/dL" or "mmol/L".
inline CholesterolUnit cholesterolUnit(const QString& name) {
    return name == "mmol/L" ? CholesterolUnit::MmolPerL : CholesterolUnit::MgPerDl;
}

// The current row's "height", "weight" and "answers" columns as the diabetes test's answers: a
// height in centimetres ("163 cm") and its weight in kilograms as entered in metric, else in
// feet and inches and pounds; a height not in the chart as the row past its end.
inline modDiabetesRiskCalculator::DiabetesAnswers diabetesAnswers() {
    using namespace modDiabetesRiskCalculator;
    QFETCH(QString, height);
    QFETCH(int, weight);
    const BodyUnits units = height.endsWith(" cm") ? BodyUnits::Metric : BodyUnits::Imperial;
    std::size_t row = 0;
    while (row < DiabetesWeightChart.size() &&
           heightPhrase(row, units).english() != height.toStdString())
        ++row;
    return {row, std::int16_t(weight), answerPositions(DiabetesQuestions), units};
}

// The outlook of a calorie result for a basal value and the level chosen (0 sedentary to 4),
// each level's requirement worked out as the result's workings do.
inline ResultOutlook calorieOutlook(int basal, int chosen) {
    using namespace modCalorieCalculator;
    const auto b = std::int16_t(basal);
    LevelRequirements required{};
    for (std::size_t level = 0; level < required.size(); ++level)
        required[level] = ComputeRequiredCalories(b, ActivityLevel(level)).calories;
    return calorieOutlook(b, required, ActivityLevel(chosen));
}

// An entry as "70.5 kg": the whole number, the tenths and the unit as the lists give them.
inline modCalorieCalculator::Entry calorieEntry(const QString& text) {
    using modCalorieCalculator::Unit;
    const QStringList number = text.section(' ', 0, 0).split('.');
    const QString unit = text.section(' ', 1, 1);
    return {std::int16_t(number.value(0).toInt()), std::int16_t(number.value(1).toInt()),
            unit == "lb"   ? Unit::Pounds
            : unit == "m"  ? Unit::Meters
            : unit == "in" ? Unit::Inches
                           : Unit::Kilograms};
}

// The report of a worked example of resultreport.tsv; the answers lie here, the person's sex
// and age in its row.
inline ResultReport workedReport(const QString& calculator, Sex sex, std::int16_t age) {
    namespace calc = modCalorieCalculator;
    const modHeartAttack::HeartAttackAnswers heart{age, sex, {0, 1, 6, 7, 8, 1}};
    const modCholesterolCalculator::CholesterolAnswers cholesterol{age, sex, {2, 1, 2, 3, 0, 0}};
    const modDiabetesRiskCalculator::DiabetesAnswers diabetes{6, 157, {1, 1, 1, 1, 1}};
    if (calculator == "heart attack")
        return modHeartAttack::heartAttackReport(heart,
                                                 modHeartAttack::ScoreHeartAttackRisk(heart));
    if (calculator == "cholesterol")
        return modCholesterolCalculator::cholesterolReport(
            cholesterol, modCholesterolCalculator::ScoreCholesterolRisk(cholesterol));
    if (calculator == "diabetes")
        return diabetesReport(" Ann ", diabetes, ScoreDiabetesRisk(diabetes));
    const bool man = sex == Sex::Male;
    const calc::CalorieEntries entries{sex, age, calorieEntry(man ? "70.0 kg" : "60.0 kg"),
                                       calorieEntry(man ? "1.7 m" : "65.0 in")};
    const auto chosen = man ? calc::ActivityLevel::Moderate : calc::ActivityLevel::Higher;
    return calorieReport(entries,
                         calc::ComputeRequiredCalories(calc::basalWorking(entries).basal, chosen));
}

} // namespace wellbox::testing
