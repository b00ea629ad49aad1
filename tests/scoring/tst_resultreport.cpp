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
};

QTEST_APPLESS_MAIN(TstResultReport)
#include "tst_resultreport.moc"
