#pragma once

#include "platform/platform.h"

#include <functional>

namespace wellbox {

// A window's own view of the platform, in which every dialog it opens is counted. A modal
// dialog runs an event loop of its own with the window's code beneath it on the stack; a window
// deleted inside that loop (its calculator closed by a launcher, by Exit or over the
// accessibility interface) would leave that code, and the dialog it parents, freed under them.
// While a dialog is open the window keeps itself; `lastClosed` runs when the last has returned.
class DialogGate {
public:
    DialogGate(const Platform& platform, std::function<void()> lastClosed);
    DialogGate(const DialogGate&) = delete;
    DialogGate& operator=(const DialogGate&) = delete;

    Platform& platform() { return m_platform; }
    bool dialogOpen() const { return m_open > 0; }

    // Counts a dialog that the window opens other than through its platform (the About window
    // it asks for), for as long as the scope lasts.
    class Scope {
    public:
        explicit Scope(DialogGate& gate);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        DialogGate& m_gate;
    };

private:
    class CountedMessageBox final : public MessageBox {
    public:
        CountedMessageBox(DialogGate& gate, MessageBox& inner);
        MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                           MessageButtons buttons) override;

    private:
        DialogGate& m_gate;
        MessageBox& m_inner;
    };

    class CountedSaveDialog final : public SaveDialog {
    public:
        CountedSaveDialog(DialogGate& gate, SaveDialog& inner);
        SaveChoice askFileName(QWidget* parent, const QString& proposedName,
                               const QString& filter) override;

    private:
        DialogGate& m_gate;
        SaveDialog& m_inner;
    };

    class CountedPrintDialog final : public PrintDialog {
    public:
        CountedPrintDialog(DialogGate& gate, PrintDialog& inner);
        PrintResult print(QWidget* parent, const QTextDocument& document) override;

    private:
        DialogGate& m_gate;
        PrintDialog& m_inner;
    };

    std::function<void()> m_lastClosed;
    int m_open = 0;
    CountedMessageBox m_messageBox;
    CountedSaveDialog m_saveDialog;
    CountedPrintDialog m_printDialog;
    Platform m_platform;
};

} // namespace wellbox
