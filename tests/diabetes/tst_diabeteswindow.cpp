// The diabetes window from the launcher: the name-then-weight check. What it asks, worked
// examples (weights past the 16-bit range among them), Main Screen and the shared flow are in
// tst_quizwindow.

#include "quiz/quizdriver.h"

using namespace wellbox;
using namespace wellbox::testing;

class TestDiabetesWindow : public QObject {
    Q_OBJECT
private slots:
    void nameThenWeightCheck_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("message"); // empty when the details are taken
        QTest::addColumn<QString>("focus");
        auto row = [](const char* what, const char* name, const char* weight, const char* message,
                      const char* focus) {
            QTest::newRow(what) << name << weight << message << focus;
        };
        row("both empty: name first", "", "", "Please enter your name", "txtName");
        row("name empty, weight given", "", "150", "Please enter your name", "txtName");
        row("weight empty", "Ann", "", "Please enter your weight", "txtWeight");
        row("name of spaces passes", "   ", "150", "", "cmdNext");
        row("any name passes", "O'Neil-3 & co.", "0", "", "cmdNext");
    }

    void nameThenWeightCheck() {
        QFETCH(QString, name);
        QFETCH(QString, weight);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        AppFixture fixture;
        QuizDriver quiz(fixture, kDiabetesButton);
        quiz.fill({name, "0", weight});
        auto* start = quiz.get<QAbstractButton>("cmdNext");
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Return);

        QCOMPARE(fixture.messageBox.texts(),
                 message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(quiz.stepInView(), message.isEmpty() ? 1 : 0);
        QCOMPARE(quiz.focusName(), focus);
        // The check empties nothing.
        QCOMPARE(quiz.box("txtName")->text(), name);
        QCOMPARE(quiz.box("txtWeight")->text(), weight);
    }
};

QTEST_MAIN(TestDiabetesWindow)
#include "tst_diabeteswindow.moc"
