// The flow every risk quiz shares, driven through the three real windows.

#include "quizdriver.h"

#include "quiz/numberbox.h"

#include <QClipboard>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

const QString kOnlyNumbers = QStringLiteral("Only numbers are accepted");

struct CalculatorCase {
    int button;
    const char* firstBox;
    QStringList tabOrder;
    int questionCount;
};

// Fills the personal details with values every check accepts.
void fillValidDetails(const QuizDriver& quiz, int button) {
    if (button == kDiabetesButton) {
        quiz.type("txtName", QStringLiteral("Ann"));
        quiz.type("txtWeight", QStringLiteral("150"));
    } else {
        quiz.type("txtAge", QStringLiteral("45"));
    }
}

void addCalculatorColumns() {
    QTest::addColumn<int>("button");
}

void addCalculatorRows() {
    QTest::newRow("heart attack") << kHeartButton;
    QTest::newRow("cholesterol") << kCholesterolButton;
    QTest::newRow("diabetes") << kDiabetesButton;
}

} // namespace

class TestQuizWindow : public QObject {
    Q_OBJECT
private slots:
    void opensOnPersonalDetailsWithFirstBoxFocused_data();
    void opensOnPersonalDetailsWithFirstBoxFocused();
    void tabStaysOnTheStepInView_data();
    void tabStaysOnTheStepInView();
    void stepFramesShareOnePlaceAndStayShown_data();
    void stepFramesShareOnePlaceAndStayShown();
    void startShowsFirstQuestionAndKeepsFocus_data();
    void startShowsFirstQuestionAndKeepsFocus();
    void firstAnswersAllTheWayToResult_data();
    void firstAnswersAllTheWayToResult();
    void answerListsArePickOnlyAndWideEnough_data();
    void answerListsArePickOnlyAndWideEnough();
    void numberBoxKeyFilter_data();
    void numberBoxKeyFilter();
    void numberBoxRefusesPastedNonDigits_data();
    void numberBoxRefusesPastedNonDigits();
    void numberBoxRefusesDroppedNonDigits();
    void numberBoxReadsHugeNumbersWithoutOverflow_data();
    void numberBoxReadsHugeNumbersWithoutOverflow();
    void closingFromAnyStepShowsWelcomePanel_data();
    void closingFromAnyStepShowsWelcomePanel();
    void accessKeysReachOnlyTheStepInView();
};

void TestQuizWindow::opensOnPersonalDetailsWithFirstBoxFocused_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("firstBox");
    QTest::newRow("heart attack: age") << kHeartButton << "txtAge";
    QTest::newRow("cholesterol: age") << kCholesterolButton << "txtAge";
    QTest::newRow("diabetes: name") << kDiabetesButton << "txtName";
}

void TestQuizWindow::opensOnPersonalDetailsWithFirstBoxFocused() {
    QFETCH(int, button);
    QFETCH(QString, firstBox);
    AppFixture fixture;
    QuizDriver quiz(fixture, button);
    QVERIFY(quiz.window);
    QVERIFY(!fixture.window.welcomePanelVisible());
    QCOMPARE(quiz.stepInView(), 0);
    QCOMPARE(quiz.focusName(), firstBox);
    QVERIFY(quiz.get<QLineEdit>(firstBox)->text().isEmpty());
}

void TestQuizWindow::tabStaysOnTheStepInView_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("heart attack") << kHeartButton
                                  << QStringList{"txtAge", "cboSex", "cmdNext", "txtAge"};
    QTest::newRow("cholesterol") << kCholesterolButton
                                 << QStringList{"txtAge", "cboSex", "cmdNext", "txtAge"};
    QTest::newRow("diabetes") << kDiabetesButton
                              << QStringList{"txtName", "cboHeight", "txtWeight", "cmdNext",
                                             "txtName"};
}

// The frames below the one in view are covered, not hidden; Tab must not wander onto them.
void TestQuizWindow::tabStaysOnTheStepInView() {
    QFETCH(int, button);
    QFETCH(QStringList, order);
    AppFixture fixture;
    QuizDriver quiz(fixture, button);
    QCOMPARE(quiz.focusName(), order.first());
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(quiz.focus(), Qt::Key_Tab);
        QCOMPARE(quiz.focusName(), order.at(i));
    }
    for (qsizetype i = order.size() - 2; i >= 0; --i) {
        QTest::keyClick(quiz.focus(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(quiz.focusName(), order.at(i));
    }
    QVERIFY(fixture.messageBox.shown.isEmpty());
}

void TestQuizWindow::stepFramesShareOnePlaceAndStayShown_data() {
    addCalculatorColumns();
    addCalculatorRows();
}

void TestQuizWindow::stepFramesShareOnePlaceAndStayShown() {
    QFETCH(int, button);
    AppFixture fixture;
    QuizDriver quiz(fixture, button);
    const QStringList captions{"Personal Details", "Questions", "Result"};
    const QRect place = quiz.get<QGroupBox>(QStringLiteral("fraStep_0"))->geometry();

    auto checkFrames = [&] {
        for (int i = 0; i < 3; ++i) {
            const auto* frame = quiz.get<QGroupBox>(QStringLiteral("fraStep_%1").arg(i));
            QVERIFY(frame);
            QCOMPARE(frame->title(), captions.at(i));
            QCOMPARE(frame->geometry(), place);
            QVERIFY(frame->isVisible());
            QVERIFY(frame->isEnabled());
        }
    };
    checkFrames();
    fillValidDetails(quiz, button);
    quiz.click("cmdNext");
    QCOMPARE(quiz.stepInView(), 1);
    checkFrames();
    while (quiz.stepInView() == 1)
        quiz.click("cmdNextQuestion");
    QCOMPARE(quiz.stepInView(), 2);
    checkFrames();
}

void TestQuizWindow::startShowsFirstQuestionAndKeepsFocus_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("counterText");
    QTest::addColumn<QString>("firstQuestion");
    QTest::addColumn<QStringList>("firstAnswers");
    QTest::newRow("heart attack") << kHeartButton << "Question 1 of 6"
                                  << "1. Are you a smoker?" << QStringList{"Yes", "No"};
    QTest::newRow("cholesterol") << kCholesterolButton << "Question 1 of 6"
                                 << "Choose your Current Total Cholesterol Level."
                                 << QStringList{"<160", "160-199", "200-239", "240-279", "280+"};
    QTest::newRow("diabetes") << kDiabetesButton << "Question 1 of 5"
                              << "1. What is your age?"
                              << QStringList{"Less than 45 years old", "Between 45 to 64 years old",
                                             "65 years old or more"};
}

// Start is pressed with Enter from the focused button; raising the questions step leaves the
// focus there, so Enter and Space keep reaching Start.
void TestQuizWindow::startShowsFirstQuestionAndKeepsFocus() {
    QFETCH(int, button);
    QFETCH(QString, counterText);
    QFETCH(QString, firstQuestion);
    QFETCH(QStringList, firstAnswers);
    AppFixture fixture;
    QuizDriver quiz(fixture, button);
    fillValidDetails(quiz, button);
    auto* start = quiz.get<QAbstractButton>(QStringLiteral("cmdNext"));
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Return);

    QCOMPARE(quiz.stepInView(), 1);
    QCOMPARE(quiz.focus(), start);
    QCOMPARE(quiz.caption(QStringLiteral("lblQuestionNo")), counterText);
    QCOMPARE(quiz.caption(QStringLiteral("lblQuestion")), firstQuestion);
    QComboBox* answers = quiz.list("cboAnswer_Option");
    QStringList shown;
    for (int i = 0; i < answers->count(); ++i)
        shown << answers->itemText(i);
    QCOMPARE(shown, firstAnswers);
    QCOMPARE(answers->currentIndex(), 0);

    // Move on to question 2, then Space on the covered Start begins again at question 1.
    quiz.click("cmdNextQuestion");
    QVERIFY(quiz.caption(QStringLiteral("lblQuestionNo")).startsWith("Question 2 of"));
    QTest::keyClick(start, Qt::Key_Space);
    QCOMPARE(quiz.caption(QStringLiteral("lblQuestionNo")), counterText);
    QVERIFY(fixture.messageBox.shown.isEmpty());
}

void TestQuizWindow::firstAnswersAllTheWayToResult_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("questions");
    QTest::newRow("heart attack") << kHeartButton << 6;
    QTest::newRow("cholesterol") << kCholesterolButton << 6;
    QTest::newRow("diabetes") << kDiabetesButton << 5;
}

void TestQuizWindow::firstAnswersAllTheWayToResult() {
    QFETCH(int, button);
    QFETCH(int, questions);
    AppFixture fixture;
    QuizDriver quiz(fixture, button);
    fillValidDetails(quiz, button);
    quiz.click("cmdNext");
    for (int k = 1; k <= questions; ++k) {
        QCOMPARE(quiz.stepInView(), 1);
        QCOMPARE(quiz.caption(QStringLiteral("lblQuestionNo")),
                 QStringLiteral("Question %1 of %2").arg(k).arg(questions));
        QCOMPARE(quiz.list("cboAnswer_Option")->currentIndex(), 0);
        quiz.click("cmdNextQuestion");
    }
    QCOMPARE(quiz.stepInView(), 2);
    QCOMPARE(quiz.caption(QStringLiteral("lblQuestionNo")),
             QStringLiteral("Question %1 of %1").arg(questions));
}

void TestQuizWindow::answerListsArePickOnlyAndWideEnough_data() {
    addCalculatorColumns();
    addCalculatorRows();
}

void TestQuizWindow::answerListsArePickOnlyAndWideEnough() {
    QFETCH(int, button);
    AppFixture fixture;
    QuizDriver quiz(fixture, button);
    for (const char* name : {"cboSex", "cboHeight", "cboAnswer_Option"})
        if (QComboBox* list = quiz.list(name))
            QVERIFY2(!list->isEditable(), name);
    fillValidDetails(quiz, button);
    quiz.click("cmdNext");
    while (quiz.stepInView() == 1) {
        QComboBox* answers = quiz.list("cboAnswer_Option");
        QVERIFY(!answers->isEditable());
        QApplication::processEvents();
        for (int i = 0; i < answers->count(); ++i) {
            const int needed = answers->fontMetrics().horizontalAdvance(answers->itemText(i));
            QVERIFY2(answers->width() >= needed + 24, qPrintable(answers->itemText(i)));
        }
        quiz.click("cmdNextQuestion");
    }
}

void TestQuizWindow::numberBoxKeyFilter_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("refused");

    const struct {
        int button;
        const char* box;
    } boxes[] = {
        {kHeartButton, "txtAge"}, {kCholesterolButton, "txtAge"}, {kDiabetesButton, "txtWeight"}};
    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    for (const auto& b : boxes) {
        const QString prefix = QStringLiteral("%1 %2: ").arg(b.button).arg(b.box);
        auto row = [&](const char* what) -> QTestData& {
            return QTest::newRow(qPrintable(prefix + QLatin1String(what))) << b.button << b.box;
        };
        // The box holds "45" with the cursor at the end when the key comes.
        row("digit") << int(Qt::Key_7) << none << "457" << false;
        row("backspace") << int(Qt::Key_Backspace) << none << "4" << false;
        row("letter") << int(Qt::Key_A) << none << "45" << true;
        row("space") << int(Qt::Key_Space) << none << "45" << true;
        row("point") << int(Qt::Key_Period) << none << "45" << true;
        row("enter") << int(Qt::Key_Return) << none << "45" << true;
        row("escape") << int(Qt::Key_Escape) << none << "45" << true;
        row("ctrl+c") << int(Qt::Key_C) << ctrl << "45" << true;
        row("ctrl+v") << int(Qt::Key_V) << ctrl << "45" << true;
        row("home keeps its use") << int(Qt::Key_Home) << none << "45" << false;
        row("arrow keeps its use") << int(Qt::Key_Left) << none << "45" << false;
        row("delete at end does nothing") << int(Qt::Key_Delete) << none << "45" << false;
        row("shift alone") << int(Qt::Key_Shift) << none << "45" << false;
    }
}

void TestQuizWindow::numberBoxKeyFilter() {
    QFETCH(int, button);
    QFETCH(QString, boxName);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);
    QFETCH(bool, refused);
    AppFixture fixture;
    QuizDriver quiz(fixture, button);
    QGuiApplication::clipboard()->setText(QStringLiteral("99"));
    auto* box = quiz.get<QLineEdit>(boxName);
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("45"));
    QTest::keyClick(box, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QApplication::processEvents();

    QCOMPARE(box->text(), expected);
    QCOMPARE(fixture.messageBox.texts(), refused ? QStringList{kOnlyNumbers} : QStringList{});
    if (refused) {
        QCOMPARE(fixture.messageBox.shown.first().icon, MessageIcon::Stop);
        QCOMPARE(fixture.messageBox.shown.first().buttons, MessageButtons::Ok);
    }
    QCOMPARE(quiz.stepInView(), 0);
}

void TestQuizWindow::numberBoxRefusesPastedNonDigits_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("expected");
    QTest::newRow("age, letters") << kHeartButton << "txtAge"
                                  << "12a"
                                  << "5";
    QTest::newRow("age, spaces") << kCholesterolButton << "txtAge"
                                 << " 3"
                                 << "5";
    QTest::newRow("age, minus") << kCholesterolButton << "txtAge"
                                << "-3"
                                << "5";
    QTest::newRow("weight, decimal") << kDiabetesButton << "txtWeight"
                                     << "150.5"
                                     << "5";
    QTest::newRow("weight, digits taken") << kDiabetesButton << "txtWeight"
                                          << "0042"
                                          << "50042";
}

// A paste from the context menu never passes the key filter; the box must refuse it itself.
void TestQuizWindow::numberBoxRefusesPastedNonDigits() {
    QFETCH(int, button);
    QFETCH(QString, boxName);
    QFETCH(QString, clipboard);
    QFETCH(QString, expected);
    AppFixture fixture;
    QuizDriver quiz(fixture, button);
    auto* box = quiz.get<QLineEdit>(boxName);
    QTest::keyClicks(box, QStringLiteral("5"));
    QGuiApplication::clipboard()->setText(clipboard);
    box->paste();
    QApplication::processEvents();

    QCOMPARE(box->text(), expected);
    const bool refused = expected == QLatin1String("5");
    QCOMPARE(fixture.messageBox.texts(), refused ? QStringList{kOnlyNumbers} : QStringList{});
}

void TestQuizWindow::numberBoxRefusesDroppedNonDigits() {
    AppFixture fixture;
    QuizDriver quiz(fixture, kHeartButton);
    auto* box = quiz.get<QLineEdit>(QStringLiteral("txtAge"));
    QTest::keyClicks(box, QStringLiteral("4"));
    QMimeData data;
    data.setText(QStringLiteral("x9"));
    const QPoint middle = box->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
    QApplication::processEvents();
    QCOMPARE(box->text(), QStringLiteral("4"));
    QCOMPARE(fixture.messageBox.texts(), QStringList{kOnlyNumbers});
}

void TestQuizWindow::numberBoxReadsHugeNumbersWithoutOverflow_data() {
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("value");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("leading zeros") << "030" << 30;
    QTest::newRow("many leading zeros") << "000000000000031" << 31;
    QTest::newRow("largest") << "32767" << 32767;
    QTest::newRow("one past largest") << "32768" << 32767;
    QTest::newRow("wraps to 65536 + 31 in 16 bits") << "65567" << 32767;
    QTest::newRow("twenty digits") << "99999999999999999999" << 32767;
}

void TestQuizWindow::numberBoxReadsHugeNumbersWithoutOverflow() {
    QFETCH(QString, digits);
    QFETCH(int, value);
    QCOMPARE(int(NumberBox::toInt16(digits)), value);
}

void TestQuizWindow::closingFromAnyStepShowsWelcomePanel_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("byMenu");
    const struct {
        int button;
        const char* name;
    } calculators[] = {{kHeartButton, "heart attack"},
                       {kCholesterolButton, "cholesterol"},
                       {kDiabetesButton, "diabetes"}};
    for (const auto& c : calculators)
        for (int step = 0; step < 3; ++step) {
            QTest::addRow("%s, step %d, File Exit", c.name, step) << c.button << step << true;
            QTest::addRow("%s, step %d, close box", c.name, step) << c.button << step << false;
        }
}

void TestQuizWindow::closingFromAnyStepShowsWelcomePanel() {
    QFETCH(int, button);
    QFETCH(int, step);
    QFETCH(bool, byMenu);
    AppFixture fixture;
    QuizDriver quiz(fixture, button);
    if (step > 0) {
        fillValidDetails(quiz, button);
        quiz.click("cmdNext");
    }
    while (step == 2 && quiz.stepInView() == 1)
        quiz.click("cmdNextQuestion");
    QCOMPARE(quiz.stepInView(), step);

    if (byMenu) {
        auto* exit = quiz.get<QAction>(QStringLiteral("mnuExit"));
        QVERIFY(exit);
        QCOMPARE(exit->text(), QStringLiteral("E&xit"));
        exit->trigger();
    } else {
        auto* holder = qobject_cast<QMdiSubWindow*>(quiz.window->parentWidget());
        QVERIFY(holder);
        holder->close();
    }
    QApplication::processEvents();
    QVERIFY(fixture.window.welcomePanelVisible());
    QCOMPARE(fixture.visibleCalculatorCount(), 0);
    QVERIFY(fixture.find(QStringLiteral("picMain"))->isVisible());
    QVERIFY(fixture.messageBox.shown.isEmpty());
}

// "Take the ... &Quiz" and "Next &Question" share Alt+Q; only the button in view may take it.
void TestQuizWindow::accessKeysReachOnlyTheStepInView() {
    AppFixture fixture;
    QuizDriver quiz(fixture, kHeartButton);
    auto altKey = [&](Qt::Key key) {
        QTest::keyClick(quiz.focus(), key, Qt::AltModifier);
        QTest::qWait(150); // an access key "animates" its click
    };
    quiz.type("txtAge", QStringLiteral("45"));
    altKey(Qt::Key_Q);
    QCOMPARE(quiz.stepInView(), 1);
    QCOMPARE(quiz.caption(QStringLiteral("lblQuestionNo")), QStringLiteral("Question 1 of 6"));
    altKey(Qt::Key_Q);
    QCOMPARE(quiz.caption(QStringLiteral("lblQuestionNo")), QStringLiteral("Question 2 of 6"));
    altKey(Qt::Key_M); // Main Screen is covered; nor is Alt+M typed into the age box
    QCOMPARE(quiz.stepInView(), 1);
    QCOMPARE(quiz.box("txtAge")->text(), QStringLiteral("45"));
    for (int k = 2; k <= 6; ++k)
        altKey(Qt::Key_Q);
    QCOMPARE(quiz.stepInView(), 2);
    altKey(Qt::Key_M);
    QCOMPARE(quiz.stepInView(), 0);
    QCOMPARE(fixture.messageBox.texts(), QStringList{});
}

QTEST_MAIN(TestQuizWindow)
#include "tst_quizwindow.moc"
