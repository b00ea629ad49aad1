// Drives the real main window with seeded random user actions and checks, after every action,
// the rules that hold whatever the user does. Seeds and action counts come from the
// environment, so a long run, or the replay of a failing seed, needs no rebuild:
//   WELLBOX_EXERCISER_SEEDS=7,8,9 WELLBOX_EXERCISER_ACTIONS=100000 tst_exerciser

#include "cholesterol/modcholesterolcalculator.h"
#include "diabetes/moddiabetesriskcalculator.h"
#include "heart/modheartattack.h"
#include "support/appfixture.h"
#include "widgets/linklabel.h"
#include "widgets/numberbox.h"

#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTimer>

#include <random>

using namespace wellbox;
using namespace wellbox::testing;

// The counter, the question and its answer list are those of one published question.
static bool quizAgrees(const CalculatorWindow* quiz, std::span<const Question> questions) {
    const auto* answers = quiz->findChild<QComboBox*>("cboAnswer_Option");
    QStringList shown{quiz->findChild<QLabel*>("lblQuestionNo")->text(),
                      quiz->findChild<QLabel*>("lblQuestion")->text()};
    for (int i = 0; i < answers->count(); ++i)
        shown << answers->itemText(i);
    for (std::size_t k = 0; k < questions.size(); ++k) {
        QStringList expected{QStringLiteral("Question %1 of %2").arg(k + 1).arg(questions.size()),
                             QString::fromUtf8(questions[k].text)};
        for (const std::string_view answer : questions[k].answers)
            expected << QString::fromUtf8(answer);
        if (shown == expected)
            return answers->currentIndex() >= 0;
    }
    return shown.first() == "Question No"; // before the first question
}

class TestExerciser : public QObject {
    Q_OBJECT

private slots:
    void randomActionsKeepTheRules_data() {
        QTest::addColumn<unsigned>("seed");
        for (const auto& seed :
             qEnvironmentVariable("WELLBOX_EXERCISER_SEEDS", "1,2,3").split(u','))
            QTest::addRow("seed %s", qPrintable(seed.trimmed())) << seed.trimmed().toUInt();
    }

    void randomActionsKeepTheRules() {
        QFETCH(unsigned, seed);
        auto pick = [g = std::mt19937(seed)](qsizetype n) mutable { return int(g() % n); };
        const QRegularExpression messages(
            "^(Only numbers are accepted|Please enter your (age|name|weight)|Your age must be "
            "between (30 and 74|20 and 79)|Plese Select Both Your Height And Weight)$");
        QStringList pages;
        for (int page = 0; page <= int(WebPage::CoBrandPage); ++page)
            pages << pageAddress(WebPage(page));
        const std::pair<CalculatorKind, std::span<const Question>> quizzes[]{
            {CalculatorKind::HeartAttack, modHeartAttack::HeartAttackQuestions},
            {CalculatorKind::Cholesterol, modCholesterolCalculator::CholesterolQuestions},
            {CalculatorKind::Diabetes, modDiabetesRiskCalculator::DiabetesQuestions}};
        const auto pastes = QString("42|12a| 7||99999999999999999999|-3|ab\ncd|0").split(u'|');
        // Menus and their commands are reached by their access keys, as a user reaches them.
        const auto keys = QString("0 5 A Shift+Z . Space Return Esc Tab Shift+Tab Left Up Down "
                                  "Backspace Del Ctrl+F4 Alt+F Alt+H")
                              .split(u' ');
        const int count = qEnvironmentVariableIntValue("WELLBOX_EXERCISER_ACTIONS");
        QByteArray trail = "seed " + QByteArray::number(seed) + " broke the rule after";
        std::unique_ptr<AppFixture> app;
        for (int i = 0; i < (count > 0 ? count : 1000); ++i) {
            if (!app || !app->window.isVisible()) // the program started again
                app = std::make_unique<AppFixture>();
            // Any control a user could reach: shown, enabled and not lying under another.
            MainWindow& window = app->window;
            QList<QWidget*> controls{&window};
            for (QWidget* w : window.findChildren<QWidget*>()) {
                QWidget* hit = window.childAt(w->mapTo(&window, w->rect().center()));
                if (w->isVisible() && w->isEnabled() && !w->objectName().isEmpty() &&
                    (hit == w || w->isAncestorOf(hit)) &&
                    (w->focusPolicy() != Qt::NoFocus || qobject_cast<LinkLabel*>(w)))
                    controls << w;
            }
            QWidget* control = controls.at(pick(controls.size()));
            // A Yes/No box is answered at random.
            app->messageBox.answers = {pick(2) ? MessageAnswer::Yes : MessageAnswer::No};
            QWidget* popup = QApplication::activePopupWidget();
            QWidget* to = popup ? popup : QApplication::focusWidget();
            if (!popup && pick(2)) {
                trail += "\n  click " + control->objectName().toUtf8();
                QTest::mouseClick(control, Qt::LeftButton);
                if (auto* box = qobject_cast<QLineEdit*>(control)) // and pasted into
                    box->insert(pastes.at(pick(pastes.size())));
            } else { // into an open list or menu, else the focus or a control it moves to first
                if (!popup && (!to || !window.isAncestorOf(to) || pick(2)))
                    (to = control)->setFocus(Qt::MouseFocusReason);
                const QKeySequence key(keys.at(pick(keys.size())));
                // About is modal: it is closed from inside, by Esc or Enter.
                QTimer::singleShot(0, [how = pick(2) ? Qt::Key_Escape : Qt::Key_Return] {
                    if (QWidget* about = QApplication::activeModalWidget())
                        QTest::keyClick(about, how);
                });
                trail += "\n  key " + key.toString().toUtf8() + " in " + to->objectName().toUtf8();
                QTest::keyClick(to, key[0].key(), key[0].keyboardModifiers());
            }
            QApplication::sendPostedEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

            QVERIFY2(!QApplication::activeModalWidget(), trail);
            // Calculators shown: at most one, and the welcome panel only when none; none when
            // the main window is closed.
            const int n = app->visibleCalculatorCount();
            QVERIFY2(!window.isVisible() || (n < 2 && window.welcomePanelVisible() == !n), trail);
            QVERIFY2(window.isVisible() || window.clientArea()->subWindowList().isEmpty(), trail);
            for (const NumberBox* box : window.findChildren<NumberBox*>())
                QVERIFY2(!box->text().contains(QRegularExpression("[^0-9]")), trail);
            for (const auto& [kind, questions] : quizzes)
                if (const CalculatorWindow* quiz = window.loadedCalculator(kind))
                    QVERIFY2(quizAgrees(quiz, questions), trail);
            for (const QString& page : std::exchange(app->webPageOpener.opened, {}))
                QVERIFY2(pages.contains(page), trail + "\n  opened " + page.toUtf8());
            for (const auto& m : std::exchange(app->messageBox.shown, {}))
                QVERIFY2(messages.match(m.text).hasMatch(), trail + "\n  " + m.text.toUtf8());
        }
    }
};

QTEST_MAIN(TestExerciser)
#include "tst_exerciser.moc"
