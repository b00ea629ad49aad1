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
#include <QTest>

namespace wellbox::testing {

// The platform seams, all faked, and the link routines over them.
struct FakePlatform {
    FakeMessageBox messageBox;
    FakeWebPageOpener webPageOpener;
    FakeSettingsStore settings;
    FakeClock clock;
    Platform platform{messageBox, webPageOpener, settings, clock};
    HelpLinks links{webPageOpener};
};

class AppFixture : public FakePlatform {
public:
    // With the real calculator windows unless a test hands its own factory.
    explicit AppFixture(CalculatorFactory factory = {})
        : window(
              platform, links,
              factory ? std::move(factory)
                      : [this](CalculatorKind kind, const WindowContext& context) {
                            return calculators.create(kind, context);
                        }) {
        window.show();
        QApplication::setActiveWindow(&window);
        static_cast<void>(QTest::qWaitForWindowExposed(&window));
    }

    // Finds a control of the main window or of any window inside it by its object name.
    template <typename T = QWidget> T* find(const QString& name) const {
        return window.findChild<T*>(name);
    }

    template <typename T = QWidget> T* findIn(CalculatorKind kind, const QString& name) const {
        CalculatorWindow* calculator = window.loadedCalculator(kind);
        return calculator ? calculator->findChild<T*>(name) : nullptr;
    }

    // Clicks launcher button `index` (0..3) and returns the window it opened.
    CalculatorWindow* launch(int index) {
        auto* button = find<QAbstractButton>(QStringLiteral("cmdSelectOption_%1").arg(index));
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
        return activeCalculator();
    }

    CalculatorWindow* activeCalculator() const {
        QMdiSubWindow* holder = window.clientArea()->activeSubWindow();
        return holder ? qobject_cast<CalculatorWindow*>(holder->widget()) : nullptr;
    }

    // Calculator windows shown at the moment (a hidden calorie input window does not count).
    int visibleCalculatorCount() const {
        int count = 0;
        for (QMdiSubWindow* holder : window.clientArea()->subWindowList())
            if (holder->isVisible())
                ++count;
        return count;
    }

    CalculatorWindows calculators;
    MainWindow window;
};

} // namespace wellbox::testing
