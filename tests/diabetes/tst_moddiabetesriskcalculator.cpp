#include "diabetes/moddiabetesriskcalculator.h"

#include <QtTest>

#include <map>

using namespace wellbox::modDiabetesRiskCalculator;
using Texts = std::array<std::string, 5>;

class TstModDiabetesRiskCalculator : public QObject {
    Q_OBJECT

private slots:
    // A question's row is named by its text, which starts with its number, and holds each
    // answer with the points it earns alone. The chart row holds each height with the lowest
    // weight that earns the weight points; one pound less earns none. The risk row holds, over
    // every record (5'4'' with 156 or 157 pounds, each answer to each question), the scores where
    // the risk sentence changes.
    void tables_data() {
        QTest::addColumn<QString>("values");
        QTest::newRow("1. What is your age?")
            << "Less than 45 years old:0|Between 45 to 64 years old:5|65 years old or more:9";
        QTest::newRow("2. Do you have any brother or sister suffering from diabetes?")
            << "Yes:1|No:0";
        QTest::newRow("3. Do you exercise for atleast 3 times week for atleast 30 minutes per day?")
            << "Yes:0|No:5";
        QTest::newRow(
            "4. Are you a woman who gave birth to a baby who weighed 9 pounds or more at birth?")
            << "Yes:1|No:0";
        QTest::newRow("5. Do you have any parent (father or mother) suffering from diabetes?")
            << "Yes:1|No:0";
        QTest::newRow("weight chart")
            << "4'10'':129|4'11'':133|5'0'':138|5'1'':143|5'2'':147|5'3'':152|5'4'':157|5'5'':162|"
               "5'6'':167|5'7'':172|5'8'':177|5'9'':182|5'10'':188|5'11'':193|6'0'':199|6'1'':204|"
               "6'2'':210|6'3'':216|6'4'':221";
        QTest::newRow("risk by score")
            << "0:You are at a Very Low Risk of having Type 2 Diabetes now.|"
               "3:You are at a Low Risk of having Type 2 Diabetes now.|"
               "10:You are at a High Risk of having Type 2 Diabetes now. Please consult your "
               "doctor.";
    }
    void tables() {
        QFETCH(QString, values);
        const QString tag = QTest::currentDataTag();
        QStringList actual;
        if (tag == "weight chart") {
            for (std::size_t row = 0; row < DiabetesWeightChart.size(); ++row) {
                auto pounds = std::int16_t(100);
                while (pounds < 300 && weightPoints(row, pounds) == 0)
                    ++pounds;
                actual << QString::fromUtf8(DiabetesWeightChart[row].height) + ':' +
                              QString::number(pounds);
            }
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, weightPoints(19, 100)); // past the chart
        } else if (tag == "risk by score") {
            std::map<int, std::string> reached;
            for (int record = 0; record < 96; ++record) {
                Texts texts;
                // One digit per question, in the base of its answer count; the last picks the
                // weight.
                int code = record;
                for (std::size_t q = 0; q < texts.size(); ++q) {
                    const auto answers = DiabetesQuestions[q].answers;
                    texts[q] = answers[std::size_t(code) % answers.size()];
                    code /= int(answers.size());
                }
                const DiabetesResult r = ScoreDiabetesRisk({6, std::int16_t(156 + code), texts});
                QCOMPARE(r.scoreSentence, "Your Score is: " + std::to_string(r.score));
                reached[r.score] = r.riskSentence;
            }
            std::string last;
            for (const auto& [score, sentence] : reached)
                if (sentence != last)
                    actual << QString::number(score) + ':' +
                                  QString::fromStdString(last = sentence);
        } else {
            // Under 45, no sibling, exercise, no such baby, no parent: no points at all.
            Texts texts{"Less than 45 years old", "No", "Yes", "No", "No"};
            const auto q = std::size_t(tag[0].digitValue() - 1);
            QCOMPARE(DiabetesQuestions[q].text, QTest::currentDataTag());
            for (const std::string_view answer : DiabetesQuestions[q].answers) {
                texts[q] = answer;
                actual << QString::fromUtf8(answer) + ':' +
                              QString::number(ScoreDiabetesRisk({0, 100, texts}).score);
            }
        }
        QCOMPARE(actual.join('|'), values);
    }
};

QTEST_APPLESS_MAIN(TstModDiabetesRiskCalculator)
#include "tst_moddiabetesriskcalculator.moc"
