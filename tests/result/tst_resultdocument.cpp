// Keeping a result: the worked examples saved as a PDF, printed and copied, each fact kept.

#include "result/resultdocument.h"
#include "support/datarows.h"
#include "support/limits.h"
#include "support/nodes.h"
#include "support/workedsheet.h"

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// A cell of savepdf.tsv as text.
QString expanded(const QString& cell) {
    return QString::fromUtf8(cellBytes(cell));
}

// The name and kind of each node as nodesIn() gives them, without the bytes they hold.
QStringList kindsOf(const QStringList& nodes) {
    QStringList kinds;
    for (const QString& node : nodes)
        kinds << node.section(' ', 0, 1);
    kinds.sort();
    return kinds;
}

// What a poppler tool (Debian package poppler-utils) prints for a file; nothing without it.
QString poppler(const char* tool, const QStringList& arguments) {
    QProcess run;
    run.start(tool, arguments);
    run.waitForFinished();
    return QString::fromUtf8(run.readAllStandardOutput());
}

} // namespace

class TestResultDocument : public QObject {
    Q_OBJECT

private slots:
    // Saved or printed to a file where the dialog says, as one page with every fact kept, which
    // the printout and the copy hold too, each line whole; nothing at all when the dialog is
    // cancelled or the file cannot be written whole, which is told once with why, and what lay
    // there is left byte for byte.
    void savePdf_data() { addRowsFrom("savepdf.tsv"); }
    void savePdf() {
        QFETCH(QString, name);
        QFETCH(QString, by);
        QFETCH(QString, answer);
        QFETCH(QString, there);
        QFETCH(int, limit);
        QFETCH(QString, message);
        QFETCH(QString, shows);
        QFETCH(QString, dialog);
        QTemporaryDir folder;
        WorkedSheet s(expanded(name));
        const QString file = answer.isEmpty() ? answer : folder.filePath(answer);
        if (limit < 0) { // that many bytes short of the whole file, kept once to be measured
            s.saveDialog.answer = s.printDialog.file = folder.filePath("whole.pdf");
            QTest::mouseClick(s.sheet.findChild<QPushButton*>(by), Qt::LeftButton);
            limit += int(QFileInfo(s.saveDialog.answer).size());
            QVERIFY(limit > 0 && QFile::remove(s.saveDialog.answer));
            s.saveDialog.proposed.clear();
        }
        s.saveDialog.answer = s.printDialog.file = file;
        s.saveDialog.failure = s.printDialog.failure = dialog;
        if (!file.isEmpty() && !putNode(file, expanded(there).toUtf8()))
            QSKIP("this process may not make a device");
        const QStringList before = nodesIn(folder.path());
        // Files grow to `limit` only meanwhile, as on a nearly full disk; 0: as before.
        withLimit(RLIMIT_FSIZE, limit ? rlim_t(limit) : RLIM_INFINITY,
                  [&] { QTest::mouseClick(s.sheet.findChild<QPushButton*>(by), Qt::LeftButton); });
        QCOMPARE(s.saveDialog.proposed.join(""),
                 by == "cmdSavePdf" ? s.calculator + " 2026-12-06.pdf" : "");
        QCOMPARE(s.messageBox.texts().join(u'|'), QString(message).replace("%1", file));
        if (!message.isEmpty() || answer.isEmpty()) {
            QCOMPARE(nodesIn(folder.path()), before);
            return;
        }
        // The one file named is new or replaced, a link to it kept, and nothing lies beside.
        QStringList kinds = kindsOf(before);
        if (std::ranges::none_of(kinds,
                                 [&](const QString& k) { return k.startsWith(answer + ' '); }))
            kinds = kindsOf(kinds << answer + " file");
        QCOMPARE(kindsOf(nodesIn(folder.path())), kinds);
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");
        const QString info = poppler("pdfinfo", {file});
        if (info.isEmpty())
            QSKIP("pdfinfo (Debian package poppler-utils) is not installed; the file is a PDF");
        QCOMPARE(info.section("\nPages:", 1).section('\n', 0, 0).trimmed(), "1");
        QCOMPARE(info.section("\nPage size:", 1).section('\n', 0, 0).trimmed(),
                 "595 x 842 pts (A4)");
        // The notes at the body's 9 points: the page laid out for the page, not shrunk onto it.
        const QRegularExpressionMatch note =
            QRegularExpression(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">diagnosis\.<)re")
                .match(poppler("pdftotext", {"-bbox", file, "-"}));
        const double lineHeight = note.captured(2).toDouble() - note.captured(1).toDouble();
        QVERIFY2(lineHeight > 9 && lineHeight < 12, qPrintable(QString::number(lineHeight)));
        const QString page = poppler("pdftotext", {file, "-"});
        s.printDialog.file.clear();
        QTest::mouseClick(s.sheet.findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
        QTest::mouseClick(s.sheet.findChild<QPushButton*>("cmdCopyResult"), Qt::LeftButton);
        const QStringList copied = QApplication::clipboard()->text().split(u'\n');
        for (const QString& line :
             (shows.isEmpty() ? keptWorkedExample() : expanded(shows)).split(u'\n')) {
            // A table is read cell by cell: every cell of it, whole.
            for (const QString& cell : line.split(u'\t', Qt::SkipEmptyParts))
                QVERIFY2(letters(page).contains(letters(cell)), qPrintable(cell));
            QVERIFY2(letters(s.printDialog.offered.last()).contains(letters(line)),
                     qPrintable(line));
            QVERIFY2(copied.contains(line), qPrintable(line));
        }
    }

    // Kept as a PDF, each worked example is one A4 page, its parts under their headings in
    // order, with no word under 8 points; from pdfparts.tsv.
    void pdfParts_data() { addRowsFrom("pdfparts.tsv"); }
    void pdfParts() {
        QFETCH(QString, calculator);
        QFETCH(QString, sex);
        QFETCH(int, age);
        QFETCH(QString, headings);
        QTemporaryDir folder;
        QFile file(folder.filePath("kept.pdf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ResultDocument("Kestavo Calculator", QDateTime(QDate(2026, 12, 6), QTime(9, 41)),
                                  workedReport(calculator, sex == "Male" ? Sex::Male : Sex::Female,
                                               std::int16_t(age)))
                       .pdf());
        file.close();
        // To look at: WELLBOX_KEEP_PDF=folder keeps each page there.
        if (const QString keep = qEnvironmentVariable("WELLBOX_KEEP_PDF"); !keep.isEmpty())
            QFile::copy(file.fileName(), keep + '/' + calculator + ' ' + sex + ".pdf");
        const QString info = poppler("pdfinfo", {file.fileName()});
        if (info.isEmpty())
            QSKIP("pdfinfo (Debian package poppler-utils) is not installed");
        QCOMPARE(info.section("\nPages:", 1).section('\n', 0, 0).trimmed(), "1");
        QStringList found;
        const QStringList parts{"Your result", "How it compares", "What would change it",
                                "How it was worked out"};
        for (const QString& line : poppler("pdftotext", {file.fileName(), "-"}).split('\n'))
            if (parts.contains(line.trimmed()))
                found << line.trimmed();
        QCOMPARE(found.join('|'), headings);
        // A word's box is as high as its font's line, a little more than the font's size.
        const QRegularExpression word(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">)re");
        double lowest = 100;
        for (const QRegularExpressionMatch& m :
             word.globalMatch(poppler("pdftotext", {"-bbox", file.fileName(), "-"})))
            lowest = std::min(lowest, m.captured(2).toDouble() - m.captured(1).toDouble());
        QVERIFY2(lowest >= 8 * 1.1, qPrintable(QString::number(lowest)));
    }

    // What a calorie result adds is kept after the result texts: each line whole in the copy,
    // each of its cells on the page and in the printout, from caloriekept.tsv.
    void calorieEstimatesKept_data() { addRowsFrom("caloriekept.tsv"); }
    void calorieEstimatesKept() {
        QFETCH(QString, line);
        namespace calc = modCalorieCalculator;
        const bool man = QString(QTest::currentDataTag()).contains("a man");
        const calc::CalorieEntries entries{
            man ? Sex::Male : Sex::Female, std::int16_t(man ? 30 : 60),
            calorieEntry(man ? "70.0 kg" : "50.0 kg"), calorieEntry(man ? "1.7 m" : "1.6 m")};
        const auto level = man ? calc::ActivityLevel::Moderate : calc::ActivityLevel::Sedentary;
        FakePlatform fakes;
        ResultSheet sheet{fakes.platform, "Kestavo Calorie Calculator", MessageIcon::Information,
                          CaptionPlace::Beside};
        sheet.setReport(calc::calorieReport(
            entries, calc::ComputeRequiredCalories(calc::basalWorking(entries).basal, level)));
        QTemporaryDir folder;
        fakes.saveDialog.answer = folder.filePath("kept.pdf");
        QTest::mouseClick(sheet.findChild<QPushButton*>("cmdSavePdf"), Qt::LeftButton);
        QTest::mouseClick(sheet.findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
        QTest::mouseClick(sheet.findChild<QPushButton*>("cmdCopyResult"), Qt::LeftButton);
        const QString page = poppler("pdftotext", {fakes.saveDialog.answer, "-"});
        line.replace("\\t", "\t");
        QVERIFY2(QApplication::clipboard()->text().split(u'\n').contains(line), qPrintable(line));
        for (const QString& cell : line.split(u'\t')) {
            QVERIFY2(letters(fakes.printDialog.offered.value(0)).contains(letters(cell)),
                     qPrintable(cell));
            if (!page.isEmpty()) // without pdftotext the save is tested above
                QVERIFY2(letters(page).contains(letters(cell)), qPrintable(cell));
        }
    }
};

QTEST_MAIN(TestResultDocument)
#include "tst_resultdocument.moc"
