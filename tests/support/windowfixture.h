#pragma once

// The fakes a calculator window is handed, and the pointer's, the eye's and the Tab key's view
// of its controls.

#include "support/platformfakes.h"
#include "widgets/calculatorwindow.h"
#include "widgets/helplinks.h"

#include <QApplication>
#include <QTest>

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

} // namespace wellbox::testing
