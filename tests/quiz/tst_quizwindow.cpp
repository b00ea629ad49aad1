// The flow every risk quiz shares, and worked examples, driven through the three real windows.

#include "quizdriver.h"

#include <QClipboard>
#include <QMdiSubWindow>
#include <QMimeData>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

const QString kOnlyNumbers = QStringLiteral("Only numbers are accepted");

// The one message shown, as a stop sign with OK.
void checkStopMessage(const AppFixture& fixture, const QString& text) {
    QCOMPARE(fixture.messageBox.texts(), QStringList{text});
    QCOMPARE(fixture.messageBox.shown.first().icon, MessageIcon::Stop);
    QCOMPARE(fixture.messageBox.shown.first().buttons, MessageButtons::Ok);
}

} // namespace

class TestQuizWindow : public QObject {
    Q_OBJECT
private slots:
    void opensOnPersonalDetailsAndTabStaysThere_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("texts"); // "object=text", "..." ending a prefix
        QTest::addColumn<QStringList>("order");
        QTest::newRow("heart attack")
            << kHeartButton
            << QStringList{"frmHeartAttackRiskCalculatorMain=Kestavo Heart Attack Risk Calculator",
                           "cmdNext=Take the Heart Attack Risk &Quiz",
                           "lblCaption_0=Kestavo Free Heart Attack Risk Calculator is...",
                           "lblCaptionlblCaption_1=Follow the questions...",
                           "lblCaptionlblCaption_0=Kestavo Free Heart Attack Risk Calculator "
                           "aims...",
                           "lblLabel_0=Enter Age",
                           "lblLabel_1=Select Sex",
                           "cboSex=2 Male Female"}
            << QStringList{"txtAge", "cboSex", "cmdNext", "txtAge"};
        QTest::newRow("cholesterol")
            << kCholesterolButton
            << QStringList{"frmCholesterolRiskCalculatorMain=Kestavo Cholesterol Risk Calculator",
                           "cmdNext=Take the Cholesterol Risk &Quiz",
                           "lblCaption_0=Kestavo Free Cholesterol Risk Calculator is...",
                           "lblCaption_1=Follow the questions...",
                           "lblCaption_2=Kestavo Free Cholesterol Risk Calculator aims...",
                           "lblLabel_0=Enter Age",
                           "lblLabel_1=Select Sex",
                           "cboSex=2 Male Female"}
            << QStringList{"txtAge", "cboSex", "cmdNext", "txtAge"};
        QTest::newRow("diabetes")
            << kDiabetesButton
            << QStringList{"frmDiabetesRiskCalculatorMain=Kestavo Diabetes Risk Calculator",
                           "cmdNext=&Take the Diabetes Risk Test",
                           "lblLabel_2=Enter Name",
                           "lblLabel_1=Enter Height",
                           "lblLabel_4=feet/inches",
                           "lblLabel_0=Enter Weight",
                           "lblLabel_3=pounds",
                           "lblResult_2=P. S: Kindly consult your physician before taking any "
                           "drastic steps.",
                           "cboHeight=19 4'10'' 6'4''"}
            << QStringList{"txtName", "cboHeight", "txtWeight", "cmdNext", "txtName"};
    }

    // The window's title, captions and lists (count, first and last entry); then Tab, which
    // must not wander onto the frames below the one in view: they are covered, not hidden.
    void opensOnPersonalDetailsAndTabStaysThere() {
        QFETCH(int, button);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, order);
        AppFixture fixture;
        QuizDriver quiz(fixture, button);
        QVERIFY(quiz.window);
        for (const QString& entry : texts) {
            const QString name = entry.section('=', 0, 0), text = entry.section('=', 1);
            QWidget* widget = name == quiz.window->objectName() ? quiz.window : quiz.get(name);
            QVERIFY2(widget, qPrintable(name));
            QString shown = widget->property("text").toString();
            if (widget == quiz.window)
                shown = widget->windowTitle();
            if (const auto* list = qobject_cast<QComboBox*>(widget)) {
                QVERIFY(!list->isEditable());
                QCOMPARE(list->currentIndex(), 0);
                shown = QStringLiteral("%1 %2 %3")
                            .arg(list->count())
                            .arg(list->itemText(0), list->itemText(list->count() - 1));
            }
            if (text.endsWith("..."))
                QVERIFY2(shown.startsWith(text.chopped(3)), qPrintable(shown));
            else
                QCOMPARE(shown, text);
        }
        QVERIFY(!fixture.window.welcomePanelVisible());
        QCOMPARE(quiz.stepInView(), 0);
        QCOMPARE(quiz.focusName(), order.first());
        QVERIFY(quiz.get<QLineEdit>(order.first())->text().isEmpty());
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

    void firstAnswersAllTheWayToResult_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("firstQuestion");
        QTest::addColumn<QStringList>("firstAnswers");
        QTest::addColumn<QString>("focusOnResult");
        QTest::newRow("heart attack")
            << kHeartButton << 6 << "1. Are you a smoker?" << QStringList{"Yes", "No"} << "cmdMain";
        QTest::newRow("cholesterol, Next Question keeps the focus")
            << kCholesterolButton << 6 << "Choose your Current Total Cholesterol Level."
            << QStringList{"<160", "160-199", "200-239", "240-279", "280+"} << "cmdNextQuestion";
        QTest::newRow("diabetes") << kDiabetesButton << 5 << "1. What is your age?"
                                  << QStringList{"Less than 45 years old",
                                                 "Between 45 to 64 years old",
                                                 "65 years old or more"}
                                  << "cmdMain";
    }

    // The steps share one place and stay shown; the one on top covers the others. Start is pressed
    // with Enter from the focused button, which keeps the focus, so Space still reaches it.
    void firstAnswersAllTheWayToResult() {
        QFETCH(int, button);
        QFETCH(int, questions);
        QFETCH(QString, firstQuestion);
        QFETCH(QStringList, firstAnswers);
        QFETCH(QString, focusOnResult);
        AppFixture fixture;
        QuizDriver quiz(fixture, button);
        const QStringList captions{"Personal Details", "Questions", "Result"};
        const QRect place = quiz.get<QGroupBox>(QStringLiteral("fraStep_0"))->geometry();
        auto checkFrames = [&](int step) {
            QCOMPARE(quiz.stepInView(), step);
            for (int i = 0; i < 3; ++i) {
                const auto* frame = quiz.get<QGroupBox>(QStringLiteral("fraStep_%1").arg(i));
                QVERIFY(frame);
                QCOMPARE(frame->title(), captions.at(i));
                QCOMPARE(frame->geometry(), place);
                QVERIFY(frame->isVisible() && frame->isEnabled());
            }
        };
        checkFrames(0);
        quiz.fill(quiz.validDetails());
        auto* start = quiz.get<QAbstractButton>(QStringLiteral("cmdNext"));
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Return);
        QCOMPARE(quiz.focus(), start);
        QCOMPARE(quiz.caption(QStringLiteral("lblQuestion")), firstQuestion);
        QComboBox* answers = quiz.list("cboAnswer_Option");
        QStringList shown;
        for (int i = 0; i < answers->count(); ++i)
            shown << answers->itemText(i);
        QCOMPARE(shown, firstAnswers);
        quiz.click("cmdNextQuestion");
        QVERIFY(quiz.caption(QStringLiteral("lblQuestionNo")).startsWith("Question 2 of"));
        QTest::keyClick(start, Qt::Key_Space);

        for (int k = 1; k <= questions; ++k) {
            checkFrames(1);
            QCOMPARE(quiz.caption(QStringLiteral("lblQuestionNo")),
                     QStringLiteral("Question %1 of %2").arg(k).arg(questions));
            QCOMPARE(answers->currentIndex(), 0);
            QVERIFY(!answers->isEditable());
            QApplication::processEvents();
            for (int i = 0; i < answers->count(); ++i) {
                const int needed = answers->fontMetrics().horizontalAdvance(answers->itemText(i));
                QVERIFY2(answers->width() >= needed + 24, qPrintable(answers->itemText(i)));
            }
            quiz.click("cmdNextQuestion");
        }
        checkFrames(2);
        QCOMPARE(quiz.caption(QStringLiteral("lblQuestionNo")),
                 QStringLiteral("Question %1 of %1").arg(questions));
        QCOMPARE(quiz.focusName(), focusOnResult);
        QVERIFY(fixture.messageBox.shown.isEmpty());
    }

    void ageLimits_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty when the age is taken
        const struct {
            const char* name;
            int button, lower, upper;
        } quizzes[] = {{"heart attack", kHeartButton, 30, 74},
                       {"cholesterol", kCholesterolButton, 20, 79}};
        for (const auto& q : quizzes) {
            const QString range =
                QStringLiteral("Your age must be between %1 and %2").arg(q.lower).arg(q.upper);
            auto row = [&](const char* what, const QString& typed, const QString& message) {
                QTest::addRow("%s: %s, %s", q.name, what, qPrintable(typed))
                    << q.button << typed << message;
            };
            row("empty", "", "Please enter your age");
            row("one below", QString::number(q.lower - 1), range);
            row("lower limit", QString::number(q.lower), "");
            row("upper limit", QString::number(q.upper), "");
            row("one above", QString::number(q.upper + 1), range);
            row("zero", "0", range);
            row("leading zeros", "0000000000000" + QString::number(q.lower + 1), "");
            row("beyond 16 bits", "99999", range);
            row("wraps to the lower limit in 16 bits", QString::number(65536 + q.lower), range);
            row("twenty digits", "12345678901234567890", range);
        }
    }

    void ageLimits() {
        QFETCH(int, button);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        AppFixture fixture;
        QuizDriver quiz(fixture, button);
        quiz.type("txtAge", typed);
        QCOMPARE(quiz.box("txtAge")->text(), typed);
        quiz.click("cmdNext");
        if (message.isEmpty()) {
            QVERIFY(fixture.messageBox.shown.isEmpty());
            QCOMPARE(quiz.stepInView(), 1);
            QCOMPARE(quiz.caption(QStringLiteral("lblQuestionNo")),
                     QStringLiteral("Question 1 of 6"));
            return;
        }
        checkStopMessage(fixture, message);
        QCOMPARE(quiz.stepInView(), 0);
        QCOMPARE(quiz.focusName(), QStringLiteral("txtAge"));
        QVERIFY(quiz.box("txtAge")->text().isEmpty());
    }

    void numberBoxKeyFilter_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<int>("key"); // 0 pastes `text`, -1 drops it
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("refused");
        const struct {
            int button;
            const char* box;
        } boxes[] = {{kHeartButton, "txtAge"},
                     {kCholesterolButton, "txtAge"},
                     {kDiabetesButton, "txtWeight"}};
        for (const auto& b : boxes) {
            const QString prefix = QStringLiteral("%1 %2: ").arg(b.button).arg(b.box);
            auto row = [&](const char* what, int key, const QString& expected, bool refused,
                           int modifiers = Qt::NoModifier, const QString& text = {}) {
                QTest::newRow(qPrintable(prefix + QLatin1String(what)))
                    << b.button << b.box << key << modifiers << text << expected << refused;
            };
            // The box holds "45" with the cursor at the end when the key comes.
            row("digit", Qt::Key_7, "457", false);
            row("backspace", Qt::Key_Backspace, "4", false);
            row("letter", Qt::Key_A, "45", true);
            row("space", Qt::Key_Space, "45", true);
            row("point", Qt::Key_Period, "45", true);
            row("enter", Qt::Key_Return, "45", true);
            row("escape", Qt::Key_Escape, "45", true);
            row("ctrl+c", Qt::Key_C, "45", true, Qt::ControlModifier);
            row("ctrl+v", Qt::Key_V, "45", true, Qt::ControlModifier);
            row("home keeps its use", Qt::Key_Home, "45", false);
            row("arrow keeps its use", Qt::Key_Left, "45", false);
            row("delete at end does nothing", Qt::Key_Delete, "45", false);
            row("shift alone", Qt::Key_Shift, "45", false);
            // A paste from the context menu or a drop never passes the key filter.
            row("pasted letters", 0, "45", true, 0, "12a");
            row("pasted spaces", 0, "45", true, 0, " 3");
            row("pasted minus", 0, "45", true, 0, "-3");
            row("pasted decimal", 0, "45", true, 0, "150.5");
            row("pasted digits taken", 0, "450042", false, 0, "0042");
            row("pasted 240,000 characters", 0, "45", true, 0, QString(240000, 'x'));
            row("pasted digits beyond the box", 0, "45", true, 0, QString(100000, '7'));
            row("pasted digits filling the box", 0, "45" + QString(32765, '7'), false, 0,
                QString(32765, '7'));
            row("dropped letter", -1, "45", true, 0, "x9");
        }
    }

    void numberBoxKeyFilter() {
        QFETCH(int, button);
        QFETCH(QString, boxName);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(bool, refused);
        AppFixture fixture;
        QuizDriver quiz(fixture, button);
        QGuiApplication::clipboard()->setText(key > 0 ? QStringLiteral("99") : text);
        auto* box = quiz.get<QLineEdit>(boxName);
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("45"));
        if (key > 0) {
            QTest::keyClick(box, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        } else if (key == 0) {
            box->paste();
        } else {
            QMimeData data;
            data.setText(text);
            const QPoint middle = box->rect().center();
            QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(box, &enter);
            QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(box, &drop);
        }
        QApplication::processEvents();
        QCOMPARE(box->text(), expected);
        if (refused)
            checkStopMessage(fixture, kOnlyNumbers);
        else
            QVERIFY(fixture.messageBox.shown.isEmpty());
        QCOMPARE(quiz.stepInView(), 0);
    }

    void workedExamplesAsSecondRun_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("details"); // age, sex row; or name, height row, weight
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("result");
        auto heart = [](const char* what, const char* age, const char* sex,
                        const QList<int>& answers, const QString& percent) {
            QTest::newRow(what) << kHeartButton << QStringList{age, sex} << answers
                                << QStringList{"Your Risk of Suffering from A Heart Attack in the "
                                               "Next 10 Years is " +
                                               percent};
        };
        // 10 age + 4 smoker + 0 + 3 (140) + 3 (240) + 0 (47) + 0 = 20 points.
        heart("heart: man of 50, smoker, 140, 240, 47", "50", "0", {0, 1, 6, 7, 8, 1}, "18 %");
        // Diabetes counts 6 for a woman and 3 for a man; 40 earns 0 and 5 age points.
        heart("heart: woman of 40, diabetic: 6", "40", "1", {1, 0, 0, 0, 0, 1}, "3 %");
        heart("heart: man of 40, diabetic: 5 + 3", "40", "0", {1, 0, 0, 0, 0, 1}, "4 %");
        // 19 + 4 + 3 + 8 (173) + 6 (316) + 7 (25) + 9 = 56, past the table.
        heart("heart: man of 74, highest total", "74", "0", {0, 0, 9, 10, 1, 0}, "over 42 %");

        auto cholesterol = [](const char* what, const char* age, const char* sex,
                              const QList<int>& answers, const QStringList& levels) {
            QStringList result;
            for (const char* of : {"Total", "HDL 'Good'", "LDL 'Bad'"})
                result << QStringLiteral("Your %1 Cholesterol Level is at a %2 Level")
                              .arg(of, levels.at(result.size()));
            result << "Your Risk of Having a Heart Attack based on your Cholesterol Level in the "
                      "Next 10 Years is " +
                          levels.last();
            QTest::newRow(what) << kCholesterolButton << QStringList{age, sex} << answers << result;
        };
        const QString o = "Optimum", b = "Borderline High", h = "High";
        cholesterol("cholesterol: man of 40, first answers: 4", "40", "0", {0, 0, 0, 0, 0, 0},
                    {o, o, o, "1%"});
        // 8 + 4 + 1 + 1 = 14.
        cholesterol("cholesterol: man of 55, 240-279, 40-49, 130-139", "55", "0",
                    {3, 2, 1, 2, 1, 1}, {b, b, b, "16%"});
        // 3 + 6 + 0 + 5 + 7 = 21, and 19 untreated.
        cholesterol("cholesterol: woman of 45, treated, smoker", "45", "1", {2, 1, 2, 3, 0, 0},
                    {b, b, h, "14%"});
        cholesterol("cholesterol: same woman untreated", "45", "1", {2, 1, 2, 3, 1, 0},
                    {b, b, h, "8%"});
        cholesterol("cholesterol: man of 20, best answers: -10", "20", "0", {0, 0, 0, 0, 1, 1},
                    {o, o, o, "<1%"});
        cholesterol("cholesterol: woman of 79, worst answers: 27", "79", "1", {4, 3, 2, 4, 0, 0},
                    {h, h, h, ">=30%"});

        auto diabetes =
            [](const char* what, const char* height, const char* weight, const QList<int>& answers,
               int score, const QString& risk) {
                QTest::newRow(what)
                    << kDiabetesButton << QStringList{"Ann", height, weight} << answers
                    << QStringList{QStringLiteral("Your Score is: %1").arg(score),
                                   "You are at a " + risk + " Risk of having Type 2 Diabetes now." +
                                       (risk == "High" ? " Please consult your doctor." : "")};
            };
        const QList<int> firsts{0, 0, 0, 0, 0}; // sibling 1, exercise 0, baby 1, parent 1
        const QList<int> nothing{0, 1, 0, 1, 1};
        diabetes("diabetes: 5'4'', 156: below threshold", "6", "156", firsts, 3, "Low");
        diabetes("diabetes: 5'4'', 157: at threshold", "6", "157", firsts, 8, "Low");
        diabetes("diabetes: 4'10'', 129: at threshold", "0", "129", nothing, 5, "Low");
        diabetes("diabetes: 6'4'', 220: below threshold", "18", "220", nothing, 0, "Very Low");
        diabetes("diabetes: weight and 45 to 64 alone", "0", "0200", {1, 1, 0, 1, 1}, 10, "High");
        diabetes("diabetes: highest score", "18", "300", {2, 0, 1, 0, 0}, 22, "High");
        // Past 16 bits the weight counts as the largest one, never as a small or negative one.
        diabetes("diabetes: 6'4'', 32768", "18", "32768", nothing, 5, "Low");
        diabetes("diabetes: 6'4'', 65736 would wrap to 200", "18", "65736", nothing, 5, "Low");
        diabetes("diabetes: 6'4'', twenty digits", "18", "99999999999999999999", nothing, 5, "Low");
    }

    // Each example runs second, after a first run with the highest score and Main Screen (by
    // Space, a click or Enter), which must reset the details and keep nothing of that run.
    void workedExamplesAsSecondRun() {
        QFETCH(int, button);
        QFETCH(QStringList, details);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, result);
        AppFixture fixture;
        QuizDriver quiz(fixture, button);
        if (button == kHeartButton) {
            quiz.start({"74", "1"});
            quiz.answer({0, 0, 9, 10, 1, 0});
            QTest::keyClick(quiz.focus(), Qt::Key_Space);
        } else if (button == kCholesterolButton) {
            quiz.start({"79", "1"});
            quiz.answer({4, 3, 2, 4, 0, 0});
            quiz.click("cmdMain");
        } else {
            quiz.start({"Bob", "18", "300"});
            quiz.answer({2, 0, 1, 0, 0});
            QTest::keyClick(quiz.focus(), Qt::Key_Return);
        }
        QCOMPARE(quiz.stepInView(), 0);
        QCOMPARE(quiz.focusName(), quiz.firstBox());
        for (const QLineEdit* box : quiz.get("fraStep_0")->findChildren<QLineEdit*>())
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        for (const QComboBox* list : quiz.get("fraStep_0")->findChildren<QComboBox*>())
            QCOMPARE(list->currentIndex(), 0);

        quiz.start(details);
        QVERIFY(quiz.caption(QStringLiteral("lblQuestionNo")).startsWith("Question 1 of"));
        quiz.answer(answers);
        QCOMPARE(quiz.stepInView(), 2);
        QStringList shown; // one result caption, or several numbered from 0
        for (int i = 0; i < result.size(); ++i)
            shown << quiz.caption(result.size() == 1 ? QStringLiteral("lblResult")
                                                     : QStringLiteral("lblResult_%1").arg(i));
        QCOMPARE(shown, result);
        QVERIFY(fixture.messageBox.shown.isEmpty());
    }

    void closingFromAnyStepShowsWelcomePanel_data() {
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

    void closingFromAnyStepShowsWelcomePanel() {
        QFETCH(int, button);
        QFETCH(int, step);
        QFETCH(bool, byMenu);
        AppFixture fixture;
        QuizDriver quiz(fixture, button);
        quiz.goTo(step);
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
};

QTEST_MAIN(TestQuizWindow)
#include "tst_quizwindow.moc"
