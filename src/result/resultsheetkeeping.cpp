// The result sheet's keeping buttons: Save as PDF, Print and Copy Result, and the word each
// leaves of what it did.

#include "result/resultsheet.h"

#include "platform/platform.h"
#include "result/resultdocument.h"
#include "widgets/accessibility.h"
#include "widgets/noticelabel.h"

#include <QAccessible>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QPushButton>
#include <QTabBar>
#include <QTextDocument>
#include <QTimer>

namespace wellbox {

void ResultSheet::tellDone(QPushButton* button, const QString& done) {
    m_status->setToolTip(done);
    placeStatus();
    m_status->tell(m_status->fontMetrics().elidedText(done, Qt::ElideMiddle, m_status->width()));
    m_status->setAccessibleName(done);
    // The dialog gone, the focus is back on the button that opened it, and a reader hears it
    // there once the window is active again.
    button->setFocus(Qt::OtherFocusReason);
    if (!button->isActiveWindow())
        button->activateWindow();
    if (readerActive())
        QTimer::singleShot(0, button, [button] {
            if (button->hasFocus()) {
                QAccessibleEvent focus(button, QAccessible::Focus);
                QAccessible::updateAccessibility(&focus);
            }
        });
}

void ResultSheet::placeStatus() {
    const int gap = m_buttonRow->spacing();
    const QRect last = m_buttons.back()->geometry();
    const int left = last.right() + 1 + gap;
    m_status->setGeometry(left, last.top(), std::max(0, m_tabs->x() - gap - left), last.height());
}

ResultDocument ResultSheet::document() const {
    return {m_calculator, m_platform.clock.now(), m_report};
}

void ResultSheet::savePdf() {
    const ResultDocument doc = document();
    const QString proposed =
        QStringLiteral("%1 %2.pdf")
            .arg(doc.calculator(), m_platform.clock.today().toString(QStringLiteral("yyyy-MM-dd")));
    const SaveChoice choice =
        m_platform.saveDialog.askFileName(this, proposed, tr("PDF documents (*.pdf)"));
    const QString& path = choice.file;
    if (!choice.failure.isEmpty())
        m_platform.messageBox.show(
            this, tr("The save dialog could not be opened: %1").arg(choice.failure), m_icon,
            MessageButtons::Ok);
    QPushButton* button = m_buttons[0];
    if (path.isEmpty())
        return tellDone(button, tr("Not saved"));
    const std::optional<QString> failure = m_platform.fileWriter.write(path, doc.pdf());
    if (!failure)
        return tellDone(button, tr("Saved as %1").arg(path));
    m_platform.messageBox.show(this, tr("The PDF could not be saved as %1: %2").arg(path, *failure),
                               m_icon, MessageButtons::Ok);
    tellDone(button, tr("Not saved"));
}

void ResultSheet::print() {
    const std::unique_ptr<QTextDocument> printed = document().textDocument();
    const PrintResult result = m_platform.printDialog.print(this, *printed);
    if (!result.failedFile.isEmpty())
        m_platform.messageBox.show(
            this, tr("The PDF could not be saved as %1: %2").arg(result.failedFile, result.reason),
            m_icon, MessageButtons::Ok);
    else if (!result.reason.isEmpty())
        m_platform.messageBox.show(
            this, tr("The print dialog could not be opened: %1").arg(result.reason), m_icon,
            MessageButtons::Ok);
    tellDone(m_buttons[1], result.printed ? tr("Printed") : tr("Not printed"));
}

void ResultSheet::copyResult() {
    QApplication::clipboard()->setText(document().plainText());
    tellDone(m_buttons[2], tr("Copied"));
}

} // namespace wellbox
