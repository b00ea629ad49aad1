// The three risk quizzes from the launcher: what each window says and asks, its checks and
// messages, one question at a time to the result, Main Screen, and File Exit.

#include "support/appfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// Launcher buttons.
constexpr int kCholesterol = 1, kDiabetes = 2, kHeart = 3;

// What each quiz shows once its first question is up: control=text, ";" between entries, a
// list as its entries; "..." ends the beginning of a long text.
const QMap<int, QString> kTexts{
    {kHeart, "frmHeartAttackRiskCalculatorMain=Kestavo Heart Attack Risk Calculator;"
             "lblCaption_0=Kestavo Free Heart Attack Risk Calculator is a simple...;"
             "lblCaptionlblCaption_1=Follow the...;cboSex=Male|Female;lblLabel_0=Enter Age;"
             "lblLabel_1=Select Sex;cmdNext=Take the Heart Attack Risk &Quiz;"
             "lblCaptionlblCaption_0=Kestavo Free Heart Attack Risk Calculator aims...;"
             "lblQuestion=1. Are you a smoker?;cboAnswer_Option=Yes|No"},
    {kCholesterol,
     "frmCholesterolRiskCalculatorMain=Kestavo Cholesterol Risk Calculator;"
     "lblCaption_0=Kestavo Free Cholesterol Risk Calculator is a simple health tool that "
     "calculates your cholesterol levels and the risk of having a heart attack based on your "
     "cholesterol levels. A high cholesterol level is a major risk factor for heart attacks. "
     "Take the quiz and know your cholesterol level.;"
     "lblCaption_1=Follow the...;cboSex=Male|Female;lblLabel_0=Enter Age;lblLabel_1=Select Sex;"
     "cmdNext=Take the Cholesterol Risk &Quiz;"
     "lblCaption_2=Kestavo Free Cholesterol Risk Calculator aims...;"
     "lblQuestion=Choose your Current Total Cholesterol Level.;"
     "cboAnswer_Option=<160|160-199|200-239|240-279|280+"},
    {kDiabetes,
     "frmDiabetesRiskCalculatorMain=Kestavo Diabetes Risk Calculator;"
     "lblCaption_0=Diabetes is a very serious...;lblCaption_1=Kestavo Diabetes Risk Calculator "
     "helps you understand this disease better and take precaution on time.;"
     "lblLabel_2=Enter Name;lblLabel_1=Enter Height;lblLabel_4=feet/inches;lblLabel_0=Enter Weight;"
     "lblLabel_3=pounds;cmdNext=&Take the Diabetes Risk Test;"
     "cboHeight=4'10''|4'11''|5'0''|5'1''|5'2''|5'3''|5'4''|5'5''|5'6''|5'7''|5'8''|5'9''|5'10''|"
     "5'11''|6'0''|6'1''|6'2''|6'3''|6'4'';"
     "lblResult_2=P. S: Kindly consult your physician before taking any drastic steps.;"
     "lblQuestion=1. What is your age?;"
     "cboAnswer_Option=Less than 45 years old|Between 45 to 64 years old|65 years old or more"}};

const QString kShared = ";fraStep_0=Personal Details;fraStep_1=Questions;fraStep_2=Result;"
                        "cmdNextQuestion=Next &Question;cmdMain=&Main Screen";

// Seen by the user: shown, and the control at its centre is it or inside it.
bool inView(const QWidget* widget) {
    const QWidget* top = widget->window();
    const QWidget* hit = top->childAt(widget->mapTo(top, widget->rect().center()));
    return widget->isVisible() && hit && (hit == widget || widget->isAncestorOf(hit));
}

// The step seen, or -1 unless all three frames stay shown in one place with one on top.
int stepInView(const QWidget* quiz) {
    const QRect place = quiz->findChild<QWidget*>("fraStep_0")->geometry();
    QList<int> seen;
    for (int i = 0; i < 3; ++i) {
        const QWidget* frame = quiz->findChild<QWidget*>(QStringLiteral("fraStep_%1").arg(i));
        if (!frame->isVisible() || frame->geometry() != place)
            return -1;
        if (inView(frame))
            seen << i;
    }
    return seen.size() == 1 ? seen[0] : -1;
}

void checkTexts(const QWidget* quiz, const QString& texts) {
    for (const QString& entry : texts.split(';')) {
        const QString name = entry.section('=', 0, 0), text = entry.section('=', 1);
        const QWidget* control =
            quiz->objectName() == name ? quiz : quiz->findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        const char* property = control == quiz                  ? "windowTitle"
                               : control->inherits("QGroupBox") ? "title"
                                                                : "text";
        QString shown = control->property(property).toString();
        if (const auto* list = qobject_cast<const QComboBox*>(control)) {
            QVERIFY(!list->isEditable());
            for (int i = 0; i < list->count(); ++i)
                shown += (i ? "|" : "") + list->itemText(i);
        }
        QVERIFY2(text.endsWith("...") ? shown.startsWith(text.chopped(3)) : shown == text,
                 qPrintable(shown));
    }
}

void click(const QWidget* quiz, const char* button) {
    QTest::mouseClick(quiz->findChild<QWidget*>(button), Qt::LeftButton);
}

// Types into the boxes and picks from the lists of the first step, in the order they stand;
// returns those controls in that order.
QWidgetList fill(const QWidget* quiz, const QStringList& details) {
    QWidgetList controls;
    for (QWidget* control : quiz->findChild<QWidget*>("fraStep_0")->findChildren<QWidget*>()) {
        const QString detail = details.value(controls.size());
        if (auto* box = qobject_cast<QLineEdit*>(control))
            QTest::keyClicks(box, detail);
        else if (auto* list = qobject_cast<QComboBox*>(control))
            for (int down = list->findText(detail); down > 0; --down)
                QTest::keyClick(list, Qt::Key_Down);
        else
            continue;
        controls << control;
    }
    return controls;
}

} // namespace

class TestQuizWindow : public QObject {
    Q_OBJECT
private slots:
    void detailsAreChecked_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("details"); // age, sex; or name, height, weight
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("refusedIn"); // the box a refusal leaves empty and focused
        const auto row = [](const char* tag, int button, const QStringList& details,
                            const QString& message = {}, const char* refusedIn = "") {
            QTest::newRow(tag) << button << details << message << QString(refusedIn);
        };
        const QString heart = "Your age must be between 30 and 74";
        const QString cholesterol = "Your age must be between 20 and 79";
        row("heart attack, empty age", kHeart, {""}, "Please enter your age", "txtAge");
        row("heart attack, 29", kHeart, {"29", "Female"}, heart, "txtAge");
        row("heart attack, 30", kHeart, {"30"});
        row("heart attack, 74", kHeart, {"74", "Female"});
        row("heart attack, 75", kHeart, {"75"}, heart, "txtAge");
        row("heart attack, 65566 would be 30 in 16 bits", kHeart, {"65566"}, heart, "txtAge");
        row("heart attack, a letter typed", kHeart, {"3x0"}, "Only numbers are accepted");
        row("cholesterol, empty age", kCholesterol, {""}, "Please enter your age", "txtAge");
        row("cholesterol, 19", kCholesterol, {"19"}, cholesterol, "txtAge");
        row("cholesterol, 20", kCholesterol, {"20"});
        row("cholesterol, 79", kCholesterol, {"79", "Female"});
        row("cholesterol, 80", kCholesterol, {"80"}, cholesterol, "txtAge");
        const QString name = "Please enter your name", weight = "Please enter your weight";
        row("diabetes, all empty", kDiabetes, {"", "", ""}, name, "txtName");
        row("diabetes, no name", kDiabetes, {"", "6'4''", "150"}, name, "txtName");
        row("diabetes, no weight", kDiabetes, {"Ann", "5'0''", ""}, weight, "txtWeight");
        row("diabetes, a name of spaces", kDiabetes, {"   ", "4'10''", "150"});
    }

    void detailsAreChecked() {
        QFETCH(int, button);
        QFETCH(QStringList, details);
        QFETCH(QString, message);
        QFETCH(QString, refusedIn);
        AppFixture app;
        QWidget* quiz = app.launch(button);
        const QWidgetList controls = fill(quiz, details);
        click(quiz, "cmdNext");
        QCOMPARE(app.messageBox.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        for (const FakeMessageBox::Shown& shown : app.messageBox.shown)
            QVERIFY(shown.icon == MessageIcon::Stop && shown.buttons == MessageButtons::Ok);
        QCOMPARE(stepInView(quiz), refusedIn.isEmpty() ? 1 : 0);
        if (refusedIn.isEmpty())
            return;
        QCOMPARE(QApplication::focusWidget()->objectName(), refusedIn);
        for (int i = 0; i < controls.size(); ++i)
            if (auto* box = qobject_cast<QLineEdit*>(controls[i]))
                QCOMPARE(box->text(), box->objectName() == refusedIn ? QString() : details[i]);
    }

    void walkToTheResultTwice_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("details");
        QTest::addColumn<QList<int>>("answers"); // positions in each answer list
        QTest::addColumn<QStringList>("result");
        const auto row = [](const char* tag, int button, const char* details,
                            const QList<int>& answers, const QStringList& result) {
            QTest::newRow(tag) << button << QString(details).split(", ") << answers << result;
        };
        const QString heart = "Your Risk of Suffering from A Heart Attack in the Next 10 Years is ";
        row("heart, man of 50, smoker, 140, 240, 47: 10 + 4 + 3 + 3", kHeart, "50, Male",
            {0, 1, 6, 7, 8, 1}, {heart + "18 %"});
        row("heart, woman of 40, diabetic: 0 + 6", kHeart, "40, Female", {1, 0, 0, 0, 0, 1},
            {heart + "3 %"});
        const auto levels = [](const QString& total, const QString& hdl, const QString& ldl,
                               const QString& risk) {
            return QStringList{"Your Total Cholesterol Level is at a " + total + " Level",
                               "Your HDL 'Good' Cholesterol Level is at a " + hdl + " Level",
                               "Your LDL 'Bad' Cholesterol Level is at a " + ldl + " Level",
                               "Your Risk of Having a Heart Attack based on your Cholesterol "
                               "Level in the Next 10 Years is " +
                                   risk};
        };
        const char* border = "Borderline High";
        row("cholesterol, man of 55: 8 + 4 + 1 + 1", kCholesterol, "55, Male", {3, 2, 1, 2, 1, 1},
            levels(border, border, border, "16%"));
        row("cholesterol, woman of 45, treated smoker: 3 + 6 + 0 + 5 + 7", kCholesterol,
            "45, Female", {2, 1, 2, 3, 0, 0}, levels(border, border, "High", "14%"));
        const QString low = "You are at a Low Risk of having Type 2 Diabetes now.";
        row("diabetes, 5'4'' and 156, first answers: 0 + 1 + 0 + 1 + 1", kDiabetes,
            "Ann, 5'4'', 156", {0, 0, 0, 0, 0}, {"Your Score is: 3", low});
        row("diabetes, 6'4'' and 65756, past 16 bits: 5", kDiabetes, "Ann, 6'4'', 65756",
            {0, 1, 0, 1, 1}, {"Your Score is: 5", low});
    }

    // The same quiz twice, Main Screen between: nothing of the first run counts in the second.
    void walkToTheResultTwice() {
        QFETCH(int, button);
        QFETCH(QStringList, details);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, result);
        AppFixture app;
        QWidget* quiz = app.launch(button);
        auto* answerList = quiz->findChild<QComboBox*>("cboAnswer_Option");
        const auto shownResult = [&] {
            QStringList texts;
            for (const QLabel* label :
                 quiz->findChildren<QLabel*>(QRegularExpression("^lblResult")))
                texts << label->text();
            return texts.mid(0, result.size());
        };
        for (int run = 0; run < 2; ++run) {
            // Just opened or back by Main Screen: empty boxes, first entries, first box focused.
            const QWidgetList controls = fill(quiz, {});
            QCOMPARE(stepInView(quiz), 0);
            QCOMPARE(QApplication::focusWidget(), controls.first());
            for (const QWidget* control : controls)
                QVERIFY(control->property("currentIndex").toInt() == 0 &&
                        control->property("text").toString().isEmpty());
            fill(quiz, details);
            click(quiz, "cmdNext");
            for (int k = 1; k <= answers.size(); ++k) {
                QCOMPARE(stepInView(quiz), 1);
                QCOMPARE(quiz->findChild<QLabel*>("lblQuestionNo")->text(),
                         QStringLiteral("Question %1 of %2").arg(k).arg(answers.size()));
                QCOMPARE(answerList->currentIndex(), 0);
                if (k == 1)
                    checkTexts(quiz, kTexts[button] + kShared);
                for (int down = 0; down < answers[k - 1]; ++down)
                    QTest::keyClick(answerList, Qt::Key_Down);
                click(quiz, "cmdNextQuestion");
            }
            QCOMPARE(stepInView(quiz), 2);
            QCOMPARE(shownResult(), result);
            // Main Screen takes the focus with the result; the cholesterol quiz leaves it on
            // Next Question, where Enter scores the same answers again.
            QCOMPARE(QApplication::focusWidget()->objectName(),
                     QString(button == kCholesterol ? "cmdNextQuestion" : "cmdMain"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            if (button == kCholesterol) {
                QCOMPARE(stepInView(quiz), 2);
                QCOMPARE(shownResult(), result);
                click(quiz, "cmdMain");
            }
        }
        quiz->findChild<QAction*>("mnuExit")->trigger();
        QVERIFY(app.messageBox.shown.isEmpty() && app.visibleCalculatorCount() == 0);
        QVERIFY(app.window.welcomePanelVisible());
    }
};

QTEST_MAIN(TestQuizWindow)
#include "tst_quizwindow.moc"
