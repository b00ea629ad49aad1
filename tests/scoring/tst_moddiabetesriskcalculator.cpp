#include "scoring/moddiabetesriskcalculator.h"
#include "support/datarows.h"

using namespace wellbox::modDiabetesRiskCalculator;

class TstModDiabetesRiskCalculator : public QObject {
    Q_OBJECT

private slots:
    // Each height of the chart, each answer and each risk band's edges, from diabetes.tsv.
    void records_data() { wellbox::testing::addRowsFrom("diabetes.tsv"); }
    void records() {
        QFETCH(int, score);
        const DiabetesAnswers given = wellbox::testing::diabetesAnswers();
        QVERIFY2(given.heightRow < DiabetesWeightChart.size(), "a height not in the chart");
        QVERIFY2(std::ranges::find(given.answers, -1) == given.answers.end(),
                 "an answer not in its list");
        const DiabetesResult result = ScoreDiabetesRisk(given);
        QCOMPARE(int(result.score), score);
        QCOMPARE(QString::fromStdString(result.scoreSentence.english()),
                 "Your Score is: " + QString::number(score));
        QTEST(QString::fromStdString(result.riskSentence.english()), "risk");
    }

    // A row past the chart, or an answer past its list, is refused, never read.
    void pastTheChart() { QVERIFY_THROWS_EXCEPTION(std::out_of_range, weightPoints(19, 100)); }
    void pastTheList() {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ScoreDiabetesRisk({0, 100, {3, 0, 0, 0, 0}}));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ScoreDiabetesRisk({0, 100, {0, 0, 0, 0, -1}}));
    }
};

QTEST_APPLESS_MAIN(TstModDiabetesRiskCalculator)
#include "tst_moddiabetesriskcalculator.moc"
