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

    void onlyWholeDigitsGetIn_data() {
        // Keys pressed, or a drop at the end; then the text copied or dragged.
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("result"); // the box's text = its value, and any refusal
        const QString filling(32767, '7');
        // The box holds "45", all of it selected, when the input comes.
        QTest::newRow("digit") << QString("7") << "7 = 7";
        QTest::newRow("backspace") << QString("Backspace") << " = 0";
        QTest::newRow("letter") << QString("A") << "45 = 45, refused";
        QTest::newRow("enter") << QString("Return") << "45 = 45, refused";
        QTest::newRow("enter without its character")
            << QString("bare Return") << "45 = 45, refused";
        QTest::newRow("ctrl+v with a digit copied") << QString("Ctrl+V 9") << "45 = 45, refused";
        QTest::newRow("alt+q, an access key, passes by") << QString("Alt+Q") << "45 = 45";
        QTest::newRow("F2, no character") << QString("F2") << "45 = 45";
        // A paste or a drop never passes the key filter; Shift and Insert keep their use.
        QTest::newRow("pasted letters") << QString("Shift+Ins 12a") << "45 = 45, refused";
        QTest::newRow("pasted, one too many") << "Shift+Ins 7" + filling << "45 = 45, refused";
        QTest::newRow("pasted, filling the box") << "Shift+Ins " + filling << filling + " = 32767";
        QTest::newRow("dropped letter") << QString("drop x9") << "45 = 45, refused";
        QTest::newRow("dropped digits") << QString("drop 97") << "4597 = 4597";
    }

    // Whatever is refused is refused whole, reported once, and leaves the box as it was.
    void onlyWholeDigitsGetIn() {
        QFETCH(QString, input);
        const QString action = input.section(' ', 0, 0), text = input.section(' ', 1);
        NumberBox box;
        QTest::keyClicks(&box, QStringLiteral("45"));
        QSignalSpy refusals(&box, &NumberBox::refused);
        QApplication::clipboard()->setText(text);
        QMimeData data;
        data.setText(text);
        QDragEnterEvent enter(box.rect().center(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QDropEvent drop(QPointF(box.rect().center()), Qt::CopyAction, &data, Qt::LeftButton, {});
        box.selectAll();
        if (action == "bare") // as some keyboards send it
            QTest::sendKeyEvent(QTest::Press, &box, Qt::Key_Return, QString(), {});
        else if (action != "drop")
            QTest::keySequence(&box, QKeySequence(action));
        else if (QApplication::sendEvent(&box, &enter)) // a drop follows a drag let in
            QApplication::sendEvent(&box, &drop);
        QApplication::processEvents();
        QTEST(box.text() + " = " + QString::number(box.value()) +
                  QString(", refused").repeated(refusals.count()),
              "result");
    }
};

QTEST_MAIN(TestNumberBox)
#include "tst_numberbox.moc"
