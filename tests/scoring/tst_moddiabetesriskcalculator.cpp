#include "scoring/moddiabetesriskcalculator.h"
#include "support/datarows.h"

#include <cmath>

using namespace wellbox::modDiabetesRiskCalculator;

class TstModDiabetesRiskCalculator : public QObject {
    Q_OBJECT

private slots:
    // Each height of the chart, each answer and each risk band's edges, and a height and weight
    // in metric, from diabetes.tsv.
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

    // Each row in whole centimetres, its inches times 2.54 rounded, no two alike; and every whole
    // kilogram from 30 to 250 scored as the same mass in pounds, the pound being 0.45359237 kg:
    // as the whole pounds under it, against the chart's whole pounds.
    void metric() {
        QStringList heights;
        for (std::size_t row = 0; row < DiabetesWeightChart.size(); ++row) {
            const QStringList feetInches =
                QString::fromStdString(std::string(DiabetesWeightChart[row].height))
                    .remove("''")
                    .split('\'');
            const int inches = feetInches[0].toInt() * 12 + feetInches[1].toInt();
            const QString shown =
                QString::fromStdString(heightPhrase(row, wellbox::BodyUnits::Metric).english());
            QCOMPARE(shown, QString("%1 cm").arg(qRound(inches * 2.54)));
            QVERIFY2(!heights.contains(shown), qPrintable(shown));
            heights << shown;
            for (int kilograms = 30; kilograms <= 250; ++kilograms) {
                const auto pounds = std::int16_t(std::floor(kilograms / 0.45359237));
                QCOMPARE(weightPoints(row, std::int16_t(kilograms), wellbox::BodyUnits::Metric),
                         weightPoints(row, pounds, wellbox::BodyUnits::Imperial));
            }
        }
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
