#pragma once

class QTextDocument;
class QWidget;

namespace wellbox {

// Offers the system's print dialog for a document and prints it if the user accepts; returns
// whether it was printed. Without a printer the dialog still prints to a PDF file.
class PrintDialog {
public:
    virtual ~PrintDialog() = default;
    virtual bool print(QWidget* parent, const QTextDocument& document) = 0;
};

class QtPrintDialog final : public PrintDialog {
public:
    bool print(QWidget* parent, const QTextDocument& document) override;
};

} // namespace wellbox
