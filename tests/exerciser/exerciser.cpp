#include "exerciser.h"

#include "widgets/helplinks.h"
#include "widgets/uistyle.h"
#include "cholesterol/modcholesterolcalculator.h"
#include "diabetes/moddiabetesriskcalculator.h"
#include "heart/modheartattack.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTimer>

#include <span>

namespace wellbox::testing {

namespace {

QString widgetName(const QWidget* widget) {
    QString name = widget->objectName();
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
        if (qobject_cast<const CalculatorWindow*>(w) || w->objectName() == "frmMDI")
            return name + " in " + w->objectName();
    return name;
}

struct QuizShape {
    CalculatorKind kind;
    std::span<const Question> questions;
};

// The question set each quiz window must be showing from.
const std::array<QuizShape, 3> kQuizzes{{
    {CalculatorKind::HeartAttack, modHeartAttack::HeartAttackQuestions},
    {CalculatorKind::Cholesterol, modCholesterolCalculator::CholesterolQuestions},
    {CalculatorKind::Diabetes, modDiabetesRiskCalculator::DiabetesQuestions},
}};

// Every message the windows may show.
const QStringList kKnownMessages{
    "Only numbers are accepted",
    "Please enter your age",
    "Your age must be between 30 and 74",
    "Your age must be between 20 and 79",
    "Please enter your name",
    "Please enter your weight",
    "Plese Select Both Your Height And Weight",
};

const std::array<QString, 8> kPasteTexts{"42", "12a",    " 7", "", "99999999999999999999",
                                         "-3", "ab\ncd", "0"};

struct KeyChoice {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
};

const std::array<KeyChoice, 16> kKeys{{
    {Qt::Key_0, Qt::NoModifier, "0"},
    {Qt::Key_5, Qt::NoModifier, "5"},
    {Qt::Key_9, Qt::NoModifier, "9"},
    {Qt::Key_A, Qt::NoModifier, "a"},
    {Qt::Key_Z, Qt::ShiftModifier, "Z"},
    {Qt::Key_Period, Qt::NoModifier, "."},
    {Qt::Key_Space, Qt::NoModifier, "Space"},
    {Qt::Key_Return, Qt::NoModifier, "Enter"},
    {Qt::Key_Escape, Qt::NoModifier, "Esc"},
    {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    {Qt::Key_Tab, Qt::NoModifier, "Tab"},
    {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
    {Qt::Key_Left, Qt::NoModifier, "Left"},
    {Qt::Key_Delete, Qt::NoModifier, "Delete"},
    {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
    {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
}};

} // namespace

Exerciser::Exerciser(unsigned seed)
    : m_random(seed) {
    startApp();
}

void Exerciser::startApp() {
    m_app = std::make_unique<AppFixture>();
    m_pagesChecked = 0;
    m_messagesChecked = 0;
    m_app->messageBox.onShow = [this] {
        // The fake box is modal in spirit: whatever it answers, it answers at random.
        m_app->messageBox.answers = {pick(2) ? MessageAnswer::Yes : MessageAnswer::No};
    };
}

Exerciser::~Exerciser() = default;

int Exerciser::pick(int size) {
    return std::uniform_int_distribution<int>(0, size - 1)(m_random);
}

bool Exerciser::run(int count) {
    for (int i = 0; i < count; ++i) {
        act();
        QApplication::sendPostedEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_failure = check();
        if (!m_failure.isEmpty())
            return false;
    }
    return true;
}

void Exerciser::act() {
    if (!m_app->window.isVisible()) {
        note("start the program again");
        startApp();
    }
    if (QWidget* popup = QApplication::activePopupWidget()) {
        note("press Esc in the open list");
        QTest::keyClick(popup, Qt::Key_Escape);
        return;
    }
    switch (pick(20)) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
        return clickButton();
    case 7:
    case 8:
        return clickLink();
    case 9:
    case 10:
    case 11:
        return chooseListEntry();
    case 12:
    case 13:
    case 14:
    case 15:
        return pressKey();
    case 16:
        return pasteText();
    case 17:
    case 18:
        return triggerMenuCommand();
    default:
        return closeAWindow();
    }
}

// Only what a user could reach: shown, enabled and not covered by a frame raised above it.
QList<QWidget*> Exerciser::reachable(const QList<QWidget*>& widgets) const {
    QList<QWidget*> result;
    for (QWidget* widget : widgets) {
        if (!widget->isVisible() || !widget->isEnabled() || widget->objectName().isEmpty())
            continue;
        QWidget* top = widget->window();
        const QPoint centre = widget->mapTo(top, widget->rect().center());
        QWidget* hit = top->childAt(centre);
        if (hit == widget || (hit && widget->isAncestorOf(hit)))
            result << widget;
    }
    return result;
}

void Exerciser::clickButton() {
    QList<QWidget*> candidates;
    for (QAbstractButton* button : m_app->window.findChildren<QAbstractButton*>())
        candidates << button;
    candidates = reachable(candidates);
    if (candidates.isEmpty())
        return;
    QWidget* button = candidates.at(pick(int(candidates.size())));
    note("click " + widgetName(button));
    QTest::mouseClick(button, Qt::LeftButton);
}

void Exerciser::clickLink() {
    QList<QWidget*> candidates;
    for (QLabel* label : m_app->window.findChildren<QLabel*>())
        if (label->cursor().shape() == Qt::PointingHandCursor)
            candidates << label;
    candidates = reachable(candidates);
    if (candidates.isEmpty())
        return;
    QWidget* label = candidates.at(pick(int(candidates.size())));
    note("click label " + widgetName(label));
    QTest::mouseMove(label, QPoint(2, 2));
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
}

void Exerciser::chooseListEntry() {
    QList<QWidget*> candidates;
    for (QComboBox* list : m_app->window.findChildren<QComboBox*>())
        candidates << list;
    candidates = reachable(candidates);
    if (candidates.isEmpty())
        return;
    auto* list = static_cast<QComboBox*>(candidates.at(pick(int(candidates.size()))));
    if (list->count() == 0)
        return;
    const int entry = pick(list->count());
    note(QStringLiteral("choose entry %1 of %2").arg(entry).arg(widgetName(list)));
    list->setFocus(Qt::MouseFocusReason);
    list->setCurrentIndex(entry);
    emit list->activated(entry);
}

void Exerciser::pressKey() {
    QWidget* target = QApplication::focusWidget();
    if (!target || !m_app->window.isAncestorOf(target))
        target = &m_app->window;
    const KeyChoice& key = kKeys.at(std::size_t(pick(int(kKeys.size()))));
    note(QStringLiteral("press %1 in %2").arg(QLatin1String(key.name), widgetName(target)));
    QTest::keyClick(target, key.key, key.modifiers);
}

void Exerciser::pasteText() {
    QList<QWidget*> candidates;
    for (QLineEdit* box : m_app->window.findChildren<QLineEdit*>())
        candidates << box;
    candidates = reachable(candidates);
    if (candidates.isEmpty())
        return;
    auto* box = static_cast<QLineEdit*>(candidates.at(pick(int(candidates.size()))));
    const QString& text = kPasteTexts.at(std::size_t(pick(int(kPasteTexts.size()))));
    note(QStringLiteral("paste \"%1\" into %2").arg(text, widgetName(box)));
    QApplication::clipboard()->setText(text);
    box->setFocus(Qt::MouseFocusReason);
    box->paste();
}

void Exerciser::triggerMenuCommand() {
    QList<QAction*> candidates;
    auto collect = [&](const QWidget* owner) {
        for (QMenuBar* bar : owner->findChildren<QMenuBar*>())
            for (QAction* top : bar->actions()) {
                if (top->menu()) {
                    for (QAction* command : top->menu()->actions())
                        if (!command->isSeparator() && command->isEnabled())
                            candidates << command;
                } else if (top->isEnabled()) {
                    candidates << top;
                }
            }
    };
    if (QWidget* active = m_app->activeCalculator(); active && active->isVisible())
        collect(active);
    for (QAction* top : m_app->window.menuBar()->actions())
        if (top->menu())
            for (QAction* command : top->menu()->actions())
                if (!command->isSeparator() && command->isEnabled())
                    candidates << command;
    if (candidates.isEmpty())
        return;
    QAction* command = candidates.at(pick(int(candidates.size())));
    note("menu " + command->objectName());
    if (command->objectName() == "mnuAbout") {
        const int how = pick(4);
        QTimer::singleShot(0, [this, how] {
            QWidget* about = QApplication::activeModalWidget();
            if (!about)
                return;
            if (how == 0)
                QTest::keyClick(about, Qt::Key_Escape);
            else if (how == 1)
                QTest::keyClick(about, Qt::Key_Return);
            else if (how == 2)
                QTest::mouseClick(about->findChild<QWidget*>("cmdOK"), Qt::LeftButton);
            else
                about->close();
            if (about->isVisible())
                m_failure = "the About window did not close";
        });
    }
    command->trigger();
}

void Exerciser::closeAWindow() {
    QList<QWidget*> holders;
    for (QMdiSubWindow* holder : m_app->window.clientArea()->subWindowList())
        if (holder->isVisible())
            holders << holder;
    if (holders.isEmpty() || pick(25) == 0) {
        note("close the main window");
        m_app->window.close();
        return;
    }
    QWidget* holder = holders.at(pick(int(holders.size())));
    note("close box of " + holder->windowTitle());
    holder->close();
}

QString Exerciser::check() const {
    if (!m_failure.isEmpty())
        return m_failure;
    if (QApplication::activeModalWidget())
        return "a modal window was left open";
    const MainWindow& window = m_app->window;
    const int visible = m_app->visibleCalculatorCount();
    if (window.isVisible()) {
        if (visible > 1)
            return QStringLiteral("%1 calculator windows are visible").arg(visible);
        if (window.welcomePanelVisible() != (visible == 0))
            return QStringLiteral("welcome panel %1 with %2 calculator windows visible")
                .arg(window.welcomePanelVisible() ? "shown" : "hidden")
                .arg(visible);
    } else if (visible != 0 || !window.clientArea()->subWindowList().isEmpty()) {
        return "calculator windows left behind by the closed main window";
    }
    for (const QLineEdit* box : window.findChildren<QLineEdit*>())
        if ((box->objectName() == "txtAge" || box->objectName() == "txtWeight") &&
            !QRegularExpression("^[0-9]*$").match(box->text()).hasMatch())
            return QStringLiteral("%1 holds \"%2\"").arg(widgetName(box), box->text());
    for (const QuizShape& quiz : kQuizzes)
        if (const CalculatorWindow* calculator = window.loadedCalculator(quiz.kind))
            if (QString broken = checkQuiz(*calculator); !broken.isEmpty())
                return broken;

    // Only what came since the last check, so that long runs stay linear.
    static const QStringList pages{pageAddress(WebPage::OnlineHelp), pageAddress(WebPage::HomePage),
                                   pageAddress(WebPage::DownloadPage),
                                   pageAddress(WebPage::FullBrandPage),
                                   pageAddress(WebPage::CoBrandPage)};
    const QStringList& opened = m_app->webPageOpener.opened;
    for (; m_pagesChecked < opened.size(); ++m_pagesChecked)
        if (!pages.contains(opened.at(m_pagesChecked)))
            return "opened an unknown page " + opened.at(m_pagesChecked);
    const auto& shown = m_app->messageBox.shown;
    for (; m_messagesChecked < shown.size(); ++m_messagesChecked)
        if (!kKnownMessages.contains(shown.at(m_messagesChecked).text))
            return "showed an unknown message \"" + shown.at(m_messagesChecked).text + "\"";
    return {};
}

QString Exerciser::checkQuiz(const CalculatorWindow& window) const {
    const auto shape = std::find_if(kQuizzes.begin(), kQuizzes.end(),
                                    [&](const QuizShape& s) { return s.kind == window.kind(); });
    const auto* counter = window.findChild<QLabel*>("lblQuestionNo");
    const auto* answers = window.findChild<QComboBox*>("cboAnswer_Option");
    const auto* question = window.findChild<QLabel*>("lblQuestion");
    if (!counter || !answers || !question)
        return window.objectName() + " lacks its question controls";
    const int count = int(shape->questions.size());
    if (counter->text() == "Question No")
        return {};
    static const QRegularExpression form("^Question ([0-9]+) of ([0-9]+)$");
    const QRegularExpressionMatch match = form.match(counter->text());
    if (!match.hasMatch() || match.captured(2).toInt() != count)
        return QStringLiteral("%1 counter reads \"%2\"").arg(window.objectName(), counter->text());
    const int k = match.captured(1).toInt();
    if (k < 1 || k > count)
        return QStringLiteral("%1 counter at %2 of %3").arg(window.objectName()).arg(k).arg(count);
    const Question& shown = shape->questions[std::size_t(k - 1)];
    if (question->text() != ui::fromView(shown.text))
        return QStringLiteral("%1 shows \"%2\" as question %3")
            .arg(window.objectName(), question->text())
            .arg(k);
    if (answers->count() != int(shown.answers.size()) || answers->currentIndex() < 0)
        return QStringLiteral("%1 answer list of question %2 has %3 entries, selected %4")
            .arg(window.objectName())
            .arg(k)
            .arg(answers->count())
            .arg(answers->currentIndex());
    for (int i = 0; i < answers->count(); ++i) {
        const std::string_view expected = shown.answers[std::size_t(i)];
        if (answers->itemText(i) != ui::fromView(expected))
            return QStringLiteral("%1 answer %2 of question %3 reads \"%4\"")
                .arg(window.objectName())
                .arg(i)
                .arg(k)
                .arg(answers->itemText(i));
    }
    return {};
}

} // namespace wellbox::testing
