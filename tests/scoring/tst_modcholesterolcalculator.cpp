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
        QFETCH(int, points);
        QFETCH(QString, risk);
        QFETCH(QString, categories);
        const wellbox::AgeQuizAnswers given =
            wellbox::testing::ageQuizAnswers(CholesterolQuestions);
        QVERIFY2(std::ranges::find(given.answers, -1) == given.answers.end(),
                 "an answer not in its list");
        const CholesterolResult result = ScoreCholesterolRisk(given);
        QCOMPARE(int(result.total), points);
        const QStringList category = categories.split(", ");
        QStringList sentences;
        for (const std::string& sentence : result.sentences)
            sentences << QString::fromStdString(sentence);
        QCOMPARE(sentences,
                 QStringList({
                     "Your Total Cholesterol Level is at a " + category[0] + " Level",
                     "Your HDL 'Good' Cholesterol Level is at a " + category[1] + " Level",
                     "Your LDL 'Bad' Cholesterol Level is at a " + category[2] + " Level",
                     "Your Risk of Having a Heart Attack based on your Cholesterol "
                     "Level in the Next 10 Years is " +
                         risk,
                 }));
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
