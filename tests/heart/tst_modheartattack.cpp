#include "heart/modheartattack.h"

#include <QtTest>

#include <string>

using namespace wellbox::modHeartAttack;

namespace {

const std::string Prefix = "Your Risk of Suffering from A Heart Attack in the Next 10 Years is ";

// The percentage a sentence states, or -1 for the "over" sentence.
int percentOf(const std::string& sentence) {
    const std::string tail = sentence.substr(Prefix.size());
    return tail.starts_with("over") ? -1 : std::stoi(tail);
}

} // namespace

class TstModHeartAttack : public QObject {
    Q_OBJECT

private slots:
    void questionSet() {
        QCOMPARE(HeartAttackQuestions[0].text, "1. Are you a smoker?");
        QCOMPARE(HeartAttackQuestions[4].text,
                 "5. What is your HDL Cholesterol (High Density Lipoprotein) value?");
        QCOMPARE(HeartAttackQuestions[5].text, "6. Does your doctor think that you suffer from "
                                               "left ventricular hypertrophy?");
        const std::array<std::size_t, 6> counts{2, 2, 11, 12, 16, 2};
        for (std::size_t q = 0; q < counts.size(); ++q)
            QCOMPARE(HeartAttackQuestions[q].answers.size(), counts[q]);
        QCOMPARE(HeartAttackQuestions[2].answers[9], "173");
        QCOMPARE(HeartAttackQuestions[4].answers[10], "58");
        QCOMPARE(HeartAttackQuestions[4].answers[15], "88");
    }

    void answerPoints_data() {
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<int>("points");
        QTest::newRow("smoker yes") << 1 << 0 << "Female" << 4;
        QTest::newRow("diabetic yes, man") << 2 << 0 << "Male" << 3;
        QTest::newRow("diabetic yes, woman") << 2 << 0 << "Female" << 6;
        QTest::newRow("diabetic yes, lower-case male is a woman") << 2 << 0 << "male" << 6;
        QTest::newRow("diabetic no") << 2 << 1 << "Male" << 0;
        QTest::newRow("systolic 98") << 3 << 1 << "Male" << -2;
        QTest::newRow("systolic 161") << 3 << 8 << "Male" << 5;
        QTest::newRow("systolic 173 jumps to 8") << 3 << 9 << "Male" << 8;
        QTest::newRow("systolic 186 falls to 0") << 3 << 10 << "Male" << 0;
        QTest::newRow("cholesterol 139") << 4 << 1 << "Male" << -3;
        QTest::newRow("cholesterol 316") << 4 << 10 << "Male" << 6;
        QTest::newRow("cholesterol 331 falls to 0") << 4 << 11 << "Male" << 0;
        QTest::newRow("hdl 25") << 5 << 1 << "Male" << 7;
        QTest::newRow("hdl 58") << 5 << 10 << "Male" << -2;
        QTest::newRow("hdl 81") << 5 << 14 << "Male" << -6;
        QTest::newRow("hdl 88") << 5 << 15 << "Male" << -7;
        QTest::newRow("hypertrophy yes") << 6 << 0 << "Male" << 9;
    }
    void answerPoints() {
        QFETCH(int, question);
        QFETCH(int, answer);
        QFETCH(QString, sex);
        QFETCH(int, points);
        QCOMPARE(::answerPoints(question, answer, sex.toStdString()), points);
    }

    void agePoints_data() {
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("men");
        QTest::addColumn<int>("women");
        QTest::newRow("29 is below the table") << 29 << 0 << 0;
        QTest::newRow("30") << 30 << -2 << -12;
        QTest::newRow("40") << 40 << 5 << 0;
        QTest::newRow("55") << 55 << 12 << 8;
        QTest::newRow("74") << 74 << 19 << 11;
        QTest::newRow("75 is above the table") << 75 << 0 << 0;
    }
    void agePoints() {
        QFETCH(int, age);
        QFETCH(int, men);
        QFETCH(int, women);
        const auto a = static_cast<std::int16_t>(age);
        QCOMPARE(::agePoints(a, "Male"), men);
        QCOMPARE(::agePoints(a, "Female"), women);
        QCOMPARE(::agePoints(a, "MALE"), women);
    }

    void riskSentence_data() {
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("tail");
        QTest::newRow("lowest woman") << -24 << "1 %";
        QTest::newRow("1") << 1 << "1 %";
        QTest::newRow("2") << 2 << "2 %";
        QTest::newRow("15") << 15 << "10 %";
        QTest::newRow("22 has no row") << 22 << "21 %";
        QTest::newRow("24") << 24 << "26 %";
        QTest::newRow("32") << 32 << "42 %";
        QTest::newRow("33") << 33 << "over 42 %";
        QTest::newRow("highest man") << 56 << "over 42 %";
    }
    void riskSentence() {
        QFETCH(int, total);
        QFETCH(QString, tail);
        QCOMPARE(::riskSentence(static_cast<std::int16_t>(total)), Prefix + tail.toStdString());
    }

    void riskNeverFalls() {
        int previous = 0;
        for (int total = -30; total <= 32; ++total) {
            const int percent = percentOf(::riskSentence(static_cast<std::int16_t>(total)));
            QVERIFY2(percent >= previous, qPrintable(QString::number(total)));
            previous = percent;
        }
        QCOMPARE(percentOf(::riskSentence(60)), -1);
    }

    void workedExamples() {
        const HeartAttackScore woman = ScoreHeartAttackRisk({30, "Female", {1, 1, 0, 0, 0, 1}});
        QCOMPARE(woman.total, -12);
        QCOMPARE(woman.sentence, Prefix + "1 %");
        const HeartAttackScore man = ScoreHeartAttackRisk({50, "Male", {0, 1, 6, 7, 8, 1}});
        QCOMPARE(man.total, 20);
        QCOMPARE(man.sentence, Prefix + "18 %");
    }

    // The window adds points as answers come in; that must match the one-shot score.
    void incrementalMatchesWholeScore() {
        int lowest[2] = {1000, 1000};
        int highest[2] = {-1000, -1000};
        const std::array<std::string, 2> sexes{"Male", "Female"};
        for (std::size_t s = 0; s < sexes.size(); ++s) {
            for (int age : {29, 30, 47, 74, 75}) {
                std::array<int, 6> a{};
                for (a[0] = 0; a[0] < 2; ++a[0])
                    for (a[1] = 0; a[1] < 2; ++a[1])
                        for (a[2] = 0; a[2] < 11; ++a[2])
                            for (a[3] = 0; a[3] < 12; ++a[3])
                                for (a[4] = 0; a[4] < 16; ++a[4])
                                    for (a[5] = 0; a[5] < 2; ++a[5]) {
                                        int running = 0;
                                        for (int q = 0; q < 6; ++q)
                                            running += ::answerPoints(q + 1, a[q], sexes[s]);
                                        running += ::agePoints(age, sexes[s]);
                                        const auto score = ScoreHeartAttackRisk(
                                            {static_cast<std::int16_t>(age), sexes[s], a});
                                        QCOMPARE(score.total, running);
                                        QCOMPARE(score.sentence, ::riskSentence(score.total));
                                        lowest[s] = std::min(lowest[s], running);
                                        highest[s] = std::max(highest[s], running);
                                    }
            }
        }
        QCOMPARE(lowest[0], -14);
        QCOMPARE(highest[0], 56);
        QCOMPARE(lowest[1], -24);
        QCOMPARE(highest[1], 51);
    }

    void rejectsWhatNoWindowPasses() {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ::answerPoints(0, 0, "Male"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ::answerPoints(7, 0, "Male"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ::answerPoints(3, 11, "Male"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ::answerPoints(1, -1, "Male"));
        try {
            ScoreHeartAttackRisk({40, "Male", {0, 0, 0, 0, 16, 0}});
            QFAIL("no exception");
        } catch (const std::out_of_range& e) {
            QVERIFY(std::string(e.what()).find("16") != std::string::npos);
        }
    }
};

QTEST_APPLESS_MAIN(TstModHeartAttack)
#include "tst_modheartattack.moc"
