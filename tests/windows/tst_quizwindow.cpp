// The three risk quizzes, each window built alone: their checks and messages, one question at a
// time to the result, Main Screen, and File Exit, as quizzes.tsv lists what is seen. Their texts
// are in texts.tsv.

#include "platform/suitesettings.h"
#include "support/datarows.h"
#include "support/nowindowleft.h"
#include "support/userpath.h"
#include "windows/cholesterolwindow.h"
#include "windows/diabeteswindow.h"
#include "windows/heartattackwindow.h"

#include <QTimer>

using namespace wellbox;
using namespace wellbox::testing;

// The name of the unit option checked on a quiz's first step.
static QString checkedOption(const QWidget* quiz) {
    for (const QRadioButton* option : quiz->findChildren<QRadioButton*>())
        if (option->isChecked())
            return option->objectName();
    return "(none)";
}

// The quiz the current row names.
static QuizWindow* rowsQuiz(const WindowContext& context) {
    QFETCH(QString, quiz);
    if (quiz == "heart attack")
        return new HeartAttackWindow(context);
    if (quiz == "cholesterol")
        return new CholesterolWindow(context);
    return new DiabetesWindow(context);
}

class TestQuizWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { checkNoWindowLeft(); }

    // After a path of steps in a quiz, one thing seen or told, from quizzes.tsv.
    void seen_data() { addRowsFrom("quizzes.tsv"); }

    void seen() {
        QFETCH(QString, steps);
        QFETCH(QString, what);
        const Alone quiz(rowsQuiz);
        QCOMPARE(quiz.walk(steps), QString());
        QTEST(quiz.seen(what), "expected");
    }

    // A choice of units is kept for the next start as one entry in the suite's section, in the
    // settings' disguise, and only when it changes; the next window starts in it. From
    // unitchoices.tsv.
    void unitsKept_data() { addRowsFrom("unitchoices.tsv"); }
    void unitsKept() {
        QFETCH(QString, steps);
        QFETCH(QString, entry);
        QFETCH(QString, value);
        QMap<QString, QString> kept;
        {
            const Alone quiz(rowsQuiz);
            QCOMPARE(quiz.walk(steps), QString());
            kept = quiz.settings.values;
        }
        QMap<QString, QString> expected;
        if (!entry.isEmpty())
            expected[QCoreApplication::applicationName() + "|Settings|" + EncodeSetting(entry)] =
                EncodeSetting(value);
        QCOMPARE(kept, expected);
        const Alone again([&kept](const WindowContext& context) {
            dynamic_cast<FakeSettingsStore&>(context.platform.settings).values = kept;
            return rowsQuiz(context);
        });
        QTEST(checkedOption(again.window), "startsIn");
    }

    // A kept value that is damaged, not disguised or another program's reads as the default,
    // and is left as it is; from unitdefaults.tsv, as is the default under each locale.
    void unitDefaults_data() { addRowsFrom("unitdefaults.tsv"); }
    void unitDefaults() {
        QFETCH(QString, locale);
        QFETCH(QString, stored);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        FakeContext fakes;
        const QString key =
            QCoreApplication::applicationName() + "|Settings|" + EncodeSetting("BodyUnits");
        const QString cholesterolKey =
            QCoreApplication::applicationName() + "|Settings|" + EncodeSetting("CholesterolUnit");
        if (!stored.isEmpty())
            fakes.settings.values = {{key, stored}, {cholesterolKey, stored}};
        const std::unique_ptr<QuizWindow> diabetes(new DiabetesWindow(fakes.context));
        const std::unique_ptr<QuizWindow> heart(new HeartAttackWindow(fakes.context));
        QLocale::setDefault(before);
        QTEST(checkedOption(diabetes.get()) + ' ' + checkedOption(heart.get()), "startsIn");
        QTEST(diabetes->findChild<QComboBox*>("cboHeight")->itemText(0), "height");
        QCOMPARE(fakes.settings.values.value(key), stored);
    }

    // Every entry of every value list scores in mmol/L as the mg/dL entry in its place.
    void mmolScoresAsMgdl_data() {
        QTest::addColumn<QString>("quiz");
        QTest::addColumn<int>("question");
        for (int question : {3, 4, 5})
            QTest::addRow("heart attack %d", question) << "heart attack" << question;
        for (int question : {1, 2, 3, 4})
            QTest::addRow("cholesterol %d", question) << "cholesterol" << question;
    }
    void mmolScoresAsMgdl() {
        QFETCH(int, question);
        const QString before = QString("cmdNextQuestion*%1 > ").arg(question - 1);
        const QString after = QString(" > cmdNextQuestion*%1").arg(7 - question);
        for (int entry = 0;; ++entry) {
            QStringList points;
            for (const QString unit : {"optMgdl", "optMmol"}) {
                const Alone quiz(rowsQuiz);
                const QString path = unit + " > txtAge=50 > cmdNext > " + before +
                                     QString("cboAnswer_Option#%1").arg(entry) + after;
                // Past the list's end in either unit alike.
                if (!quiz.walk(path).isEmpty()) {
                    QVERIFY(entry > 1 && points.isEmpty());
                    return;
                }
                points << quiz.seen("tblBreakdown column 2");
            }
            QCOMPARE(points.back(), points.front());
        }
    }

    // Shown again (its calculator minimised and restored), a quiz keeps the focus where the user
    // left it; only its first showing puts it in the age box.
    void focusKeptWhenShownAgain() {
        const Alone quiz(
            [](const WindowContext& context) { return new HeartAttackWindow(context); });
        QCOMPARE(quiz.walk("txtAge=40 > cmdNext > cmdNextQuestion"), QString());
        quiz.window->hide();
        quiz.window->show();
        QApplication::setActiveWindow(quiz.window);
        QVERIFY(QTest::qWaitForWindowActive(quiz.window));
        QCOMPARE(quiz.seen("focus"), "cmdNextQuestion");
    }

    // A quiz closed while one of its dialogs is up (by a launcher, say) stays until the dialog
    // has returned, then goes: the code beneath the dialog is the window's own.
    void closedUnderDialog_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("steps");
        const QString result = "txtAge=40 > cmdNext > cmdNextQuestion*6 > ";
        QTest::newRow("message box") << "message box"
                                     << "cmdNext";
        QTest::newRow("save dialog") << "save dialog" << result + "cmdSavePdf";
        QTest::newRow("print dialog") << "print dialog" << result + "cmdPrint";
    }

    void closedUnderDialog() {
        QFETCH(QString, dialog);
        QFETCH(QString, steps);
        Alone quiz([](const WindowContext& context) { return new HeartAttackWindow(context); });
        DialogLoop& loop = dialog == "message box"   ? quiz.messageBox.loop
                           : dialog == "save dialog" ? quiz.saveDialog.loop
                                                     : quiz.printDialog.loop;
        bool keptWhileOpen = false;
        loop.whileOpen = [&] {
            quiz.window->unload();
            // Fires only while the window lives: a timer dies with its context object.
            QTimer::singleShot(20, quiz.window, [&] { keptWhileOpen = true; });
        };
        QCOMPARE(quiz.walk(steps), QString());
        QCOMPARE(keptWhileOpen, true);
        QCOMPARE(quiz.seen("gone"), "yes");
        QCOMPARE(quiz.seen("unloaded"), "1");
    }
};

QTEST_MAIN(TestQuizWindow)
#include "tst_quizwindow.moc"
