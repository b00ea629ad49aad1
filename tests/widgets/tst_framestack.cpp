#include "support/nowindowleft.h"
#include "widgets/framestack.h"

#include <QAccessible>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using wellbox::FrameStack;

// A frame holding, on one another, a stack of its own with a text box in front, a captioned text
// box and a button; both frames share the caption's access key, Alt+N, and the button's, Alt+G.
struct Member {
    explicit Member(FrameStack& stack) {
        inner->addMember(nested);
        caption->setBuddy(box);
        stack.addMember(frame);
    }
    QWidget* frame = new QWidget;
    FrameStack* inner = new FrameStack(frame);
    QLineEdit* nested = new QLineEdit(inner);
    QLabel* caption = new QLabel(QStringLiteral("&Name"), frame);
    QLineEdit* box = new QLineEdit(frame);
    QPushButton* button = new QPushButton(QStringLiteral("&Go"), frame);
    QSignalSpy clicks{button, &QPushButton::clicked};
};

// Two members in a shown window; the first one added lies in front.
struct Window {
    Window() {
        stack.resize(100, 30);
        top.show();
        static_cast<void>(QTest::qWaitForWindowActive(&top));
    }
    QWidget top;
    FrameStack stack{&top};
    Member front{stack};
    Member back{stack};
};

class TestFrameStack : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { wellbox::testing::checkNoWindowLeft(); }

    // Tab, the pointer (onto where both buttons lie), the access keys and a screen reader reach
    // only the member in front, whichever it is (first as added, then raised), with the stack
    // nested in it, and again the one brought back, raised once more; it is drawn over the other.
    void onlyTheMemberInFrontIsReached() {
        Window w;
        // Raised or not, with the clicks so far on the first member's button and the second's.
        const std::tuple<Member*, bool, int, int> rounds[] = {{&w.front, false, 2, 0},
                                                              {&w.back, true, 2, 2},
                                                              {&w.front, true, 4, 2},
                                                              {&w.front, true, 6, 2}};
        for (const auto& [inFront, raised, frontClicks, backClicks] : rounds) {
            if (raised)
                w.stack.raiseMember(inFront->frame);
            QCOMPARE(w.stack.children().constLast(), inFront->frame); // drawn last, over the other
            // The reader finds the member in front as the stack's one child, and not the other.
            QAccessibleInterface* stack = QAccessible::queryAccessibleInterface(&w.stack);
            QCOMPARE(stack->childCount(), 1);
            QCOMPARE(stack->child(0)->object(), inFront->frame);
            QCOMPARE(stack->indexOfChild(stack->child(0)), 0);
            QWidget* covered = (inFront == &w.front ? w.back : w.front).frame;
            QCOMPARE(stack->indexOfChild(QAccessible::queryAccessibleInterface(covered)), -1);
            // Past the button come the other member's controls, then this member's first.
            inFront->button->setFocus();
            QTest::keyClick(inFront->button, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), inFront->nested);
            // Stack, frames and buttons all start at the window's corner.
            QTest::mouseClick(w.top.windowHandle(), Qt::LeftButton, {}, QPoint(20, 10));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
            QTRY_COMPARE(w.front.clicks.count(), frontClicks);
            QTRY_COMPARE(w.back.clicks.count(), backClicks);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), inFront->box);
        }
    }

    // Raising leaves the focus where it was; a covered text box takes no key, while a covered
    // button that kept the focus still answers Space and Enter, and Tab leads out of either.
    void coveredControlsTakeNoKeyButAKeptButtonAnswers() {
        Window w;
        w.front.button->setAutoDefault(true);
        for (QWidget* control : QList<QWidget*>{w.front.box, w.front.button}) {
            w.stack.raiseMember(w.front.frame);
            control->setFocus();
            w.stack.raiseMember(w.back.frame);
            QCOMPARE(QApplication::focusWidget(), control);
            // Nor text an input method commits, as a keyboard of another script types it.
            QInputMethodEvent typed;
            typed.setCommitString(QStringLiteral("8"));
            QApplication::sendEvent(control, &typed);
            for (const Qt::Key key : {Qt::Key_7, Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab})
                QTest::keyClick(control, key);
            QVERIFY(w.back.frame->isAncestorOf(QApplication::focusWidget()));
        }
        QCOMPARE(w.front.box->text(), "");
        QCOMPARE(w.front.clicks.count(), 2); // Space and Enter on the kept button
    }

    // An arrow key checks a radio button whose choice covers it, as a unit choice raises its
    // entry frame: Qt hands the checked button the Tab focus back, yet Tab passes it by.
    void aRadioButtonCoveredByItsChoiceIsPassedBy() {
        Window w;
        auto* first = new QRadioButton(QStringLiteral("a"), w.front.frame);
        auto* second = new QRadioButton(QStringLiteral("b"), w.front.frame);
        second->move(50, 0);
        first->setChecked(true);
        first->show();
        second->show();
        connect(second, &QRadioButton::toggled, &w.stack,
                [&w] { w.stack.raiseMember(w.back.frame); });
        w.stack.raiseMember(w.front.frame);
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Right);
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QVERIFY(!FrameStack::isCovered(QApplication::focusWidget()));
        }
    }
};

QTEST_MAIN(TestFrameStack)
#include "tst_framestack.moc"
