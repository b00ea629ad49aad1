// The cholesterol window from the launcher: the result step, where Next Question keeps the
// focus. What it says, worked examples, age limits and Main Screen are in tst_quizwindow.

#include "quiz/quizdriver.h"

using namespace wellbox;
using namespace wellbox::testing;

namespace {

QStringList sentences(const char* total, const char* hdl, const char* ldl, const char* risk) {
    return {QStringLiteral("Your Total Cholesterol Level is at a %1 Level").arg(total),
            QStringLiteral("Your HDL 'Good' Cholesterol Level is at a %1 Level").arg(hdl),
            QStringLiteral("Your LDL 'Bad' Cholesterol Level is at a %1 Level").arg(ldl),
            QStringLiteral("Your Risk of Having a Heart Attack based on your Cholesterol Level in "
                           "the Next 10 Years is %1")
                .arg(risk)};
}

QStringList shownSentences(const QuizDriver& quiz) {
    QStringList shown;
    for (int i = 0; i < 4; ++i)
        shown << quiz.caption(QStringLiteral("lblResult_%1").arg(i));
    return shown;
}

} // namespace

class TestCholesterolWindow : public QObject {
    Q_OBJECT
private slots:
    // Next Question keeps the focus under the result, so Enter runs the last step again with the
    // same answers: the result must not grow.
    void enterOnResultShowsSameSentences() {
        AppFixture fixture;
        QuizDriver quiz(fixture, kCholesterolButton);
        quiz.start({"55", "0"});
        auto* next = quiz.get<QAbstractButton>("cmdNextQuestion");
        next->setFocus();
        for (const int position : {3, 2, 1, 2, 1, 1}) {
            quiz.list("cboAnswer_Option")->setCurrentIndex(position);
            QTest::keyClick(next, Qt::Key_Return);
        }
        const QStringList expected =
            sentences("Borderline High", "Borderline High", "Borderline High", "16%");
        QCOMPARE(shownSentences(quiz), expected);
        QCOMPARE(quiz.focus(), next);
        QTest::keyClick(next, Qt::Key_Return);
        QTest::keyClick(next, Qt::Key_Space);
        QCOMPARE(quiz.stepInView(), 2);
        QCOMPARE(shownSentences(quiz), expected);
        QCOMPARE(quiz.caption("lblQuestionNo"), QStringLiteral("Question 6 of 6"));
    }
};

QTEST_MAIN(TestCholesterolWindow)
#include "tst_cholesterolwindow.moc"
