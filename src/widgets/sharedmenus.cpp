#include "widgets/sharedmenus.h"

#include "widgets/helplinks.h"

#include <QMenu>
#include <QMenuBar>

namespace wellbox {

QAction* addNamedAction(QMenu* menu, const char* caption, const char* objectName) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

QMenu* addFileMenu(QMenuBar* bar) {
    QMenu* menu = bar->addMenu(QStringLiteral("&File"));
    menu->setObjectName(QStringLiteral("mnuFile"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    return menu;
}

QMenu* addHelpMenu(QMenuBar* bar, HelpLinks& links, std::function<void()> showAbout,
                   const HelpMenuVariant& variant) {
    QMenu* menu = bar->addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("mnuHelp"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuHelp"));

    QObject::connect(addNamedAction(menu, "&Online Help", "mnuOnline"), &QAction::triggered, menu,
                     [&links] { links.OpenOnlineHelp(); });
    QObject::connect(addNamedAction(menu, "&Visit Us Online", "mnuVisit"), &QAction::triggered,
                     menu, [&links] { links.OpenHomePage(); });
    menu->addSeparator()->setObjectName(QString::fromLatin1(variant.firstSeparator));
    QObject::connect(addNamedAction(menu, variant.updateCaption, "mnuUpdate"), &QAction::triggered,
                     menu, [&links] { links.OpenDownloadPage(); });
    menu->addSeparator()->setObjectName(QString::fromLatin1(variant.secondSeparator));
    QObject::connect(addNamedAction(menu, "&About Software", "mnuAbout"), &QAction::triggered, menu,
                     [showAbout = std::move(showAbout)] { showAbout(); });
    return menu;
}

QAction* addMakeMoneyCommand(QMenuBar* bar, HelpLinks& links, const char* objectName) {
    QAction* action = bar->addAction(QStringLiteral("Make Money &Online"));
    action->setObjectName(QString::fromLatin1(objectName));
    action->setEnabled(false);
    QObject::connect(action, &QAction::triggered, bar, [&links] { links.OpenFullBrandPage(); });
    return action;
}

} // namespace wellbox
