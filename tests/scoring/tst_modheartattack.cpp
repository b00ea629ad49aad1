#include "scoring/modheartattack.h"
#include "support/datarows.h"

using namespace wellbox::modHeartAttack;
using wellbox::Sex;

class TstModHeartAttack : public QObject {
    Q_OBJECT

private slots:
    // Whole records, each answer, both sides of each age where the points change and an age
    // inside each longer band, and each total once, from heartattack.tsv.
    void records_data() { wellbox::testing::addRowsFrom("heartattack.tsv"); }
    void records() {
        const wellbox::AgeQuizAnswers given =
            wellbox::testing::ageQuizAnswers(HeartAttackQuestions);
        QVERIFY2(std::ranges::find(given.answers, -1) == given.answers.end(),
                 "an answer not in its list");
        const HeartAttackScore score = ScoreHeartAttackRisk(given);
        QTEST(int(score.total), "points");
        QTEST(QString::fromStdString(score.sentence.english()), "sentence");
    }

    // One step past each end of a list, or of the questions, is refused, never read.
    void answerOutsideItsList() {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, answerPoints(0, 0, Sex::Male));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, answerPoints(7, 0, Sex::Male));
        for (int question = 1; question <= int(HeartAttackQuestions.size()); ++question) {
            const int count = int(HeartAttackQuestions[std::size_t(question - 1)].answers.size());
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, answerPoints(question, -1, Sex::Male));
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, answerPoints(question, count, Sex::Male));
        }
    }
};

QTEST_APPLESS_MAIN(TstModHeartAttack)
#include "tst_modheartattack.moc"
