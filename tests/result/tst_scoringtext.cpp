// The scoring layer's texts where a window shows them: in English as the scoring layer wrote
// them, byte for byte, and in German whole, the values put where the translation puts them.

#include "result/scoringtext.h"
#include "scoring/modcholesterolcalculator.h"
#include "scoring/moddiabetesriskcalculator.h"
#include "scoring/modheartattack.h"
#include "scoring/resultreport.h"
#include "support/datarows.h"
#include "widgets/uistyle.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

using namespace wellbox;

namespace {

// The phrases of scoringtext.tsv, by the name of their row's case.
Phrase phrase(const QString& which) {
    using namespace modHeartAttack;
    using namespace modCholesterolCalculator;
    using namespace modDiabetesRiskCalculator;
    if (which == "heart attack, lowest risk")
        return ScoreHeartAttackRisk({40, Sex::Male, {1, 1, 0, 0, 0, 1}}).sentence;
    if (which == "heart attack, over the table")
        return ScoreHeartAttackRisk({70, Sex::Male, {0, 0, 9, 10, 1, 0}}).sentence;
    if (which == "cholesterol total" || which == "cholesterol risk")
        return ScoreCholesterolRisk({55, Sex::Female, {2, 3, 1, 4, 0, 0}})
            .sentences.at(which.endsWith("total") ? std::size_t{Total} : std::size_t{3});
    if (which == "diabetes score")
        return ScoreDiabetesRisk({6, 157, {1, 1, 1, 1, 1}}).scoreSentence;
    if (which == "diabetes high risk")
        return Phrase(RiskBands.back().sentence);
    if (which == "calorie requirement")
        return testing::workedReport("calorie", Sex::Male, 30).resultTexts.front();
    // A text the scoring layer did not mark stays as it is, and so does a value.
    return which == "height" ? Phrase(DiabetesWeightChart[0].height) : Phrase::value("Yes");
}

} // namespace

class TestScoringText : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_german.load(":/i18n/kestavo-wellbox_de.qm")); }

    void phrases_data() { testing::addRowsFrom("scoringtext.tsv"); }

    void phrases() {
        QFETCH(QString, which);
        const Phrase shown = phrase(which);
        QCOMPARE(ui::scoringText(shown), ui::fromView(shown.english()));
        QTEST(ui::scoringText(shown), "english");
        QCoreApplication::installTranslator(&m_german);
        const QString german = ui::scoringText(shown);
        QCoreApplication::removeTranslator(&m_german);
        QTEST(german, "german");
    }

private:
    QTranslator m_german;
};

QTEST_MAIN(TestScoringText)
#include "tst_scoringtext.moc"
