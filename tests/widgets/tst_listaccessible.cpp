// A drop-down list as a screen reader meets it.

#include "widgets/accessibility.h"
#include "widgets/listaccessible.h"

#include <QAccessible>
#include <QComboBox>
#include <QTest>

class TestListAccessible : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { wellbox::installAccessibility(); }

    // A closed list has one child, the entry in view, the first one too; none with none chosen.
    void theEntryInViewIsTheOnlyChild() {
        QComboBox list;
        list.addItems({"Yes", "No"});
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(&list);
        QCOMPARE(node->childCount(), 1);
        QCOMPARE(node->child(0)->text(QAccessible::Name), "Yes");
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
