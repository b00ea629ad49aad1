#include "widgets/doubleclickguard.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace wellbox {

DoubleClickGuard::DoubleClickGuard(QWidget* top, QWindow* handle, QObject* owner)
    : QObject(owner)
    , m_top(top) {
    handle->installEventFilter(this);
}

bool DoubleClickGuard::eventFilter(QObject* watched, QEvent* event) {
    if (!m_top ||
        (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick))
        return QObject::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    QWidget* under = m_top->childAt(mouse->position().toPoint());
    if (event->type() == QEvent::MouseButtonPress) {
        // The second press of a double click is marked; the double click follows it.
        if (!mouse->flags().testFlag(Qt::MouseEventCreatedDoubleClick))
            m_firstPress = under;
        return false;
    }
    return under != m_firstPress;
}

} // namespace wellbox
