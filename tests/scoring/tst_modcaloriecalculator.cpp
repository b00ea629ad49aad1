#include "scoring/modcaloriecalculator.h"
#include "support/datarows.h"

#include <charconv>

using namespace wellbox::modCalorieCalculator;
using wellbox::Sex;

class TstModCalorieCalculator : public QObject {
    Q_OBJECT

private slots:
    // Entries as the window's lists give them, converted to the store's units, from
    // calorie_basal.tsv.
    void basal_data() { wellbox::testing::addRowsFrom("calorie_basal.tsv"); }
    void basal() {
        QFETCH(QString, sex);
        QFETCH(QString, weight);
        QFETCH(QString, height);
        QFETCH(int, age);
        const CalorieEntries entries{sex == "Male" ? Sex::Male : Sex::Female, std::int16_t(age),
                                     wellbox::testing::calorieEntry(weight.replace(" .", ".")),
                                     wellbox::testing::calorieEntry(height.replace(" .", "."))};
        QTEST(int(basalWorking(entries).basal), "basal");
    }

    // Each activity level's requirement, from calorie_required.tsv.
    void required_data() { wellbox::testing::addRowsFrom("calorie_required.tsv"); }
    void required() {
        QFETCH(int, basal);
        QStringList shown;
        for (int level = 0; level < 5; ++level)
            try {
                shown << QString::number(
                    ComputeRequiredCalories(std::int16_t(basal), ActivityLevel(level)).calories);
            } catch (const std::out_of_range&) {
                shown << "none";
            }
        QTEST(shown.join(' '), "required");
    }

    // Every pair of entries the lists offer is the number its texts read ("70" and ".1" read
    // 70.1), to the last bit: adding a tenth would miss some of them.
    void entriesReadAsTheirDecimal() {
        for (int whole = 0; whole <= 1000; ++whole)
            for (int tenths = 0; tenths < 10; ++tenths) {
                const std::string text = std::to_string(whole) + '.' + std::to_string(tenths);
                double read = 0;
                std::from_chars(text.data(), text.data() + text.size(), read);
                const Entry entry{std::int16_t(whole), std::int16_t(tenths), Unit::Kilograms};
                if (entryValue(entry) != read)
                    QFAIL(text.c_str());
            }
    }
};

QTEST_APPLESS_MAIN(TstModCalorieCalculator)
#include "tst_modcaloriecalculator.moc"
