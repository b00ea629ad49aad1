// A notice beside the buttons, as a screen reader meets it: a notification named by what it says.

#include "widgets/noticelabel.h"

#include <QAccessible>
#include <QTest>

using wellbox::NoticeLabel;

class TestNoticeLabel : public QObject {
    Q_OBJECT

private slots:
    // What is told is shown and heard; what is told the reader alone is heard and not shown;
    // either way nothing is left of a notice told the other way before.
    void heardAsTold_data() {
        QTest::addColumn<bool>("readerAlone");
        QTest::addColumn<QString>("shown");
        QTest::newRow("told") << false << "Copied";
        QTest::newRow("told the reader alone") << true << "";
    }
    void heardAsTold() {
        QFETCH(bool, readerAlone);
        NoticeLabel notice;
        const auto tell = [&](bool reader, const QString& text) {
            reader ? notice.tellReader(text) : notice.tell(text);
        };
        tell(!readerAlone, QStringLiteral("Saved as kept.pdf"));
        tell(readerAlone, QStringLiteral("Copied"));
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(&notice);
        QCOMPARE(node->role(), QAccessible::Notification);
        QCOMPARE(node->text(QAccessible::Name), QStringLiteral("Copied"));
        QTEST(notice.text(), "shown");
        // Its other texts are a label's: it is not described by what it says as well.
        QCOMPARE(node->text(QAccessible::Description), QString());
    }

    // Cleared, it is out of view and says nothing.
    void clearedSaysNothing() {
        NoticeLabel notice;
        notice.tell(QStringLiteral("Saved"));
        notice.clear();
        QVERIFY(notice.isHidden());
        QCOMPARE(QAccessible::queryAccessibleInterface(&notice)->text(QAccessible::Name),
                 QString());
    }
};

QTEST_MAIN(TestNoticeLabel)
#include "tst_noticelabel.moc"
