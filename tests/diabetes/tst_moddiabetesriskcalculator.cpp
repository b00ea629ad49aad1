#include "diabetes/moddiabetesriskcalculator.h"

#include <QtTest>

using namespace wellbox::modDiabetesRiskCalculator;

namespace {

using Texts = std::array<std::string, 5>;

const std::string VeryLow = "You are at a Very Low Risk of having Type 2 Diabetes now.";
const std::string Low = "You are at a Low Risk of having Type 2 Diabetes now.";
const std::string High =
    "You are at a High Risk of having Type 2 Diabetes now. Please consult your doctor.";

const std::string Under45 = "Less than 45 years old";
const std::string From45 = "Between 45 to 64 years old";
const std::string Over65 = "65 years old or more";

// The answers that earn no points: under 45, no sibling, exercise, no such baby, no parent.
const Texts NoPoints{Under45, "No", "Yes", "No", "No"};

} // namespace

class TstModDiabetesRiskCalculator : public QObject {
    Q_OBJECT

private slots:
    // The row name is the question text; each answer with the points it earns alone.
    void answers_data() {
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("answers");
        QTest::newRow("1. What is your age?")
            << 1 << "Less than 45 years old:0|Between 45 to 64 years old:5|65 years old or more:9";
        QTest::newRow("2. Do you have any brother or sister suffering from diabetes?")
            << 2 << "Yes:1|No:0";
        QTest::newRow("3. Do you exercise for atleast 3 times week for atleast 30 minutes per day?")
            << 3 << "Yes:0|No:5";
        QTest::newRow(
            "4. Are you a woman who gave birth to a baby who weighed 9 pounds or more at birth?")
            << 4 << "Yes:1|No:0";
        QTest::newRow("5. Do you have any parent (father or mother) suffering from diabetes?")
            << 5 << "Yes:1|No:0";
    }
    void answers() {
        QFETCH(int, question);
        QFETCH(QString, answers);
        const auto q = static_cast<std::size_t>(question - 1);
        QCOMPARE(DiabetesQuestions[q].text, QTest::currentDataTag());
        QStringList actual;
        for (const std::string_view answer : DiabetesQuestions[q].answers) {
            Texts texts = NoPoints;
            texts[q] = std::string(answer);
            actual << QString::fromStdString(texts[q] + ':') +
                          QString::number(ScoreDiabetesRisk({0, 0, texts}).score);
        }
        QCOMPARE(actual.join('|'), answers);
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
        const auto r = static_cast<std::size_t>(row);
        QCOMPARE(DiabetesWeightChart[r].height, QTest::currentDataTag());
        QCOMPARE(weightPoints(r, static_cast<std::int16_t>(pounds - 1)), 0);
        QCOMPARE(weightPoints(r, static_cast<std::int16_t>(pounds)), 5);
    }

    // Whole records at the height 5'4'' (157 pounds and over earn the weight points); the risk
    // bands on both sides of each edge.
    void score_data() {
        QTest::addColumn<int>("pounds");
        QTest::addColumn<Texts>("answers");
        QTest::addColumn<int>("score");
        QTest::addColumn<std::string>("risk");
        QTest::newRow("no points at all") << 156 << NoPoints << 0 << VeryLow;
        QTest::newRow("157 pounds alone") << 157 << NoPoints << 5 << Low;
        QTest::newRow("9: 65 or more") << 156 << Texts{Over65, "No", "Yes", "No", "No"} << 9 << Low;
        QTest::newRow("2: sibling and parent")
            << 156 << Texts{Under45, "Yes", "Yes", "No", "Yes"} << 2 << VeryLow;
        QTest::newRow("3: first entries")
            << 156 << Texts{Under45, "Yes", "Yes", "Yes", "Yes"} << 3 << Low;
        QTest::newRow("10: weight and 45 to 64")
            << 157 << Texts{From45, "No", "Yes", "No", "No"} << 10 << High;
        QTest::newRow("22: highest")
            << 157 << Texts{Over65, "Yes", "No", "Yes", "Yes"} << 22 << High;
    }
    void score() {
        QFETCH(int, pounds);
        QFETCH(Texts, answers);
        QFETCH(int, score);
        QFETCH(std::string, risk);
        const DiabetesResult r = ScoreDiabetesRisk({6, static_cast<std::int16_t>(pounds), answers});
        QCOMPARE(r.score, score);
        QCOMPARE(QString::fromStdString(r.scoreSentence),
                 QStringLiteral("Your Score is: %1").arg(score));
        QCOMPARE(r.riskSentence, risk);
    }

    void rejectsWhatNoWindowPasses() {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, weightPoints(19, 100));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 ScoreDiabetesRisk({0, 100, {Under45, "yes", "No", "No", "No"}}));
    }
};

QTEST_APPLESS_MAIN(TstModDiabetesRiskCalculator)
#include "tst_moddiabetesriskcalculator.moc"
