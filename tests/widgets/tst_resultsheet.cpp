// Keeping a result: the heart attack worked example saved as a PDF, printed and copied.

#include "platform/version.h"
#include "support/datarows.h"
#include "support/platformfakes.h"
#include "widgets/resultsheet.h"

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// The words of a text in order, whatever the line breaks and columns of a page.
QString words(QString text) {
    return text.normalized(QString::NormalizationForm_KC).simplified();
}

// What is kept of a man of 50, smoker, systolic 140, total cholesterol 240, HDL 47: each detail,
// answer and point, the sentence as shown, the date (the fake clock's) and the version.
QString kept() {
    QFile file(WELLBOX_TEST_DATA "heartattackkept.txt");
    return file.open(QIODevice::ReadOnly)
               ? QString::fromUtf8(file.readAll()).replace("{version}", QLatin1String(kVersion))
               : "(not read)";
}

// The sheet of a window named as the heart attack window, holding the worked example, on fakes.
struct Sheet : FakePlatform {
    ResultSheet sheet{platform, "Kestavo Heart Attack Risk Calculator", MessageIcon::Stop,
                      ResultSheet::Arrangement::ButtonsBelowNotes};
    Sheet() {
        const modHeartAttack::HeartAttackAnswers in{50, Sex::Male, {0, 1, 6, 7, 8, 1}};
        sheet.setReport(
            modHeartAttack::heartAttackReport(in, modHeartAttack::ScoreHeartAttackRisk(in)));
    }
};

// What a poppler tool (Debian package poppler-utils) prints for a file; nothing without it.
QString poppler(const char* tool, const QStringList& arguments) {
    QProcess run;
    run.start(tool, arguments);
    run.waitForFinished();
    return QString::fromUtf8(run.readAllStandardOutput());
}

} // namespace

class TestResultSheet : public QObject {
    Q_OBJECT

private slots:
    // Saved where the dialog says, as one page with every fact kept; nothing at all when the
    // dialog is cancelled or the folder cannot take the file, which is told once with why.
    void savePdf_data() { addRowsFrom("savepdf.tsv"); }
    void savePdf() {
        QFETCH(QString, answer);
        QFETCH(QString, message);
        QTemporaryDir folder;
        Sheet s;
        s.saveDialog.answer = answer.isEmpty() ? answer : folder.filePath(answer);
        QTest::mouseClick(s.sheet.findChild<QPushButton*>("cmdSavePdf"), Qt::LeftButton);
        QCOMPARE(s.saveDialog.proposed, {"Kestavo Heart Attack Risk Calculator 2026-12-06.pdf"});
        QCOMPARE(s.messageBox.texts().join('|'), message.arg(s.saveDialog.answer));
        const bool saved = message.isEmpty() && !answer.isEmpty();
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 saved ? QStringList{answer} : QStringList());
        if (!saved)
            return;
        QFile pdf(s.saveDialog.answer);
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");
        const QString info = poppler("pdfinfo", {s.saveDialog.answer});
        if (info.isEmpty())
            QSKIP("pdfinfo (Debian package poppler-utils) is not installed; the file is a PDF");
        QCOMPARE(info.section("\nPages:", 1).section('\n', 0, 0).trimmed(), "1");
        QCOMPARE(info.section("\nPage size:", 1).section('\n', 0, 0).trimmed(),
                 "595 x 842 pts (A4)");
        // A table is read cell by cell: every line of the text, every cell of the table, whole.
        const QString page = words(poppler("pdftotext", {s.saveDialog.answer, "-"}));
        for (const QString& cell : kept().split(QRegularExpression("[\n\t]"), Qt::SkipEmptyParts))
            QVERIFY2(page.contains(words(cell)), qPrintable(cell));
    }

    // The table `tblBreakdown` holds the lines of the workings as question, answer, points;
    // Print offers the same document to the print dialog, Copy puts it on the clipboard.
    void tablePrintAndCopy() {
        Sheet s;
        const auto* table = s.sheet.findChild<QTableWidget*>("tblBreakdown");
        QString lines;
        for (int r = -1; r < table->rowCount(); ++r)
            for (int c = 0; c < 3; ++c)
                lines += (c ? '\t' : '\n') +
                         (r < 0 ? table->horizontalHeaderItem(c) : table->item(r, c))->text();
        QVERIFY2(kept().contains(lines + "\n\n"), qPrintable(lines));
        // The notes follow the table, one sentence to a line.
        const QString notes = s.sheet.findChild<QLabel*>("lblBreakdownNotes")->text();
        QVERIFY2(kept().contains("\n\n" + QString(notes).replace(". ", ".\n")), qPrintable(notes));
        QTest::mouseClick(s.sheet.findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
        QCOMPARE(s.printDialog.offered.size(), 1);
        QCOMPARE(words(s.printDialog.offered[0]), words(kept().replace(u'\t', u' ')));
        QTest::mouseClick(s.sheet.findChild<QPushButton*>("cmdCopyResult"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), kept());
        QCOMPARE(s.messageBox.shown.size(), 0);
        QCOMPARE(s.saveDialog.proposed, QStringList());
    }
};

QTEST_MAIN(TestResultSheet)
#include "tst_resultsheet.moc"
