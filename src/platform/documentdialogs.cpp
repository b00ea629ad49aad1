#include "platform/filewriter.h"
#include "platform/printdialog.h"
#include "platform/room.h"
#include "platform/savedialog.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QTextDocument>

namespace wellbox {

namespace {

// Qt's file dialog, and the one the print dialog opens to choose a file, keep their folder
// history in Qt's own settings file in the user's configuration folder (QtProject.conf), past
// every care this program takes of its own file: a FIFO there hangs the dialog, a link leads to
// anyone's file, and the history outlasts the run. Qt's settings are pointed below /dev/null,
// where no file can be, so the dialogs keep their state for the run only; this program's own
// store names its file itself. The desktop's own dialogs would keep files of their own.
void keepDialogStateInMemory() {
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, QStringLiteral("/dev/null"));
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

// The folder names in the user's configuration folder are a few hundred bytes.
constexpr qint64 kLargestFolderNames = 64 * 1024;

// The documents folder where there is one, else the home folder. Qt finds the documents folder
// in user-dirs.dirs, which it opens: anything there but a regular file of sensible size would
// hang or slow the dialog, so then the home folder it is.
QString startFolder() {
    const QFileInfo names(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                          QStringLiteral("/user-dirs.dirs"));
    if (!names.exists() || (names.isFile() && names.size() <= kLargestFolderNames)) {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (QFileInfo(documents).isDir())
            return documents;
    }
    return QDir::homePath();
}

} // namespace

QtSaveDialog::QtSaveDialog() {
    keepDialogStateInMemory();
}

SaveChoice QtSaveDialog::askFileName(QWidget* parent, const QString& proposedName,
                                     const QString& filter) {
    if (const std::optional<QString> missing = dialogRoomMissing())
        return {{}, *missing};
    return {QFileDialog::getSaveFileName(parent, QString(),
                                         QDir(startFolder()).filePath(proposedName), filter),
            {}};
}

QtPrintDialog::QtPrintDialog(FileWriter& writer)
    : m_writer(writer) {
    keepDialogStateInMemory();
}

PrintResult QtPrintDialog::print(QWidget* parent, const QTextDocument& document) {
    if (const std::optional<QString> missing = dialogRoomMissing())
        return {false, {}, *missing};
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return printToFile(m_writer, document, printer.outputFileName(), printer.pageLayout());
    document.print(&printer);
    return {true, {}, {}};
}

// The printer would write the file itself and never tell of a failed write, leaving part of a
// page: the page is made in memory and written as a saved PDF is.
PrintResult QtPrintDialog::printToFile(FileWriter& writer, const QTextDocument& document,
                                       const QString& path, const QPageLayout& layout) {
    QBuffer page;
    page.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&page);
        pdf.setPageLayout(layout);
        document.print(&pdf);
    }
    if (const std::optional<QString> failure = writer.write(path, page.data()))
        return {false, path, *failure};
    return {true, {}, {}};
}

} // namespace wellbox
