#pragma once

#include <QString>

class QPageLayout;
class QTextDocument;
class QWidget;

namespace wellbox {

class FileWriter;

// How a print ended. A print into a file that could not be written whole leaves nothing of the
// file behind, and names it with the reason; a dialog that could not be shown gives the reason
// alone.
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

// Qt's own dialog; as with QtSaveDialog, Qt's dialogs then keep no file of their own, and none
// is shown where the process has no room for it. A print to a file goes through `writer`.
class QtPrintDialog final : public PrintDialog {
public:
    explicit QtPrintDialog(FileWriter& writer);
    PrintResult print(QWidget* parent, const QTextDocument& document) override;
    // What the dialog's printing to a PDF file comes to, in the page layout chosen there: the
    // file is written whole or not at all.
    static PrintResult printToFile(FileWriter& writer, const QTextDocument& document,
                                   const QString& path, const QPageLayout& layout);

private:
    FileWriter& m_writer;
};

} // namespace wellbox
