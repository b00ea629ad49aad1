#include "scoring/resultreport.h"
#include "support/datarows.h"

using namespace wellbox;

class TstResultReport : public QObject {
    Q_OBJECT

private slots:
    // Each worked example as a person checks it against the published tables, from
    // resultreport.tsv.
    void workedExamples_data() { testing::addRowsFrom("resultreport.tsv"); }
    void workedExamples() {
        QFETCH(QString, example);
        QFETCH(QString, sex);
        QFETCH(int, age);
        const ResultReport report = testing::workedReport(
            example, sex == "Female" ? Sex::Female : Sex::Male, std::int16_t(age));
        // Rows as "answer:points" (the working and the calories for the calorie calculator), the
        // item first where it is no question's text ("Total=:20"), one space between rows; then
        // the result texts and the details, "|" between them.
        QStringList shownRows, shownTexts;
        const auto english = [](const Phrase& phrase) {
            return QString::fromStdString(phrase.english());
        };
        for (const ReportRow& row : report.rows) {
            const QString item = english(row.item);
            shownRows << (item.endsWith('?') || item.endsWith('.') ? "" : item + '=') +
                             english(row.answer) + ':' + english(row.points);
        }
        for (const Phrase& text : report.resultTexts)
            shownTexts << english(text);
        for (const ReportDetail& detail : report.details)
            shownTexts << english(detail.label) + '=' + english(detail.value);
        QTEST(shownRows.join(u' '), "rows");
        QTEST(english(report.rows.at(report.resultRow).item), "reads");
        QTEST(shownTexts.join(u'|'), "texts");
        QTEST(english(report.headings[0]) + '|' + english(report.headings[1]) + '|' +
                  english(report.headings[2]),
              "headings");
        // The model and what the result is not, last and in plain words.
        QVERIFY(english(report.notes.front()).startsWith("Model: the ") &&
                english(report.notes.front()).endsWith(", as used by this program."));
        QCOMPARE(english(report.notes.back()), "An estimate, not a diagnosis.");
    }

    // What a heart attack or cholesterol result says of its values, from remarks.tsv.
    void remarks_data() { testing::addRowsFrom("remarks.tsv"); }
    void remarks() {
        QFETCH(QString, calculator);
        QFETCH(QString, unit);
        const AgeQuizAnswers in = testing::calculatorAnswers(testing::cholesterolUnit(unit));
        const ResultReport report =
            calculator == "heart attack"
                ? modHeartAttack::heartAttackReport(in, modHeartAttack::ScoreHeartAttackRisk(in))
                : modCholesterolCalculator::cholesterolReport(
                      in, modCholesterolCalculator::ScoreCholesterolRisk(in));
        const auto joined = [](const auto& phrases) {
            QStringList texts;
            for (const Phrase& phrase : phrases)
                texts << QString::fromStdString(phrase.english());
            return texts.join(u'|');
        };
        std::vector<Phrase> shown;
        for (std::size_t question = 1; question <= in.answers.size(); ++question)
            shown.push_back(report.rows.at(question).answer);
        QTEST(joined(shown), "shown");
        QTEST(QString::fromStdString(report.reading.english()), "reading");
        QTEST(joined(report.remarks), "remarks");
        QTEST(joined(report.notes), "notes");
    }

    // The diabetes test's workings in feet and pounds or in metric, from diabetesreport.tsv.
    void diabetes_data() { testing::addRowsFrom("diabetesreport.tsv"); }
    void diabetes() {
        const auto in = testing::diabetesAnswers();
        const ResultReport report = modDiabetesRiskCalculator::diabetesReport(
            "Ann", in, modDiabetesRiskCalculator::ScoreDiabetesRisk(in));
        const auto english = [](const Phrase& phrase) {
            return QString::fromStdString(phrase.english());
        };
        QTEST(english(report.rows.front().answer), "weighing");
        QTEST(english(report.rows.front().points).toInt(), "points");
        QStringList details, notes;
        for (std::size_t i = 1; i < report.details.size(); ++i)
            details << english(report.details[i].label) + '=' + english(report.details[i].value);
        for (const Phrase& note : report.notes)
            notes << english(note);
        QTEST(details.join(u'|'), "details");
        QTEST(notes.join(u'|'), "notes");
    }
};

QTEST_APPLESS_MAIN(TstResultReport)
#include "tst_resultreport.moc"
