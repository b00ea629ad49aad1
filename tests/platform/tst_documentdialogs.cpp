#include "platform/filewriter.h"
#include "platform/printdialog.h"
#include "platform/room.h"
#include "platform/savedialog.h"
#include "support/limits.h"

#include <QTest>
#include <QTextDocument>
#include <QTimer>

using namespace wellbox;
using namespace wellbox::testing;

class TestDocumentDialogs : public QObject {
    Q_OBJECT

private slots:
    // Where the process has no room for a dialog, with its descriptors at their limit or its
    // address space nearly all in use, none is made and the reason is told instead: the
    // program goes on.
    void noRoom_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("resource");
        QTest::addColumn<int>("room");
        QTest::addColumn<QString>("reason");
        for (const char* dialog : {"save", "print"}) {
            QTest::addRow("%s, 2 descriptors free", dialog)
                << dialog << int(RLIMIT_NOFILE) << 2 << "Too many open files";
#ifndef __SANITIZE_ADDRESS__ // whose shadow memory takes terabytes of address space
            QTest::addRow("%s, 2 MB of address space free", dialog)
                << dialog << int(RLIMIT_AS) << (2 << 20) << "Cannot allocate memory";
            QTest::addRow("%s, 20 MB of address space free", dialog)
                << dialog << int(RLIMIT_AS) << (20 << 20) << "Cannot allocate memory";
#endif
        }
    }

    // Free descriptors are counted up to the number asked for, and never past the most counted.
    void freeDescriptors_data() {
        QTest::addColumn<int>("wanted");
        QTest::addColumn<int>("free");
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("a few") << 3 << 3;
        QTest::newRow("the most counted") << 64 << 64;
        QTest::newRow("more than that") << 100 << 64;
    }

    void freeDescriptors() {
        QFETCH(int, wanted);
        QTEST(freeFileDescriptors(wanted), "free");
    }

    void noRoom() {
        QFETCH(QString, dialog);
        QFETCH(int, resource);
        QFETCH(int, room);
        QtFileWriter writer;
        QtSaveDialog save;
        QtPrintDialog print(writer);
        const QTextDocument document("A page");
        // A dialog shown after all is closed at once; its answer then names no reason.
        QTimer::singleShot(0, this, [] {
            if (QWidget* shown = QApplication::activeModalWidget())
                shown->close();
        });
        QString reason;
        withLimit(resource, inUse(resource) + rlim_t(room), [&] {
            reason = dialog == "save" ? save.askFileName(nullptr, "kept.pdf", "PDF (*.pdf)").failure
                                      : print.print(nullptr, document).reason;
        });
        QTEST(reason, "reason");
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestDocumentDialogs)
#include "tst_documentdialogs.moc"
