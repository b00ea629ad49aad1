#pragma once

#include <QList>
#include <QtGlobal>

class QAction;
class QMenu;
class QWidget;

namespace wellbox {

class HelpLinks;

// The object names and the one caption in which the menus of the windows differ.
struct MenuVariant {
    const char* firstSeparator;
    const char* secondSeparator;
    const char* updateCaption;
    const char* makeMoneyName;
};

inline constexpr char kUpdateCaption[] =
    QT_TRANSLATE_NOOP("wellbox::SharedMenus", "Check for Software &Update");
inline constexpr MenuVariant kMainWindowMenus{"mnuSep1", "mnuSep2", kUpdateCaption, "mkmoney"};
inline constexpr MenuVariant kRiskQuizMenus{"mnuSep1", "mnuSep2", kUpdateCaption, "mnuMakeMoney"};
inline constexpr MenuVariant kCalorieInputMenus{"mnuHelp1", "mnuHelp2", kUpdateCaption,
                                                "mnuMakeMoneyOnline"};
inline constexpr MenuVariant kCalorieResultMenus{
    "mnuFileSep1", "mnuFileSep2",
    QT_TRANSLATE_NOOP("wellbox::SharedMenus", "&Check for Software Update"), "mnuMakeMoneyOnline"};

// A window's menus, owned by the window whose commands they run: File (ending in E&xit), Help
// (ending in About) and "Make Money Online" greyed out on the bar itself. The window connects
// Exit and About; the rest open pages. The main window's one menu bar shows those of the window
// the user works in.
struct WindowMenus {
    QMenu* file;
    QAction* exit;
    QMenu* help;
    QAction* about;
    QAction* makeMoney;

    // What the menu bar holds, left to right.
    QList<QAction*> barEntries() const;
};

WindowMenus makeWindowMenus(QWidget* owner, HelpLinks& links, const MenuVariant& variant);

// Adds a command with a caption and an object name to a menu, above `before` if given.
QAction* addNamedAction(QMenu* menu, const QString& caption, const char* objectName,
                        QAction* before = nullptr);

} // namespace wellbox
