// The heart attack window from the launcher: Enter on the result step. What it asks, worked
// examples, age limits, Main Screen and the shared flow are in tst_quizwindow.

#include "quiz/quizdriver.h"

using namespace wellbox;
using namespace wellbox::testing;

class TestHeartAttackWindow : public QObject {
    Q_OBJECT
private slots:
    // Main Screen takes the focus with the result, so Enter leaves the result step at once and the
    // last step cannot run a second time.
    void enterOnResultGoesToMainScreenOnce() {
        AppFixture fixture;
        QuizDriver quiz(fixture, kHeartButton);
        quiz.start({"50", "1"});
        quiz.answer({0, 1, 6, 7, 8, 1});
        const QString first = quiz.caption("lblResult");
        QCOMPARE(quiz.focusName(), QStringLiteral("cmdMain"));
        QTest::keyClick(quiz.focus(), Qt::Key_Return);
        QCOMPARE(quiz.stepInView(), 0);
        QCOMPARE(quiz.focusName(), QStringLiteral("txtAge"));

        // Enter in the empty age box is a refused key, not a second Main Screen or result.
        QTest::keyClick(quiz.focus(), Qt::Key_Return);
        QCOMPARE(fixture.messageBox.texts(), QStringList{"Only numbers are accepted"});
        QCOMPARE(quiz.stepInView(), 0);
        QCOMPARE(quiz.caption("lblResult"), first);
    }
};

QTEST_MAIN(TestHeartAttackWindow)
#include "tst_heartattackwindow.moc"
