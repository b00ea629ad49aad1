#include "scoring/modcaloriecalculator.h"

#include <QTest>

using namespace wellbox::modCalorieCalculator;
using wellbox::Sex;

class TstModCalorieCalculator : public QObject {
    Q_OBJECT

private slots:
    // The row name is an entry as the window's lists give it (weight and height each as a
    // whole number and tenths), read and converted as the window does, or a basal value itself:
    // the basal value, then the requirement of each level from Sedentary to Higher as the window
    // shows it. Halfway products go to the even neighbour; past the 16-bit range there is none.
    void requirements_data() {
        QTest::addColumn<QString>("calories");
        QTest::newRow("man 70 .0 kg 1 .7 m 30") << "1671: 2005 2298 2506 2841 3342";
        QTest::newRow("woman 60 .0 kg 65 .0 in 30") << "1397: 1676 1921 2096 2375 2794";
        QTest::newRow("man 154 .0 lb 1 .8 m 40") << "1653: 1984 2273 2480 2810 3306";
        QTest::newRow("man 0 .0 kg 0 .0 m 120") << "-750: -900 -1031 -1125 -1275 -1500";
        QTest::newRow("woman 0 .0 kg 0 .0 m 120") << "101: 121 139 152 172 202";
        QTest::newRow("man 500 .9 kg 500 .9 in 1") << "13283: 15940 18264 19924 22581 26566";
        QTest::newRow("basal 1500, Light 2062.5") << "1500: 1800 2062 2250 2550 3000";
        QTest::newRow("basal 15, Moderate 22.5, High 25.5") << "15: 18 21 22 26 30";
        QTest::newRow("basal -5, Moderate -7.5, High -8.5") << "-5: -6 -7 -8 -8 -10";
        QTest::newRow("basal -16384") << "-16384: -19661 -22528 -24576 -27853 -32768";
        QTest::newRow("basal -16385") << "-16385: -19662 -22529 -24578 -27854 none";
        QTest::newRow("basal 27306, Sedentary 32767.2") << "27306: 32767 none none none none";
        QTest::newRow("basal 27307, Sedentary 32768.4") << "27307: none none none none none";
    }
    void requirements() {
        QFETCH(QString, calories);
        const QStringList e = QString(QTest::currentDataTag()).remove(',').split(' ');
        auto basal = std::int16_t(e[1].toInt());
        if (e[0] != "basal") {
            const double weight = readWholeAndTenths(e[1].toStdString(), e[2].toStdString());
            const double height = readWholeAndTenths(e[4].toStdString(), e[5].toStdString());
            const double kg = e[3] == "lb" ? poundsToKg(weight) : weight;
            const double cm = e[6] == "in" ? inchesToCm(height) : metersToCm(height);
            basal = ComputeBasalCalories(e[0] == "man" ? Sex::Male : Sex::Female, kg, cm,
                                         e[7].toDouble());
        }
        QStringList actual{QString::number(basal) + ':'};
        for (int level = 0; level < 5; ++level)
            try {
                actual << QString::fromStdString(
                    requiredCaloriesText(ComputeRequiredCalories(basal, ActivityLevel(level))));
            } catch (const std::out_of_range&) {
                actual << "none";
            }
        QCOMPARE(actual.join(' '), calories);
    }

    // Text the lists never give is refused, even where a number reader or a locale would take it.
    void refusesWhatNoListGives() {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, readWholeAndTenths("-1", ".0"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, readWholeAndTenths("70", ",5"));
    }
};

QTEST_APPLESS_MAIN(TstModCalorieCalculator)
#include "tst_modcaloriecalculator.moc"
