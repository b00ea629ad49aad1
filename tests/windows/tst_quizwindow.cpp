// The three risk quizzes from the launcher: their checks and messages, one question at a time
// to the result, Main Screen, and File Exit. Their texts are in texts.tsv.

#include "support/nowindowleft.h"
#include "support/userpath.h"

#include <QLabel>
#include <QLineEdit>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// Launcher buttons.
constexpr int kCholesterol = 1, kDiabetes = 2, kHeart = 3;

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

    // Details refused: the message, and the box refused emptied and focused, the others kept.
    void detailsRefused_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("details"); // typed and picked, then Start
        QTest::addColumn<QString>("refused"); // the box; none where a key is refused
        QTest::addColumn<QString>("message");
        const QString heart = "Your age must be between 30 and 74";
        QTest::newRow("heart, empty age") << kHeart << ""
                                          << "txtAge"
                                          << "Please enter your age";
        QTest::newRow("heart, 29") << kHeart << "txtAge=29 > cboSex=Female"
                                   << "txtAge" << heart;
        QTest::newRow("heart, 75") << kHeart << "txtAge=75"
                                   << "txtAge" << heart;
        QTest::newRow("heart, 65566, 30 in 16 bits") << kHeart << "txtAge=65566"
                                                     << "txtAge" << heart;
        QTest::newRow("heart, a letter typed") << kHeart << "txtAge=3x0"
                                               << ""
                                               << "Only numbers are accepted";
        QTest::newRow("cholesterol, 19") << kCholesterol << "txtAge=19"
                                         << "txtAge"
                                         << "Your age must be between 20 and 79";
        QTest::newRow("diabetes, all empty") << kDiabetes << ""
                                             << "txtName"
                                             << "Please enter your name";
        QTest::newRow("diabetes, no weight") << kDiabetes << "txtName=Ann > cboHeight=5'0''"
                                             << "txtWeight"
                                             << "Please enter your weight";
    }

    void detailsRefused() {
        QFETCH(int, button);
        QFETCH(QString, details);
        QFETCH(QString, refused);
        QFETCH(QString, message);
        AppFixture app;
        const QWidget* quiz = app.launch(button);
        QCOMPARE(walk(app, details + " > cmdNext"), QString());
        QCOMPARE(app.messageBox.texts(), QStringList{message});
        QCOMPARE(app.messageBox.shown[0].icon, MessageIcon::Stop);
        QCOMPARE(app.messageBox.shown[0].buttons, MessageButtons::Ok);
        QCOMPARE(stepInView(quiz), refused.isEmpty() ? 1 : 0); // "30" passes once "x" is refused
        if (refused.isEmpty())
            return;
        QCOMPARE(QApplication::focusWidget()->objectName(), refused);
        for (const auto* box : quiz->findChildren<QLineEdit*>())
            QCOMPARE(box->text(),
                     box->objectName() == refused
                         ? ""
                         : details.section(box->objectName() + '=', 1).section(' ', 0, 0));
    }

    // Details taken, the limits themselves included.
    void detailsTaken_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("details");
        QTest::newRow("heart, 30") << kHeart << "txtAge=30";
        QTest::newRow("heart, 74") << kHeart << "txtAge=74 > cboSex=Female";
        QTest::newRow("cholesterol, 20") << kCholesterol << "txtAge=20";
        QTest::newRow("cholesterol, 79") << kCholesterol << "txtAge=79 > cboSex=Female";
        QTest::newRow("diabetes, a name of spaces") << kDiabetes << "txtName=    > txtWeight=150";
    }

    void detailsTaken() {
        QFETCH(int, button);
        QFETCH(QString, details);
        AppFixture app;
        const QWidget* quiz = app.launch(button);
        QCOMPARE(walk(app, details + " > cmdNext"), QString());
        QCOMPARE(app.messageBox.texts(), QStringList());
        QCOMPARE(stepInView(quiz), 1);
    }

    // Answered to the result twice, Main Screen between, so that nothing of the first run counts
    // in the second; then File Exit.
    void quiz_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("entries");     // typed and picked, then Start
        QTest::addColumn<QList<int>>("answers");  // positions in each answer list
        QTest::addColumn<QStringList>("results"); // the ends of the result sentences
        QTest::addColumn<QString>("focus");       // what has the focus with the result
        QTest::newRow("heart, man of 50, smoker, 140, 240, 47: 10 + 4 + 3 + 3")
            << kHeart << "txtAge=50" << QList<int>{0, 1, 6, 7, 8, 1} << QStringList{"is 18 %"}
            << "cmdMain";
        QTest::newRow("cholesterol, woman of 45, treated smoker: 3 + 6 + 0 + 5 + 7")
            << kCholesterol << "txtAge=45 > cboSex=Female" << QList<int>{2, 1, 2, 3, 0, 0}
            << QStringList{"a Borderline High Level", "a Borderline High Level", "a High Level",
                           "is 14%"}
            << "cmdNextQuestion";
        QTest::newRow("diabetes, 6'4'' and 65756, past 16 bits: 5")
            << kDiabetes << "txtName=Ann > cboHeight=6'4'' > txtWeight=65756"
            << QList<int>{0, 1, 0, 1, 1}
            << QStringList{"Score is: 5", "a Low Risk of having Type 2 Diabetes now."} << "cmdMain";
    }

    void quiz() {
        QFETCH(int, button);
        QFETCH(QString, entries);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, results);
        QFETCH(QString, focus);
        AppFixture app;
        QWidget* quiz = app.launch(button);
        auto* answerList = quiz->findChild<QComboBox*>("cboAnswer_Option");
        for (int run = 0; run < 2; ++run) {
            // Just opened or back by Main Screen: empty boxes, first entries, first box focused.
            QCOMPARE(stepInView(quiz), 0);
            QCOMPARE(QApplication::focusWidget()->objectName(), entries.section('=', 0, 0));
            const QWidget* details = quiz->findChild<QWidget*>("fraStep_0");
            for (const auto* box : details->findChildren<QLineEdit*>())
                QCOMPARE(box->text(), "");
            for (const auto* list : details->findChildren<QComboBox*>())
                QCOMPARE(list->currentIndex(), 0);
            QCOMPARE(walk(app, entries + " > cmdNext"), QString());
            for (int k = 1; k <= answers.size(); ++k) {
                QCOMPARE(stepInView(quiz), 1);
                QCOMPARE(answerList->currentIndex(), 0);
                QCOMPARE(quiz->findChild<QLabel*>("lblQuestionNo")->text(),
                         QStringLiteral("Question %1 of %2").arg(k).arg(answers.size()));
                for (int down = 0; down < answers[k - 1]; ++down)
                    QTest::keyClick(answerList, Qt::Key_Down);
                QTest::mouseClick(quiz->findChild<QWidget*>("cmdNextQuestion"), Qt::LeftButton);
            }
            QCOMPARE(stepInView(quiz), 2);
            const auto labels = quiz->findChildren<QLabel*>(QRegularExpression("^lblResult"));
            for (int i = 0; i < results.size(); ++i)
                QVERIFY2(labels[i]->text().endsWith(results[i]), qPrintable(labels[i]->text()));
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
            QTest::mouseClick(quiz->findChild<QWidget*>("cmdMain"), Qt::LeftButton);
        }
        QCOMPARE(app.messageBox.texts(), QStringList());
        quiz->findChild<QAction*>("mnuExit")->trigger();
        QCOMPARE(app.visibleCalculatorCount(), 0);
        QCOMPARE(app.window.welcomePanelVisible(), true);
    }
};

QTEST_MAIN(TestQuizWindow)
#include "tst_quizwindow.moc"
