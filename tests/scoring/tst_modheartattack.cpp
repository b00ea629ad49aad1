#include "scoring/modheartattack.h"
#include "support/datarows.h"

using namespace wellbox::modHeartAttack;
using wellbox::Sex;

class TstModHeartAttack : public QObject {
    Q_OBJECT

private slots:
    // Whole records, each answer, each year of age and each total once, from heartattack.tsv.
    void records_data() { wellbox::testing::addRowsFrom("heartattack.tsv"); }
    void records() {
        QFETCH(QString, sex);
        QFETCH(int, age);
        QFETCH(QString, answers);
        QFETCH(int, points);
        QFETCH(QString, risk);
        const auto given = wellbox::testing::positions(HeartAttackQuestions, answers);
        QVERIFY2(std::ranges::find(given, -1) == given.end(), "an answer not in its list");
        const HeartAttackScore score = ScoreHeartAttackRisk(
            {std::int16_t(age), sex == "Male" ? Sex::Male : Sex::Female, given});
        QCOMPARE(int(score.total), points);
        QCOMPARE(QString::fromStdString(score.sentence),
                 "Your Risk of Suffering from A Heart Attack in the Next 10 Years is " + risk);
    }

    // One step past each end of a list is refused, never read.
    void answerOutsideItsList() {
        for (int question = 1; question <= int(HeartAttackQuestions.size()); ++question) {
            const int count = int(HeartAttackQuestions[std::size_t(question - 1)].answers.size());
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, answerPoints(question, -1, Sex::Male));
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, answerPoints(question, count, Sex::Male));
        }
    }
};

QTEST_APPLESS_MAIN(TstModHeartAttack)
#include "tst_modheartattack.moc"
