#include "support/datarows.h"
#include "support/nowindowleft.h"
#include "widgets/numberbox.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

using wellbox::NumberBox;

class TestNumberBox : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { wellbox::testing::checkNoWindowLeft(); }

    void onlyWholeDigitsGetIn_data() { wellbox::testing::addRowsFrom("numberbox.tsv"); }

    // Whatever is refused is refused whole, reported once, and leaves the box as it was.
    void onlyWholeDigitsGetIn() {
        QFETCH(QString, input);
        QFETCH(QString, text);
        const QString filling(32767, '7');
        input.replace("{filling}", filling);
        const QString action = input.section(' ', 0, 0), typed = input.section(' ', 1);
        NumberBox box;
        QTest::keyClicks(&box, QStringLiteral("45"));
        QSignalSpy refusals(&box, &NumberBox::refused);
        QApplication::clipboard()->setText(typed);
        QMimeData data;
        data.setText(typed);
        QDragEnterEvent enter(box.rect().center(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QDropEvent drop(QPointF(box.rect().center()), Qt::CopyAction, &data, Qt::LeftButton, {});
        box.selectAll();
        if (action == "bare") // as some keyboards send it
            QTest::sendKeyEvent(QTest::Press, &box, QKeySequence(typed)[0].key(), QString(), {});
        else if (action != "drop")
            QTest::keySequence(&box, QKeySequence(action));
        else if (QApplication::sendEvent(&box, &enter)) // a drop follows a drag let in
            QApplication::sendEvent(&box, &drop);
        QApplication::processEvents();
        QCOMPARE(box.text(), text.replace("{filling}", filling));
        QTEST(int(box.value()), "value");
        QTEST(int(refusals.count()), "refusals");
    }

    // A refused key is answered by the box; an access key goes on to the window, for its
    // buttons.
    void keysReachingTheWindow_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("reaching");
        QTest::newRow("refused letter") << "A" << 0;
        QTest::newRow("refused Enter") << "Return" << 0;
        QTest::newRow("access key") << "Alt+Q" << 1;
    }
    void keysReachingTheWindow() {
        QFETCH(QString, keys);
        QWidget window;
        auto* box = new NumberBox(&window);
        KeyCounter counter;
        window.installEventFilter(&counter);
        QTest::keySequence(box, QKeySequence(keys));
        QTEST(counter.presses, "reaching");
    }

    // The value a program set reads up to the first character that is not a digit.
    void valueOfSetText() {
        NumberBox box;
        box.setText(QStringLiteral("12a3"));
        QCOMPARE(int(box.value()), 12);
    }

private:
    struct KeyCounter : QObject {
        int presses = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            // The modifier's own press goes by, as every modifier does.
            presses += event->type() == QEvent::KeyPress &&
                       static_cast<QKeyEvent*>(event)->key() != Qt::Key_Alt;
            return false;
        }
    };
};

QTEST_MAIN(TestNumberBox)
#include "tst_numberbox.moc"
