#include "calorie/modcaloriecalculator.h"

#include <QtTest>

#include <cmath>

using namespace wellbox::modCalorieCalculator;

namespace {

using Levels = std::array<int, 5>; // Sedentary, Light, Moderate, High, Higher

constexpr std::array<ActivityLevel, 5> AllLevels{ActivityLevel::Sedentary, ActivityLevel::Light,
                                                 ActivityLevel::Moderate, ActivityLevel::High,
                                                 ActivityLevel::Higher};

bool near(double actual, double expected) {
    return std::abs(actual - expected) <= 1e-9;
}

} // namespace

class TstModCalorieCalculator : public QObject {
    Q_OBJECT

private slots:
    void readingListEntries() {
        QCOMPARE(readWholeAndTenths("70", ".5"), 70.5);
        for (int whole = 0; whole <= 1000; ++whole)
            for (int tenth = 0; tenth <= 9; ++tenth)
                QVERIFY(near(readWholeAndTenths(std::to_string(whole), "." + std::to_string(tenth)),
                             whole + tenth / 10.0));
    }

    void unitConversions() {
        QVERIFY(near(poundsToKg(readWholeAndTenths("154", ".0")), 69.99993));
        QVERIFY(near(inchesToCm(readWholeAndTenths("65", ".0")), 165.1));
        QVERIFY(near(metersToCm(readWholeAndTenths("1", ".7")), 170.0));
        QVERIFY(near(inchesToCm(500.9), 1272.286));
    }

    void workedExamples_data() {
        QTest::addColumn<bool>("male");
        QTest::addColumn<double>("kg");
        QTest::addColumn<double>("cm");
        QTest::addColumn<double>("age");
        QTest::addColumn<int>("basal");
        QTest::addColumn<Levels>("required");
        QTest::newRow("man 70 kg 1.7 m 30") << true << 70.0 << metersToCm(1.7) << 30.0 << 1671
                                            << Levels{2005, 2298, 2506, 2841, 3342};
        QTest::newRow("woman 60 kg 65 in 30") << false << 60.0 << inchesToCm(65.0) << 30.0 << 1397
                                              << Levels{1676, 1921, 2096, 2375, 2794};
        QTest::newRow("man 154 lb 1.8 m 40") << true << poundsToKg(154.0) << metersToCm(1.8) << 40.0
                                             << 1653 << Levels{1984, 2273, 2480, 2810, 3306};
        QTest::newRow("man lightest oldest")
            << true << 0.0 << 0.0 << 120.0 << -750 << Levels{-900, -1031, -1125, -1275, -1500};
        QTest::newRow("woman lightest oldest")
            << false << 0.0 << 0.0 << 120.0 << 101 << Levels{121, 139, 152, 172, 202};
        QTest::newRow("man heaviest youngest") << true << 500.9 << inchesToCm(500.9) << 1.0 << 13283
                                               << Levels{15940, 18264, 19924, 22581, 26566};
    }
    void workedExamples() {
        QFETCH(bool, male);
        QFETCH(double, kg);
        QFETCH(double, cm);
        QFETCH(double, age);
        QFETCH(int, basal);
        QFETCH(Levels, required);
        const std::int16_t b = ComputeBasalCalories(male ? wellbox::Sex::Male : wellbox::Sex::Female, kg, cm, age);
        QCOMPARE(b, basal);
        for (std::size_t i = 0; i < AllLevels.size(); ++i)
            QCOMPARE(ComputeRequiredCalories(b, AllLevels[i]), required[i]);
    }

    void halfwayRoundsToEven_data() {
        QTest::addColumn<int>("basal");
        QTest::addColumn<ActivityLevel>("level");
        QTest::addColumn<int>("required");
        QTest::newRow("2062.5 down") << 1500 << ActivityLevel::Light << 2062;
        QTest::newRow("2251.5 up") << 1501 << ActivityLevel::Moderate << 2252;
        QTest::newRow("2254.5 down") << 1503 << ActivityLevel::Moderate << 2254;
        QTest::newRow("2558.5 down") << 1505 << ActivityLevel::High << 2558;
        QTest::newRow("25.5 up") << 15 << ActivityLevel::High << 26;
        QTest::newRow("-7.5 to even") << -5 << ActivityLevel::Moderate << -8;
    }
    void halfwayRoundsToEven() {
        QFETCH(int, basal);
        QFETCH(ActivityLevel, level);
        QFETCH(int, required);
        QCOMPARE(ComputeRequiredCalories(static_cast<std::int16_t>(basal), level), required);
    }

    void resultText() {
        QCOMPARE(requiredCaloriesText(26566), "26566");
        QCOMPARE(requiredCaloriesText(-1500), "-1500");
        QCOMPARE(requiredCaloriesText(0), "0");
    }

    // Basal is linear in every input, so the list ends bound it; check them all.
    void listExtremesStayInSixteenBits() {
        const std::array<double, 4> weights{0.0, readWholeAndTenths("500", ".9"),
                                            poundsToKg(readWholeAndTenths("1000", ".9")), 70.0};
        const std::array<double, 4> heights{0.0, metersToCm(readWholeAndTenths("10", ".9")),
                                            inchesToCm(readWholeAndTenths("500", ".9")), 170.0};
        for (bool male : {true, false})
            for (double kg : weights)
                for (double cm : heights)
                    for (int age = 1; age <= 120; ++age) {
                        const std::int16_t b = ComputeBasalCalories(male ? wellbox::Sex::Male : wellbox::Sex::Female, kg, cm, age);
                        QVERIFY(male ? b >= -750 && b <= 13283 : b >= 101 && b <= 7759);
                        for (ActivityLevel level : AllLevels) {
                            const std::int16_t r = ComputeRequiredCalories(b, level);
                            QVERIFY(r >= -1500 && r <= 26566);
                        }
                        QCOMPARE(ComputeRequiredCalories(b, ActivityLevel::Higher), 2 * b);
                    }
    }

    void rejectsWhatNoWindowPasses() {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 ComputeRequiredCalories(100, static_cast<ActivityLevel>(5)));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                                 ComputeRequiredCalories(20000, ActivityLevel::Higher));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ComputeBasalCalories(wellbox::Sex::Male, 1e6, 0.0, 1.0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ComputeBasalCalories(wellbox::Sex::Male, NAN, 0.0, 1.0));
        for (const auto& [whole, tenths] : std::array<std::pair<const char*, const char*>, 5>{
                 {{"70", ",5"}, {"-1", ".0"}, {"", ".5"}, {"inf", ".0"}, {"7 0", ".5"}}}) {
            try {
                readWholeAndTenths(whole, tenths);
                QFAIL(whole);
            } catch (const std::invalid_argument& e) {
                QVERIFY(std::string(e.what()).find(std::string(whole) + tenths) !=
                        std::string::npos);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TstModCalorieCalculator)
#include "tst_modcaloriecalculator.moc"
