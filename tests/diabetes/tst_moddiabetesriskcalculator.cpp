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

} // namespace

// The lightest and heaviest weight on the first chart row earn 0 and 5 weight points.
DiabetesResult scoreWith(int weightPoints, const Texts& answers) {
    return ScoreDiabetesRisk({0, static_cast<std::int16_t>(weightPoints ? 32767 : 0), answers});
}

class TstModDiabetesRiskCalculator : public QObject {
    Q_OBJECT

private slots:
    void weightPoints_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("pounds");
        QTest::addColumn<int>("points");
        QTest::newRow("5'4'' one below") << 6 << 156 << 0;
        QTest::newRow("5'4'' at threshold") << 6 << 157 << 5;
        QTest::newRow("5'4'' well above") << 6 << 250 << 5;
        QTest::newRow("4'10'' at threshold") << 0 << 129 << 5;
        QTest::newRow("6'4'' one below") << 18 << 220 << 0;
        QTest::newRow("negative weight") << 0 << -1 << 0;
    }
    void weightPoints() {
        QFETCH(int, row);
        QFETCH(int, pounds);
        QFETCH(int, points);
        QCOMPARE(::weightPoints(static_cast<std::size_t>(row), static_cast<std::int16_t>(pounds)),
                 points);
    }

    void score_data() {
        QTest::addColumn<int>("weightPoints");
        QTest::addColumn<Texts>("answers");
        QTest::addColumn<int>("score");
        QTest::addColumn<std::string>("risk");
        QTest::newRow("first entries")
            << 0 << Texts{Under45, "Yes", "Yes", "Yes", "Yes"} << 3 << Low;
        QTest::newRow("score 2") << 0 << Texts{Under45, "Yes", "Yes", "No", "Yes"} << 2 << VeryLow;
        QTest::newRow("score 9") << 0 << Texts{Over65, "No", "Yes", "No", "No"} << 9 << Low;
        QTest::newRow("weight and middle age")
            << 5 << Texts{From45, "No", "Yes", "No", "No"} << 10 << High;
        QTest::newRow("highest") << 5 << Texts{Over65, "Yes", "No", "Yes", "Yes"} << 22 << High;
    }
    void score() {
        QFETCH(int, weightPoints);
        QFETCH(Texts, answers);
        QFETCH(int, score);
        QFETCH(std::string, risk);
        const DiabetesResult r = scoreWith(weightPoints, answers);
        QCOMPARE(r.score, score);
        QCOMPARE(r.scoreSentence, "Your Score is: " + std::to_string(score));
        QCOMPARE(r.riskSentence, risk);
    }

    void wholeRecordMatchesParts() {
        QCOMPARE(DiabetesWeightChart[6].height, "5'4''");
        const Texts a{From45, "No", "Yes", "No", "No"};
        QCOMPARE(ScoreDiabetesRisk({6, 157, a}).score, 10);
        QCOMPARE(ScoreDiabetesRisk({6, 156, a}).score, 5);
    }

    void everyCombinationStaysInRange() {
        for (std::int16_t weight : {0, 5})
            for (const auto& age : DiabetesQuestions[0].answers)
                for (int mask = 0; mask < 16; ++mask) {
                    Texts a{std::string(age)};
                    for (int q = 1; q < 5; ++q)
                        a[q] = mask & (1 << (q - 1)) ? "Yes" : "No";
                    const DiabetesResult r = scoreWith(weight, a);
                    QVERIFY(r.score >= 0 && r.score <= 22);
                    const std::string& expected = r.score <= 2   ? VeryLow
                                                  : r.score <= 9 ? Low
                                                                 : High;
                    QCOMPARE(r.riskSentence, expected);
                }
    }

    void rejectsWhatNoWindowPasses() {
        try {
            ::weightPoints(19, 100);
            QFAIL("no exception");
        } catch (const std::out_of_range& e) {
            QVERIFY(std::string(e.what()).find("19") != std::string::npos);
        }
        try {
            scoreWith(0, Texts{Under45, "yes", "No", "No", "No"});
            QFAIL("no exception");
        } catch (const std::invalid_argument& e) {
            QVERIFY(std::string(e.what()).find("\"yes\"") != std::string::npos);
        }
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 scoreWith(0, Texts{"Yes", "No", "No", "No", "No"}));
    }
};

QTEST_APPLESS_MAIN(TstModDiabetesRiskCalculator)
#include "tst_moddiabetesriskcalculator.moc"
