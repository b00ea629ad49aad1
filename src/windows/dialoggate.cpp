#include "windows/dialoggate.h"

namespace wellbox {

DialogGate::DialogGate(const Platform& platform, std::function<void()> lastClosed)
    : m_lastClosed(std::move(lastClosed))
    , m_messageBox(*this, platform.messageBox)
    , m_saveDialog(*this, platform.saveDialog)
    , m_printDialog(*this, platform.printDialog)
    , m_platform{m_messageBox, platform.webPageOpener, platform.settings,  platform.clock,
                 m_saveDialog, m_printDialog,          platform.fileWriter} {}

DialogGate::Scope::Scope(DialogGate& gate)
    : m_gate(gate) {
    ++m_gate.m_open;
}

DialogGate::Scope::~Scope() {
    if (--m_gate.m_open == 0 && m_gate.m_lastClosed)
        m_gate.m_lastClosed();
}

DialogGate::CountedMessageBox::CountedMessageBox(DialogGate& gate, MessageBox& inner)
    : m_gate(gate)
    , m_inner(inner) {}

MessageAnswer DialogGate::CountedMessageBox::show(QWidget* parent, const QString& text,
                                                  MessageIcon icon, MessageButtons buttons) {
    const Scope open(m_gate);
    return m_inner.show(parent, text, icon, buttons);
}

DialogGate::CountedSaveDialog::CountedSaveDialog(DialogGate& gate, SaveDialog& inner)
    : m_gate(gate)
    , m_inner(inner) {}

SaveChoice DialogGate::CountedSaveDialog::askFileName(QWidget* parent, const QString& proposedName,
                                                      const QString& filter) {
    const Scope open(m_gate);
    return m_inner.askFileName(parent, proposedName, filter);
}

DialogGate::CountedPrintDialog::CountedPrintDialog(DialogGate& gate, PrintDialog& inner)
    : m_gate(gate)
    , m_inner(inner) {}

PrintResult DialogGate::CountedPrintDialog::print(QWidget* parent, const QTextDocument& document) {
    const Scope open(m_gate);
    return m_inner.print(parent, document);
}

} // namespace wellbox
