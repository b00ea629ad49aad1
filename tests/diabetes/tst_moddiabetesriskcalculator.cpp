#include "diabetes/moddiabetesriskcalculator.h"

#include <QtTest>

using namespace wellbox::modDiabetesRiskCalculator;
using Texts = std::array<std::string, 5>;

// Under 45, no sibling, exercise, no such baby, no parent: no points at all.
static const Texts NoPoints{"Less than 45 years old", "No", "Yes", "No", "No"};

class TstModDiabetesRiskCalculator : public QObject {
    Q_OBJECT

private slots:
    // The row name is the question text, which starts with its number; each answer with the
    // points it earns alone.
    void answers_data() {
        QTest::addColumn<QString>("points");
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
    }
    void answers() {
        QFETCH(QString, points);
        const auto q = std::size_t(QTest::currentDataTag()[0] - '1');
        QCOMPARE(DiabetesQuestions[q].text, QTest::currentDataTag());
        QStringList actual;
        Texts texts = NoPoints;
        for (const std::string_view answer : DiabetesQuestions[q].answers) {
            texts[q] = answer;
            actual << QString::fromUtf8(answer) + ':' +
                          QString::number(ScoreDiabetesRisk({0, 100, texts}).score);
        }
        QCOMPARE(actual.join('|'), points);
        texts[q] = "yes"; // not in the list
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, ScoreDiabetesRisk({0, 100, texts}));
    }

    // Each height with its threshold: one pound less earns nothing, the threshold earns 5.
    void weightChart_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("pounds");
        const std::array<std::pair<const char*, int>, 19> chart{{
            {"4'10''", 129}, {"4'11''", 133}, {"5'0''", 138},  {"5'1''", 143},  {"5'2''", 147},
            {"5'3''", 152},  {"5'4''", 157},  {"5'5''", 162},  {"5'6''", 167},  {"5'7''", 172},
            {"5'8''", 177},  {"5'9''", 182},  {"5'10''", 188}, {"5'11''", 193}, {"6'0''", 199},
            {"6'1''", 204},  {"6'2''", 210},  {"6'3''", 216},  {"6'4''", 221},
        }};
        for (int row = 0; row < 19; ++row)
            QTest::newRow(chart[row].first) << row << chart[row].second;
    }
    void weightChart() {
        QFETCH(int, row);
        QFETCH(int, pounds);
        QCOMPARE(DiabetesWeightChart[std::size_t(row)].height, QTest::currentDataTag());
        QCOMPARE(weightPoints(std::size_t(row), std::int16_t(pounds - 1)), 0);
        QCOMPARE(weightPoints(std::size_t(row), std::int16_t(pounds)), 5);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, weightPoints(19, 100)); // past the chart
    }

    // Whole records at 5'4'', where 157 pounds and over earn the weight points; the score
    // sentence, and the risk sentence on both sides of each band's edge.
    void score_data() {
        QTest::addColumn<int>("pounds");
        QTest::addColumn<Texts>("answers");
        QTest::addColumn<std::string>("risk");
        const std::string Low = "You are at a Low Risk of having Type 2 Diabetes now.";
        const std::string High =
            "You are at a High Risk of having Type 2 Diabetes now. Please consult your doctor.";
        QTest::newRow("2: sibling and parent")
            << 156 << Texts{"Less than 45 years old", "Yes", "Yes", "No", "Yes"}
            << std::string("You are at a Very Low Risk of having Type 2 Diabetes now.");
        QTest::newRow("3: every first answer")
            << 156 << Texts{"Less than 45 years old", "Yes", "Yes", "Yes", "Yes"} << Low;
        QTest::newRow("9: 65 or more")
            << 156 << Texts{"65 years old or more", "No", "Yes", "No", "No"} << Low;
        QTest::newRow("10: weight and 45 to 64")
            << 157 << Texts{"Between 45 to 64 years old", "No", "Yes", "No", "No"} << High;
        QTest::newRow("22: the highest")
            << 157 << Texts{"65 years old or more", "Yes", "No", "Yes", "Yes"} << High;
    }
    void score() {
        QFETCH(int, pounds);
        QFETCH(Texts, answers);
        QFETCH(std::string, risk);
        const DiabetesResult r = ScoreDiabetesRisk({6, std::int16_t(pounds), answers});
        QCOMPARE(r.score, QString(QTest::currentDataTag()).section(':', 0, 0).toInt());
        QCOMPARE(r.scoreSentence, "Your Score is: " + std::to_string(r.score));
        QCOMPARE(r.riskSentence, risk);
    }
};

QTEST_APPLESS_MAIN(TstModDiabetesRiskCalculator)
#include "tst_moddiabetesriskcalculator.moc"
