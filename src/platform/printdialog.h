#pragma once

#include <QString>

class QPageLayout;
class QTextDocument;
class QWidget;

namespace wellbox {

// How a print ended. A print into a file that could not be written whole leaves nothing of the
// file behind, and names it with the reason.
struct PrintResult {
    bool printed = false;
    QString failedFile;
    QString reason;
};

// Offers the system's print dialog for a document and prints it if the user accepts. Without a
// printer the dialog still prints to a PDF file.
class PrintDialog {
public:
    virtual ~PrintDialog() = default;
    virtual PrintResult print(QWidget* parent, const QTextDocument& document) = 0;
};

// Qt's own dialog; as with QtSaveDialog, Qt's dialogs then keep no file of their own.
class QtPrintDialog final : public PrintDialog {
public:
    QtPrintDialog();
    PrintResult print(QWidget* parent, const QTextDocument& document) override;
    // What the dialog's printing to a PDF file comes to, in the page layout chosen there: the
    // file is written whole or not at all.
    static PrintResult printToFile(const QTextDocument& document, const QString& path,
                                   const QPageLayout& layout);
};

} // namespace wellbox
