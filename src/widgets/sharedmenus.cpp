#include "widgets/sharedmenus.h"

#include "widgets/helplinks.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace wellbox {

QAction* addNamedAction(QMenu* menu, const QString& caption, const char* objectName) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

QMenu* addFileMenu(QMenuBar* bar) {
    QMenu* menu = bar->addMenu(QCoreApplication::translate("wellbox::SharedMenus", "&File"));
    menu->setObjectName(QStringLiteral("mnuFile"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    return menu;
}

QMenu* addHelpMenu(QMenuBar* bar, HelpLinks& links, std::function<void()> showAbout,
                   const HelpMenuVariant& variant) {
    QMenu* menu = bar->addMenu(QCoreApplication::translate("wellbox::SharedMenus", "&Help"));
    menu->setObjectName(QStringLiteral("mnuHelp"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuHelp"));

    QAction* online = addNamedAction(
        menu, QCoreApplication::translate("wellbox::SharedMenus", "&Online Help"), "mnuOnline");
    QObject::connect(online, &QAction::triggered, menu, [&links] { links.OpenOnlineHelp(); });
    QAction* visit = addNamedAction(
        menu, QCoreApplication::translate("wellbox::SharedMenus", "&Visit Us Online"), "mnuVisit");
    QObject::connect(visit, &QAction::triggered, menu, [&links] { links.OpenHomePage(); });
    menu->addSeparator()->setObjectName(QString::fromLatin1(variant.firstSeparator));
    QAction* update = addNamedAction(
        menu, QCoreApplication::translate("wellbox::SharedMenus", variant.updateCaption),
        "mnuUpdate");
    QObject::connect(update, &QAction::triggered, menu, [&links] { links.OpenDownloadPage(); });
    menu->addSeparator()->setObjectName(QString::fromLatin1(variant.secondSeparator));
    QAction* about = addNamedAction(
        menu, QCoreApplication::translate("wellbox::SharedMenus", "&About Software"), "mnuAbout");
    QObject::connect(about, &QAction::triggered, menu,
                     [showAbout = std::move(showAbout)] { showAbout(); });
    return menu;
}

QAction* addMakeMoneyCommand(QMenuBar* bar, HelpLinks& links, const char* objectName) {
    QAction* action =
        bar->addAction(QCoreApplication::translate("wellbox::SharedMenus", "Make Money &Online"));
    action->setObjectName(QString::fromLatin1(objectName));
    action->setEnabled(false);
    QObject::connect(action, &QAction::triggered, bar, [&links] { links.OpenFullBrandPage(); });
    return action;
}

bool openMenuByAccessKey(QMenuBar* bar, const QKeySequence& key) {
    for (QAction* action : bar->actions())
        if (action->menu() && action->isEnabled() &&
            QKeySequence::mnemonic(action->text()) == key) {
            bar->setActiveAction(action);
            return true;
        }
    return false;
}

} // namespace wellbox
