#pragma once

// A main window on the offscreen platform with every platform seam faked, for driving the
// real windows from the launcher the way a user does; and the place a row of a table names,
// reached so.

#include "app/aboutdialog.h"
#include "app/application.h"
#include "app/calculatorfactory.h"
#include "app/mainwindow.h"
#include "app/updatereminder.h"
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

// The current row's "where", reached: the steps taken from the main window ("frmMDI" for none),
// the About window shown ("frmAbout", and steps taken in it), or the program started while
// another instance runs or with the update reminder due ("start: ..."); `reached` is false where
// a step could not be taken.
struct Reached {
    Reached()
        : Reached(fetchedWhere()) {}

    explicit Reached(const QString& where) {
        if (where.startsWith("frmAbout"))
            about.show();
        if (where.startsWith("start")) {
            FakeInstanceGuard guard;
            guard.running = where.endsWith("another instance");
            app.settings.write(QCoreApplication::applicationName(), "Settings",
                               EncodeSetting("Duration"),
                               EncodeSetting(dateToSettingText(app.clock.date.addDays(-15))));
            started = startApplication(app.platform, guard, app.links, {});
        } else if (where != "frmMDI") {
            const QString steps = where.startsWith("frmAbout") ? where.section(" > ", 1) : where;
            reached = walk([this](const QString& name) { return find(name); }, steps).isEmpty();
        }
    }

    // A control by its name, or the window so named: in the About window while it is up, else
    // in the calculator window in front, else in the main window.
    QObject* find(const QString& name) const {
        return about.isVisible() ? findIn(&about, name) : app.find<QObject>(name);
    }

    // As seen() reads it; besides, "welcome panel": "shown" or "hidden"; "calculators shown" and
    // "calculators loaded": those windows' names; "menus": the window each entry of the menu bar
    // belongs to, and "menu names": the entries' own names.
    QString seen(const QString& what) const {
        QStringList names;
        if (what == "welcome panel")
            return app.window.welcomePanelVisible() ? "shown" : "hidden";
        if (what.startsWith("calculators "))
            for (const CalculatorDescriptor& c : kCalculators)
                if (const QWidget* w = app.window.loadedCalculator(c.kind);
                    w && (what.endsWith("loaded") || w->isVisible()))
                    names << w->objectName();
        if (what == "menus")
            for (const QAction* entry : app.window.menuBar()->actions())
                names << (entry->menu() ? entry->menu()->parent() : entry->parent())->objectName();
        if (what == "menu names")
            for (const QAction* entry : app.window.menuBar()->actions())
                names << entry->objectName();
        if (what.startsWith("calculators ") || what.startsWith("menu"))
            return names.join(' ');
        return testing::seen(what, front(), app,
                             [this](const QString& name) { return find(name); });
    }

    // The window in front: the About window, a calculator, or the main window.
    const QWidget* front() const {
        const QWidget* calculator = app.activeCalculator();
        return about.isVisible() ? &about : calculator ? calculator : &app.window;
    }

    static QString fetchedWhere() {
        QFETCH(QString, where);
        return where;
    }

    AppFixture app;
    AboutDialog about{app.links};
    std::unique_ptr<MainWindow> started;
    bool reached = true;
};

} // namespace wellbox::testing
