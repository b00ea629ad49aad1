#include "windows/sharedmenus.h"

#include "windows/helplinks.h"

#include <QCoreApplication>
#include <QMenu>

namespace wellbox {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("wellbox::SharedMenus", text);
}

QMenu* makeMenu(QWidget* owner, const char* caption, const char* objectName) {
    auto* menu = new QMenu(translated(caption), owner);
    menu->setObjectName(QString::fromLatin1(objectName));
    menu->menuAction()->setObjectName(menu->objectName());
    return menu;
}

} // namespace

QAction* addNamedAction(QMenu* menu, const QString& caption, const char* objectName,
                        QAction* before) {
    auto* action = new QAction(caption, menu);
    action->setObjectName(QString::fromLatin1(objectName));
    menu->insertAction(before, action);
    return action;
}

WindowMenus makeWindowMenus(QWidget* owner, HelpLinks& links, const MenuVariant& variant) {
    WindowMenus menus{};
    menus.file = makeMenu(owner, QT_TRANSLATE_NOOP("wellbox::SharedMenus", "&File"), "mnuFile");
    menus.exit = addNamedAction(
        menus.file, translated(QT_TRANSLATE_NOOP("wellbox::SharedMenus", "E&xit")), "mnuExit");

    QMenu* help = menus.help =
        makeMenu(owner, QT_TRANSLATE_NOOP("wellbox::SharedMenus", "&Help"), "mnuHelp");
    QObject::connect(
        addNamedAction(help, translated(QT_TRANSLATE_NOOP("wellbox::SharedMenus", "&Online Help")),
                       "mnuOnline"),
        &QAction::triggered, help, [&links] { links.OpenOnlineHelp(); });
    QObject::connect(
        addNamedAction(help,
                       translated(QT_TRANSLATE_NOOP("wellbox::SharedMenus", "&Visit Us Online")),
                       "mnuVisit"),
        &QAction::triggered, help, [&links] { links.OpenHomePage(); });
    help->addSeparator()->setObjectName(QString::fromLatin1(variant.firstSeparator));
    QObject::connect(addNamedAction(help, translated(variant.updateCaption), "mnuUpdate"),
                     &QAction::triggered, help, [&links] { links.OpenDownloadPage(); });
    help->addSeparator()->setObjectName(QString::fromLatin1(variant.secondSeparator));
    menus.about = addNamedAction(
        help, translated(QT_TRANSLATE_NOOP("wellbox::SharedMenus", "&About Software")), "mnuAbout");

    menus.makeMoney = new QAction(
        translated(QT_TRANSLATE_NOOP("wellbox::SharedMenus", "Make Money &Online")), owner);
    menus.makeMoney->setObjectName(QString::fromLatin1(variant.makeMoneyName));
    menus.makeMoney->setEnabled(false);
    QObject::connect(menus.makeMoney, &QAction::triggered, owner,
                     [&links] { links.OpenFullBrandPage(); });
    return menus;
}

QList<QAction*> WindowMenus::barEntries() const {
    return {file->menuAction(), help->menuAction(), makeMoney};
}

} // namespace wellbox
