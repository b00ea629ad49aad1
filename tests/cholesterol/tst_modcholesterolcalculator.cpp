#include "cholesterol/modcholesterolcalculator.h"

#include <QtTest>

#include <map>

using namespace wellbox::modCholesterolCalculator;
using wellbox::Sex;

Q_DECLARE_METATYPE(wellbox::Sex)

namespace {

using Answers = std::array<int, 6>;
using EdgePoints = std::array<int, 4>; // man before, after; woman before, after

CholesterolResult score(int age, Sex sex, const Answers& answers) {
    return ScoreCholesterolRisk({static_cast<std::int16_t>(age), sex, answers});
}

} // namespace

class TstModCholesterolCalculator : public QObject {
    Q_OBJECT

private slots:
    void points_data() {
        QTest::addColumn<int>("age");
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("risk");
        QTest::newRow("man 55") << 55 << Sex::Male << Answers{3, 2, 1, 2, 1, 1} << 14 << "16%";
        QTest::newRow("woman 45 treated")
            << 45 << Sex::Female << Answers{2, 1, 0, 3, 0, 0} << 21 << "14%";
        QTest::newRow("woman 45 untreated")
            << 45 << Sex::Female << Answers{2, 1, 0, 3, 1, 0} << 19 << "8%";
        QTest::newRow("man 20 best") << 20 << Sex::Male << Answers{0, 0, 0, 0, 1, 1} << -10 << "<1%";
        QTest::newRow("man exactly 0") << 40 << Sex::Male << Answers{0, 1, 0, 0, 1, 1} << 0 << "1%";
        QTest::newRow("man exactly 17")
            << 40 << Sex::Male << Answers{4, 3, 0, 3, 0, 0} << 17 << ">=30%";
        QTest::newRow("woman 8 still below 1%")
            << 40 << Sex::Female << Answers{3, 1, 0, 0, 1, 1} << 8 << "<1%";
        QTest::newRow("woman 9") << 40 << Sex::Female << Answers{3, 2, 0, 0, 1, 1} << 9 << "1%";
        QTest::newRow("man 72, 200-239 adds nothing")
            << 72 << Sex::Male << Answers{2, 1, 0, 0, 1, 1} << 12 << "10%";
        QTest::newRow("woman 72, 200-239 adds 1")
            << 72 << Sex::Female << Answers{2, 1, 0, 0, 1, 1} << 15 << "3%";
    }
    void points() {
        QFETCH(int, age);
        QFETCH(Sex, sex);
        QFETCH(Answers, answers);
        QFETCH(int, points);
        QFETCH(QString, risk);
        const CholesterolResult r = score(age, sex, answers);
        QCOMPARE(r.points, points);
        QCOMPARE(r.riskText, risk.toStdString());
    }

    // "280+", neutral HDL and pressure, smoker: the age and both ten-year tables all move.
    void ageBandEdges_data() {
        QTest::addColumn<int>("lastAge");
        QTest::addColumn<EdgePoints>("points");
        QTest::newRow("34/35") << 34 << EdgePoints{10, 15, 15, 19};
        QTest::newRow("39/40") << 39 << EdgePoints{15, 13, 19, 17};
        QTest::newRow("44/45") << 44 << EdgePoints{13, 16, 17, 20};
        QTest::newRow("49/50") << 49 << EdgePoints{16, 14, 20, 17};
        QTest::newRow("54/55") << 54 << EdgePoints{14, 16, 17, 19};
        QTest::newRow("59/60") << 59 << EdgePoints{16, 14, 19, 16};
        QTest::newRow("64/65") << 64 << EdgePoints{14, 15, 16, 18};
        QTest::newRow("69/70") << 69 << EdgePoints{15, 14, 18, 17};
        QTest::newRow("74/75") << 74 << EdgePoints{14, 15, 17, 19};
    }
    void ageBandEdges() {
        QFETCH(int, lastAge);
        QFETCH(EdgePoints, points);
        const Answers a{4, 1, 0, 0, 1, 0};
        QCOMPARE(score(lastAge, Sex::Male, a).points, points[0]);
        QCOMPARE(score(lastAge + 1, Sex::Male, a).points, points[1]);
        QCOMPARE(score(lastAge, Sex::Female, a).points, points[2]);
        QCOMPARE(score(lastAge + 1, Sex::Female, a).points, points[3]);
    }

    void categorySentences() {
        const CholesterolResult best = score(30, Sex::Male, {0, 0, 0, 0, 1, 1});
        QCOMPARE(best.sentences[0], "Your Total Cholesterol Level is at a Optimum Level");
        QCOMPARE(best.sentences[3], "Your Risk of Having a Heart Attack based on your Cholesterol "
                                    "Level in the Next 10 Years is <1%");
        const CholesterolResult mid = score(30, Sex::Male, {3, 2, 1, 0, 1, 1});
        QCOMPARE(mid.sentences[1],
                 "Your HDL 'Good' Cholesterol Level is at a Borderline High Level");
        QCOMPARE(mid.ldlCategory, "Borderline High");
        const CholesterolResult worst = score(30, Sex::Male, {4, 3, 2, 0, 1, 1});
        QCOMPARE(worst.totalCategory, "High");
        QCOMPARE(worst.hdlCategory, "High");
        QCOMPARE(worst.sentences[2], "Your LDL 'Bad' Cholesterol Level is at a High Level");
    }

    void wholeInputRange() {
        const std::array<int, 6> counts{5, 4, 3, 5, 2, 2};
        for (const Sex sex : {Sex::Male, Sex::Female}) {
            std::map<int, std::string> riskOf; // one risk text per total
            for (int age = 20; age <= 79; ++age)
                for (int code = 0; code < 5 * 4 * 3 * 5 * 2 * 2; ++code) {
                    Answers a{};
                    for (int q = 0, rest = code; q < 6; rest /= counts[q], ++q)
                        a[q] = rest % counts[q];
                    const CholesterolResult r = score(age, sex, a);
                    a[2] = 0; // LDL only names a category
                    QCOMPARE(r.points, score(age, sex, a).points);
                    QCOMPARE(riskOf.emplace(r.points, r.riskText).first->second, r.riskText);
                    QVERIFY(r.sentences[3].ends_with(" is " + r.riskText));
                }
            QCOMPARE(riskOf.begin()->first, sex == Sex::Male ? -10 : -8);
            QCOMPARE(riskOf.rbegin()->first, sex == Sex::Male ? 21 : 28);
            QCOMPARE(riskOf.rbegin()->second, ">=30%");
        }
    }

    void rejectsWhatNoWindowPasses() {
        for (const auto& [age, answers, bad] :
             {std::tuple{19, Answers{}, "19"}, std::tuple{80, Answers{}, "80"},
              std::tuple{40, Answers{5, 0, 0, 0, 0, 0}, "5"},
              std::tuple{40, Answers{0, -1, 0, 0, 0, 0}, "-1"}}) {
            try {
                score(age, Sex::Male, answers);
                QFAIL(bad);
            } catch (const std::logic_error& e) { // invalid_argument or out_of_range
                QVERIFY2(std::string(e.what()).find(bad) != std::string::npos, e.what());
            }
        }
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, score(80, Sex::Male, {}));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, score(40, Sex::Male, {0, 0, 0, 0, 0, 2}));
    }
};

QTEST_APPLESS_MAIN(TstModCholesterolCalculator)
#include "tst_modcholesterolcalculator.moc"
