// The three risk quizzes, each window built alone: their checks and messages, one question at a
// time to the result, Main Screen, and File Exit, as quizzes.tsv lists what is seen. Their texts
// are in texts.tsv.

#include "support/datarows.h"
#include "support/nowindowleft.h"
#include "support/userpath.h"
#include "windows/cholesterolwindow.h"
#include "windows/diabeteswindow.h"
#include "windows/heartattackwindow.h"

using namespace wellbox;
using namespace wellbox::testing;

// The quiz the current row names.
static QuizWindow* rowsQuiz(const WindowContext& context) {
    QFETCH(QString, quiz);
    if (quiz == "heart attack")
        return new HeartAttackWindow(context);
    if (quiz == "cholesterol")
        return new CholesterolWindow(context);
    return new DiabetesWindow(context);
}

class TestQuizWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { checkNoWindowLeft(); }

    // After a path of steps in a quiz, one thing seen or told, from quizzes.tsv.
    void seen_data() { addRowsFrom("quizzes.tsv"); }

    void seen() {
        QFETCH(QString, steps);
        QFETCH(QString, what);
        const Alone quiz(rowsQuiz);
        QCOMPARE(quiz.walk(steps), QString());
        QTEST(quiz.seen(what), "expected");
    }

    // Shown again (its calculator minimised and restored), a quiz keeps the focus where the user
    // left it; only its first showing puts it in the age box.
    void focusKeptWhenShownAgain() {
        const Alone quiz(
            [](const WindowContext& context) { return new HeartAttackWindow(context); });
        QCOMPARE(quiz.walk("txtAge=40 > cmdNext > cmdNextQuestion"), QString());
        quiz.window->hide();
        quiz.window->show();
        QApplication::setActiveWindow(quiz.window);
        QVERIFY(QTest::qWaitForWindowActive(quiz.window));
        QCOMPARE(quiz.seen("focus"), "cmdNextQuestion");
    }
};

QTEST_MAIN(TestQuizWindow)
#include "tst_quizwindow.moc"
