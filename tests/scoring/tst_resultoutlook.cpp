#include "scoring/resultoutlook.h"
#include "scoring/resultreport.h"
#include "support/datarows.h"

#include <QRegularExpression>

using namespace wellbox;

namespace {

QString joined(const std::vector<Phrase>& texts, QChar between) {
    QStringList list;
    for (const Phrase& text : texts)
        list << QString::fromStdString(text.english());
    return list.join(between);
}

QString totalsOf(const ResultOutlook& outlook) {
    QStringList totals;
    for (const WhatIf& whatIf : outlook.whatIfs)
        totals << QString::number(whatIf.total);
    return totals.join(u' ');
}

QString whatIfLines(const ResultOutlook& outlook) {
    std::vector<Phrase> lines;
    for (const WhatIf& whatIf : outlook.whatIfs)
        lines.push_back(whatIf.line);
    return joined(lines, u'|');
}

// The row's answers to the diabetes test: its height, weight and five answer texts.
modDiabetesRiskCalculator::DiabetesAnswers diabetesAnswers() {
    namespace diabetes = modDiabetesRiskCalculator;
    QFETCH(QString, height);
    QFETCH(int, weight);
    QFETCH(QString, answers);
    const auto row = std::ranges::find(diabetes::DiabetesWeightChart, height.toStdString(),
                                       [](const auto& r) { return std::string(r.height); });
    diabetes::DiabetesAnswers in{
        std::size_t(row - diabetes::DiabetesWeightChart.begin()), std::int16_t(weight), {}};
    const QStringList texts = answers.split(", ");
    for (std::size_t q = 0; q < in.answers.size(); ++q) {
        const auto list = diabetes::DiabetesQuestions[q].answers;
        in.answers[q] =
            int(std::ranges::find(list, texts.value(int(q)).toStdString()) - list.begin());
    }
    return in;
}

} // namespace

class TstResultOutlook : public QObject {
    Q_OBJECT

private slots:
    // The number a risk text states, and how, from risktexts.tsv.
    void riskTexts_data() { testing::addRowsFrom("risktexts.tsv"); }
    void riskTexts() {
        QFETCH(QString, text);
        QFETCH(int, inHundred);
        QFETCH(QString, bound);
        if (bound == "refused") {
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument, readRiskText(text.toStdString()));
            return;
        }
        const StatedRisk risk = readRiskText(text.toStdString());
        const std::array<QString, 4> bounds{"exactly", "fewer than", "or more", "more than"};
        QCOMPARE(int(risk.inHundred), inHundred);
        QCOMPARE(bounds[std::size_t(risk.bound)], bound);
    }

    // The worked examples and the edges of the heart attack and cholesterol tables, from
    // outlook.tsv.
    void ageQuizzes_data() { testing::addRowsFrom("outlook.tsv"); }
    void ageQuizzes() {
        QFETCH(QString, calculator);
        QFETCH(QString, comparison);
        QFETCH(QString, whatifs);
        QFETCH(QString, totals);
        QFETCH(QString, caption);
        QFETCH(int, yours);
        QFETCH(int, lowRisk);
        const bool heart = calculator == "heart attack";
        const AgeQuizAnswers in =
            testing::ageQuizAnswers(heart ? modHeartAttack::HeartAttackQuestions
                                          : modCholesterolCalculator::CholesterolQuestions);
        const ResultOutlook outlook = heart ? modHeartAttack::heartAttackOutlook(in)
                                            : modCholesterolCalculator::cholesterolOutlook(in);
        const auto& figures = std::get<FigureArray>(outlook.picture);
        QVERIFY(outlook.comparison.has_value());
        QCOMPARE(QString::fromStdString(outlook.comparison->line.english()), comparison);
        QCOMPARE(whatIfLines(outlook), whatifs);
        QCOMPARE(totalsOf(outlook), totals);
        QCOMPARE(QString::fromStdString(captionText(figures.caption)), caption);
        QCOMPARE(int(figures.yours), yours);
        QCOMPARE(int(figures.lowRisk), lowRisk);
        // The comparison first, then the what-ifs, nothing else.
        QCOMPARE(joined(outlook.lines(), u'|'),
                 QStringList({comparison, whatifs}).filter(QRegularExpression(".")).join(u'|'));
    }

    // The diabetes worked example and its edges, from diabetesoutlook.tsv.
    void diabetes_data() { testing::addRowsFrom("diabetesoutlook.tsv"); }
    void diabetes() {
        QFETCH(QString, whatifs);
        QFETCH(QString, totals);
        QFETCH(int, score);
        QFETCH(QString, caption);
        const ResultOutlook outlook = modDiabetesRiskCalculator::diabetesOutlook(diabetesAnswers());
        const auto& scale = std::get<ScoreScale>(outlook.picture);
        QVERIFY(!outlook.comparison.has_value());
        QCOMPARE(whatIfLines(outlook), whatifs);
        QCOMPARE(totalsOf(outlook), totals);
        QCOMPARE(int(scale.score), score);
        QCOMPARE(QString::fromStdString(captionText(scale.caption)), caption);
        // The band marked is the one the score lies in.
        QVERIFY(scale.bands.at(scale.band).lowest <= score &&
                score <= scale.bands.at(scale.band).highest);
    }

    // The bands on the scale, over every score the test can give.
    void diabetesBands() {
        const ResultOutlook outlook =
            modDiabetesRiskCalculator::diabetesOutlook({0, 0, {0, 1, 0, 1, 1}});
        QStringList bands;
        for (const ScoreBand& band : std::get<ScoreScale>(outlook.picture).bands)
            bands << QStringLiteral("%1-%2 %3: %4")
                         .arg(band.lowest)
                         .arg(band.highest)
                         .arg(QString::fromStdString(band.name.english()),
                              QString::fromStdString(band.scores.english()));
        QCOMPARE(bands.join(u'|'),
                 "0-2 Very Low Risk: 0 to 2|3-9 Low Risk: 3 to 9|10-22 High Risk: 10 or more");
    }

    // The five requirements as bars, from the calculator's own rounding, with the chosen level
    // and the basal value in the caption.
    void calorie_data() {
        QTest::addColumn<int>("basal");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("required");
        QTest::addColumn<QString>("caption");
        QTest::newRow("man of 70.0 kg, moderate")
            << 1671 << 2 << "2005 2298 2506 2841 3342"
            << "Moderate: 2506 calories a day; the five levels: 2005, 2298, 2506, 2841, 3342; "
               "basal calories: 1671";
        QTest::newRow("negative basal, sedentary")
            << -750 << 0 << "-900 -1031 -1125 -1275 -1500"
            << "Sedentary: -900 calories a day; the five levels: -900, -1031, -1125, -1275, "
               "-1500; basal calories: -750";
    }
    void calorie() {
        QFETCH(int, basal);
        QFETCH(int, chosen);
        QFETCH(QString, required);
        QFETCH(QString, caption);
        namespace calc = modCalorieCalculator;
        const auto b = std::int16_t(basal);
        const ResultOutlook outlook =
            calc::calorieReport({{.basal = b}, "", ""},
                                calc::ComputeRequiredCalories(b, calc::ActivityLevel(chosen)),
                                {"Sedentary", "Light", "Moderate", "High", "Higher"})
                .outlook;
        const auto& bars = std::get<CalorieBars>(outlook.picture);
        QStringList shown;
        for (std::int16_t calories : bars.required)
            shown << QString::number(calories);
        QCOMPARE(shown.join(u' '), required);
        QCOMPARE(QString::fromStdString(captionText(bars.caption)), caption);
        QVERIFY(outlook.lines().empty());
    }
};

QTEST_APPLESS_MAIN(TstResultOutlook)
#include "tst_resultoutlook.moc"
