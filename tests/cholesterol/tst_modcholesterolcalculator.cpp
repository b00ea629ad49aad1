#include "cholesterol/modcholesterolcalculator.h"

#include <QtTest>

#include <functional>
#include <map>

using namespace wellbox::modCholesterolCalculator;

namespace {

using Answers = std::array<int, 6>;

CholesterolResult score(int age, const char* sex, const Answers& answers) {
    return ScoreCholesterolRisk({static_cast<std::int16_t>(age), sex, answers});
}

template <typename E> QString messageOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const E& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

} // namespace

class TstModCholesterolCalculator : public QObject {
    Q_OBJECT

private slots:
    void questionSet() {
        QCOMPARE(CholesterolQuestions[0].text, "Choose your Current Total Cholesterol Level.");
        QCOMPARE(CholesterolQuestions[3].text, "Choose Systolic Blood Pressure.");
        const std::array<std::size_t, 6> counts{5, 4, 3, 5, 2, 2};
        for (std::size_t q = 0; q < counts.size(); ++q)
            QCOMPARE(CholesterolQuestions[q].answers.size(), counts[q]);
        QCOMPARE(CholesterolQuestions[2].answers[2], "160>");
    }

    void points_data() {
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("risk");
        QTest::newRow("man 55") << 55 << "Male" << Answers{3, 2, 1, 2, 1, 1} << 14 << "16%";
        QTest::newRow("woman 45 treated")
            << 45 << "Female" << Answers{2, 1, 0, 3, 0, 0} << 21 << "14%";
        QTest::newRow("woman 45 untreated")
            << 45 << "Female" << Answers{2, 1, 0, 3, 1, 0} << 19 << "8%";
        QTest::newRow("man 20 best") << 20 << "Male" << Answers{0, 0, 0, 0, 1, 1} << -10 << "<1%";
        QTest::newRow("woman 20 best")
            << 20 << "Female" << Answers{0, 0, 0, 0, 1, 1} << -8 << "<1%";
        QTest::newRow("lower-case male is a woman")
            << 20 << "male" << Answers{0, 0, 0, 0, 1, 1} << -8 << "<1%";
        QTest::newRow("man exactly 0") << 40 << "Male" << Answers{0, 1, 0, 0, 1, 1} << 0 << "1%";
        QTest::newRow("man exactly 17")
            << 40 << "Male" << Answers{4, 3, 0, 3, 0, 0} << 17 << ">=30%";
        QTest::newRow("woman 8 still below 1%")
            << 40 << "Female" << Answers{3, 1, 0, 0, 1, 1} << 8 << "<1%";
        QTest::newRow("woman 9") << 40 << "Female" << Answers{3, 2, 0, 0, 1, 1} << 9 << "1%";
        QTest::newRow("man highest, 45")
            << 45 << "Male" << Answers{4, 3, 2, 4, 0, 0} << 21 << ">=30%";
        QTest::newRow("woman highest, 45")
            << 45 << "Female" << Answers{4, 3, 2, 4, 0, 0} << 28 << ">=30%";
    }
    void points() {
        QFETCH(int, age);
        QFETCH(QString, sex);
        QFETCH(Answers, answers);
        QFETCH(int, points);
        QFETCH(QString, risk);
        const CholesterolResult r = score(age, qPrintable(sex), answers);
        QCOMPARE(r.points, points);
        QCOMPARE(r.riskText, risk.toStdString());
    }

    // "280+", neutral HDL and pressure, smoker: both age tables and both ten-year tables move.
    void ageBandEdges_data() {
        QTest::addColumn<int>("lastAge");
        QTest::addColumn<int>("menBefore");
        QTest::addColumn<int>("menAfter");
        QTest::addColumn<int>("womenBefore");
        QTest::addColumn<int>("womenAfter");
        QTest::newRow("34/35") << 34 << 10 << 15 << 15 << 19;
        QTest::newRow("39/40") << 39 << 15 << 13 << 19 << 17;
        QTest::newRow("44/45") << 44 << 13 << 16 << 17 << 20;
        QTest::newRow("49/50") << 49 << 16 << 14 << 20 << 17;
        QTest::newRow("54/55") << 54 << 14 << 16 << 17 << 19;
        QTest::newRow("59/60") << 59 << 16 << 14 << 19 << 16;
        QTest::newRow("64/65") << 64 << 14 << 15 << 16 << 18;
        QTest::newRow("69/70") << 69 << 15 << 14 << 18 << 17;
        QTest::newRow("74/75") << 74 << 14 << 15 << 17 << 19;
    }
    void ageBandEdges() {
        QFETCH(int, lastAge);
        QFETCH(int, menBefore);
        QFETCH(int, menAfter);
        QFETCH(int, womenBefore);
        QFETCH(int, womenAfter);
        const Answers a{4, 1, 0, 0, 1, 0};
        QCOMPARE(score(lastAge, "Male", a).points, menBefore);
        QCOMPARE(score(lastAge + 1, "Male", a).points, menAfter);
        QCOMPARE(score(lastAge, "Female", a).points, womenBefore);
        QCOMPARE(score(lastAge + 1, "Female", a).points, womenAfter);
    }

    void oldAgeLowCholesterolCountsOnlyForWomen() {
        for (int total : {1, 2}) {
            QCOMPARE(score(72, "Male", {total, 1, 0, 0, 1, 1}).points,
                     score(72, "Male", {0, 1, 0, 0, 1, 1}).points);
            QCOMPARE(score(72, "Female", {total, 1, 0, 0, 1, 1}).points,
                     score(72, "Female", {0, 1, 0, 0, 1, 1}).points + 1);
        }
    }

    void categoriesAndSentences() {
        const CholesterolResult best = score(30, "Male", {0, 0, 0, 0, 1, 1});
        QCOMPARE(best.sentences[0], "Your Total Cholesterol Level is at a Optimum Level");
        QCOMPARE(best.sentences[1], "Your HDL 'Good' Cholesterol Level is at a Optimum Level");
        QCOMPARE(best.sentences[2], "Your LDL 'Bad' Cholesterol Level is at a Optimum Level");
        QCOMPARE(best.sentences[3], "Your Risk of Having a Heart Attack based on your Cholesterol "
                                    "Level in the Next 10 Years is <1%");
        const CholesterolResult mid = score(30, "Male", {3, 2, 1, 0, 1, 1});
        QCOMPARE(mid.totalCategory, "Borderline High");
        QCOMPARE(mid.hdlCategory, "Borderline High");
        QCOMPARE(mid.ldlCategory, "Borderline High");
        const CholesterolResult worst = score(30, "Male", {4, 3, 2, 0, 1, 1});
        QCOMPARE(worst.totalCategory, "High");
        QCOMPARE(worst.hdlCategory, "High");
        QCOMPARE(worst.ldlCategory, "High");
        QCOMPARE(worst.sentences[2], "Your LDL 'Bad' Cholesterol Level is at a High Level");
    }

    void wholeInputRange() {
        for (const char* sex : {"Male", "Female"}) {
            const bool male = std::string_view(sex) == "Male";
            int lowest = 100, highest = -100;
            std::map<int, std::string> riskOf;
            for (int age = 20; age <= 79; ++age) {
                Answers a{};
                for (a[0] = 0; a[0] < 5; ++a[0])
                    for (a[1] = 0; a[1] < 4; ++a[1])
                        for (a[3] = 0; a[3] < 5; ++a[3])
                            for (a[4] = 0; a[4] < 2; ++a[4])
                                for (a[5] = 0; a[5] < 2; ++a[5])
                                    for (a[2] = 0; a[2] < 3; ++a[2]) {
                                        const CholesterolResult r = score(age, sex, a);
                                        // LDL only names a category.
                                        if (a[2] > 0)
                                            QCOMPARE(
                                                r.points,
                                                score(age, sex, {a[0], a[1], 0, a[3], a[4], a[5]})
                                                    .points);
                                        const auto [it, fresh] =
                                            riskOf.emplace(r.points, r.riskText);
                                        QCOMPARE(it->second, r.riskText);
                                        QVERIFY(r.sentences[3].ends_with(" is " + r.riskText));
                                        lowest = std::min<int>(lowest, r.points);
                                        highest = std::max<int>(highest, r.points);
                                    }
            }
            QCOMPARE(lowest, male ? -10 : -8);
            QCOMPARE(highest, male ? 21 : 28);
            QCOMPARE(riskOf.begin()->second, "<1%");
            QCOMPARE(riskOf.rbegin()->second, ">=30%");
        }
    }

    void rejectsWhatNoWindowPasses() {
        const Answers ok{0, 0, 0, 0, 0, 0};
        QVERIFY(messageOf<std::invalid_argument>([&] { score(19, "Male", ok); }).contains("19"));
        QVERIFY(messageOf<std::invalid_argument>([&] { score(80, "Male", ok); }).contains("80"));
        QVERIFY(messageOf<std::out_of_range>([] {
                    score(40, "Male", {5, 0, 0, 0, 0, 0});
                }).contains("5"));
        QVERIFY(messageOf<std::out_of_range>([] {
                    score(40, "Male", {0, 0, 0, 0, 0, 2});
                }).contains("2"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, score(40, "Male", {0, -1, 0, 0, 0, 0}));
    }
};

QTEST_APPLESS_MAIN(TstModCholesterolCalculator)
#include "tst_modcholesterolcalculator.moc"
