#include "scoring/moddiabetesriskcalculator.h"

#include <QTest>

using namespace wellbox::modDiabetesRiskCalculator;
using Texts = std::array<std::string, 5>;

class TstModDiabetesRiskCalculator : public QObject {
    Q_OBJECT

private slots:
    // A question's row is named by its text, which starts with its number, and holds each
    // answer with the points it earns alone. The chart row holds each height with the lowest
    // weight that earns the weight points; one pound less earns none. A record's row is named by
    // its weight at 5'4'' (157 pounds earn the weight points) and its answers' positions in their
    // lists, and holds its two sentences, on both sides of each risk band's edge.
    void tables_data() {
        const QString VeryLow = "You are at a Very Low Risk of having Type 2 Diabetes now.";
        const QString Low = "You are at a Low Risk of having Type 2 Diabetes now.";
        const QString High =
            "You are at a High Risk of having Type 2 Diabetes now. Please consult your doctor.";
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
        QTest::newRow("156 lb, 0 0 0 1 0: sibling, parent") << "Your Score is: 2|" + VeryLow;
        QTest::newRow("156 lb, 0 0 0 0 0: every first answer") << "Your Score is: 3|" + Low;
        QTest::newRow("156 lb, 2 1 0 1 1: 65 or more") << "Your Score is: 9|" + Low;
        QTest::newRow("157 lb, 1 1 0 1 1: weight, 45 to 64") << "Your Score is: 10|" + High;
    }
    void tables() {
        QFETCH(QString, values);
        const QString tag = QTest::currentDataTag();
        QStringList actual;
        if (tag == "weight chart") {
            for (std::size_t r = 0; r < DiabetesWeightChart.size(); ++r) {
                auto pounds = std::int16_t(100);
                while (pounds < 300 && weightPoints(r, pounds) == 0)
                    ++pounds;
                actual << QString::fromUtf8(DiabetesWeightChart[r].height) + ':' +
                              QString::number(pounds);
            }
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, weightPoints(19, 100)); // past the chart
        } else if (tag.contains(" lb, ")) {
            const QStringList record = tag.section(':', 0, 0).split(' ');
            Texts texts;
            for (std::size_t q = 0; q < texts.size(); ++q)
                texts[q] = DiabetesQuestions[q].answers[record[int(q) + 2].toUInt()];
            const DiabetesResult r = ScoreDiabetesRisk({6, std::int16_t(record[0].toInt()), texts});
            actual << QString::fromStdString(r.scoreSentence + '|' + r.riskSentence);
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
