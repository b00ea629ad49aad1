#pragma once

#include "scoring/resultreport.h"

#include <QDateTime>
#include <QString>

#include <memory>

class QTextDocument;

namespace wellbox {

// A result as it is kept, the same on paper, in a PDF and on the clipboard: the suite and its
// version, when, which calculator, the details entered, the result texts as shown, how they
// were worked out, and the model with its notes.
class ResultDocument {
public:
    ResultDocument(QString calculator, QDateTime madeAt, ResultReport report);

    const QString& calculator() const { return m_calculator; }
    // Headed lines; the rows of the workings with a tab between columns.
    QString plainText() const;
    // Black on white with ruled tables, so that it reads the same in greyscale.
    std::unique_ptr<QTextDocument> textDocument() const;
    // One A4 page as a PDF file holds it.
    QByteArray pdf() const;

private:
    QString madeAtText() const;

    QString m_calculator;
    QDateTime m_madeAt;
    ResultReport m_report;
};

} // namespace wellbox
