// The scoring layer's texts where a window shows them: in English as the scoring layer wrote
// them, byte for byte, and in German whole, the values put where the translation puts them and
// its numbers written as German writes them; and in English whatever the C library's locale.

#include "result/resultdocument.h"
#include "result/scoringtext.h"
#include "scoring/modcholesterolcalculator.h"
#include "scoring/moddiabetesriskcalculator.h"
#include "scoring/modheartattack.h"
#include "scoring/resultreport.h"
#include "support/datarows.h"
#include "widgets/textfit.h"
#include "widgets/uistyle.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

#include <clocale>
#include <cstdio>
#include <string>

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
    if (which == "calorie working")
        return testing::workedReport("calorie", Sex::Male, 30).rows.front().answer;
    if (which == "calorie weight")
        return testing::workedReport("calorie", Sex::Male, 30).details.at(2).value;
    if (which == "calorie body mass")
        return testing::workedReport("calorie", Sex::Male, 30).estimates.bodyMass.front();
    if (which == "calorie goal")
        return testing::workedReport("calorie", Sex::Male, 30).estimates.goals.at(1).goal;
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
        ui::setShownLanguage("de");
        const QString german = ui::scoringText(shown);
        ui::setShownLanguage({});
        QCoreApplication::removeTranslator(&m_german);
        QTEST(german, "german");
    }

    // Under a C library locale of decimal commas (the test's own, or LC_NUMERIC of a run of its
    // own) an English result's numbers read as under "C": the workings, the details and the
    // kept text, of a man of 1, whose age the details once kept as "1,".
    void numbersWhateverTheCLocale() {
        const std::string before = std::setlocale(LC_NUMERIC, nullptr);
        const auto shown = [] {
            const ResultReport report = testing::workedReport("calorie", Sex::Male, 1);
            QStringList texts{ui::scoringText(report.rows.front().answer)};
            for (const ReportDetail& detail : report.details)
                texts << ui::scoringText(detail.value);
            texts << QString::fromStdString(report.rows.front().answer.english())
                  << QString::fromStdString(report.details.at(1).value.english());
            return texts << ResultDocument("calorie", {}, report).plainText();
        };
        QVERIFY(std::setlocale(LC_NUMERIC, "C"));
        const QStringList english = shown();
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            QSKIP("no de_DE.UTF-8 locale: the build makes one where Debian's locales is installed");
        std::array<char, 8> comma{};
        std::snprintf(comma.data(), comma.size(), "%.1f", 0.5);
        const QStringList underComma = shown();
        std::setlocale(LC_NUMERIC, before.c_str());
        QCOMPARE(QString(comma.data()), "0,5");
        QCOMPARE(underComma, english);
        QVERIFY(english.front().contains(" x 70.0 kg ") && english.at(2) == "1");
    }

private:
    QTranslator m_german;
};

QTEST_MAIN(TestScoringText)
#include "tst_scoringtext.moc"
