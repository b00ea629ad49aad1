// A drop-down list as a screen reader meets it.

#include "widgets/accessibility.h"
#include "widgets/listaccessible.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QTest>

class TestListAccessible : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { wellbox::installAccessibility(); }

    // A closed list has one child, the entry in view, the first one too, selected; none with
    // none chosen.
    void theEntryInViewIsTheOnlyChild() {
        QComboBox list;
        list.addItems({"Yes", "No"});
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(&list);
        QCOMPARE(node->childCount(), 1);
        QCOMPARE(node->child(0)->text(QAccessible::Name), "Yes");
        // Named by its text alone, and chosen as any entry of a list is.
        QCOMPARE(node->child(0)->text(QAccessible::Description), "");
        QVERIFY(node->child(0)->state().selectable && node->child(0)->state().selected);
        list.setCurrentIndex(-1);
        QCOMPARE(node->childCount(), 0);
    }

    // A new question with fewer answers makes the entry a reader kept of a row now gone invalid,
    // rather than an answer without a name.
    void anEntryWhoseRowIsGoneIsInvalid() {
        QComboBox list;
        list.addItems({"1", "2", "3"});
        list.setCurrentIndex(2);
        QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(&list)->child(0);
        list.clear();
        list.addItems({"1", "2"});
        QVERIFY(!entry->isValid());
    }

    // A reader's Press or Show Menu opens a closed list and closes an open one.
    void actionsOpenAndClose_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("press") << QAccessibleActionInterface::pressAction();
        QTest::newRow("show menu") << QAccessibleActionInterface::showMenuAction();
    }
    void actionsOpenAndClose() {
        QFETCH(QString, action);
        QComboBox list;
        list.addItems({"Yes", "No"});
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(&list);
        QVERIFY(node->actionInterface()->actionNames().contains(action));
        node->actionInterface()->doAction(action);
        QTRY_VERIFY(list.view()->isVisible());
        node->actionInterface()->doAction(action);
        QTRY_VERIFY(!list.view()->isVisible());
    }

    // A reader reads the value as text: whole, as it asks to the end (-1), or in part.
    void valueReadAsText() {
        QComboBox list;
        list.addItems({"140", "160"});
        list.setCurrentIndex(1);
        QAccessibleTextInterface* value =
            QAccessible::queryAccessibleInterface(&list)->textInterface();
        QCOMPARE(value->text(0, -1), "160");
        QCOMPARE(value->text(1, 99), "60");
        QCOMPARE(value->characterCount(), 3);
    }

    // However often a reader asks for a list, it is told of each new entry once.
    void toldOnceHoweverOftenAsked() {
        QComboBox list;
        QAccessible::queryAccessibleInterface(&list);
        const qsizetype children = list.children().size();
        const wellbox::ListAccessible again(&list);
        QCOMPARE(list.children().size(), children);
    }
};

QTEST_MAIN(TestListAccessible)
#include "tst_listaccessible.moc"
