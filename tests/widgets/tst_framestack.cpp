#include "widgets/framestack.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using wellbox::FrameStack;

namespace {

// A frame with a text box, a list and a button whose access key is Alt+G in both frames.
struct Member {
    explicit Member(FrameStack& stack, const QString& name) {
        frame = new QWidget(&stack);
        frame->setObjectName(name);
        frame->setAutoFillBackground(true);
        box = new QLineEdit(frame);
        list = new QComboBox(frame);
        list->addItems({"a", "b", "c"});
        button = new QPushButton(QStringLiteral("&Go %1").arg(name), frame);
        auto* column = new QVBoxLayout(frame);
        column->addWidget(box);
        column->addWidget(list);
        column->addWidget(button);
    }
    QString values() const { return box->text() + '|' + list->currentText(); }

    QWidget* frame;
    QLineEdit* box;
    QComboBox* list;
    QPushButton* button;
};

// Two members, `front` then `back`, with `front` in front, in a shown window.
struct Window {
    Window() {
        auto* column = new QVBoxLayout(&top);
        column->addWidget(&stack);
        stack.addMember(front.frame);
        stack.addMember(back.frame);
        top.show();
        QApplication::setActiveWindow(&top);
        static_cast<void>(QTest::qWaitForWindowActive(&top));
    }
    QWidget top;
    FrameStack stack{&top};
    Member front{stack, QStringLiteral("front")};
    Member back{stack, QStringLiteral("back")};
};

} // namespace

class TestFrameStack : public QObject {
    Q_OBJECT

private slots:
    void tabVisitsOnlyTheMemberInFront() {
        Window w;
        for (int round = 0; round < 2; ++round) {
            w.front.box->setFocus();
            QSet<QWidget*> visited;
            for (int i = 0; i < 6; ++i) {
                QTest::keyClick(QApplication::focusWidget(), round ? Qt::Key_Backtab : Qt::Key_Tab,
                                round ? Qt::ShiftModifier : Qt::NoModifier);
                visited << QApplication::focusWidget();
            }
            QCOMPARE(visited, (QSet<QWidget*>{w.front.box, w.front.list, w.front.button}));
            w.stack.raiseMember(w.back.frame);
            std::swap(w.front, w.back);
        }
    }

    void pointerReachesOnlyTheMemberInFront() {
        Window w;
        QSignalSpy frontClicks(w.front.button, &QPushButton::clicked);
        QSignalSpy backClicks(w.back.button, &QPushButton::clicked);
        // Through the window, as the pointer goes, onto where both buttons lie.
        const QPoint onButtons = w.back.button->mapTo(&w.top, w.back.button->rect().center());
        QTest::mouseClick(w.top.windowHandle(), Qt::LeftButton, {}, onButtons);
        w.stack.raiseMember(w.back.frame);
        QTest::mouseClick(w.top.windowHandle(), Qt::LeftButton, {}, onButtons);
        QCOMPARE(frontClicks.count(), 1);
        QCOMPARE(backClicks.count(), 1);
    }

    void accessKeyReachesOnlyTheMemberInFront() {
        Window w;
        QSignalSpy frontClicks(w.front.button, &QPushButton::clicked);
        QSignalSpy backClicks(w.back.button, &QPushButton::clicked);
        w.front.box->setFocus();
        QTest::keyClick(w.front.box, Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE(frontClicks.count(), 1);
        w.stack.raiseMember(w.back.frame);
        QTest::keyClick(w.front.box, Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE(backClicks.count(), 1);
        QCOMPARE(frontClicks.count(), 1);
    }

    // Raising leaves the focus where it was; a covered text box or list takes no key, while a
    // covered button that kept the focus still answers Space and Enter, and Tab leads out.
    void coveredControlsTakeNoKeyButAKeptButtonAnswers() {
        Window w;
        QSignalSpy clicks(w.front.button, &QPushButton::clicked);
        w.front.button->setAutoDefault(true);
        for (QWidget* control :
             {static_cast<QWidget*>(w.front.box), static_cast<QWidget*>(w.front.list),
              static_cast<QWidget*>(w.front.button)}) {
            w.stack.raiseMember(w.front.frame);
            control->setFocus();
            w.stack.raiseMember(w.back.frame);
            QCOMPARE(QApplication::focusWidget(), control);
            const QString before = w.front.values();
            for (const Qt::Key key : {Qt::Key_7, Qt::Key_B, Qt::Key_Down, Qt::Key_End})
                QTest::keyClick(control, key);
            QCOMPARE(w.front.values(), before);
            QTest::keyClick(control, Qt::Key_Tab);
            QVERIFY(w.back.frame->isAncestorOf(QApplication::focusWidget()));
        }
        w.front.button->setFocus();
        QTest::keyClick(w.front.button, Qt::Key_Space);
        QTest::keyClick(w.front.button, Qt::Key_Return);
        QCOMPARE(clicks.count(), 2);
    }

    // A stack inside a covered member stays out of reach whichever of its own members is in front.
    void nestedStackFollowsTheOuterOne() {
        Window w;
        auto* inner = new FrameStack(w.back.frame);
        auto* edit = new QLineEdit(inner);
        inner->addMember(edit);
        inner->raiseMember(edit);
        QVERIFY(FrameStack::isCovered(edit));
        QCOMPARE(edit->focusPolicy(), Qt::NoFocus);
        w.stack.raiseMember(w.back.frame);
        QVERIFY(!FrameStack::isCovered(edit));
        QCOMPARE(edit->focusPolicy(), Qt::StrongFocus);
        QVERIFY(FrameStack::isCovered(w.front.box));
    }
};

QTEST_MAIN(TestFrameStack)
#include "tst_framestack.moc"
