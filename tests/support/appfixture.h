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
        : window(platform, links,
                 [this](auto kind, auto& context) { return calculators.create(kind, context); }) {
        window.show();
        QApplication::setActiveWindow(&window);
        static_cast<void>(QTest::qWaitForWindowExposed(&window));
    }

    // Finds a control of the main window or of any window inside it by its object name.
    template <typename T = QWidget> T* find(const QString& name) const {
        return window.findChild<T*>(name);
    }

    // The same in a calculator window that must be loaded.
    template <typename T = QWidget> T* findIn(CalculatorKind kind, const QString& name) const {
        return window.loadedCalculator(kind)->findChild<T*>(name);
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
