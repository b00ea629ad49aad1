// The three risk quizzes from the launcher: what each window says and asks, its checks and
// messages, one question at a time to the result, Main Screen, and File Exit.

#include "support/appfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// Launcher buttons.
constexpr int kCholesterol = 1, kDiabetes = 2, kHeart = 3;

// What each quiz shows once its first question is up: control=text, ";" between entries.
const QMap<int, QString> kTexts{
    {kHeart, "frmHeartAttackRiskCalculatorMain=Kestavo Heart Attack Risk Calculator;"
             "cmdNext=Take the Heart Attack Risk &Quiz;lblQuestion=1. Are you a smoker?"},
    {kCholesterol,
     "lblCaption_0=Kestavo Free Cholesterol Risk Calculator is a simple health tool that "
     "calculates your cholesterol levels and the risk of having a heart attack based on your "
     "cholesterol levels. A high cholesterol level is a major risk factor for heart attacks. "
     "Take the quiz and know your cholesterol level.;lblLabel_0=Enter Age;lblLabel_1=Select Sex"},
    {kDiabetes, "lblCaption_1=Kestavo Diabetes Risk Calculator helps you understand this disease "
                "better and take precaution on time.;lblLabel_2=Enter Name;fraStep_0=Personal "
                "Details;fraStep_1=Questions;fraStep_2=Result;cmdMain=&Main Screen"}};

// The step seen, or -1 unless exactly one is.
int stepInView(const QWidget* quiz) {
    QList<int> seen;
    for (int i = 0; i < 3; ++i)
        if (inView(quiz->findChild<QWidget*>(QStringLiteral("fraStep_%1").arg(i))))
            seen << i;
    return seen.size() == 1 ? seen[0] : -1;
}

void checkTexts(const QWidget* quiz, const QString& texts) {
    for (const QString& entry : texts.split(';')) {
        const QString name = entry.section('=', 0, 0);
        const QWidget* control = name.startsWith("frm") ? quiz : quiz->findChild<QWidget*>(name);
        QCOMPARE(control->property(control == quiz ? "windowTitle" : "text").toString() +
                     control->property("title").toString(),
                 entry.section('=', 1));
    }
}

// Types into the boxes and picks from the lists of the first step, in the order they stand;
// returns those controls in that order.
QWidgetList fill(const QWidget* quiz, const QStringList& details) {
    const QWidgetList controls = quiz->findChild<QWidget*>("fraStep_0")
                                     ->findChildren<QWidget*>(QRegularExpression("^(txt|cbo)"));
    for (int i = 0; i < controls.size(); ++i)
        if (auto* list = qobject_cast<QComboBox*>(controls[i]))
            for (int down = list->findText(details.value(i)); down > 0; --down)
                QTest::keyClick(list, Qt::Key_Down);
        else
            QTest::keyClicks(controls[i], details.value(i));
    return controls;
}

} // namespace

class TestQuizWindow : public QObject {
    Q_OBJECT
private slots:
    // Details refused (the box left empty and focused: the message), taken, or taken and
    // answered to the result twice, Main Screen between, so that nothing of the first run
    // counts in the second.
    void walk_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("details"); // age, sex; or name, height, weight
        // The box refused and the message; or, after the answers, the ends of the result sentences.
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QList<int>>("answers"); // positions in each answer list
        // The points column of the workings: age (or weight), each answer, the total.
        QTest::addColumn<QString>("points");
        const auto row = [](const char* tag, int button, const char* details,
                            const QString& outcome = {}, const QList<int>& answers = {},
                            const char* points = "") {
            QTest::newRow(tag) << button << QString(details).split(", ") << outcome << answers
                               << QString(points);
        };
        const QString heart = "txtAge: Your age must be between 30 and 74";
        row("heart attack, empty age", kHeart, "", "txtAge: Please enter your age");
        row("heart attack, 29", kHeart, "29, Female", heart);
        row("heart attack, 30", kHeart, "30");
        row("heart attack, 74", kHeart, "74, Female");
        row("heart attack, 75", kHeart, "75", heart);
        row("heart attack, 65566 would be 30 in 16 bits", kHeart, "65566", heart);
        row("heart attack, a letter typed", kHeart, "3x0", ": Only numbers are accepted");
        row("cholesterol, 19", kCholesterol, "19", "txtAge: Your age must be between 20 and 79");
        row("cholesterol, 79", kCholesterol, "79, Female");
        row("diabetes, all empty", kDiabetes, ", , ", "txtName: Please enter your name");
        row("diabetes, no weight", kDiabetes, "Ann, 5'0'', ",
            "txtWeight: Please enter your weight");
        row("diabetes, a name of spaces", kDiabetes, "   , 4'10'', 150");
        row("heart, man of 50, smoker, 140, 240, 47: 10 + 4 + 3 + 3", kHeart, "50, Male", "is 18 %",
            {0, 1, 6, 7, 8, 1}, "10 4 0 3 3 0 0 20");
        row("cholesterol, woman of 45, treated smoker: 3 + 6 + 0 + 5 + 7", kCholesterol,
            "45, Female", "a Borderline High Level|a Borderline High Level|a High Level|is 14%",
            {2, 1, 2, 3, 0, 0}, "3 6 0 0 5 0 7 21");
        row("diabetes, 6'4'' and 65756, past 16 bits: 5", kDiabetes, "Ann, 6'4'', 65756",
            "Score is: 5|a Low Risk of having Type 2 Diabetes now.", {0, 1, 0, 1, 1},
            "5 0 0 0 0 0 5");
    }

    void walk() {
        QFETCH(int, button);
        QFETCH(QStringList, details);
        QFETCH(QString, outcome);
        QFETCH(QList<int>, answers);
        QFETCH(QString, points);
        const QString refusal = answers.isEmpty() ? outcome : QString();
        AppFixture app;
        QWidget* quiz = app.launch(button);
        auto* answerList = quiz->findChild<QComboBox*>("cboAnswer_Option");
        const QString refusedIn = refusal.section(": ", 0, 0), message = refusal.section(": ", 1);
        for (int run = 0; run < 2; ++run) {
            // Just opened or back by Main Screen: empty boxes, first entries, first box focused.
            const QWidgetList controls = fill(quiz, {});
            QVERIFY(stepInView(quiz) == 0 && QApplication::focusWidget() == controls.first());
            for (const QWidget* control : controls)
                QVERIFY(control->property("currentIndex").toInt() == 0 &&
                        control->property("text").toString().isEmpty());
            fill(quiz, details);
            QTest::mouseClick(quiz->findChild<QWidget*>("cmdNext"), Qt::LeftButton);
            QCOMPARE(app.messageBox.texts().join('|'), message);
            for (const FakeMessageBox::Shown& shown : app.messageBox.shown)
                QVERIFY(shown.icon == MessageIcon::Stop && shown.buttons == MessageButtons::Ok);
            QCOMPARE(stepInView(quiz), refusedIn.isEmpty() ? 1 : 0);
            if (!refusedIn.isEmpty()) {
                QCOMPARE(QApplication::focusWidget()->objectName(), refusedIn);
                for (int i = 0; i < controls.size(); ++i)
                    if (auto* box = qobject_cast<QLineEdit*>(controls[i]))
                        QCOMPARE(box->text(), box->objectName() == refusedIn ? "" : details[i]);
            }
            if (answers.isEmpty())
                return;
            checkTexts(quiz, kTexts[button]);
            for (int k = 1; k <= answers.size(); ++k) {
                QVERIFY(stepInView(quiz) == 1 && answerList->currentIndex() == 0);
                QCOMPARE(quiz->findChild<QLabel*>("lblQuestionNo")->text(),
                         QStringLiteral("Question %1 of %2").arg(k).arg(answers.size()));
                for (int down = 0; down < answers[k - 1]; ++down)
                    QTest::keyClick(answerList, Qt::Key_Down);
                QTest::mouseClick(quiz->findChild<QWidget*>("cmdNextQuestion"), Qt::LeftButton);
            }
            QCOMPARE(stepInView(quiz), 2);
            const auto labels = quiz->findChildren<QLabel*>(QRegularExpression("^lblResult"));
            const QStringList ends = outcome.split('|');
            for (int i = 0; i < ends.size(); ++i)
                QVERIFY2(labels[i]->text().endsWith(ends[i]), qPrintable(labels[i]->text()));
            // Main Screen takes the focus with the result, but in the cholesterol quiz.
            QCOMPARE(QApplication::focusWidget()->objectName(),
                     QString(button == kCholesterol ? "cmdNextQuestion" : "cmdMain"));
            // The workings show the numbers the scoring gave; the result is kept from the
            // buttons after Main Screen.
            const auto* table = quiz->findChild<QTableWidget*>("tblBreakdown");
            QStringList shown, stops{"cmdMain"};
            for (int r = 0; r < table->rowCount(); ++r)
                shown << table->item(r, 2)->text();
            QCOMPARE(shown.join(' ').trimmed(), points);
            quiz->findChild<QWidget*>("cmdMain")->setFocus();
            for (int tab = 0; tab < 4; ++tab) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                stops << QApplication::focusWidget()->objectName() + '=' +
                             QApplication::focusWidget()->property("text").toString();
            }
            QCOMPARE(stops.join(' '), "cmdMain cmdSavePdf=Save as &PDF... cmdPrint=P&rint... "
                                      "cmdCopyResult=&Copy Result tblBreakdown=");
            QTest::mouseClick(quiz->findChild<QWidget*>("cmdMain"), Qt::LeftButton);
        }
        quiz->findChild<QAction*>("mnuExit")->trigger();
        QVERIFY(app.visibleCalculatorCount() == 0 && app.window.welcomePanelVisible());
    }
};

QTEST_MAIN(TestQuizWindow)
#include "tst_quizwindow.moc"
