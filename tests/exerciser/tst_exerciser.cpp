// Drives the real main window with seeded random user actions and checks, after every action,
// the rules that hold whatever the user does. Seeds and action counts come from the
// environment, so a long run, or the replay of a failing seed, needs no rebuild:
//   WELLBOX_EXERCISER_SEEDS=7,8,9 WELLBOX_EXERCISER_ACTIONS=100000 tst_exerciser
// Every third seed of the list runs in German.

#include "app/translations.h"
#include "result/scoringtext.h"
#include "scoring/modcholesterolcalculator.h"
#include "scoring/moddiabetesriskcalculator.h"
#include "scoring/modheartattack.h"
#include "support/appfixture.h"
#include "support/nowindowleft.h"
#include "widgets/linklabel.h"
#include "widgets/numberbox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

using namespace wellbox;

// The counter, the question and its answer list are those of one published question, in the
// language shown.
static bool quizAgrees(const CalculatorWindow* quiz, std::span<const Question> questions) {
    const auto* answers = quiz->findChild<QComboBox*>("cboAnswer_Option");
    const QStringList shown = QStringList{quiz->findChild<QLabel*>("lblQuestionNo")->text(),
                                          quiz->findChild<QLabel*>("lblQuestion")->text()} +
                              testing::entriesOf(answers);
    const QString counter = QCoreApplication::translate("wellbox::QuizWindow", "Question %1 of %2");
    std::size_t k = 0;
    while (k < questions.size() && shown[0] != QString(counter).arg(k + 1).arg(questions.size()))
        ++k;
    if (k == questions.size()) // before the first question
        return shown[0] == QCoreApplication::translate("wellbox::QuizWindow", "Question No");
    QStringList expected{shown[0], ui::scoringText(questions[k].text)};
    for (const std::string_view answer : questions[k].answers)
        expected << ui::scoringText(answer);
    return shown == expected && answers->currentIndex() >= 0;
}

// A user who knows the way: the boxes in view that are empty get a number every box takes (an
// age, a weight, a name), then Start or Next Question is pressed, until a result shows.
static void goAhead(const CalculatorWindow* quiz) {
    for (int step = 0; quiz && step < 8; ++step) {
        for (QLineEdit* box : quiz->findChildren<QLineEdit*>())
            if (testing::inView(box) && box->text().isEmpty())
                QTest::keyClicks(box, "50");
        for (const char* name : {"cmdNext", "cmdNextQuestion"})
            if (auto* button = quiz->findChild<QAbstractButton*>(name);
                button && testing::inView(button))
                QTest::mouseClick(button, Qt::LeftButton);
    }
}

class TestExerciser : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { wellbox::testing::checkNoWindowLeft(); }

    void randomActionsKeepTheRules_data() {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<QString>("language");
        const QStringList seeds =
            qEnvironmentVariable("WELLBOX_EXERCISER_SEEDS", "1,2,3").split(u',');
        for (qsizetype i = 0; i < seeds.size(); ++i) {
            const QString language = i % 3 == 2 ? "de" : "";
            QTest::addRow("seed %s%s", qPrintable(seeds[i]), language.isEmpty() ? "" : " in German")
                << seeds[i].toUInt() << language;
        }
    }

    void randomActionsKeepTheRules() {
        QFETCH(unsigned, seed);
        QFETCH(QString, language);
        const Translations translations(language.isEmpty() ? QStringList() : QStringList{language});
        auto pick = [g = QRandomGenerator(seed)](qsizetype n) mutable { return g.bounded(int(n)); };
        const auto said = [](const char* context, const char* text) {
            return QCoreApplication::translate(context, text);
        };
        const QString ageRange =
            said("wellbox::AgeQuizWindow", "Your age must be between %1 and %2");
        const QStringList messages{
            said("wellbox::QuizWindow", "Only numbers are accepted"),
            said("wellbox::QuizWindow", "Please enter your age"),
            said("wellbox::DiabetesWindow", "Please enter your name"),
            said("wellbox::DiabetesWindow", "Please enter your weight"),
            ageRange.arg(30).arg(74),
            ageRange.arg(20).arg(79),
            said("wellbox::CalorieInputWindow", "Plese Select Both Your Height And Weight")};
        const std::pair<CalculatorKind, std::span<const Question>> quizzes[]{
            {CalculatorKind::HeartAttack, modHeartAttack::HeartAttackQuestions},
            {CalculatorKind::Cholesterol, modCholesterolCalculator::CholesterolQuestions},
            {CalculatorKind::Diabetes, modDiabetesRiskCalculator::DiabetesQuestions}};
        const auto pastes = QString("42|12a| 7||99999999999999999999|-3|ab\ncd|0").split(u'|');
        // Menus and their commands are reached by their access keys, as a user reaches them.
        QStringList keys =
            QString("0|5|A|Shift+Z|.|Space|Return|Esc|Tab|Shift+Tab|Left|Up|Down|Backspace|Del|"
                    "Ctrl+F4")
                .split(u'|');
        for (const char* menu : {"&File", "&Help"})
            keys << QKeySequence::mnemonic(said("wellbox::SharedMenus", menu)).toString();
        keys << "ahead";
        QByteArray trail = "broke the rule after";
        std::optional<testing::AppFixture> app;
        const QTemporaryDir kept;
        qsizetype asked = 0; // Save as PDF and Print, in programs that ended
        for (int i = qEnvironmentVariable("WELLBOX_EXERCISER_ACTIONS", "1000").toInt(); i-- > 0;) {
            if (!app || !app->window.isVisible()) { // the program started again
                if (app)
                    asked += app->saveDialog.proposed.size() + app->printDialog.offered.size();
                app.emplace();
                app->fileWriter.onDisk = true;
            }
            // Any control a user could reach: in view, enabled and clickable or focusable.
            QList<QWidget*> controls{&app->window};
            for (QWidget* w : app->window.findChildren<QWidget*>())
                if (testing::inView(w) && w->isEnabled() && !w->objectName().isEmpty() &&
                    (w->focusPolicy() != Qt::NoFocus || qobject_cast<LinkLabel*>(w)))
                    controls << w;
            // A Yes/No box is answered at random, and so is the save dialog: a file in a folder
            // of the test's own, or cancelled. About is modal, closed from inside by Esc or Enter.
            app->messageBox.answers = {pick(2) ? MessageAnswer::Yes : MessageAnswer::No};
            app->saveDialog.answer = pick(2) ? kept.filePath("kept.pdf") : QString();
            QTimer::singleShot(0, [how = pick(2) ? Qt::Key_Escape : Qt::Key_Return] {
                if (QWidget* about = QApplication::activeModalWidget())
                    QTest::keyClick(about, how);
            });
            // A click, or a key into an open list or menu, else into the focus or a control the
            // focus moves to first.
            QWidget* popup = QApplication::activePopupWidget();
            QWidget* to = popup ? popup : QApplication::focusWidget();
            const QString key = popup || pick(2) ? keys.at(pick(keys.size())) : "click";
            if (!popup && (key == "click" || !to || !app->window.isAncestorOf(to) || pick(2)))
                (to = controls.at(pick(controls.size())))->setFocus(Qt::MouseFocusReason);
            trail += "\n  " + key.toUtf8() + " in " + to->objectName().toUtf8();
            if (key == "ahead")
                goAhead(app->activeCalculator());
            else
                key == "click" ? QTest::mouseClick(to, Qt::LeftButton)
                               : QTest::keySequence(to, key);
            if (auto* box = qobject_cast<QLineEdit*>(to); box && key == "click") // and pasted into
                box->insert(pastes.at(pick(pastes.size())));
            QTest::qWait(0); // and windows closed are gone

            // One calculator shown and no welcome panel, or none and the welcome panel; no
            // calculator left once the main window is closed.
            QVERIFY2(!QApplication::activeModalWidget(), trail);
            QVERIFY2(app->window.isVisible()
                         ? app->visibleCalculatorCount() == !app->window.welcomePanelVisible()
                         : app->window.clientArea()->subWindowList().isEmpty(),
                     trail);
            // One menu bar while the suite runs, holding the menus of the window in front.
            const QList<QMenuBar*> bars = app->menuBarsShown();
            QVERIFY2(bars.size() == app->window.isVisible(), trail);
            QVERIFY2(bars.isEmpty() || bars.first()->actions() == app->menusInFront(), trail);
            for (const NumberBox* box : app->window.findChildren<NumberBox*>())
                QVERIFY2(!box->text().contains(QRegularExpression("[^0-9]")), trail);
            for (const auto& [kind, questions] : quizzes)
                if (const CalculatorWindow* quiz = app->window.loadedCalculator(kind))
                    QVERIFY2(quizAgrees(quiz, questions), trail);
            for (int page = 0; page <= int(WebPage::CoBrandPage); ++page) // only these are known
                app->webPageOpener.opened.removeAll(pageAddress(WebPage(page)));
            QVERIFY2(app->webPageOpener.opened.isEmpty(), trail);
            for (const auto& m : std::exchange(app->messageBox.shown, {}))
                QVERIFY2(messages.contains(m.text), trail + "\n  " + m.text.toUtf8());
        }
        // How often a result was saved or printed, the dialogs faked; what was saved is a PDF.
        asked += app->saveDialog.proposed.size() + app->printDialog.offered.size();
        qInfo("Save as PDF or Print pressed %lld times", qint64(asked));
        QFile pdf(kept.filePath("kept.pdf"));
        QVERIFY(!pdf.open(QIODevice::ReadOnly) || pdf.read(5) == "%PDF-");
    }
};

QTEST_MAIN(TestExerciser)
#include "tst_exerciser.moc"
