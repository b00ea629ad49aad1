#include "widgets/stepbutton.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWindow>

namespace wellbox {

namespace {

constexpr char kGuardName[] = "wellboxDoubleClickGuard";

// Watches a window's mouse events before they reach its widgets. Qt delivers a double click
// as press, release, double click, release; the double click stands for the second press, so
// it is dropped unless it would reach the control that the first press reached.
class DoubleClickGuard : public QObject {
public:
    DoubleClickGuard(QWidget* top, QWindow* handle)
        : QObject(handle)
        , m_top(top) {
        setObjectName(QString::fromLatin1(kGuardName));
        handle->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_top || (event->type() != QEvent::MouseButtonPress &&
                       event->type() != QEvent::MouseButtonDblClick))
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

private:
    QPointer<QWidget> m_top;
    QPointer<QWidget> m_firstPress;
};

} // namespace

StepButton::StepButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void StepButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // Taken, so that neither this button nor what lies under it acts a second time.
    event->accept();
}

void StepButton::showEvent(QShowEvent* event) {
    QPushButton::showEvent(event);
    QWidget* top = window();
    QWindow* handle = top->windowHandle();
    if (handle &&
        !handle->findChild<QObject*>(QString::fromLatin1(kGuardName), Qt::FindDirectChildrenOnly))
        new DoubleClickGuard(top, handle);
}

} // namespace wellbox
