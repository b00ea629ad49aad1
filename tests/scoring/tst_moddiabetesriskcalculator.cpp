#include "scoring/moddiabetesriskcalculator.h"
#include "support/datarows.h"

using namespace wellbox::modDiabetesRiskCalculator;

class TstModDiabetesRiskCalculator : public QObject {
    Q_OBJECT

private slots:
    // Each height of the chart, each answer and each risk band's edges, from diabetes.tsv.
    void records_data() { wellbox::testing::addRowsFrom("diabetes.tsv"); }
    void records() {
        QFETCH(QString, height);
        QFETCH(int, weight);
        QFETCH(QString, answers);
        QFETCH(int, score);
        QFETCH(QString, risk);
        const auto row = std::ranges::find(DiabetesWeightChart, height.toStdString(),
                                           [](const auto& r) { return std::string(r.height); });
        QVERIFY2(row != DiabetesWeightChart.end(), "a height not in the chart");
        const QStringList texts = answers.split(", ");
        std::array<std::string, 5> given;
        for (std::size_t q = 0; q < given.size(); ++q)
            given[q] = texts.value(int(q)).toStdString();
        const DiabetesResult result = ScoreDiabetesRisk(
            {std::size_t(row - DiabetesWeightChart.begin()), std::int16_t(weight), given});
        QCOMPARE(int(result.score), score);
        QCOMPARE(QString::fromStdString(result.scoreSentence),
                 "Your Score is: " + QString::number(score));
        QCOMPARE(QString::fromStdString(result.riskSentence), risk);
    }

    // A row past the chart is refused, never read.
    void pastTheChart() { QVERIFY_THROWS_EXCEPTION(std::out_of_range, weightPoints(19, 100)); }
};

QTEST_APPLESS_MAIN(TstModDiabetesRiskCalculator)
#include "tst_moddiabetesriskcalculator.moc"
