// The heart attack window from the launcher: age limits, a run through the six questions
// against worked examples, and Main Screen.

#include "heart/modheartattack.h"
#include "quiz/quizdriver.h"

using namespace wellbox;
using namespace wellbox::testing;

namespace {

const QString kRange = QStringLiteral("Your age must be between 30 and 74");

QString sentence(int percent) {
    return QStringLiteral("Your Risk of Suffering from A Heart Attack in the Next 10 Years is %1 %")
        .arg(percent);
}

void startQuiz(const QuizDriver& quiz, const QString& age, int sexIndex) {
    quiz.type("txtAge", age);
    quiz.list("cboSex")->setCurrentIndex(sexIndex);
    quiz.click("cmdNext");
}

} // namespace

class TestHeartAttackWindow : public QObject {
    Q_OBJECT
private slots:
    void personalDetailsAsOpened();
    void ageCheck_data();
    void ageCheck();
    void fullRun_data();
    void fullRun();
    void enterOnResultGoesToMainScreenOnce();
    void secondRunDoesNotCountTheFirst();
};

void TestHeartAttackWindow::personalDetailsAsOpened() {
    AppFixture fixture;
    QuizDriver quiz(fixture, kHeartButton);
    QCOMPARE(quiz.window->objectName(), QStringLiteral("frmHeartAttackRiskCalculatorMain"));
    QCOMPARE(quiz.window->windowTitle(), QStringLiteral("Kestavo Heart Attack Risk Calculator"));
    QCOMPARE(quiz.caption("lblLabel_0"), QStringLiteral("Enter Age"));
    QCOMPARE(quiz.caption("lblLabel_1"), QStringLiteral("Select Sex"));
    QVERIFY(
        quiz.caption("lblCaption_0").startsWith("Kestavo Free Heart Attack Risk Calculator is"));
    QVERIFY(quiz.caption("lblCaptionlblCaption_1").startsWith("Follow the questions"));
    QVERIFY(quiz.caption("lblCaptionlblCaption_0").endsWith("in the high risk zone."));
    QCOMPARE(quiz.get<QAbstractButton>("cmdNext")->text(),
             QStringLiteral("Take the Heart Attack Risk &Quiz"));
    QComboBox* sex = quiz.list("cboSex");
    QCOMPARE(sex->count(), 2);
    QCOMPARE(sex->itemText(0), QStringLiteral("Male"));
    QCOMPARE(sex->itemText(1), QStringLiteral("Female"));
    QCOMPARE(sex->currentIndex(), 0);
}

void TestHeartAttackWindow::ageCheck_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty when the age is taken
    QTest::newRow("empty") << ""
                           << "Please enter your age";
    QTest::newRow("29, one below") << "29" << kRange;
    QTest::newRow("30, lower limit") << "30"
                                     << "";
    QTest::newRow("74, upper limit") << "74"
                                     << "";
    QTest::newRow("75, one above") << "75" << kRange;
    QTest::newRow("0") << "0" << kRange;
    QTest::newRow("leading zero, 030") << "030"
                                       << "";
    QTest::newRow("long with zeros, 31") << "000000000000031"
                                         << "";
    QTest::newRow("beyond 16 bits, 99999") << "99999" << kRange;
    QTest::newRow("wraps to 30 in 16 bits") << "65566" << kRange;
    QTest::newRow("twenty digits") << "12345678901234567890" << kRange;
}

void TestHeartAttackWindow::ageCheck() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    AppFixture fixture;
    QuizDriver quiz(fixture, kHeartButton);
    quiz.type("txtAge", typed);
    QCOMPARE(quiz.box("txtAge")->text(), typed);
    quiz.click("cmdNext");

    if (message.isEmpty()) {
        QVERIFY(fixture.messageBox.shown.isEmpty());
        QCOMPARE(quiz.stepInView(), 1);
        QCOMPARE(quiz.caption("lblQuestionNo"), QStringLiteral("Question 1 of 6"));
        return;
    }
    QCOMPARE(fixture.messageBox.texts(), QStringList{message});
    QCOMPARE(fixture.messageBox.shown.first().icon, MessageIcon::Stop);
    QCOMPARE(fixture.messageBox.shown.first().buttons, MessageButtons::Ok);
    QCOMPARE(quiz.stepInView(), 0);
    QCOMPARE(quiz.focusName(), QStringLiteral("txtAge"));
    QVERIFY(quiz.box("txtAge")->text().isEmpty());
}

void TestHeartAttackWindow::fullRun_data() {
    QTest::addColumn<QString>("age");
    QTest::addColumn<int>("sex"); // 0 Male, 1 Female
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QString>("result");
    // 10 age + 4 smoker + 0 + 3 (140) + 3 (240) + 0 (47) + 0 = 20 points.
    QTest::newRow("man of 50, smoker, 140, 240, 47")
        << "50" << 0 << QList<int>{0, 1, 6, 7, 8, 1} << sentence(18);
    QTest::newRow("woman of 30, nothing scores: -12")
        << "30" << 1 << QList<int>{1, 1, 0, 0, 0, 1} << sentence(1);
    // Diabetes counts 6 for a woman and 3 for a man; 40 earns 0 and 5 age points.
    QTest::newRow("woman of 40, diabetic: 6")
        << "40" << 1 << QList<int>{1, 0, 0, 0, 0, 1} << sentence(3);
    QTest::newRow("man of 40, diabetic: 5 + 3")
        << "40" << 0 << QList<int>{1, 0, 0, 0, 0, 1} << sentence(4);
    // 19 + 4 + 3 + 8 (173) + 6 (316) + 7 (25) + 9 = 56, past the table.
    QTest::newRow("man of 74, highest total")
        << "74" << 0 << QList<int>{0, 0, 9, 10, 1, 0}
        << QString::fromStdString(modHeartAttack::riskSentence(56));
}

void TestHeartAttackWindow::fullRun() {
    QFETCH(QString, age);
    QFETCH(int, sex);
    QFETCH(QList<int>, answers);
    QFETCH(QString, result);
    AppFixture fixture;
    QuizDriver quiz(fixture, kHeartButton);
    startQuiz(quiz, age, sex);
    for (int i = 0; i < answers.size(); ++i) {
        QCOMPARE(quiz.caption("lblQuestionNo"), QStringLiteral("Question %1 of 6").arg(i + 1));
        quiz.answer({answers.at(i)});
    }
    QCOMPARE(quiz.stepInView(), 2);
    QCOMPARE(quiz.caption("lblResult"), result);
    QCOMPARE(quiz.focusName(), QStringLiteral("cmdMain"));
    QVERIFY(fixture.messageBox.shown.isEmpty());
}

// Main Screen takes the focus with the result, so Enter leaves the result step at once and the
// last step cannot run a second time.
void TestHeartAttackWindow::enterOnResultGoesToMainScreenOnce() {
    AppFixture fixture;
    QuizDriver quiz(fixture, kHeartButton);
    startQuiz(quiz, QStringLiteral("50"), 1);
    quiz.answer({0, 1, 6, 7, 8, 1});
    const QString first = quiz.caption("lblResult");
    QCOMPARE(quiz.focusName(), QStringLiteral("cmdMain"));

    QTest::keyClick(quiz.focus(), Qt::Key_Return);
    QCOMPARE(quiz.stepInView(), 0);
    QCOMPARE(quiz.focusName(), QStringLiteral("txtAge"));
    QVERIFY(quiz.box("txtAge")->text().isEmpty());
    QCOMPARE(quiz.list("cboSex")->currentText(), QStringLiteral("Male"));
    QCOMPARE(quiz.caption("lblResult"), first);

    // Enter in the empty age box is a refused key, not a second Main Screen or result.
    QTest::keyClick(quiz.focus(), Qt::Key_Return);
    QCOMPARE(fixture.messageBox.texts(), QStringList{"Only numbers are accepted"});
    QCOMPARE(quiz.stepInView(), 0);
    QCOMPARE(quiz.caption("lblResult"), first);
}

void TestHeartAttackWindow::secondRunDoesNotCountTheFirst() {
    AppFixture fixture;
    QuizDriver quiz(fixture, kHeartButton);
    startQuiz(quiz, QStringLiteral("74"), 1);
    quiz.answer({0, 0, 9, 10, 1, 0});
    QCOMPARE(quiz.stepInView(), 2);
    QTest::keyClick(quiz.focus(), Qt::Key_Space);
    QCOMPARE(quiz.stepInView(), 0);

    startQuiz(quiz, QStringLiteral("50"), 0);
    QCOMPARE(quiz.caption("lblQuestionNo"), QStringLiteral("Question 1 of 6"));
    quiz.answer({0, 1, 6, 7, 8, 1});
    QCOMPARE(quiz.caption("lblResult"), sentence(18));
}

QTEST_MAIN(TestHeartAttackWindow)
#include "tst_heartattackwindow.moc"
