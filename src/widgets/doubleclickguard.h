#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

namespace wellbox {

// Watches a top-level window's mouse events before they reach its widgets, so that in it the
// second click of a double click reaches only the control that took the first, never one the
// first click brought into view (a step button's next step, a calculator opened where a caption
// was). Qt delivers a double click as press, release, double click, release; the double click
// stands for the second press. It lives as long as its owner.
class DoubleClickGuard : public QObject {
public:
    DoubleClickGuard(QWidget* top, QWindow* handle, QObject* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_top;
    QPointer<QWidget> m_firstPress;
};

} // namespace wellbox
