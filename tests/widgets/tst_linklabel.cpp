#include "support/datarows.h"
#include "support/nowindowleft.h"
#include "widgets/accessibility.h"
#include "widgets/linklabel.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

using wellbox::LinkLabel;

class TestLinkLabel : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { wellbox::testing::checkNoWindowLeft(); }

    // A mouse gesture on the label, then a reader's press. A click is a press and a release of
    // the left button on the label; a reader meets a link, told its address and able to press
    // it, only when it has one. From linkclicks.tsv.
    void clicks_data() { wellbox::testing::addRowsFrom("linkclicks.tsv"); }

    void clicks() {
        QFETCH(QString, button);
        QFETCH(int, releaseX);
        QFETCH(QString, address);
        const Qt::MouseButton pressed = button == "left" ? Qt::LeftButton : Qt::RightButton;
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
        QTest::mousePress(&label, pressed, {}, QPoint(4, 4));
        QTest::mouseRelease(&label, pressed, {}, QPoint(releaseX, 4));
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(&label);
        node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTEST(int(clicked.count()), "clicks");
        QCOMPARE(moved.count(), 2); // told even with no button held
        QCOMPARE(node->role(), address.isEmpty() ? QAccessible::StaticText : QAccessible::Link);
        QCOMPARE(node->actionInterface()->actionNames().contains(
                     QAccessibleActionInterface::pressAction()),
                 !address.isEmpty());
        QCOMPARE(node->text(QAccessible::Description), address);
        // "&&" shows one ampersand; the underline keeps the rest of the font.
        QCOMPARE(label.text(), "Put your site's name &  link here.");
        QCOMPARE(label.font().underline(), true);
        QCOMPARE(label.font().bold(), true);
        QCOMPARE(label.font().family(), "Verdana");
    }

    // A link a reader may reach takes Tab and is pressed by Enter or Space with a reader
    // listening; without one it takes no focus and no key. Other keys go on to its window:
    // Escape closes a dialog from the link too.
    void reachedByReader_data() {
        QTest::addColumn<bool>("reader");
        QTest::newRow("no reader") << false;
        QTest::newRow("reader") << true;
    }
    void reachedByReader() {
        QFETCH(bool, reader);
        wellbox::installAccessibility();
        QAccessible::setActive(reader);
        const auto quiet = qScopeGuard([] { QAccessible::setActive(false); });
        QDialog window;
        auto* before = new QLineEdit(&window);
        auto* link = new wellbox::LinkLabel("Visit us", &window);
        link->reachableByReader();
        QSignalSpy clicked(link, &wellbox::LinkLabel::clicked);
        window.show();
        QApplication::setActiveWindow(&window);
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(link->hasFocus(), reader);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(clicked.size(), reader ? 2 : 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(window.isVisible(), false);
    }
};

QTEST_MAIN(TestLinkLabel)
#include "tst_linklabel.moc"
