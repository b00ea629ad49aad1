#include "widgets/framestack.h"

#include "widgets/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace wellbox {

namespace {

// What a control had before it was covered, kept on the control itself so that nested
// stacks share one record.
constexpr char kSavedFocusPolicy[] = "wellboxSavedFocusPolicy";
constexpr char kSavedBuddy[] = "wellboxSavedBuddy";

void setReachable(QWidget* widget, bool reachable) {
    const QVariant savedPolicy = widget->property(kSavedFocusPolicy);
    if (!reachable && widget->focusPolicy() != Qt::NoFocus) {
        if (!savedPolicy.isValid())
            widget->setProperty(kSavedFocusPolicy, static_cast<int>(widget->focusPolicy()));
        widget->setFocusPolicy(Qt::NoFocus);
    } else if (reachable && savedPolicy.isValid()) {
        widget->setFocusPolicy(static_cast<Qt::FocusPolicy>(savedPolicy.toInt()));
        widget->setProperty(kSavedFocusPolicy, QVariant());
    }

    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setShortcut(reachable ? QKeySequence::mnemonic(button->text()) : QKeySequence());
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QVariant savedBuddy = label->property(kSavedBuddy);
        if (!reachable && label->buddy()) {
            label->setProperty(kSavedBuddy, QVariant::fromValue<QObject*>(label->buddy()));
            label->setBuddy(nullptr);
        } else if (reachable && savedBuddy.isValid()) {
            label->setBuddy(qobject_cast<QWidget*>(savedBuddy.value<QObject*>()));
            label->setProperty(kSavedBuddy, QVariant());
        }
    }
}

// Keys a covered control may still take: Tab and Shift+Tab lead the focus out of it, and a
// button that kept the focus answers Enter and Space.
bool keyAllowedWhenCovered(const QObject* receiver, const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return qobject_cast<const QPushButton*>(receiver) != nullptr;
    default:
        return false;
    }
}

} // namespace

FrameStack::FrameStack(QWidget* parent)
    : QWidget(parent) {
    installAccessibility();
    auto* place = new QGridLayout(this);
    place->setContentsMargins(0, 0, 0, 0);
}

void FrameStack::addMember(QWidget* member, Qt::Alignment alignment) {
    static_cast<QGridLayout*>(layout())->addWidget(member, 0, 0, alignment);
    if (m_front)
        member->stackUnder(m_front);
    else
        m_front = member;
    updateReach();
}

void FrameStack::raiseMember(QWidget* member) {
    Q_ASSERT(member && member->parentWidget() == this);
    QWidget* covered = m_front;
    m_front = member;
    member->raise();
    updateReach();
    // A reader learns that what it could read has changed places.
    if (covered && covered != member) {
        QAccessibleEvent hidden(covered, QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&hidden);
        QAccessibleEvent shown(member, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
    // A reader follows the focus, so with one listening the focus must not stay behind on a
    // control just covered: it goes where Tab would go from the top of the member raised.
    QWidget* focus = window()->focusWidget();
    if (focus && isAncestorOf(focus) && isCovered(focus) && readerActive())
        focusFirstInView(member);
}

void FrameStack::focusFirstInView(QWidget* member) {
    // The first in Tab order inside the member raised, or else the first anywhere in view.
    for (const bool inside : {true, false}) {
        for (QWidget* w = member->nextInFocusChain(); w != member; w = w->nextInFocusChain()) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() &&
                !isCovered(w) && (!inside || member->isAncestorOf(w))) {
                // Not a Tab of the user's: a table given the focus so is read with what its
                // description says, not by its cell (see ResultSheet).
                w->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
    }
}

bool FrameStack::isCovered(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->isWindow())
            return false;
        const auto* stack = qobject_cast<const FrameStack*>(w->parentWidget());
        if (stack && stack->m_front != w)
            return true;
    }
    return false;
}

void FrameStack::updateReach() {
    for (QObject* child : children()) {
        if (auto* member = qobject_cast<QWidget*>(child))
            member->setAttribute(Qt::WA_TransparentForMouseEvents, member != m_front);
    }
    for (QWidget* widget : findChildren<QWidget*>()) {
        widget->installEventFilter(this);
        setReachable(widget, !isCovered(widget));
    }
}

bool FrameStack::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyRelease:
        // An arrow key that checks a radio button can cover it (its choice raises another
        // member); Qt then hands the checked button the Tab focus back, so it is taken again.
        if (isCovered(static_cast<QWidget*>(watched)))
            setReachable(static_cast<QWidget*>(watched), false);
        [[fallthrough]];
    case QEvent::KeyPress:
        if (isCovered(static_cast<QWidget*>(watched)) &&
            !keyAllowedWhenCovered(watched, static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::InputMethod:
    case QEvent::Wheel:
        if (isCovered(static_cast<QWidget*>(watched)))
            return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace wellbox

#include "moc_framestack.cpp"
