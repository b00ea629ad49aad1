#pragma once

// A calculator window built on fakes and shown as a window of its own, with no main window, as
// a test builds any widget; and the pointer's and the eye's view of its controls.

#include "support/platformfakes.h"
#include "widgets/calculatorwindow.h"
#include "widgets/helplinks.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <type_traits>

namespace wellbox::testing {

// Seen by the user: shown, and what lies at its centre is it or inside it.
inline bool inView(const QWidget* widget) {
    const QWidget* top = widget->window();
    const QWidget* hit = top->childAt(widget->mapTo(top, widget->rect().center()));
    return widget->isVisible() && hit && (hit == widget || widget->isAncestorOf(hit));
}

// A click or a double click of the left button where a control lies, given to its window as
// the pointer gives it, so that each press goes to whatever lies there at that moment.
// By default at the centre (an option takes clicks only near its circle and caption), in the
// time a user takes between clicks.
inline void clickAt(const QWidget* control, QTest::MouseAction action = QTest::MouseClick,
                    QPoint at = {}, int delay = -1) {
    QWidget* top = control->window();
    QTest::mouseEvent(action, top->windowHandle(), Qt::LeftButton, {},
                      control->mapTo(top, at.isNull() ? control->rect().center() : at), delay);
}

// The names of the `count` controls Tab reaches next from `from`.
inline QStringList tabStops(QWidget* from, int count) {
    QStringList stops;
    for (from->setFocus(); stops.size() < count; stops << QApplication::focusWidget()->objectName())
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return stops;
}

// The fakes and the link routines over them, handed to a window as the main window hands them.
struct FakeContext : FakePlatform {
    HelpLinks links{webPageOpener};
    WindowContext context{platform, links};
};

// The window `make` builds from the context, shown and active; deleted at the end unless it
// closed itself (a calculator window goes when it closes).
template <typename Make> class Alone : public FakeContext {
public:
    explicit Alone(Make make)
        : window(make(context)) {
        window->show();
        QApplication::setActiveWindow(window);
        static_cast<void>(QTest::qWaitForWindowActive(window));
    }
    ~Alone() { delete window.data(); }
    Q_DISABLE_COPY_MOVE(Alone)

    QPointer<std::remove_pointer_t<std::invoke_result_t<Make, const WindowContext&>>> window;
};

} // namespace wellbox::testing
