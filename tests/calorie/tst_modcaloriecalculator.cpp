#include "calorie/modcaloriecalculator.h"

#include <QtTest>

using namespace wellbox::modCalorieCalculator;
using wellbox::Sex;

Q_DECLARE_METATYPE(wellbox::Sex)

namespace {

using Levels = std::array<int, 5>; // Sedentary, Light, Moderate, High, Higher

constexpr std::array<ActivityLevel, 5> AllLevels{ActivityLevel::Sedentary, ActivityLevel::Light,
                                                 ActivityLevel::Moderate, ActivityLevel::High,
                                                 ActivityLevel::Higher};

} // namespace

class TstModCalorieCalculator : public QObject {
    Q_OBJECT

private slots:
    // Entries in the window's units, converted as the window does.
    void workedExamples_data() {
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<double>("kg");
        QTest::addColumn<double>("cm");
        QTest::addColumn<double>("age");
        QTest::addColumn<int>("basal");
        QTest::addColumn<Levels>("required");
        QTest::newRow("man 70 kg 1.7 m 30, Moderate 2506.5")
            << Sex::Male << 70.0 << metersToCm(1.7) << 30.0 << 1671
            << Levels{2005, 2298, 2506, 2841, 3342};
        QTest::newRow("woman 60 kg 65 in 30, Moderate 2095.5")
            << Sex::Female << 60.0 << inchesToCm(65.0) << 30.0 << 1397
            << Levels{1676, 1921, 2096, 2375, 2794};
        QTest::newRow("man 154 lb 1.8 m 40, Moderate 2479.5")
            << Sex::Male << poundsToKg(154.0) << metersToCm(1.8) << 40.0 << 1653
            << Levels{1984, 2273, 2480, 2810, 3306};
        QTest::newRow("man 0 kg 0 cm 120")
            << Sex::Male << 0.0 << 0.0 << 120.0 << -750 << Levels{-900, -1031, -1125, -1275, -1500};
        QTest::newRow("woman 0 kg 0 cm 120, Moderate 151.5")
            << Sex::Female << 0.0 << 0.0 << 120.0 << 101 << Levels{121, 139, 152, 172, 202};
        QTest::newRow("man 500.9 kg 500.9 in 1, Moderate 19924.5")
            << Sex::Male << 500.9 << inchesToCm(500.9) << 1.0 << 13283
            << Levels{15940, 18264, 19924, 22581, 26566};
    }
    void workedExamples() {
        QFETCH(Sex, sex);
        QFETCH(double, kg);
        QFETCH(double, cm);
        QFETCH(double, age);
        QFETCH(int, basal);
        QFETCH(Levels, required);
        const std::int16_t b = ComputeBasalCalories(sex, kg, cm, age);
        QCOMPARE(b, basal);
        for (std::size_t i = 0; i < AllLevels.size(); ++i)
            QCOMPARE(ComputeRequiredCalories(b, AllLevels[i]), required[i]);
    }

    // Halfway products go to the even neighbour; the 16-bit ends are exact, beyond them throws.
    void required_data() {
        QTest::addColumn<int>("basal");
        QTest::addColumn<ActivityLevel>("level");
        QTest::addColumn<int>("required"); // beyond 16 bits: throws
        QTest::newRow("1500 Light: 2062.5 down") << 1500 << ActivityLevel::Light << 2062;
        QTest::newRow("1501 Moderate: 2251.5 up") << 1501 << ActivityLevel::Moderate << 2252;
        QTest::newRow("1503 Moderate: 2254.5 down") << 1503 << ActivityLevel::Moderate << 2254;
        QTest::newRow("1505 High: 2558.5 down") << 1505 << ActivityLevel::High << 2558;
        QTest::newRow("15 High: 25.5 up") << 15 << ActivityLevel::High << 26;
        QTest::newRow("-5 Moderate: -7.5 to -8") << -5 << ActivityLevel::Moderate << -8;
        QTest::newRow("-16384 Higher: -32768") << -16384 << ActivityLevel::Higher << -32768;
        QTest::newRow("-16385 Higher: -32770") << -16385 << ActivityLevel::Higher << -32770;
        QTest::newRow("27306 Sedentary: 32767.2") << 27306 << ActivityLevel::Sedentary << 32767;
        QTest::newRow("27307 Sedentary: 32768.4") << 27307 << ActivityLevel::Sedentary << 32768;
    }
    void required() {
        QFETCH(int, basal);
        QFETCH(ActivityLevel, level);
        QFETCH(int, required);
        const auto b = static_cast<std::int16_t>(basal);
        if (required == static_cast<std::int16_t>(required))
            QCOMPARE(ComputeRequiredCalories(b, level), required);
        else
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, ComputeRequiredCalories(b, level));
    }

    // A whole-number entry and a tenths entry, as the window's lists give them.
    void readWholeAndTenths_data() {
        QTest::addColumn<QString>("whole");
        QTest::addColumn<QString>("tenths");
        QTest::addColumn<double>("value"); // NaN: rejected
        QTest::newRow("70 .5") << "70"
                               << ".5" << 70.5;
        QTest::newRow("0 .0") << "0"
                              << ".0" << 0.0;
        QTest::newRow("1000 .9") << "1000"
                                 << ".9" << 1000.9;
        QTest::newRow("decimal comma") << "70"
                                       << ",5" << qQNaN();
        QTest::newRow("tenths without point") << "70"
                                              << "5" << qQNaN();
        QTest::newRow("point alone") << "70"
                                     << "." << qQNaN();
        QTest::newRow("minus sign") << "-1"
                                    << ".0" << qQNaN();
        QTest::newRow("no whole part") << ""
                                       << ".5" << qQNaN();
        QTest::newRow("inf") << "inf"
                             << ".0" << qQNaN();
        QTest::newRow("inner space") << "7 0"
                                     << ".5" << qQNaN();
    }
    void readWholeAndTenths() {
        QFETCH(QString, whole);
        QFETCH(QString, tenths);
        QFETCH(double, value);
        const std::string w = whole.toStdString(), t = tenths.toStdString();
        if (qIsNaN(value))
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument, ::readWholeAndTenths(w, t));
        else
            QCOMPARE(::readWholeAndTenths(w, t), value);
    }

    void rejectsWhatNoWindowPasses() {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 ComputeRequiredCalories(100, static_cast<ActivityLevel>(5)));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ComputeBasalCalories(Sex::Male, 1e6, 0.0, 1.0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                                 ComputeBasalCalories(Sex::Female, qQNaN(), 0.0, 1.0));
    }
};

QTEST_APPLESS_MAIN(TstModCalorieCalculator)
#include "tst_modcaloriecalculator.moc"
