#pragma once

// A main window on the offscreen platform with every platform seam faked, for driving the
// real windows from the launcher the way a user does.

#include "app/calculatorfactory.h"
#include "app/mainwindow.h"
#include "support/userpath.h"

#include <QAbstractButton>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace wellbox::testing {

class AppFixture : public FakeContext {
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
        const QObject* front = activeCalculator();
        QObject* found = front ? findIn(front, name) : nullptr;
        return qobject_cast<T*>(found ? found : findIn(&window, name));
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

// The named control, or the window so named, in `about` when it is up, else as the fixture
// finds it.
inline QObject* findControl(const AppFixture& app, const QString& name,
                            const QWidget* about = nullptr) {
    return about && about->isVisible() ? findIn(about, name) : app.find<QObject>(name);
}

// A path from the main window, or in `about` while it is up.
inline QString walk(const AppFixture& app, const QString& path, const QWidget* about = nullptr) {
    return walk([&](const QString& name) { return findControl(app, name, about); }, path);
}

} // namespace wellbox::testing
