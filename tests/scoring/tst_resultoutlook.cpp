#include "scoring/riskband.h"
#include "support/datarows.h"

#include <QRegularExpression>

using namespace wellbox;

namespace {

// Phrases in English, "|" between them.
QString joined(const std::vector<Phrase>& phrases) {
    QStringList list;
    for (const Phrase& phrase : phrases)
        list << QString::fromStdString(phrase.english());
    return list.join(u'|');
}

// The what-if lines, "|" between them, or their totals, " " between them.
QString whatIfs(const ResultOutlook& outlook, bool totals = false) {
    QStringList shown;
    for (const WhatIf& whatIf : outlook.whatIfs)
        shown << (totals ? QString::number(whatIf.total)
                         : QString::fromStdString(whatIf.line.english()));
    return shown.join(totals ? u' ' : u'|');
}

} // namespace

class TstResultOutlook : public QObject {
    Q_OBJECT

private slots:
    // A risk as each calculator writes it, from risktexts.tsv.
    void riskTexts_data() { testing::addRowsFrom("risktexts.tsv"); }
    void riskTexts() {
        QFETCH(QString, calculator);
        QFETCH(int, percent);
        QFETCH(QString, bound);
        const QStringList bounds{"exactly", "fewer than", "or more", "more than"};
        QVERIFY(bounds.contains(bound));
        const Risk risk{std::int16_t(percent), RiskBound(bounds.indexOf(bound))};
        const Phrase text = calculator == "heart attack"
                                ? modHeartAttack::riskPhrase(risk)
                                : modCholesterolCalculator::riskPhrase(risk);
        QTEST(QString::fromStdString(text.english()), "text");
    }

    // The band of every risk text of both tables, from riskbands.tsv.
    void bands_data() { testing::addRowsFrom("riskbands.tsv"); }
    void bands() {
        QFETCH(QString, calculator);
        QFETCH(int, percent);
        QFETCH(QString, bound);
        const QStringList bounds{"exactly", "fewer than", "or more", "more than"};
        const Risk risk{std::int16_t(percent), RiskBound(bounds.indexOf(bound))};
        const Phrase text = calculator == "heart attack"
                                ? modHeartAttack::riskPhrase(risk)
                                : modCholesterolCalculator::riskPhrase(risk);
        QTEST(QString::fromStdString(text.english()), "text");
        QTEST(QString::fromStdString(bandLine(risk).english()), "band");
    }

    // The worked examples and the edges of the heart attack and cholesterol tables, in mg/dL and
    // mmol/L, from outlook.tsv.
    void ageQuizzes_data() { testing::addRowsFrom("outlook.tsv"); }
    void ageQuizzes() {
        QFETCH(QString, unit);
        QFETCH(QString, comparison);
        QFETCH(QString, whatifs);
        const ResultOutlook outlook = testing::ageQuizOutlook(testing::cholesterolUnit(unit));
        const auto& figures = std::get<FigureArray>(outlook.picture);
        QVERIFY(outlook.comparison.has_value());
        QCOMPARE(QString::fromStdString(outlook.comparison->english()), comparison);
        QCOMPARE(whatIfs(outlook), whatifs);
        QTEST(whatIfs(outlook, true), "totals");
        QTEST(QString::fromStdString(captionPhrase(figures.caption).english()), "caption");
        QTEST(int(figures.yours), "yours");
        QTEST(int(figures.lowRisk), "lowRisk");
        const auto part = [](bool marked) { return QString(marked ? "part" : "whole"); };
        QTEST(part(figures.yoursPart) + ' ' + part(figures.lowRiskPart), "parts");
        // The comparison first, then the what-ifs, nothing else.
        QCOMPARE(joined(outlook.lines()),
                 QStringList({comparison, whatifs}).filter(QRegularExpression(".")).join(u'|'));
    }

    // The diabetes worked example and its edges, with the band each score lies in, from
    // diabetesoutlook.tsv.
    void diabetes_data() { testing::addRowsFrom("diabetesoutlook.tsv"); }
    void diabetes() {
        const ResultOutlook outlook =
            modDiabetesRiskCalculator::diabetesOutlook(testing::diabetesAnswers());
        const auto& scale = std::get<ScoreScale>(outlook.picture);
        QVERIFY(!outlook.comparison.has_value());
        QTEST(whatIfs(outlook), "whatifs");
        QTEST(whatIfs(outlook, true), "totals");
        QTEST(int(scale.score), "score");
        QTEST(QString::fromStdString(captionPhrase(scale.caption).english()), "caption");
        const ScoreBand& band = scale.bands.at(scale.band);
        QTEST(QStringLiteral("%1-%2 %3: %4")
                  .arg(band.lowest)
                  .arg(band.highest)
                  .arg(QString::fromStdString(band.name.english()),
                       QString::fromStdString(band.scores.english())),
              "band");
    }

    // The five requirements as bars, from the calculator's own rounding, with the chosen level
    // and the basal value in the caption.
    void calorie_data() { testing::addRowsFrom("calorieoutlook.tsv"); }
    void calorie() {
        QFETCH(int, basal);
        QFETCH(int, chosen);
        const ResultOutlook outlook = testing::calorieOutlook(basal, chosen);
        const auto& bars = std::get<CalorieBars>(outlook.picture);
        QStringList shown;
        for (std::int16_t calories : bars.required)
            shown << QString::number(calories);
        QTEST(shown.join(u' '), "required");
        QTEST(QString::fromStdString(captionPhrase(bars.caption).english()), "caption");
        QVERIFY(outlook.lines().empty());
    }
};

QTEST_APPLESS_MAIN(TstResultOutlook)
#include "tst_resultoutlook.moc"
