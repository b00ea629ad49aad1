// The result step: the worked example's sheet at a glance, its workings, and what keeping
// it tells.

#include "result/resultglance.h"
#include "result/scoringtext.h"
#include "support/datarows.h"
#include "support/workedsheet.h"
#include "widgets/readingstop.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>

#include <array>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// A man of 30, 70.0 kg and 1.7 m, moderately active: a calorie result with goals.
ResultReport calorieWorkedReport() {
    namespace calc = modCalorieCalculator;
    const calc::CalorieEntries entries{Sex::Male, 30, calorieEntry("70.0 kg"),
                                       calorieEntry("1.7 m")};
    return calc::calorieReport(entries,
                               calc::ComputeRequiredCalories(calc::basalWorking(entries).basal,
                                                             calc::ActivityLevel::Moderate));
}

} // namespace

class TestResultSheet : public QObject {
    Q_OBJECT

private slots:
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
        WorkedSheet s;
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
        WorkedSheet s;
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
        WorkedSheet s;
        const auto* table = s.sheet.findChild<QTableWidget*>("tblBreakdown");
        QString lines;
        for (int r = -1; r < table->rowCount(); ++r)
            for (int c = 0; c < 3; ++c)
                lines += (c ? '\t' : '\n') +
                         (r < 0 ? table->horizontalHeaderItem(c) : table->item(r, c))->text();
        QVERIFY2(keptWorkedExample().contains(lines + "\n\n"), qPrintable(lines));
        QVERIFY(table->verticalHeader()->isHidden()); // no row numbers beside the questions
        // The notes follow the table, one sentence to a line.
        const QString notes = s.sheet.findChild<QLabel*>("lblBreakdownNotes")->text();
        QVERIFY2(keptWorkedExample().contains("\n\n" + QString(notes).replace(". ", ".\n")),
                 qPrintable(notes));
        QTest::mouseClick(s.sheet.findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
        QCOMPARE(s.printDialog.offered.size(), 1);
        QCOMPARE(letters(s.printDialog.offered[0]),
                 letters(keptWorkedExample().replace(u'\t', u' ')));
        QTest::mouseClick(s.sheet.findChild<QPushButton*>("cmdCopyResult"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), keptWorkedExample());
        QCOMPARE(s.messageBox.shown.size(), 0);
        QCOMPARE(s.saveDialog.proposed, QStringList());
    }

    // The risk's band is said after the reading, its source with it, and kept after the result
    // texts, before what the values mean, each on a line of its own; without any, nothing is
    // shown.
    void remarksShownAndKept() {
        WorkedSheet s;
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

    // With a reader listening, each line at a glance is a stop of its own after the tabs, in
    // the order read: what the outlook says, then the picture by its caption; a result shown
    // again has its stops once. Told at once, the reader hears them in that order too.
    void glanceReadLineByLine() {
        QAccessible::setActive(true);
        const auto quiet = qScopeGuard([] { QAccessible::setActive(false); });
        WorkedSheet s; // the worked example
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

    // Told at once, a calorie result's goals are read cell by cell under their headings.
    void goalsToldWithTheGlance() {
        QAccessible::setActive(true);
        const auto quiet = qScopeGuard([] { QAccessible::setActive(false); });
        FakePlatform fakes;
        ResultSheet sheet{fakes.platform, "Kestavo Calorie Calculator", MessageIcon::Information,
                          CaptionPlace::Beside};
        sheet.setReport(calorieWorkedReport());
        const auto* goals = sheet.findChild<QTableWidget*>("tblGoals");
        QStringList cells;
        for (int c = 0; c < goals->columnCount(); ++c)
            cells << goals->horizontalHeaderItem(c)->text() + ": " + goals->item(0, c)->text();
        QVERIFY(!cells.isEmpty());
        sheet.tellGlance();
        const QString told = sheet.findChild<QLabel*>("lblStatus")->accessibleName();
        QVERIFY2(told.contains(cells.join(u'\n')), qPrintable(told));
    }

    // A translation's notes made smaller take the goals table with them, headings and all,
    // and the table narrows to its smaller cells.
    void goalsFollowTheNotesType() {
        FakePlatform fakes;
        ResultSheet sheet{fakes.platform, "Kestavo Calorie Calculator", MessageIcon::Information,
                          CaptionPlace::Beside};
        sheet.setReport(calorieWorkedReport());
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
        WorkedSheet s;
        const auto* page = s.sheet.findChild<ResultGlance*>();
        const QSize column =
            page->findChild<QLabel*>("lblReading")->parentWidget()->minimumSizeHint();
        const QSize picture = page->findChild<ResultPicture*>("picResult")->minimumSizeHint();
        QVERIFY(page->minimumSizeHint().width() > column.width() + picture.width());
    }
};

QTEST_MAIN(TestResultSheet)
#include "tst_resultsheet.moc"
