#include "scoring/resultreport.h"

#include <QTest>

using namespace wellbox;

namespace {

// Rows as "answer:points" (the working and the calories for the calorie calculator), the
// item first where it is no question's text ("Total=:20"), one space between rows; then the
// result texts, the details and the notes, "|" between them.
QString flatten(const ResultReport& report) {
    QStringList rows, texts;
    for (const ReportRow& row : report.rows)
        rows << QString::fromStdString(
            (row.item.ends_with('?') || row.item.ends_with('.') ? "" : row.item + '=') +
            row.answer + ':' + row.points);
    for (const std::string& text : report.resultTexts)
        texts << QString::fromStdString(text);
    for (const ReportDetail& detail : report.details)
        texts << QString::fromStdString(detail.label + '=' + detail.value);
    return rows.join(u' ') + '\n' + texts.join(u'|');
}

} // namespace

class TstResultReport : public QObject {
    Q_OBJECT

private slots:
    // Each worked example as a person checks it against the published tables: the points of
    // the age and of every answer, the total or score, and the row of the risk table it reads.
    void workedExamples_data() {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("texts");
        QTest::newRow("heart attack: man of 50, smoker, 140, 240, 47")
            << "Age and sex=50, Male:10 Yes:4 No:0 140:3 240:3 47:0 No:0 Total=:20 "
               "Risk table=Total 20 points: 18 %:"
            << "Your Risk of Suffering from A Heart Attack in the Next 10 Years is 18 %|Age=50|"
               "Sex=Male";
        QTest::newRow("cholesterol: woman of 45, treated smoker")
            << "Age and sex=45, Female:3 200-239:6 50-59:0 160>:0 140-159:5 "
               "Yes (treated column for blood pressure):0 Yes:7 Total=:21 Risk table for "
               "women=Total 21 points: 14%: Total cholesterol sentence=200-239: Borderline High: "
               "HDL sentence=50-59: Borderline High: LDL sentence=160>: High:"
            << "Your Total Cholesterol Level is at a Borderline High Level|Your HDL 'Good' "
               "Cholesterol Level is at a Borderline High Level|Your LDL 'Bad' Cholesterol Level "
               "is "
               "at a High Level|Your Risk of Having a Heart Attack based on your Cholesterol Level "
               "in the Next 10 Years is 14%|Age=45|Sex=Female";
        QTest::newRow("diabetes: 5'4'', 157 pounds, 45 to 64, no exercise")
            << "Weight for height=5'4'', 157 pounds (points from 157 pounds):5 Between 45 to 64 "
               "years old:5 No:0 No:5 No:0 No:0 Score=:15 Risk band=Scores 10 or more:"
            << "Your Score is: 15|You are at a High Risk of having Type 2 Diabetes now. Please "
               "consult your doctor.|Name= Ann |Height=5'4''|Weight=157 pounds";
        QTest::newRow("calorie: man, 70.0 kg, 170 cm, 30, moderate")
            << "Basal calories, men=66 + 13.7 x 70.0 kg + 5 x 170.0 cm - 6.8 x 30 years = "
               "1671:1671 Sedentary=1671 x 1.2 = 2005.2, rounded to 2005:2005 "
               "Light=1671 x 1.375 = 2297.625, rounded to 2298:2298 "
               "Moderate (chosen)=1671 x 1.5 = 2506.5, rounded to 2506:2506 "
               "High=1671 x 1.7 = 2840.7, rounded to 2841:2841 Higher=1671 x 2 = 3342:3342"
            << "2506|Sex=Male|Age=30|Weight=70.0 kg|Height=1.7 m|Activity=Moderate";
        QTest::newRow("calorie: woman, 60.0 kg, 165.1 cm, 30, higher")
            << "Basal calories, women=665 + 9.6 x 60.0 kg + 1.8 x 165.1 cm - 4.7 x 30 years = "
               "1397.18, rounded to 1397:1397 Sedentary=1397 x 1.2 = 1676.4, rounded to "
               "1676:1676 Light=1397 x 1.375 = 1920.875, rounded to 1921:1921 Moderate=1397 x "
               "1.5 = 2095.5, rounded to 2096:2096 High=1397 x 1.7 = 2374.9, rounded to "
               "2375:2375 Higher (chosen)=1397 x 2 = 2794:2794"
            << "2794|Sex=Female|Age=30|Weight=60.0 kg|Height=65.0 in|Activity=Higher";
    }
    void workedExamples() {
        QFETCH(QString, rows);
        QFETCH(QString, texts);
        const QString tag = QTest::currentDataTag();
        ResultReport report;
        if (tag.startsWith("heart")) {
            const modHeartAttack::HeartAttackAnswers in{50, Sex::Male, {0, 1, 6, 7, 8, 1}};
            report = HeartAttackReport(in, ScoreHeartAttackRisk(in));
        } else if (tag.startsWith("cholesterol")) {
            const modCholesterolCalculator::CholesterolAnswers in{
                45, Sex::Female, {2, 1, 2, 3, 0, 0}};
            report = CholesterolReport(in, ScoreCholesterolRisk(in));
        } else if (tag.startsWith("diabetes")) {
            const modDiabetesRiskCalculator::DiabetesAnswers in{
                6, 157, {"Between 45 to 64 years old", "No", "No", "No", "No"}};
            report = DiabetesReport(" Ann ", in, ScoreDiabetesRisk(in));
        } else {
            namespace calc = modCalorieCalculator;
            const bool man = tag.contains("man,") && !tag.contains("woman");
            const calc::BasalWorking basal =
                man ? calc::WorkBasalCalories(Sex::Male, 70, 170, 30)
                    : calc::WorkBasalCalories(Sex::Female, 60, calc::inchesToCm(65), 30);
            report = CalorieReport(
                basal, {man ? "70.0 kg" : "60.0 kg",
                        man ? "1.7 m" : "65.0 in",
                        {"Sedentary", "Light", "Moderate", "High", "Higher"},
                        man ? calc::ActivityLevel::Moderate : calc::ActivityLevel::Higher,
                        1,
                        120});
        }
        const QStringList flat = flatten(report).split('\n');
        QCOMPARE(flat[0], rows);
        QCOMPARE(flat[1], texts);
        // The model and what the result is not, last and in plain words.
        QVERIFY(report.notes.front().starts_with("Model: the ") &&
                report.notes.front().ends_with(", as used by this program."));
        QCOMPARE(report.notes.back(), "An estimate, not a diagnosis.");
    }
};

QTEST_APPLESS_MAIN(TstResultReport)
#include "tst_resultreport.moc"
