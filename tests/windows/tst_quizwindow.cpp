// The three risk quizzes, each window built alone: their checks and messages, one question at a
// time to the result, Main Screen, and File Exit, as quizzes.tsv lists what is seen. Their texts
// are in texts.tsv.

#include "support/datarows.h"
#include "support/nowindowleft.h"
#include "support/userpath.h"
#include "windows/cholesterolwindow.h"
#include "windows/diabeteswindow.h"
#include "windows/heartattackwindow.h"

#include <QTimer>

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

    // A quiz closed while one of its dialogs is up (by a launcher, say) stays until the dialog
    // has returned, then goes: the code beneath the dialog is the window's own.
    void closedUnderDialog_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("steps");
        const QString result = "txtAge=40 > cmdNext > cmdNextQuestion*6 > ";
        QTest::newRow("message box") << "message box"
                                     << "cmdNext";
        QTest::newRow("save dialog") << "save dialog" << result + "cmdSavePdf";
        QTest::newRow("print dialog") << "print dialog" << result + "cmdPrint";
    }

    void closedUnderDialog() {
        QFETCH(QString, dialog);
        QFETCH(QString, steps);
        Alone quiz([](const WindowContext& context) { return new HeartAttackWindow(context); });
        DialogLoop& loop = dialog == "message box"   ? quiz.messageBox.loop
                           : dialog == "save dialog" ? quiz.saveDialog.loop
                                                     : quiz.printDialog.loop;
        bool keptWhileOpen = false;
        loop.whileOpen = [&] {
            quiz.window->unload();
            // Fires only while the window lives: a timer dies with its context object.
            QTimer::singleShot(20, quiz.window, [&] { keptWhileOpen = true; });
        };
        QCOMPARE(quiz.walk(steps), QString());
        QCOMPARE(keptWhileOpen, true);
        QCOMPARE(quiz.seen("gone"), "yes");
        QCOMPARE(quiz.seen("unloaded"), "1");
    }
};

QTEST_MAIN(TestQuizWindow)
#include "tst_quizwindow.moc"
