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
    void onlyWholeDigitsGetIn_data() {
        QTest::addColumn<QKeyCombination>("key"); // Key_Paste pastes `text`, Key_unknown drops it
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("refused");
        const auto row = [](const char* tag, QKeyCombination key, const QString& expected,
                            int value, bool refused, const QString& text = {}) {
            QTest::newRow(tag) << key << text << expected << value << refused;
        };
        // The box holds "45" with the cursor at the end when the key comes.
        row("digit", Qt::Key_7, "457", 457, false);
        row("backspace", Qt::Key_Backspace, "4", 4, false);
        row("letter", Qt::Key_A, "45", 45, true);
        row("point", Qt::Key_Period, "45", 45, true);
        row("enter", Qt::Key_Return, "45", 45, true);
        row("escape", Qt::Key_Escape, "45", 45, true);
        row("ctrl+c", Qt::ControlModifier | Qt::Key_C, "45", 45, true);
        row("ctrl+v with digits copied", Qt::ControlModifier | Qt::Key_V, "45", 45, true, "99");
        row("alt+q, an access key, passes by", Qt::AltModifier | Qt::Key_Q, "45", 45, false);
        row("left arrow keeps its use", Qt::Key_Left, "45", 45, false);
        row("delete at the end does nothing", Qt::Key_Delete, "45", 45, false);
        row("shift alone", Qt::Key_Shift, "45", 45, false);
        // A paste (over the whole text) or a drop never passes the key filter.
        row("pasted letters", Qt::Key_Paste, "45", 45, true, "12a");
        row("pasted decimal", Qt::Key_Paste, "45", 45, true, "150.5");
        row("pasted 240,000 letters", Qt::Key_Paste, "45", 45, true, QString(240000, 'x'));
        row("pasted 100,000 digits", Qt::Key_Paste, "45", 45, true, QString(100000, '7'));
        row("pasted digits one beyond the box", Qt::Key_Paste, "45", 45, true, QString(32768, '7'));
        row("pasted digits filling the box", Qt::Key_Paste, QString(32767, '7'), 32767, false,
            QString(32767, '7'));
        row("pasted nothing", Qt::Key_Paste, "", 0, false, "");
        row("pasted leading zero", Qt::Key_Paste, "030", 30, false, "030");
        row("pasted largest 16-bit number", Qt::Key_Paste, "32767", 32767, false, "32767");
        row("pasted one above saturates", Qt::Key_Paste, "32768", 32767, false, "32768");
        row("dropped letter", Qt::Key_unknown, "45", 45, true, "x9");
        row("dropped digits", Qt::Key_unknown, "4597", 4597, false, "97");
    }

    // Whatever is refused is refused whole, reported once, and leaves the box as it was.
    void onlyWholeDigitsGetIn() {
        QFETCH(QKeyCombination, key);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(int, value);
        QFETCH(bool, refused);
        NumberBox box;
        QTest::keyClicks(&box, QStringLiteral("45"));
        QSignalSpy refusals(&box, &NumberBox::refused);
        QApplication::clipboard()->setText(text);
        QMimeData data;
        data.setText(text);
        QDragEnterEvent enter(box.rect().center(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QDropEvent drop(QPointF(box.rect().center()), Qt::CopyAction, &data, Qt::LeftButton, {});
        if (key.key() == Qt::Key_Paste) {
            box.selectAll();
            box.paste();
        } else if (key.key() == Qt::Key_unknown) {
            QApplication::sendEvent(&box, &enter);
            QApplication::sendEvent(&box, &drop);
        } else {
            QTest::keyClick(&box, key.key(), key.keyboardModifiers());
        }
        QApplication::processEvents();
        QCOMPARE(box.text(), expected);
        QCOMPARE(box.value(), value);
        QCOMPARE(refusals.count(), refused ? 1 : 0);
    }
};

QTEST_MAIN(TestNumberBox)
#include "tst_numberbox.moc"
