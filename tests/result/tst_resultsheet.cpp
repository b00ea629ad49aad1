// Keeping a result: the heart attack worked example saved as a PDF, printed and copied.

#include "platform/version.h"
#include "result/resultdocument.h"
#include "result/resultglance.h"
#include "result/resultsheet.h"
#include "result/scoringtext.h"
#include "support/datarows.h"
#include "support/limits.h"
#include "support/nodes.h"
#include "support/platformfakes.h"
#include "widgets/readingstop.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>

#include <array>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// The letters of a text in order, whatever the line breaks, columns and wrapping of a page, and
// the pictures among them; without their combining marks, which a PDF's text may place apart.
QString letters(QString text) {
    return text.normalized(QString::NormalizationForm_KD)
        .remove(QRegularExpression(R"([\s\p{M}])"))
        .remove(QChar::ObjectReplacementCharacter);
}

// What is kept of a man of 50, smoker, diabetic, systolic 140, total cholesterol 240, HDL 47:
// each detail, answer and point, the sentence as shown, the picture's caption, the comparison
// and what would change the result, the date (the fake clock's) and the version.
QString kept() {
    QFile file(WELLBOX_TEST_DATA "heartattackkept.txt");
    return file.open(QIODevice::ReadOnly)
               ? QString::fromUtf8(file.readAll()).replace("{version}", QLatin1String(kVersion))
               : "(not read)";
}

// A cell of savepdf.tsv as text.
QString expanded(const QString& cell) {
    return QString::fromUtf8(cellBytes(cell));
}

// The sheet of a window named as the heart attack window holding the worked example, or as the
// diabetes window holding a result for `name`, on fakes.
struct Sheet : FakePlatform {
    const QString calculator;
    ResultSheet sheet;
    explicit Sheet(const QString& name = {})
        : calculator(name.isEmpty() ? "Kestavo Heart Attack Risk Calculator"
                                    : "Kestavo Diabetes Risk Calculator")
        , sheet{platform, calculator, MessageIcon::Stop, CaptionPlace::Below} {
        fileWriter.onDisk = true;
        const modHeartAttack::HeartAttackAnswers in{50, Sex::Male, {0, 0, 6, 7, 8, 1}};
        namespace diabetes = modDiabetesRiskCalculator;
        const diabetes::DiabetesAnswers tested{0, 150, {0, 0, 0, 0, 0}};
        sheet.setReport(
            name.isEmpty()
                ? modHeartAttack::heartAttackReport(in, modHeartAttack::ScoreHeartAttackRisk(in))
                : diabetes::diabetesReport(name.toStdString(), tested,
                                           diabetes::ScoreDiabetesRisk(tested)));
    }
};

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

class TestResultSheet : public QObject {
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
        Sheet s(expanded(name));
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
        for (const QString& line : (shows.isEmpty() ? kept() : expanded(shows)).split(u'\n')) {
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

    // Each button that keeps the result, pressed by Enter where the focus is, says beside the
    // buttons what it did, between the last of them and the tabs, and the focus is on it
    // afterwards; a new result says nothing of the last one's.
    void keepingTold_data() {
        QTest::addColumn<QString>("by");
        QTest::addColumn<QString>("answer");  // the file the dialog names, "" when cancelled
        QTest::addColumn<QString>("failure"); // of the write, or of the print dialog
        QTest::addColumn<QString>("told");    // %1: the file
        // button, file named, failure, told
        constexpr std::array<std::array<const char*, 5>, 7> rows{{
            {"saved", "cmdSavePdf", "kept.pdf", "", "Saved as %1"},
            {"save cancelled", "cmdSavePdf", "", "", "Not saved"},
            {"save failed", "cmdSavePdf", "kept.pdf", "Disk full", "Not saved"},
            {"printed", "cmdPrint", "", "", "Printed"},
            {"printed to a file", "cmdPrint", "kept.pdf", "", "Printed"},
            {"print dialog failed", "cmdPrint", "", "No room", "Not printed"},
            {"copied", "cmdCopyResult", "", "", "Copied"},
        }};
        for (const auto& [row, by, answer, failure, told] : rows)
            QTest::newRow(row) << QString(by) << QString(answer) << QString(failure)
                               << QString(told);
    }
    void keepingTold() {
        QFETCH(QString, by);
        QFETCH(QString, answer);
        QFETCH(QString, failure);
        QFETCH(QString, told);
        QTemporaryDir folder;
        Sheet s;
        s.sheet.resize(900, 400);
        s.sheet.show();
        s.saveDialog.answer = s.printDialog.file =
            answer.isEmpty() ? answer : folder.filePath(answer);
        (by == "cmdPrint" ? s.printDialog.failure : s.fileWriter.failure) = failure;
        auto* button = s.sheet.findChild<QPushButton*>(by);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        const auto* status = s.sheet.findChild<QLabel*>("lblStatus");
        QCOMPARE(status->accessibleName(), QString(told).replace("%1", s.saveDialog.answer));
        QCOMPARE(status->isVisible(), true);
        const int lastButton = s.sheet.findChild<QPushButton*>("cmdCopyResult")->geometry().right();
        QTRY_VERIFY(status->x() > lastButton && status->width() > 0);
        QVERIFY(status->geometry().right() < s.sheet.findChild<QTabBar*>("tabResult")->x());
        QCOMPARE(s.sheet.focusWidget(), button);
        s.sheet.setReport(s.sheet.report());
        QCOMPARE(status->isVisible(), false);
    }

    // A new result opens at a glance, the workings page hidden, whichever page the last one
    // was left on.
    void newResultOpensAtAGlance() {
        Sheet s;
        auto* tabs = s.sheet.findChild<QTabBar*>("tabResult");
        const auto* workings = s.sheet.findChild<QWidget*>("tabWorkings");
        QCOMPARE(tabs->shape(), QTabBar::RoundedSouth); // open to the pages above them
        QTest::keyClick(tabs, Qt::Key_Right);
        QCOMPARE(tabs->currentIndex(), 1);
        QVERIFY(workings && workings->isVisibleTo(&s.sheet));
        s.sheet.setReport(s.sheet.report());
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(!workings->isVisibleTo(&s.sheet));
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
        QVERIFY(table->verticalHeader()->isHidden()); // no row numbers beside the questions
        // The notes follow the table, one sentence to a line.
        const QString notes = s.sheet.findChild<QLabel*>("lblBreakdownNotes")->text();
        QVERIFY2(kept().contains("\n\n" + QString(notes).replace(". ", ".\n")), qPrintable(notes));
        QTest::mouseClick(s.sheet.findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
        QCOMPARE(s.printDialog.offered.size(), 1);
        QCOMPARE(letters(s.printDialog.offered[0]), letters(kept().replace(u'\t', u' ')));
        QTest::mouseClick(s.sheet.findChild<QPushButton*>("cmdCopyResult"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), kept());
        QCOMPARE(s.messageBox.shown.size(), 0);
        QCOMPARE(s.saveDialog.proposed, QStringList());
    }

    // The risk's band is said after the reading, its source with it, and kept after the result
    // texts, before what the values mean, each on a line of its own; without any, nothing is
    // shown.
    void remarksShownAndKept() {
        Sheet s;
        const auto* remarks = s.sheet.findChild<QLabel*>("lblRemarks");
        QCOMPARE(remarks->isHidden(), true);
        const modHeartAttack::HeartAttackAnswers in{50, Sex::Male, {0, 0, 6, 7, 8, 1}};
        ResultReport report =
            modHeartAttack::heartAttackReport(in, modHeartAttack::ScoreHeartAttackRisk(in));
        report.remarks = {Phrase::value("First remark."), Phrase::value("Second remark.")};
        s.sheet.setReport(report);
        QCOMPARE(remarks->isHidden(), false);
        QCOMPARE(remarks->text(), "First remark.\nSecond remark.");
        QTest::mouseClick(s.sheet.findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
        QVERIFY(s.printDialog.offered.value(0).contains("Second remark."));
        QTest::mouseClick(s.sheet.findChild<QPushButton*>("cmdCopyResult"), Qt::LeftButton);
        const auto* band = s.sheet.findChild<QLabel*>("lblBand");
        QCOMPARE(band->text(), "23 %: high risk (over 20 in 100)");
        QVERIFY(band->toolTip().contains("NCEP ATP III"));
        QVERIFY(QApplication::clipboard()->text().contains(
            "Your Risk of Suffering from A Heart Attack in the Next 10 Years is 23 %\n"
            "23 %: high risk (over 20 in 100)\n"
            "First remark.\nSecond remark.\n"));
        report.band.reset();
        s.sheet.setReport(report);
        QCOMPARE(band->isHidden(), true);
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

    // With a reader listening, each line at a glance is a stop of its own after the tabs, in
    // the order read: what the outlook says, then the picture by its caption; a result shown
    // again has its stops once. Told at once, the reader hears them in that order too.
    void glanceReadLineByLine() {
        QAccessible::setActive(true);
        const auto quiet = qScopeGuard([] { QAccessible::setActive(false); });
        Sheet s; // the worked example
        const modHeartAttack::HeartAttackAnswers in{50, Sex::Male, {0, 0, 6, 7, 8, 1}};
        const int once = int(s.sheet.findChildren<ReadingStop*>().size());
        s.sheet.setReport(
            modHeartAttack::heartAttackReport(in, modHeartAttack::ScoreHeartAttackRisk(in)));
        QCOMPARE(int(s.sheet.findChildren<ReadingStop*>().size()), once);
        QStringList stops;
        for (QWidget* at = s.sheet.findChild<QTabBar*>("tabResult")->nextInFocusChain();
             auto* stop = qobject_cast<ReadingStop*>(at); at = at->nextInFocusChain()) {
            stops << stop->line();
            // Heard as text that cannot be changed, as the label under it is.
            const QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(stop);
            QVERIFY(heard->role() == QAccessible::StaticText && heard->state().readOnly);
        }
        const ResultOutlook outlook = modHeartAttack::heartAttackOutlook(in);
        QStringList read;
        for (const Phrase& line : outlook.lines())
            read << ui::scoringText(line);
        read << ui::scoringText(captionPhrase(captionParts(outlook.picture)));
        QCOMPARE(stops.mid(stops.indexOf(read.first()), read.size()), read);
        s.sheet.tellGlance();
        const QString told = s.sheet.findChild<QLabel*>("lblStatus")->accessibleName();
        QVERIFY2(told.contains(read.join(u'\n')), qPrintable(told));
    }

    // A translation's notes made smaller take the goals table with them, headings and all,
    // and the table narrows to its smaller cells.
    void goalsFollowTheNotesType() {
        namespace calc = modCalorieCalculator;
        const calc::CalorieEntries entries{Sex::Male, 30, calorieEntry("70.0 kg"),
                                           calorieEntry("1.7 m")};
        FakePlatform fakes;
        ResultSheet sheet{fakes.platform, "Kestavo Calorie Calculator", MessageIcon::Information,
                          CaptionPlace::Beside};
        sheet.setReport(calc::calorieReport(
            entries, calc::ComputeRequiredCalories(calc::basalWorking(entries).basal,
                                                   calc::ActivityLevel::Moderate)));
        auto* goals = sheet.findChild<QTableWidget*>("tblGoals");
        auto* notes = sheet.findChild<QLabel*>("lblGoalNotes");
        const int wide = goals->width();
        QFont smaller = notes->font();
        smaller.setPointSizeF(smaller.pointSizeF() * 0.8);
        notes->setFont(smaller);
        QCOMPARE(goals->horizontalHeader()->font(), smaller);
        QVERIFY2(goals->width() < wide, qPrintable(QString::number(goals->width())));
    }

    // At a glance, the least room the page asks for holds its column of texts and the picture
    // side by side, apart.
    void glanceHoldsTextsBesidePicture() {
        Sheet s;
        const auto* page = s.sheet.findChild<ResultGlance*>();
        const QSize column =
            page->findChild<QLabel*>("lblReading")->parentWidget()->minimumSizeHint();
        const QSize picture = page->findChild<ResultPicture*>("picResult")->minimumSizeHint();
        QVERIFY(page->minimumSizeHint().width() > column.width() + picture.width());
    }
};

QTEST_MAIN(TestResultSheet)
#include "tst_resultsheet.moc"
