#include "scoring/resultreport.h"
#include "support/datarows.h"

using namespace wellbox;

namespace {

// The report of a worked example; the answers lie here, the person's sex and age in the row.
ResultReport example(const QString& calculator, Sex sex, std::int16_t age) {
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
    const calc::CalorieEntries entries{
        man ? calc::ComputeBasalCalories(sex, 70, 170, age)
            : calc::ComputeBasalCalories(sex, 60, calc::inchesToCm(65), age),
        man ? "70.0 kg" : "60.0 kg", man ? "1.7 m" : "65.0 in"};
    const auto chosen = man ? calc::ActivityLevel::Moderate : calc::ActivityLevel::Higher;
    return calorieReport(entries, calc::ComputeRequiredCalories(entries.basal.basal, chosen),
                         {"Sedentary", "Light", "Moderate", "High", "Higher"});
}

} // namespace

class TstResultReport : public QObject {
    Q_OBJECT

private slots:
    // Each worked example as a person checks it against the published tables, from
    // resultreport.tsv.
    void workedExamples_data() { testing::addRowsFrom("resultreport.tsv"); }
    void workedExamples() {
        QFETCH(QString, example);
        QFETCH(QString, sex);
        QFETCH(int, age);
        QFETCH(QString, rows);
        QFETCH(QString, texts);
        QFETCH(QString, headings);
        const ResultReport report =
            ::example(example, sex == "Female" ? Sex::Female : Sex::Male, std::int16_t(age));
        // Rows as "answer:points" (the working and the calories for the calorie calculator), the
        // item first where it is no question's text ("Total=:20"), one space between rows; then
        // the result texts and the details, "|" between them.
        QStringList shownRows, shownTexts;
        const auto english = [](const Phrase& phrase) {
            return QString::fromStdString(phrase.english());
        };
        for (const ReportRow& row : report.rows) {
            const QString item = english(row.item);
            shownRows << (item.endsWith('?') || item.endsWith('.') ? "" : item + '=') +
                             english(row.answer) + ':' + english(row.points);
        }
        for (const Phrase& text : report.resultTexts)
            shownTexts << english(text);
        for (const ReportDetail& detail : report.details)
            shownTexts << english(detail.label) + '=' + english(detail.value);
        QCOMPARE(shownRows.join(u' '), rows);
        QTEST(english(report.rows.at(report.resultRow).item), "reads");
        QCOMPARE(shownTexts.join(u'|'), texts);
        QCOMPARE(english(report.headings[0]) + '|' + english(report.headings[1]) + '|' +
                     english(report.headings[2]),
                 headings);
        // The model and what the result is not, last and in plain words.
        QVERIFY(english(report.notes.front()).startsWith("Model: the ") &&
                english(report.notes.front()).endsWith(", as used by this program."));
        QCOMPARE(english(report.notes.back()), "An estimate, not a diagnosis.");
    }
};

QTEST_APPLESS_MAIN(TstResultReport)
#include "tst_resultreport.moc"
