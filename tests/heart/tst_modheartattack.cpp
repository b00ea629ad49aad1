#include "heart/modheartattack.h"

#include <QtTest>

#include <string>

using namespace wellbox::modHeartAttack;
using wellbox::Sex;

Q_DECLARE_METATYPE(wellbox::Sex)

namespace {

const std::string Prefix = "Your Risk of Suffering from A Heart Attack in the Next 10 Years is ";

} // namespace

class TstModHeartAttack : public QObject {
    Q_OBJECT

private slots:
    void answerPoints_data() {
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("answer");
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<int>("points");
        QTest::newRow("smoker yes") << 1 << 0 << Sex::Female << 4;
        QTest::newRow("diabetic yes, man") << 2 << 0 << Sex::Male << 3;
        QTest::newRow("diabetic yes, woman") << 2 << 0 << Sex::Female << 6;
        QTest::newRow("systolic 173 jumps to 8") << 3 << 9 << Sex::Male << 8;
        QTest::newRow("systolic 186 falls to 0") << 3 << 10 << Sex::Male << 0;
        QTest::newRow("cholesterol 331 falls to 0") << 4 << 11 << Sex::Male << 0;
        QTest::newRow("hdl 58") << 5 << 10 << Sex::Male << -2;
        QTest::newRow("hdl 81") << 5 << 14 << Sex::Male << -6;
        QTest::newRow("hdl 88") << 5 << 15 << Sex::Male << -7;
        QTest::newRow("hypertrophy yes") << 6 << 0 << Sex::Male << 9;
    }
    void answerPoints() {
        QFETCH(int, question);
        QFETCH(int, answer);
        QFETCH(Sex, sex);
        QFETCH(int, points);
        QCOMPARE(::answerPoints(question, answer, sex), points);
    }

    void agePointsAtTableEdges() {
        const std::array<std::array<int, 3>, 4> rows{
            {{29, 0, 0}, {30, -2, -12}, {74, 19, 11}, {75, 0, 0}}}; // age, men, women
        for (const auto& [age, men, women] : rows) {
            QCOMPARE(agePoints(static_cast<std::int16_t>(age), Sex::Male), men);
            QCOMPARE(agePoints(static_cast<std::int16_t>(age), Sex::Female), women);
        }
    }

    void riskSentence_data() {
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("tail");
        QTest::newRow("lowest woman") << -24 << "1 %";
        QTest::newRow("1") << 1 << "1 %";
        QTest::newRow("2") << 2 << "2 %";
        QTest::newRow("22 has no row") << 22 << "21 %";
        QTest::newRow("24") << 24 << "26 %";
        QTest::newRow("32") << 32 << "42 %";
        QTest::newRow("33") << 33 << "over 42 %";
    }
    void riskSentence() {
        QFETCH(int, total);
        QFETCH(QString, tail);
        QCOMPARE(::riskSentence(static_cast<std::int16_t>(total)), Prefix + tail.toStdString());
    }

    void riskNeverFalls() {
        int previous = 0;
        for (std::int16_t total = -30; total <= 32; ++total) {
            const int percent = std::stoi(::riskSentence(total).substr(Prefix.size()));
            QVERIFY2(percent >= previous, qPrintable(QString::number(total)));
            previous = percent;
        }
    }

    void workedExamples() {
        const HeartAttackScore woman = ScoreHeartAttackRisk({30, Sex::Female, {1, 1, 0, 0, 0, 1}});
        QCOMPARE(woman.total, -12);
        QCOMPARE(woman.sentence, Prefix + "1 %");
        const HeartAttackScore man = ScoreHeartAttackRisk({50, Sex::Male, {0, 1, 6, 7, 8, 1}});
        QCOMPARE(man.total, 20);
        QCOMPARE(man.sentence, Prefix + "18 %");
    }

    // The window adds points as answers come in; that must match the one-shot score.
    void incrementalMatchesWholeScore() {
        const std::array<int, 6> counts{2, 2, 11, 12, 16, 2};
        for (const Sex sex : {Sex::Male, Sex::Female}) {
            int lowest = 100, highest = -100;
            for (const std::int16_t age : {29, 30, 47, 74, 75})
                for (int code = 0; code < 2 * 2 * 11 * 12 * 16 * 2; ++code) {
                    std::array<int, 6> answers{};
                    int running = agePoints(age, sex);
                    for (int q = 0, rest = code; q < 6; rest /= counts[q], ++q) {
                        answers[q] = rest % counts[q];
                        running += ::answerPoints(q + 1, answers[q], sex);
                    }
                    const HeartAttackScore score = ScoreHeartAttackRisk({age, sex, answers});
                    QCOMPARE(score.total, running);
                    QCOMPARE(score.sentence, ::riskSentence(score.total));
                    lowest = std::min(lowest, running);
                    highest = std::max(highest, running);
                }
            QCOMPARE(lowest, sex == Sex::Male ? -14 : -24);
            QCOMPARE(highest, sex == Sex::Male ? 56 : 51);
        }
    }

    void rejectsWhatNoWindowPasses() {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ::answerPoints(0, 0, Sex::Male));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ::answerPoints(7, 0, Sex::Male));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ::answerPoints(1, -1, Sex::Male));
        try {
            ScoreHeartAttackRisk({40, Sex::Male, {0, 0, 0, 0, 16, 0}});
            QFAIL("no exception");
        } catch (const std::out_of_range& e) {
            QVERIFY(std::string(e.what()).find("16") != std::string::npos);
        }
    }
};

QTEST_APPLESS_MAIN(TstModHeartAttack)
#include "tst_modheartattack.moc"
