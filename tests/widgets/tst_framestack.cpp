#include "widgets/framestack.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using wellbox::FrameStack;

namespace {

// A frame with a text box, a list and a button; both frames share the button's access key,
// Alt+G, and the box's caption's, Alt+N.
struct Member {
    explicit Member(FrameStack& stack)
        : frame(new QWidget(&stack)) {
        frame->setAutoFillBackground(true);
        list->addItems({"a", "b", "c"});
        caption->setBuddy(box);
        auto* column = new QVBoxLayout(frame);
        column->addWidget(caption);
        column->addWidget(box);
        column->addWidget(list);
        column->addWidget(button);
        stack.addMember(frame);
    }
    QSet<QWidget*> controls() const { return {box, list, button}; }
    QString values() const { return box->text() + '|' + list->currentText(); }

    QWidget* frame;
    QLineEdit* box = new QLineEdit(frame);
    QComboBox* list = new QComboBox(frame);
    QPushButton* button = new QPushButton(QStringLiteral("&Go"), frame);
    QLabel* caption = new QLabel(QStringLiteral("&Name"), frame);
};

// Two members in a shown window; the first one added lies in front.
struct Window {
    Window() {
        (new QVBoxLayout(&top))->addWidget(&stack);
        top.show();
        QApplication::setActiveWindow(&top);
        static_cast<void>(QTest::qWaitForWindowActive(&top));
    }
    QWidget top;
    FrameStack stack{&top};
    Member front{stack};
    Member back{stack};
};

} // namespace

class TestFrameStack : public QObject {
    Q_OBJECT

private slots:
    // Tab, Shift+Tab, the pointer (through the window, onto where both buttons lie) and the
    // access key reach only the member in front, whichever it is.
    void onlyTheMemberInFrontIsReached() {
        Window w;
        for (Member* inFront : {&w.front, &w.back, &w.front}) {
            w.stack.raiseMember(inFront->frame);
            inFront->box->setFocus();
            QSet<QWidget*> visited;
            for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab,
                                      Qt::Key_Backtab, Qt::Key_Backtab, Qt::Key_Backtab}) {
                QTest::keyClick(QApplication::focusWidget(), key,
                                key == Qt::Key_Tab ? Qt::NoModifier : Qt::ShiftModifier);
                visited << QApplication::focusWidget();
            }
            QCOMPARE(visited, inFront->controls());
            QSignalSpy frontClicks(w.front.button, &QPushButton::clicked);
            QSignalSpy backClicks(w.back.button, &QPushButton::clicked);
            QTest::mouseClick(w.top.windowHandle(), Qt::LeftButton, {},
                              w.back.button->mapTo(&w.top, w.back.button->rect().center()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
            QTRY_COMPARE(frontClicks.count() + backClicks.count(), 2);
            QCOMPARE((inFront == &w.front ? frontClicks : backClicks).count(), 2);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), inFront->box);
        }
    }

    // Raising leaves the focus where it was; a covered text box or list takes no key, while a
    // covered button that kept the focus still answers Space and Enter, and Tab leads out.
    void coveredControlsTakeNoKeyButAKeptButtonAnswers() {
        Window w;
        QSignalSpy clicks(w.front.button, &QPushButton::clicked);
        w.front.button->setAutoDefault(true);
        for (QWidget* control : w.front.controls()) {
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
