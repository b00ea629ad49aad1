#include "platform/printdialog.h"
#include "platform/savedialog.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextDocument>

namespace wellbox {

QString QtSaveDialog::askFileName(QWidget* parent, const QString& proposedName,
                                  const QString& filter) {
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return QFileDialog::getSaveFileName(parent, QString(), documents.filePath(proposedName),
                                        filter);
}

bool QtPrintDialog::print(QWidget* parent, const QTextDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    document.print(&printer);
    return true;
}

} // namespace wellbox
