#pragma once

// A main window on the offscreen platform with every platform seam faked, for driving the
// real windows from the launcher the way a user does.

#include "app/calculatorfactory.h"
#include "app/mainwindow.h"
#include "support/platformfakes.h"
#include "widgets/calculatorwindow.h"
#include "widgets/helplinks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <algorithm>

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

// The platform seams, all faked, and the link routines over them.
struct FakePlatform {
    FakeMessageBox messageBox;
    FakeWebPageOpener webPageOpener;
    FakeSettingsStore settings;
    FakeClock clock;
    FakeSaveDialog saveDialog;
    FakePrintDialog printDialog;
    Platform platform{messageBox, webPageOpener, settings, clock, saveDialog, printDialog};
    HelpLinks links{webPageOpener};
};

class AppFixture : public FakePlatform {
public:
    AppFixture()
        : window(platform, links, [this](auto kind, auto& context, auto& shell) {
            return calculators.create(kind, context, shell);
        }) {
        window.show();
        QApplication::setActiveWindow(&window);
        static_cast<void>(QTest::qWaitForWindowExposed(&window));
    }

    // Finds a control by its object name, or the window so named: in the calculator window in
    // front, else in the main window.
    template <typename T = QWidget> T* find(const QString& name) const {
        for (QObject* top : {static_cast<QObject*>(activeCalculator()),
                             static_cast<QObject*>(const_cast<MainWindow*>(&window))})
            if (T* found = !top                        ? nullptr
                           : top->objectName() == name ? qobject_cast<T*>(top)
                                                       : top->findChild<T*>(name))
                return found;
        return nullptr;
    }

    // Clicks launcher button `index` (0..3) and returns the window it opened.
    CalculatorWindow* launch(int index) {
        QTest::mouseClick(find(QStringLiteral("cmdSelectOption_%1").arg(index)), Qt::LeftButton);
        QApplication::processEvents();
        return activeCalculator();
    }

    CalculatorWindow* activeCalculator() const {
        QMdiSubWindow* holder = window.clientArea()->activeSubWindow();
        return holder ? qobject_cast<CalculatorWindow*>(holder->widget()) : nullptr;
    }

    // The menu bars shown; one is expected, holding the menus of the window in front.
    QList<QMenuBar*> menuBarsShown() const {
        QList<QMenuBar*> bars = window.findChildren<QMenuBar*>();
        bars.removeIf([](const QMenuBar* bar) { return !bar->isVisible(); });
        return bars;
    }

    // File, Help and Make Money Online, found by their names among the children of the window
    // in front.
    QList<QAction*> menusInFront() const {
        const QWidget* owner = activeCalculator();
        owner = owner ? owner : &window;
        const auto own = Qt::FindDirectChildrenOnly;
        return {owner->findChild<QMenu*>("mnuFile", own)->menuAction(),
                owner->findChild<QMenu*>("mnuHelp", own)->menuAction(),
                owner->findChildren<QAction*>(QRegularExpression("^(mkmoney|mnuMakeMoney)"), own)
                    .value(0)};
    }

    // Calculator windows shown at the moment (a hidden calorie input window does not count).
    int visibleCalculatorCount() const {
        const QList<QMdiSubWindow*> holders = window.clientArea()->subWindowList();
        return int(std::count_if(holders.begin(), holders.end(), std::mem_fn(&QWidget::isVisible)));
    }

    CalculatorWindows calculators;
    MainWindow window;
};

} // namespace wellbox::testing
