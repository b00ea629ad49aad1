#include "calorie/modcaloriecalculator.h"

#include <QtTest>

using namespace wellbox::modCalorieCalculator;
using wellbox::Sex;

static const QStringList Levels{"Sedentary", "Light", "Moderate", "High", "Higher"};

class TstModCalorieCalculator : public QObject {
    Q_OBJECT

private slots:
    // The row name is the entry in the window's units, converted as the window does: the basal
    // value, then the requirement of each level from Sedentary to Higher as the window shows it.
    void workedExamples_data() {
        QTest::addColumn<QString>("calories");
        QTest::newRow("man 70 kg 1.7 m 30") << "1671: 2005 2298 2506 2841 3342";
        QTest::newRow("woman 60 kg 65 in 30") << "1397: 1676 1921 2096 2375 2794";
        QTest::newRow("man 154 lb 1.8 m 40") << "1653: 1984 2273 2480 2810 3306";
        QTest::newRow("man 0 kg 0 m 120") << "-750: -900 -1031 -1125 -1275 -1500";
        QTest::newRow("woman 0 kg 0 m 120") << "101: 121 139 152 172 202";
        QTest::newRow("man 500.9 kg 500.9 in 1") << "13283: 15940 18264 19924 22581 26566";
    }
    void workedExamples() {
        QFETCH(QString, calories);
        const QStringList entry = QString(QTest::currentDataTag()).split(' ');
        const double kg = entry[2] == "lb" ? poundsToKg(entry[1].toDouble()) : entry[1].toDouble();
        const double cm =
            entry[4] == "in" ? inchesToCm(entry[3].toDouble()) : metersToCm(entry[3].toDouble());
        const Sex sex = entry[0] == "man" ? Sex::Male : Sex::Female;
        const std::int16_t basal = ComputeBasalCalories(sex, kg, cm, entry[5].toDouble());
        QStringList actual{QString::number(basal) + ':'};
        for (int level = 0; level < Levels.size(); ++level)
            actual << QString::fromStdString(
                requiredCaloriesText(ComputeRequiredCalories(basal, ActivityLevel(level))));
        QCOMPARE(actual.join(' '), calories);
    }

    // The row name is the basal value and the level: halfway products go to the even
    // neighbour; the 16-bit ends are exact, and beyond them (no requirement) the call throws.
    void required_data() {
        QTest::addColumn<QString>("required");
        QTest::newRow("1500 Light: 2062.5 down") << "2062";
        QTest::newRow("1501 Moderate: 2251.5 up") << "2252";
        QTest::newRow("1503 Moderate: 2254.5 down") << "2254";
        QTest::newRow("1505 High: 2558.5 down") << "2558";
        QTest::newRow("15 High: 25.5 up") << "26";
        QTest::newRow("-5 Moderate: -7.5 to -8") << "-8";
        QTest::newRow("-16384 Higher: -32768") << "-32768";
        QTest::newRow("-16385 Higher: -32770") << QString();
        QTest::newRow("27306 Sedentary: 32767.2") << "32767";
        QTest::newRow("27307 Sedentary: 32768.4") << QString();
    }
    void required() {
        QFETCH(QString, required);
        const QStringList words =
            QString(QTest::currentDataTag()).split(QRegularExpression("[ :]"));
        const auto basal = std::int16_t(words[0].toInt());
        const auto level = ActivityLevel(Levels.indexOf(words[1]));
        if (required.isNull())
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, ComputeRequiredCalories(basal, level));
        else
            QCOMPARE(QString::number(ComputeRequiredCalories(basal, level)), required);
    }

    // A whole-number entry and a tenths entry, as the window's lists give them.
    void readWholeAndTenths_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<double>("value"); // NaN: refused
        QTest::newRow("70 .5") << "70|.5" << 70.5;
        QTest::newRow("1000 .9") << "1000|.9" << 1000.9;
        QTest::newRow("decimal comma") << "70|,5" << qQNaN();
        QTest::newRow("tenths without point") << "70|5" << qQNaN();
        QTest::newRow("point alone") << "70|." << qQNaN();
        QTest::newRow("minus sign") << "-1|.0" << qQNaN();
        QTest::newRow("no whole part") << "|.5" << qQNaN();
        QTest::newRow("inf") << "inf|.0" << qQNaN();
    }
    void readWholeAndTenths() {
        QFETCH(QString, entry);
        QFETCH(double, value);
        const std::string whole = entry.section('|', 0, 0).toStdString();
        const std::string tenths = entry.section('|', 1).toStdString();
        if (qIsNaN(value))
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument, ::readWholeAndTenths(whole, tenths));
        else
            QCOMPARE(::readWholeAndTenths(whole, tenths), value);
    }

    void refusesAnUnknownLevel() {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 ComputeRequiredCalories(100, ActivityLevel(5)));
    }
};

QTEST_APPLESS_MAIN(TstModCalorieCalculator)
#include "tst_modcaloriecalculator.moc"
