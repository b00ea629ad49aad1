// Access keys with a screen reader listening, delivered as Qt's bridge to it delivers them: the
// key acts at once, and once the reader has seen them the copies of its keys follow, to the
// widget that had the focus.

#include "widgets/readerkeys.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace wellbox;

class TestReaderKeys : public QObject {
    Q_OBJECT

private slots:
    // An access key pressed a hundred times into a box does its one thing each time: the menu
    // opens once, or the button is pressed once; no letter lands in the box and the menu bar is
    // left as it was. `copies`: which of the bridge's copies come back (none of the letter's
    // where the window it went to has closed meanwhile).
    void accessKeyUnderReader_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("letterCopies");
        QTest::newRow("the File menu, Alt+F") << "mnuFile" << true;
        QTest::newRow("a button, Alt+P") << "cmdSave" << true;
        QTest::newRow("a button, the letter's copies lost") << "cmdSave" << false;
    }

    void accessKeyUnderReader() {
        QFETCH(QString, name);
        QFETCH(bool, letterCopies);
        QAccessible::setActive(true);
        const auto quiet = qScopeGuard([] { QAccessible::setActive(false); });
        QMainWindow window;
        QMenu* file = window.menuBar()->addMenu("&File");
        file->setObjectName("mnuFile");
        file->addAction("E&xit");
        auto* body = new QWidget(&window);
        auto* box = new QLineEdit(body);
        auto* save = new QPushButton("Save as &PDF", body);
        save->setObjectName("cmdSave");
        auto* column = new QVBoxLayout(body);
        column->addWidget(box);
        column->addWidget(save);
        window.setCentralWidget(body);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy opened(file, &QMenu::aboutToShow), pressed(save, &QPushButton::clicked);
        const Qt::Key letter = name == "mnuFile" ? Qt::Key_F : Qt::Key_P;
        const QString text = letter == Qt::Key_F ? "f" : "p";
        for (int i = 1; i <= 100; ++i) {
            box->setFocus();
            QTest::keyClick(box, letter, Qt::AltModifier);
            const auto copy = [box](QEvent::Type type, int key, Qt::KeyboardModifiers held,
                                    const QString& typed = {}) {
                QCoreApplication::postEvent(box, new QKeyEvent(type, key, held, 64, key, 8, typed));
            };
            copy(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
            if (letterCopies) {
                copy(QEvent::KeyPress, letter, Qt::AltModifier, text);
                copy(QEvent::KeyRelease, letter, Qt::AltModifier, text);
            }
            copy(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
            QCoreApplication::processEvents();
            // Polled a millisecond at a time: a hundred rounds of QTRY's 50 ms steps take long.
            for (int waited = 0; opened.size() + pressed.size() < i && waited < 5000; ++waited)
                QTest::qWait(1);
            QCOMPARE(opened.size() + pressed.size(), i);
            QCoreApplication::processEvents();
            QCOMPARE(QApplication::activePopupWidget() == file, name == "mnuFile");
            file->hide();
            QCOMPARE(box->text(), QString());
            QCOMPARE(window.menuBar()->activeAction(), nullptr);
        }
    }
};

int main(int argc, char** argv) {
    SuiteApplication app(argc, argv);
    TestReaderKeys test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_readerkeys.moc"
