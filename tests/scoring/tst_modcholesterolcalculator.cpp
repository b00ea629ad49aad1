#include "scoring/modcholesterolcalculator.h"
#include "support/datarows.h"

using namespace wellbox::modCholesterolCalculator;
using wellbox::Sex;

class TstModCholesterolCalculator : public QObject {
    Q_OBJECT

private slots:
    // Both sides of each age band and an age inside it, each cell of the point tables and each
    // total once, from cholesterol.tsv.
    void records_data() { wellbox::testing::addRowsFrom("cholesterol.tsv"); }
    void records() {
        const wellbox::AgeQuizAnswers given =
            wellbox::testing::ageQuizAnswers(CholesterolQuestions);
        QVERIFY2(std::ranges::find(given.answers, -1) == given.answers.end(),
                 "an answer not in its list");
        const CholesterolResult result = ScoreCholesterolRisk(given);
        QTEST(int(result.total), "points");
        QStringList sentences;
        for (const wellbox::Phrase& sentence : result.sentences)
            sentences << QString::fromStdString(sentence.english());
        QTEST(sentences.join('|'), "sentences");
    }

    // An age below the tables, or one step past a list's end, is refused, never read.
    void outsideTheTables() {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 ScoreCholesterolRisk({19, Sex::Male, {0, 1, 0, 0, 1, 1}}));
        for (std::size_t q = 0; q < CholesterolQuestions.size(); ++q) {
            std::array<int, 6> answers{0, 1, 0, 0, 1, 1};
            answers[q] = int(CholesterolQuestions[q].answers.size());
            QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                                     ScoreCholesterolRisk({40, Sex::Male, answers}));
        }
    }
};

QTEST_APPLESS_MAIN(TstModCholesterolCalculator)
#include "tst_modcholesterolcalculator.moc"
