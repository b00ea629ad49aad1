#include "widgets/linklabel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>

using wellbox::LinkLabel;

class TestLinkLabel : public QObject {
    Q_OBJECT

private slots:
    void clickIsPressAndReleaseOnTheLabel_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left, released where pressed") << Qt::LeftButton << QPoint(4, 4) << 1;
        QTest::newRow("left, released left of the label") << Qt::LeftButton << QPoint(-1, 4) << 0;
        QTest::newRow("left, released below the label") << Qt::LeftButton << QPoint(4, 60) << 0;
        QTest::newRow("right button") << Qt::RightButton << QPoint(4, 4) << 0;
    }

    // A click is a press and a release of the left button on the label; every move is told.
    void clickIsPressAndReleaseOnTheLabel() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, release);
        QFETCH(int, clicks);
        LinkLabel label(QStringLiteral("Click here for more details."));
        label.resize(200, 20);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QSignalSpy clicked(&label, &LinkLabel::clicked);
        QSignalSpy moved(&label, &LinkLabel::pointerMoved);
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(4, 4)); // no press before it
        QTest::mouseMove(&label, QPoint(6, 5));
        QTest::mouseMove(&label, QPoint(4, 4));
        QTest::mousePress(&label, button, {}, QPoint(4, 4));
        QTest::mouseRelease(&label, button, {}, release);
        QCOMPARE(clicked.count(), clicks);
        QCOMPARE(moved.count(), 2);
    }

    void captionShowsAccessKeyMarksAsALabelDoes_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("doubled ampersand as one") << "Put your site's name &&  link here."
                                                  << "Put your site's name &  link here.";
        QTest::newRow("single ampersand marks a key") << "&Exit"
                                                      << "Exit";
        QTest::newRow("plain") << "Click here for more details."
                               << "Click here for more details.";
    }

    void captionShowsAccessKeyMarksAsALabelDoes() {
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        LinkLabel label(caption);
        QCOMPARE(label.text(), shown);
        label.setCaption(QStringLiteral("x"));
        label.setCaption(caption);
        QCOMPARE(label.text(), shown);
    }

    void underlineKeepsTheRestOfTheFont() {
        LinkLabel label(QStringLiteral("Diabetes Risk Calculator"));
        label.setFont(QFont(QStringLiteral("Verdana"), 9, QFont::Bold));
        for (const bool underlined : {true, true, false}) {
            label.setUnderlined(underlined);
            QVERIFY(label.isUnderlined() == underlined && label.font().bold());
        }
    }

    // A reader meets a link, told its address and able to press it, only when it has one.
    void readsAsALinkWithAnAddress_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("role");
        QTest::newRow("with address")
            << "https://www.kestavo.example/forum/" << int(QAccessible::Link);
        QTest::newRow("without") << "" << int(QAccessible::StaticText);
    }

    void readsAsALinkWithAnAddress() {
        QFETCH(QString, address);
        QFETCH(int, role);
        LinkLabel label(QStringLiteral("Join the forum"));
        label.setAddress(address);
        QSignalSpy clicked(&label, &LinkLabel::clicked);
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(&label);
        QCOMPARE(int(node->role()), role);
        QCOMPARE(node->text(QAccessible::Description), address);
        node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicked.count(), address.isEmpty() ? 0 : 1);
    }
};

QTEST_MAIN(TestLinkLabel)
#include "tst_linklabel.moc"
