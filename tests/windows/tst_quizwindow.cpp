// The three risk quizzes, each window built alone: their checks and messages, one question at a
// time to the result, Main Screen, and File Exit. Their texts are in texts.tsv.

#include "support/datarows.h"
#include "support/nowindowleft.h"
#include "support/userpath.h"
#include "windows/cholesterolwindow.h"
#include "windows/diabeteswindow.h"
#include "windows/heartattackwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// The quiz the current row names.
QuizWindow* rowsQuiz(const WindowContext& context) {
    QFETCH(QString, quiz);
    if (quiz == "heart attack")
        return new HeartAttackWindow(context);
    if (quiz == "cholesterol")
        return new CholesterolWindow(context);
    return new DiabetesWindow(context);
}

// The step seen, or -1 unless exactly one is.
int stepInView(const QWidget* quiz) {
    QList<int> seen;
    for (int i = 0; i < 3; ++i)
        if (inView(quiz->findChild<QWidget*>(QStringLiteral("fraStep_%1").arg(i))))
            seen << i;
    return seen.size() == 1 ? seen[0] : -1;
}

} // namespace

class TestQuizWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { checkNoWindowLeft(); }

    // Details refused (the message, the box refused emptied and focused, the others kept) or
    // taken, from quizdetails.tsv.
    void details_data() { addRowsFrom("quizdetails.tsv"); }

    void details() {
        QFETCH(QString, details);
        QFETCH(QString, refused);
        QFETCH(QString, message);
        Alone quiz(rowsQuiz);
        QCOMPARE(walk(quiz.window, details + " > cmdNext"), QString());
        QCOMPARE(quiz.messageBox.shown.size(), message.isEmpty() ? 0 : 1);
        QCOMPARE(quiz.messageBox.texts().value(0), message);
        for (const FakeMessageBox::Shown& shown : quiz.messageBox.shown) {
            QCOMPARE(shown.icon, MessageIcon::Stop);
            QCOMPARE(shown.buttons, MessageButtons::Ok);
        }
        QCOMPARE(stepInView(quiz.window), refused.isEmpty() ? 1 : 0);
        if (refused.isEmpty())
            return;
        QCOMPARE(QApplication::focusWidget()->objectName(), refused);
        for (const auto* box : quiz.window->findChildren<QLineEdit*>()) {
            const QString typed = details.section(box->objectName() + '=', 1).section(' ', 0, 0);
            QCOMPARE(box->text(), box->objectName() == refused ? "" : typed);
        }
    }

    // Answered to the result twice, Main Screen between, so that nothing of the first run counts
    // in the second; then File Exit closes the window. From quizzes.tsv.
    void quiz_data() { addRowsFrom("quizzes.tsv"); }

    void quiz() {
        QFETCH(QString, details);
        QFETCH(QString, answers);
        QFETCH(QString, results);
        QFETCH(QString, focus);
        QFETCH(QString, points);
        Alone alone(rowsQuiz);
        QuizWindow* quiz = alone.window;
        const QStringList answer = answers.split(", ");
        // The first run clicks the step buttons a second apart, the second double-clicks them, as
        // many people do: each double click is one step, and its second click reaches nothing the
        // first brought into view (in the diabetes quiz Main Screen lies under Next Question).
        for (int run = 0; run < 2; ++run) {
            const auto press = [quiz, run](const char* button) {
                clickAt(quiz->findChild<QWidget*>(button),
                        run ? QTest::MouseDClick : QTest::MouseClick, {}, 1000);
            };
            // Just opened or back by Main Screen: empty boxes, first entries, first box focused.
            QCOMPARE(stepInView(quiz), 0);
            QCOMPARE(QApplication::focusWidget()->objectName(), details.section('=', 0, 0));
            const QWidget* first = quiz->findChild<QWidget*>("fraStep_0");
            for (const auto* box : first->findChildren<QLineEdit*>())
                QCOMPARE(box->text(), "");
            for (const auto* list : first->findChildren<QComboBox*>())
                QCOMPARE(list->currentIndex(), 0);
            QCOMPARE(walk(quiz, details), QString());
            press("cmdNext");
            for (int k = 1; k <= answer.size(); ++k) {
                QCOMPARE(stepInView(quiz), 1);
                QCOMPARE(quiz->findChild<QComboBox*>("cboAnswer_Option")->currentIndex(), 0);
                const QString counter =
                    QStringLiteral("Question %1 of %2").arg(k).arg(answer.size());
                QCOMPARE(quiz->findChild<QLabel*>("lblQuestionNo")->text(), counter);
                // Heard on Next Question, where the focus is from the second question on.
                QCOMPARE(quiz->findChild<QWidget*>("cmdNextQuestion")->accessibleDescription(),
                         counter + ". " + quiz->findChild<QLabel*>("lblQuestion")->text());
                QCOMPARE(walk(quiz, "cboAnswer_Option=" + answer[k - 1]), QString());
                press("cmdNextQuestion");
            }
            QCOMPARE(stepInView(quiz), 2);
            auto labels = quiz->findChildren<QLabel*>(QRegularExpression("^lblResult"));
            for (const QString& end : results.split('|'))
                QVERIFY2(labels.takeFirst()->text().endsWith(end), qPrintable(end));
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
            // The workings show the numbers the scoring gave; the result is kept from the
            // buttons after Main Screen.
            const auto* table = quiz->findChild<QTableWidget*>("tblBreakdown");
            QStringList shown;
            for (int r = 0; r < table->rowCount(); ++r)
                shown << table->item(r, 2)->text();
            QCOMPARE(shown.join(' ').trimmed(), points);
            QCOMPARE(tabStops(quiz->findChild<QWidget*>("cmdMain"), 4),
                     QStringList({"cmdSavePdf", "cmdPrint", "cmdCopyResult", "tblBreakdown"}));
            press("cmdMain");
        }
        QCOMPARE(alone.messageBox.texts(), QStringList());
        QCOMPARE(stepInView(quiz), 0);
        QSignalSpy unloaded(quiz, &CalculatorWindow::unloaded);
        QCOMPARE(walk(quiz, "mnuExit"), QString());
        QCOMPARE(unloaded.count(), 1);
        QTRY_VERIFY(alone.window.isNull()); // closed and gone: opened again, it starts afresh
    }
};

QTEST_MAIN(TestQuizWindow)
#include "tst_quizwindow.moc"
