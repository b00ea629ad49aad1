// The cholesterol window from the launcher: age limits, runs against worked examples, and the
// result step where Next Question keeps the focus.

#include "quiz/quizdriver.h"

using namespace wellbox;
using namespace wellbox::testing;

namespace {

const QString kRange = QStringLiteral("Your age must be between 20 and 79");

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

void startQuiz(const QuizDriver& quiz, const QString& age, int sexIndex) {
    quiz.type("txtAge", age);
    quiz.list("cboSex")->setCurrentIndex(sexIndex);
    quiz.click("cmdNext");
}

} // namespace

class TestCholesterolWindow : public QObject {
    Q_OBJECT
private slots:
    void personalDetailsAsOpened();
    void ageCheck_data();
    void ageCheck();
    void fullRun_data();
    void fullRun();
    void enterOnResultShowsSameSentences();
    void secondRunDoesNotCountTheFirst();
};

void TestCholesterolWindow::personalDetailsAsOpened() {
    AppFixture fixture;
    QuizDriver quiz(fixture, kCholesterolButton);
    QCOMPARE(quiz.window->objectName(), QStringLiteral("frmCholesterolRiskCalculatorMain"));
    QCOMPARE(quiz.window->windowTitle(), QStringLiteral("Kestavo Cholesterol Risk Calculator"));
    QVERIFY(quiz.caption("lblCaption_0").endsWith("know your cholesterol level."));
    QVERIFY(quiz.caption("lblCaption_1").startsWith("Follow the questions"));
    QVERIFY(
        quiz.caption("lblCaption_2").startsWith("Kestavo Free Cholesterol Risk Calculator aims"));
    QCOMPARE(quiz.get<QAbstractButton>("cmdNext")->text(),
             QStringLiteral("Take the Cholesterol Risk &Quiz"));
    QCOMPARE(quiz.list("cboSex")->currentText(), QStringLiteral("Male"));
    QCOMPARE(quiz.focusName(), QStringLiteral("txtAge"));
}

void TestCholesterolWindow::ageCheck_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty when the age is taken
    QTest::newRow("empty") << ""
                           << "Please enter your age";
    QTest::newRow("19, one below") << "19" << kRange;
    QTest::newRow("20, lower limit") << "20"
                                     << "";
    QTest::newRow("79, upper limit") << "79"
                                     << "";
    QTest::newRow("80, one above") << "80" << kRange;
    QTest::newRow("leading zeros, 0020") << "0020"
                                         << "";
    QTest::newRow("beyond 16 bits, 99999") << "99999" << kRange;
    QTest::newRow("wraps to 20 in 16 bits") << "65556" << kRange;
}

void TestCholesterolWindow::ageCheck() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    AppFixture fixture;
    QuizDriver quiz(fixture, kCholesterolButton);
    quiz.type("txtAge", typed);
    quiz.click("cmdNext");

    if (message.isEmpty()) {
        QVERIFY(fixture.messageBox.shown.isEmpty());
        QCOMPARE(quiz.stepInView(), 1);
        QCOMPARE(quiz.caption("lblQuestionNo"), QStringLiteral("Question 1 of 6"));
        return;
    }
    QCOMPARE(fixture.messageBox.texts(), QStringList{message});
    QCOMPARE(fixture.messageBox.shown.first().icon, MessageIcon::Stop);
    QCOMPARE(quiz.stepInView(), 0);
    QCOMPARE(quiz.focusName(), QStringLiteral("txtAge"));
    QVERIFY(quiz.box("txtAge")->text().isEmpty());
}

void TestCholesterolWindow::fullRun_data() {
    QTest::addColumn<QString>("age");
    QTest::addColumn<int>("sex"); // 0 Male, 1 Female
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("result");
    QTest::newRow("man of 40, first answers: 4")
        << "40" << 0 << QList<int>{0, 0, 0, 0, 0, 0}
        << sentences("Optimum", "Optimum", "Optimum", "1%");
    // 8 + 4 + 1 + 1 = 14.
    QTest::newRow("man of 55, 240-279, 40-49, 130-139")
        << "55" << 0 << QList<int>{3, 2, 1, 2, 1, 1}
        << sentences("Borderline High", "Borderline High", "Borderline High", "16%");
    // 3 + 6 + 0 + 5 + 7 = 21.
    QTest::newRow("woman of 45, treated, smoker")
        << "45" << 1 << QList<int>{2, 1, 2, 3, 0, 0}
        << sentences("Borderline High", "Borderline High", "High", "14%");
    QTest::newRow("same woman untreated: 19")
        << "45" << 1 << QList<int>{2, 1, 2, 3, 1, 0}
        << sentences("Borderline High", "Borderline High", "High", "8%");
    QTest::newRow("man of 20, best answers: -10")
        << "20" << 0 << QList<int>{0, 0, 0, 0, 1, 1}
        << sentences("Optimum", "Optimum", "Optimum", "<1%");
    QTest::newRow("woman of 79, worst answers: 27")
        << "79" << 1 << QList<int>{4, 3, 2, 4, 0, 0} << sentences("High", "High", "High", ">=30%");
}

void TestCholesterolWindow::fullRun() {
    QFETCH(QString, age);
    QFETCH(int, sex);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, result);
    AppFixture fixture;
    QuizDriver quiz(fixture, kCholesterolButton);
    startQuiz(quiz, age, sex);
    for (const int position : answers)
        quiz.answer({position});
    QCOMPARE(quiz.stepInView(), 2);
    QCOMPARE(shownSentences(quiz), result);
    QVERIFY(fixture.messageBox.shown.isEmpty());
}

// Next Question keeps the focus under the result, so Enter runs the last step again with the
// same answers: the result must not grow.
void TestCholesterolWindow::enterOnResultShowsSameSentences() {
    AppFixture fixture;
    QuizDriver quiz(fixture, kCholesterolButton);
    startQuiz(quiz, QStringLiteral("55"), 0);
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

void TestCholesterolWindow::secondRunDoesNotCountTheFirst() {
    AppFixture fixture;
    QuizDriver quiz(fixture, kCholesterolButton);
    startQuiz(quiz, QStringLiteral("79"), 1);
    quiz.answer({4, 3, 2, 4, 0, 0});
    quiz.click("cmdMain");
    QCOMPARE(quiz.stepInView(), 0);
    QCOMPARE(quiz.focusName(), QStringLiteral("txtAge"));
    QVERIFY(quiz.box("txtAge")->text().isEmpty());
    QCOMPARE(quiz.list("cboSex")->currentIndex(), 0);

    startQuiz(quiz, QStringLiteral("40"), 0);
    QCOMPARE(quiz.caption("lblQuestionNo"), QStringLiteral("Question 1 of 6"));
    quiz.answer({0, 0, 0, 0, 0, 0});
    QCOMPARE(shownSentences(quiz), sentences("Optimum", "Optimum", "Optimum", "1%"));
}

QTEST_MAIN(TestCholesterolWindow)
#include "tst_cholesterolwindow.moc"
