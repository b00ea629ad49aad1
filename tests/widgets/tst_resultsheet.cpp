// Keeping a result: the heart attack worked example saved as a PDF, printed and copied.

#include "support/platformfakes.h"
#include "widgets/resultsheet.h"

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// What is kept of a man of 50, smoker, systolic 140, total cholesterol 240, HDL 47: each
// detail, answer and point, the sentence as shown, the date (the fake clock's) and the version.
const QString kKept =
    "Kestavo Wellbox I v1.15\nKestavo Heart Attack Risk Calculator\n"
    "Sunday, December 6, 2026 9:41 AM\n\nAge: 50\nSex: Male\n\n"
    "Your Risk of Suffering from A Heart Attack in the Next 10 Years is 18 %\n\n"
    "Question\tAnswer\tPoints\nAge and sex\t50, Male\t10\n1. Are you a smoker?\tYes\t4\n"
    "2. Are you a diabetic?\tNo\t0\n3. What is your systolic blood pressure?\t140\t3\n"
    "4. What is your total Cholesterol value?\t240\t3\n"
    "5. What is your HDL Cholesterol (High Density Lipoprotein) value?\t47\t0\n"
    "6. Does your doctor think that you suffer from left ventricular hypertrophy?\tNo\t0\n"
    "Total\t\t20\nRisk table\tTotal 20 points: 18 %\t\n\n"
    "Model: the Framingham coronary risk point score, as used by this program.\n"
    "This calculator takes ages 30 to 74.\n"
    "The score is meant for people without known heart disease.\n"
    "An estimate, not a diagnosis.\n";

// The words of a text in order, whatever the line breaks and columns of a page.
QString words(QString text) {
    return text.normalized(QString::NormalizationForm_KC).simplified();
}

} // namespace

class TestResultSheet : public QObject {
    Q_OBJECT

    FakeMessageBox messageBox;
    FakeWebPageOpener opener;
    FakeSettingsStore settings;
    FakeClock clock;
    FakeSaveDialog saveDialog;
    FakePrintDialog printDialog;
    Platform platform{messageBox, opener, settings, clock, saveDialog, printDialog};

    // The sheet of a window named as the heart attack window, holding the worked example.
    struct Sheet {
        QWidget window;
        ResultSheet sheet;
        explicit Sheet(Platform& platform)
            : sheet(platform, &window, &window, MessageIcon::Stop) {
            window.setWindowTitle("Kestavo Heart Attack Risk Calculator");
            const modHeartAttack::HeartAttackAnswers in{50, Sex::Male, {0, 1, 6, 7, 8, 1}};
            sheet.show(HeartAttackReport(in, ScoreHeartAttackRisk(in)));
        }
        void press(const char* name) {
            QTest::mouseClick(window.findChild<QPushButton*>(name), Qt::LeftButton);
        }
    };

private slots:
    void init() {
        messageBox.shown.clear();
        saveDialog.proposed.clear();
        printDialog.offered.clear();
    }

    // Saved where the dialog says, as one page with every fact kept; nothing at all when the
    // dialog is cancelled or the folder cannot take the file, which is told once with why.
    void savePdf_data() {
        QTest::addColumn<QString>("answer"); // the file the dialog returns, in a fresh folder
        QTest::addColumn<QString>("message");
        QTest::newRow("saved") << "kept.pdf"
                               << "";
        QTest::newRow("cancelled") << ""
                                   << "";
        QTest::newRow("no such folder")
            << "gone/kept.pdf"
            << "The PDF could not be saved as %1: No such file or directory";
    }
    void savePdf() {
        QFETCH(QString, answer);
        QFETCH(QString, message);
        QTemporaryDir folder;
        saveDialog.answer = answer.isEmpty() ? answer : folder.filePath(answer);
        Sheet s(platform);
        s.press("cmdSavePdf");
        QCOMPARE(saveDialog.proposed, {"Kestavo Heart Attack Risk Calculator 2026-12-06.pdf"});
        QCOMPARE(messageBox.texts().join(u'|'), message.arg(saveDialog.answer));
        const QStringList left =
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QCOMPARE(left, QStringList(message.isEmpty() && !answer.isEmpty() ? answer : QString())
                           .filter(QRegularExpression(".")));
        if (left.isEmpty())
            return;
        QFile pdf(saveDialog.answer);
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");
        QProcess toText;
        toText.start("pdftotext", {saveDialog.answer, "-"});
        if (!toText.waitForFinished())
            QSKIP("pdftotext (Debian package poppler-utils) is not installed; the file is a PDF");
        const QString page = QString::fromUtf8(toText.readAllStandardOutput());
        QCOMPARE(page.count(u'\f'), 1);
        // A table is read cell by cell: every line of the text, every cell of the table, whole.
        for (const QString& cell : kKept.split(QRegularExpression("[\n\t]"), Qt::SkipEmptyParts))
            QVERIFY2(words(page).contains(words(cell)), qPrintable(cell));
    }

    // The table `tblBreakdown` holds the lines of the workings as question, answer, points;
    // Print offers the same document to the print dialog, Copy puts it on the clipboard.
    void tablePrintAndCopy() {
        Sheet s(platform);
        QTableWidget* table = s.sheet.table();
        QCOMPARE(table->objectName(), "tblBreakdown");
        QString lines;
        for (int r = -1; r < table->rowCount(); ++r)
            for (int c = 0; c < 3; ++c)
                lines += (c ? '\t' : '\n') +
                         (r < 0 ? table->horizontalHeaderItem(c) : table->item(r, c))->text();
        QVERIFY2(kKept.contains(lines + "\n\n" + s.sheet.notes()->text().replace(". ", ".\n")),
                 qPrintable(lines));
        s.press("cmdPrint");
        QCOMPARE(printDialog.offered.size(), 1);
        QCOMPARE(words(printDialog.offered[0]), words(QString(kKept).replace(u'\t', u' ')));
        s.press("cmdCopyResult");
        QCOMPARE(QApplication::clipboard()->text(), kKept);
        QVERIFY(messageBox.shown.isEmpty() && saveDialog.proposed.isEmpty());
    }
};

QTEST_MAIN(TestResultSheet)
#include "tst_resultsheet.moc"
