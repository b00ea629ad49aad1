#include "scoring/modcaloriecalculator.h"
#include "support/datarows.h"

using namespace wellbox::modCalorieCalculator;
using wellbox::Sex;

class TstModCalorieCalculator : public QObject {
    Q_OBJECT

private slots:
    // Entries read and converted as the window does, from calorie_basal.tsv.
    void basal_data() { wellbox::testing::addRowsFrom("calorie_basal.tsv"); }
    void basal() {
        QFETCH(QString, sex);
        QFETCH(QString, weight);
        QFETCH(QString, height);
        QFETCH(int, age);
        // As picked: the whole number, the tenths and the unit.
        const auto read = [](const QString& entry) {
            return readWholeAndTenths(entry.section(' ', 0, 0).toStdString(),
                                      entry.section(' ', 1, 1).toStdString());
        };
        const double w = read(weight), h = read(height);
        const BasalWorking working = ComputeBasalCalories(
            sex == "Male" ? Sex::Male : Sex::Female, weight.endsWith("lb") ? poundsToKg(w) : w,
            height.endsWith("in") ? inchesToCm(h) : metersToCm(h), age);
        QTEST(int(working.basal), "basal");
    }

    // Each activity level's requirement, from calorie_required.tsv.
    void required_data() { wellbox::testing::addRowsFrom("calorie_required.tsv"); }
    void required() {
        QFETCH(int, basal);
        QStringList shown;
        for (int level = 0; level < 5; ++level)
            try {
                shown << QString::fromStdString(requiredCaloriesText(
                    ComputeRequiredCalories(std::int16_t(basal), ActivityLevel(level)).calories));
            } catch (const std::out_of_range&) {
                shown << "none";
            }
        QTEST(shown.join(' '), "required");
    }

    // Text the lists never give is refused, even where a number reader or a locale would take it.
    void refusesWhatNoListGives() {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, readWholeAndTenths("-1", ".0"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, readWholeAndTenths("70", ",5"));
    }
};

QTEST_APPLESS_MAIN(TstModCalorieCalculator)
#include "tst_modcaloriecalculator.moc"
