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
#include "widgets/uistyle.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTimer>

#include <random>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

const QStringList kMessages = QStringLiteral("Only numbers are accepted|Please enter your age|Your "
                                             "age must be between 30 and 74|Your age "
                                             "must be between 20 and 79|Please enter your "
                                             "name|Please enter your weight|Plese Select Both "
                                             "Your Height And Weight")
                                  .split(u'|');
const QStringList kPastes{"42", "12a", " 7", "", "99999999999999999999", "-3", "ab\ncd", "0"};
const QStringList kKeys = QStringLiteral("0 5 9 A Shift+Z . Space Return Esc Backspace Tab "
                                         "Shift+Backtab Left Up Down Del Ctrl+C Ctrl+V")
                              .split(u' ');

// The counter, the question and its answer list tell of one and the same question.
QString checkQuiz(const CalculatorWindow* quiz, std::span<const Question> questions) {
    const QString counter = quiz ? quiz->findChild<QLabel*>("lblQuestionNo")->text() : QString();
    if (!quiz || counter == "Question No") // before the first question
        return {};
    const auto match = QRegularExpression("^Question ([1-9][0-9]*) of ([0-9]+)$").match(counter);
    const std::size_t k = match.captured(1).toUInt();
    if (!match.hasMatch() || match.captured(2).toUInt() != questions.size() || k > questions.size())
        return quiz->objectName() + " counter reads " + counter;
    const auto* answers = quiz->findChild<QComboBox*>("cboAnswer_Option");
    QStringList shown{quiz->findChild<QLabel*>("lblQuestion")->text()};
    QStringList expected{ui::fromView(questions[k - 1].text)};
    for (int i = 0; i < answers->count(); ++i)
        shown << answers->itemText(i);
    for (const std::string_view answer : questions[k - 1].answers)
        expected << ui::fromView(answer);
    if (shown != expected || answers->currentIndex() < 0)
        return quiz->objectName() + " at " + counter + " shows " + shown.join(u'|');
    return {};
}

// The first rule broken, reading only the pages and messages that came since the last check.
QString check(const AppFixture& app, qsizetype& pages, qsizetype& messages) {
    static const QStringList known{pageAddress(WebPage::OnlineHelp), pageAddress(WebPage::HomePage),
                                   pageAddress(WebPage::DownloadPage),
                                   pageAddress(WebPage::FullBrandPage),
                                   pageAddress(WebPage::CoBrandPage)};
    const MainWindow& window = app.window;
    const int visible = app.visibleCalculatorCount();
    if (QApplication::activeModalWidget())
        return "a modal window was left open";
    if (window.isVisible() ? visible > 1 || window.welcomePanelVisible() != (visible == 0)
                           : !window.clientArea()->subWindowList().isEmpty())
        return QStringLiteral("%1 calculators shown, welcome panel %2")
            .arg(visible)
            .arg(window.welcomePanelVisible() ? "too" : "not");
    for (const NumberBox* box : window.findChildren<NumberBox*>())
        if (!QRegularExpression("^[0-9]*$").match(box->text()).hasMatch())
            return box->objectName() + " holds " + box->text();
    for (const QString& broken : {checkQuiz(window.loadedCalculator(CalculatorKind::HeartAttack),
                                            modHeartAttack::HeartAttackQuestions),
                                  checkQuiz(window.loadedCalculator(CalculatorKind::Cholesterol),
                                            modCholesterolCalculator::CholesterolQuestions),
                                  checkQuiz(window.loadedCalculator(CalculatorKind::Diabetes),
                                            modDiabetesRiskCalculator::DiabetesQuestions)})
        if (!broken.isEmpty())
            return broken;
    for (; pages < app.webPageOpener.opened.size(); ++pages)
        if (!known.contains(app.webPageOpener.opened.at(pages)))
            return "opened the unknown page " + app.webPageOpener.opened.at(pages);
    for (; messages < app.messageBox.shown.size(); ++messages)
        if (!kMessages.contains(app.messageBox.shown.at(messages).text))
            return "showed the unknown message " + app.messageBox.shown.at(messages).text;
    return {};
}

// Any control a user could reach: shown, enabled and not lying under another.
QList<QWidget*> reachable(QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        QWidget* hit = window.childAt(w->mapTo(&window, w->rect().center()));
        if (w->isVisible() && w->isEnabled() && !w->objectName().isEmpty() &&
            (hit == w || w->isAncestorOf(hit)) &&
            (qobject_cast<QAbstractButton*>(w) || qobject_cast<LinkLabel*>(w) ||
             qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w)))
            controls << w;
    }
    return controls;
}

} // namespace

class TestExerciser : public QObject {
    Q_OBJECT

private slots:
    void randomActionsKeepTheRules_data() {
        QTest::addColumn<unsigned>("seed");
        const QByteArray seeds = qgetenv("WELLBOX_EXERCISER_SEEDS");
        for (const QByteArray& seed :
             seeds.isEmpty() ? QByteArrayList{"1", "2", "3"} : seeds.split(','))
            QTest::newRow(("seed " + seed.trimmed()).constData()) << seed.trimmed().toUInt();
    }

    void randomActionsKeepTheRules() {
        QFETCH(unsigned, seed);
        std::mt19937 random(seed);
        const auto pick = [&](qsizetype count) {
            return std::uniform_int_distribution<int>(0, int(count) - 1)(random);
        };
        const int count = qEnvironmentVariableIntValue("WELLBOX_EXERCISER_ACTIONS");
        QStringList actions;
        std::unique_ptr<AppFixture> app;
        qsizetype pages = 0, messages = 0;
        for (int i = 0; i < (count > 0 ? count : 1000); ++i) {
            if (!app || !app->window.isVisible()) {
                actions << "start the program";
                app = std::make_unique<AppFixture>();
                pages = messages = 0;
                app->messageBox.onShow = [&] { // a Yes/No box is answered at random
                    app->messageBox.answers = {pick(2) ? MessageAnswer::Yes : MessageAnswer::No};
                };
            }
            MainWindow& window = app->window;
            const QList<QWidget*> controls = reachable(window);
            QWidget* control = controls.isEmpty() ? &window : controls.at(pick(controls.size()));
            auto* box = qobject_cast<QLineEdit*>(control);
            QList<QAction*> commands;
            for (QMenuBar* bar : window.findChildren<QMenuBar*>())
                for (QAction* top : bar->isVisible() ? bar->actions() : QList<QAction*>())
                    for (QAction* command : top->menu() ? top->menu()->actions() : QList{top})
                        if (!command->isSeparator() && command->isEnabled())
                            commands << command;
            QWidget* focus = QApplication::focusWidget();
            const QKeySequence key(kKeys.at(pick(kKeys.size())));
            const int what = pick(20);
            if (QWidget* popup = QApplication::activePopupWidget()) {
                actions << "press Esc in the open list";
                QTest::keyClick(popup, Qt::Key_Escape);
            } else if (what < 13 && box) {
                const QString& text = kPastes.at(pick(kPastes.size()));
                actions << "paste \"" + text + "\" into " + box->objectName();
                QApplication::clipboard()->setText(text);
                box->setFocus(Qt::MouseFocusReason);
                box->paste();
            } else if (what < 13) {
                actions << "click " + control->objectName();
                QTest::mouseMove(control);
                QTest::mouseClick(control, Qt::LeftButton);
            } else if (what < 17) { // into the focus, or into a control it moves to first
                if (!focus || !window.isAncestorOf(focus) || pick(2))
                    (focus = control)->setFocus(Qt::MouseFocusReason);
                actions << "press " + key.toString() + " in " + focus->objectName();
                QTest::keyClick(focus, key[0].key(), key[0].keyboardModifiers());
            } else if (what < 19) {
                QAction* command = commands.at(pick(commands.size()));
                actions << "menu " + command->objectName();
                // About is modal: it is closed from inside, by Esc or Enter.
                QTimer::singleShot(0, [how = pick(2) ? Qt::Key_Escape : Qt::Key_Return] {
                    if (QWidget* about = QApplication::activeModalWidget())
                        QTest::keyClick(about, how);
                });
                command->trigger();
            } else {
                QWidget* closing = window.clientArea()->activeSubWindow();
                if (!closing || !closing->isVisible() || pick(25) == 0)
                    closing = &window;
                actions << "close " + closing->windowTitle();
                closing->close();
            }
            QApplication::sendPostedEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const QString broken = check(*app, pages, messages);
            QVERIFY2(broken.isEmpty(),
                     qPrintable(QStringLiteral("seed %1 broke a rule: %2, after\n  %3")
                                    .arg(seed)
                                    .arg(broken, actions.join("\n  "))));
        }
    }
};

QTEST_MAIN(TestExerciser)
#include "tst_exerciser.moc"
