#include "widgets/linklabel.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

using wellbox::LinkLabel;

class TestLinkLabel : public QObject {
    Q_OBJECT

private slots:
    // A mouse gesture on the label, then a reader's press. A click is a press and a release of
    // the left button on the label; a reader meets a link, told its address and able to press
    // it, only when it has one.
    void clicks_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("clicks");
        const QString forum = "https://www.kestavo.example/forum/";
        QTest::newRow("left, released on it") << Qt::LeftButton << QPoint(4, 4) << QString() << 1;
        QTest::newRow("left, released off it") << Qt::LeftButton << QPoint(-1, 4) << QString() << 0;
        QTest::newRow("right, with address") << Qt::RightButton << QPoint(4, 4) << forum << 1;
    }

    void clicks() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, release);
        QFETCH(QString, address);
        LinkLabel label(QStringLiteral("Put your site's name &&  link here."));
        label.setAddress(address);
        label.setFont(QFont(QStringLiteral("Verdana"), 9, QFont::Bold));
        label.setUnderlined(true);
        QSignalSpy clicked(&label, &LinkLabel::clicked);
        QSignalSpy moved(&label, &LinkLabel::pointerMoved);
        // A pointer with no button held moves over shown windows only; offscreen ones show at once.
        label.show();
        QTest::mouseMove(&label, QPoint(6, 5));
        QTest::mouseMove(&label, QPoint(4, 4));
        QTest::mousePress(&label, button, {}, QPoint(4, 4));
        QTest::mouseRelease(&label, button, {}, release);
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(&label);
        node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTEST(int(clicked.count()), "clicks");
        QCOMPARE(moved.count(), 2); // told even with no button held
        QCOMPARE(node->role(), address.isEmpty() ? QAccessible::StaticText : QAccessible::Link);
        QCOMPARE(node->text(QAccessible::Description), address);
        // "&&" shows one ampersand; the underline keeps the rest of the font.
        QCOMPARE(label.text(), "Put your site's name &  link here.");
        QVERIFY(label.font().underline() && label.font().bold() &&
                label.font().family() == "Verdana");
    }
};

QTEST_MAIN(TestLinkLabel)
#include "tst_linklabel.moc"
