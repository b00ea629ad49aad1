// The diabetes window from the launcher: the name-then-weight check, runs against worked
// examples, weights past the 16-bit range, and Main Screen.

#include "quiz/quizdriver.h"

using namespace wellbox;
using namespace wellbox::testing;

namespace {

const QString kVeryLow =
    QStringLiteral("You are at a Very Low Risk of having Type 2 Diabetes now.");
const QString kLow = QStringLiteral("You are at a Low Risk of having Type 2 Diabetes now.");
const QString kHigh = QStringLiteral(
    "You are at a High Risk of having Type 2 Diabetes now. Please consult your doctor.");

void startTest(const QuizDriver& quiz, const QString& name, int heightRow, const QString& weight) {
    quiz.type("txtName", name);
    quiz.list("cboHeight")->setCurrentIndex(heightRow);
    quiz.type("txtWeight", weight);
    quiz.click("cmdNext");
}

} // namespace

class TestDiabetesWindow : public QObject {
    Q_OBJECT
private slots:
    void personalDetailsAsOpened();
    void nameThenWeightCheck_data();
    void nameThenWeightCheck();
    void fullRun_data();
    void fullRun();
    void mainScreenResetsAndSecondRunStartsFromZero();
};

void TestDiabetesWindow::personalDetailsAsOpened() {
    AppFixture fixture;
    QuizDriver quiz(fixture, kDiabetesButton);
    QCOMPARE(quiz.window->objectName(), QStringLiteral("frmDiabetesRiskCalculatorMain"));
    QCOMPARE(quiz.window->windowTitle(), QStringLiteral("Kestavo Diabetes Risk Calculator"));
    QCOMPARE(quiz.caption("lblLabel_2"), QStringLiteral("Enter Name"));
    QCOMPARE(quiz.caption("lblLabel_1"), QStringLiteral("Enter Height"));
    QCOMPARE(quiz.caption("lblLabel_4"), QStringLiteral("feet/inches"));
    QCOMPARE(quiz.caption("lblLabel_0"), QStringLiteral("Enter Weight"));
    QCOMPARE(quiz.caption("lblLabel_3"), QStringLiteral("pounds"));
    QCOMPARE(
        quiz.caption("lblResult_2"),
        QStringLiteral("P. S: Kindly consult your physician before taking any drastic steps."));
    QCOMPARE(quiz.get<QAbstractButton>("cmdNext")->text(),
             QStringLiteral("&Take the Diabetes Risk Test"));
    QComboBox* height = quiz.list("cboHeight");
    QCOMPARE(height->count(), 19);
    QCOMPARE(height->currentText(), QStringLiteral("4'10''"));
    QCOMPARE(height->itemText(18), QStringLiteral("6'4''"));
}

void TestDiabetesWindow::nameThenWeightCheck_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("message"); // empty when the details are taken
    QTest::addColumn<QString>("focus");
    QTest::newRow("both empty: name first") << ""
                                            << ""
                                            << "Please enter your name"
                                            << "txtName";
    QTest::newRow("name empty, weight given") << ""
                                              << "150"
                                              << "Please enter your name"
                                              << "txtName";
    QTest::newRow("weight empty") << "Ann"
                                  << ""
                                  << "Please enter your weight"
                                  << "txtWeight";
    QTest::newRow("name of spaces passes") << "   "
                                           << "150"
                                           << ""
                                           << "cmdNext";
    QTest::newRow("any name passes") << "O'Neil-3 & co."
                                     << "0"
                                     << ""
                                     << "cmdNext";
}

void TestDiabetesWindow::nameThenWeightCheck() {
    QFETCH(QString, name);
    QFETCH(QString, weight);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    AppFixture fixture;
    QuizDriver quiz(fixture, kDiabetesButton);
    quiz.type("txtName", name);
    quiz.type("txtWeight", weight);
    QCOMPARE(quiz.box("txtName")->text(), name);
    auto* start = quiz.get<QAbstractButton>("cmdNext");
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Return);

    QCOMPARE(fixture.messageBox.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(quiz.stepInView(), message.isEmpty() ? 1 : 0);
    QCOMPARE(quiz.focusName(), focus);
    // The check empties nothing.
    QCOMPARE(quiz.box("txtName")->text(), name);
    QCOMPARE(quiz.box("txtWeight")->text(), weight);
}

void TestDiabetesWindow::fullRun_data() {
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("risk");
    const QList<int> firsts{0, 0, 0, 0, 0}; // sibling 1, exercise 0, baby 1, parent 1
    const QList<int> nothing{0, 1, 0, 1, 1};
    QTest::newRow("5'4'', 156: below threshold") << 6 << "156" << firsts << 3 << kLow;
    QTest::newRow("5'4'', 157: at threshold") << 6 << "157" << firsts << 8 << kLow;
    QTest::newRow("4'10'', 129: at threshold") << 0 << "129" << nothing << 5 << kLow;
    QTest::newRow("6'4'', 220: below threshold") << 18 << "220" << nothing << 0 << kVeryLow;
    QTest::newRow("weight and 45 to 64 alone")
        << 0 << "0200" << QList<int>{1, 1, 0, 1, 1} << 10 << kHigh;
    QTest::newRow("highest score") << 18 << "300" << QList<int>{2, 0, 1, 0, 0} << 22 << kHigh;
    // Past 16 bits the weight counts as the largest one, never as a small or negative one.
    QTest::newRow("6'4'', 32768") << 18 << "32768" << nothing << 5 << kLow;
    QTest::newRow("6'4'', 65736 would wrap to 200") << 18 << "65736" << nothing << 5 << kLow;
    QTest::newRow("6'4'', twenty digits") << 18 << "99999999999999999999" << nothing << 5 << kLow;
}

void TestDiabetesWindow::fullRun() {
    QFETCH(int, height);
    QFETCH(QString, weight);
    QFETCH(QList<int>, answers);
    QFETCH(int, score);
    QFETCH(QString, risk);
    AppFixture fixture;
    QuizDriver quiz(fixture, kDiabetesButton);
    startTest(quiz, QStringLiteral("Ann"), height, weight);
    for (int i = 0; i < answers.size(); ++i) {
        QCOMPARE(quiz.caption("lblQuestionNo"), QStringLiteral("Question %1 of 5").arg(i + 1));
        quiz.answer({answers.at(i)});
    }
    QCOMPARE(quiz.stepInView(), 2);
    QCOMPARE(quiz.caption("lblResult_0"), QStringLiteral("Your Score is: %1").arg(score));
    QCOMPARE(quiz.caption("lblResult_1"), risk);
    QCOMPARE(quiz.focusName(), QStringLiteral("cmdMain"));
    QVERIFY(fixture.messageBox.shown.isEmpty());
}

void TestDiabetesWindow::mainScreenResetsAndSecondRunStartsFromZero() {
    AppFixture fixture;
    QuizDriver quiz(fixture, kDiabetesButton);
    startTest(quiz, QStringLiteral("Ann"), 18, QStringLiteral("300"));
    quiz.answer({2, 0, 1, 0, 0});
    QCOMPARE(quiz.caption("lblResult_0"), QStringLiteral("Your Score is: 22"));
    QTest::keyClick(quiz.focus(), Qt::Key_Return);

    QCOMPARE(quiz.stepInView(), 0);
    QCOMPARE(quiz.focusName(), QStringLiteral("txtName"));
    QVERIFY(quiz.box("txtName")->text().isEmpty());
    QVERIFY(quiz.box("txtWeight")->text().isEmpty());
    QCOMPARE(quiz.list("cboHeight")->currentText(), QStringLiteral("4'10''"));

    startTest(quiz, QStringLiteral("Bob"), 18, QStringLiteral("100"));
    QCOMPARE(quiz.caption("lblQuestionNo"), QStringLiteral("Question 1 of 5"));
    quiz.answer({0, 1, 0, 1, 1});
    QCOMPARE(quiz.caption("lblResult_0"), QStringLiteral("Your Score is: 0"));
    QCOMPARE(quiz.caption("lblResult_1"), kVeryLow);
}

QTEST_MAIN(TestDiabetesWindow)
#include "tst_diabeteswindow.moc"
