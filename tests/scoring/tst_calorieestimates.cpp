#include "scoring/calorieestimates.h"
#include "support/datarows.h"

using namespace wellbox;
using namespace wellbox::modCalorieCalculator;

namespace {

QString english(const Phrase& phrase) {
    return QString::fromStdString(phrase.english());
}

// The current row's "sex", "age", "weight" and "height" columns as entries.
CalorieEntries rowEntries() {
    QFETCH(QString, sex);
    QFETCH(int, age);
    QFETCH(QString, weight);
    QFETCH(QString, height);
    return {sex == "Female" ? Sex::Female : Sex::Male, std::int16_t(age),
            testing::calorieEntry(weight), testing::calorieEntry(height)};
}

// A value before rounding and after it, "1617.5>1618".
QString rounding(double unrounded, int rounded) {
    return QString::number(unrounded, 'g', 12) + '>' + QString::number(rounded);
}

} // namespace

class TstCalorieEstimates : public QObject {
    Q_OBJECT

private slots:
    // The index and its band from the entries, from calorie_bodymass.tsv.
    void bodyMass_data() { testing::addRowsFrom("calorie_bodymass.tsv"); }
    void bodyMass() {
        QFETCH(QString, weight);
        QFETCH(QString, height);
        QFETCH(int, age);
        const std::optional<BodyMassIndex> index =
            bodyMassIndex(storedValue(testing::calorieEntry(weight)),
                          storedValue(testing::calorieEntry(height)), std::int16_t(age));
        const QStringList bands{"underweight", "normal weight", "overweight", "obese"};
        const QString shown =
            !index ? "none"
            : index->band
                ? QString("%1 %2").arg(index->value, 0, 'f', 1).arg(bands.value(int(*index->band)))
                : QString::number(index->value, 'f', 1);
        QTEST(shown, "index");
    }

    // Both equations and the goals from the requirement they agree on, from calorie_goals.tsv.
    void calories_data() { testing::addRowsFrom("calorie_goals.tsv"); }
    void calories() {
        QFETCH(int, level);
        const CalorieEntries entries = rowEntries();
        const BasalWorking described = basalWorking(entries);
        const RequirementWorking required =
            ComputeRequiredCalories(described.basal, ActivityLevel(level));
        QTEST(QString("%1 %2").arg(described.basal).arg(required.calories), "described");
        const BasalWorking mifflin =
            ComputeMifflinStJeor(entries.sex, described.weightKg, described.heightCm, entries.age);
        const RequirementWorking second = mifflinRequirement(mifflin, ActivityLevel(level));
        QTEST(rounding(mifflin.unrounded, mifflin.basal) + ' ' +
                  rounding(second.unrounded, second.calories),
              "mifflin");
        QStringList goals;
        for (const GoalCalories& goal :
             goalCalories(required.calories, entries.sex, entries.weight.unit))
            goals << QString::number(goal.calories) + (goal.floored ? "*" : "");
        QTEST(goals.join(' '), "goals");
    }

    // The lines, the table, the workings and the caption the report carries, from
    // calorie_shown.tsv.
    void shown_data() { testing::addRowsFrom("calorie_shown.tsv"); }
    void shown() {
        QFETCH(int, level);
        QFETCH(QString, what);
        const CalorieEntries entries = rowEntries();
        const ResultReport report = calorieReport(
            entries, ComputeRequiredCalories(basalWorking(entries).basal, ActivityLevel(level)));
        const ResultEstimates& added = report.estimates;
        QStringList lines;
        for (const Phrase& line : what == "body mass"         ? added.bodyMass
                                  : what == "second estimate" ? added.secondEstimate
                                  : what == "goal notes"      ? added.goalNotes
                                                              : std::vector<Phrase>{})
            lines << english(line);
        if (what == "goals")
            for (const GoalLine& goal : added.goals)
                lines << english(goal.goal) + ": " + english(goal.calories);
        if (what == "workings") // the last two rows
            for (auto row = report.rows.end() - 2; row != report.rows.end(); ++row)
                lines << english(row->item) + '=' + english(row->answer) + ':' +
                             english(row->points);
        if (what == "caption")
            lines << english(captionParts(report.outlook.picture).back().continued);
        QTEST(lines.join('|'), "shown");
    }
};

QTEST_APPLESS_MAIN(TstCalorieEstimates)
#include "tst_calorieestimates.moc"
