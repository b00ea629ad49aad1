#pragma once

#include <QtGlobal>

#include <functional>

class QAction;
class QKeySequence;
class QMenu;
class QMenuBar;
class QString;

namespace wellbox {

class HelpLinks;

// The object names and the one caption in which the Help menus of the windows differ.
struct HelpMenuVariant {
    const char* firstSeparator;
    const char* secondSeparator;
    const char* updateCaption;
};

inline constexpr HelpMenuVariant kStandardHelpMenu{
    "mnuSep1", "mnuSep2", QT_TRANSLATE_NOOP("wellbox::SharedMenus", "Check for Software &Update")};
inline constexpr HelpMenuVariant kCalorieInputHelpMenu{
    "mnuHelp1", "mnuHelp2",
    QT_TRANSLATE_NOOP("wellbox::SharedMenus", "Check for Software &Update")};
inline constexpr HelpMenuVariant kCalorieResultHelpMenu{
    "mnuFileSep1", "mnuFileSep2",
    QT_TRANSLATE_NOOP("wellbox::SharedMenus", "&Check for Software Update")};

// Adds an action with a caption and an object name to a menu.
QAction* addNamedAction(QMenu* menu, const QString& caption, const char* objectName);

QMenu* addFileMenu(QMenuBar* bar);
QMenu* addHelpMenu(QMenuBar* bar, HelpLinks& links, std::function<void()> showAbout,
                   const HelpMenuVariant& variant = kStandardHelpMenu);
// "Make Money Online" sits on the bar itself and is shown greyed out.
QAction* addMakeMoneyCommand(QMenuBar* bar, HelpLinks& links, const char* objectName);

// Opens the menu of the bar whose access key is `key`, as the key itself would; false when the
// bar has none.
bool openMenuByAccessKey(QMenuBar* bar, const QKeySequence& key);

} // namespace wellbox
