#pragma once

#include "windows/calculatorkind.h"
#include "windows/dialoggate.h"
#include "windows/sharedmenus.h"
#include "windows/windowcontext.h"

#include <QWidget>

namespace wellbox {

// What the calculator windows have in common: caption and name, the menus, the forum
// banner on top and the two advertising labels below, of which only the front one is seen.
// A calculator window lives in a child window of the main window and tells it what happened
// by signals; it never steers the main window or another calculator.
class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    CalculatorWindow(const WindowContext& context, CalculatorKind kind, QWidget* parent = nullptr);

    CalculatorKind kind() const { return m_kind; }

    // File, Help and "Make Money Online", for the main window's menu bar.
    QList<QAction*> menuBarEntries() const;

    // Closes the child window that holds this window, or the window itself when it stands alone.
    void unload();

signals:
    // The window has closed, for whatever reason; it is deleted next.
    void unloaded();
    void aboutRequested();

protected:
    // Puts the banner above the window's own body and the adverts below it, and makes the menus,
    // in the style of the window's kind; call once from the constructor.
    void surround(QWidget* body);

    // Adds a command of the window's own to the File menu, above E&xit.
    QAction* addFileCommand(const QString& caption, const char* name);
    const WindowContext& context() const { return m_context; }

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    DialogGate m_dialogs;
    WindowContext m_context;
    CalculatorKind m_kind;
    WindowMenus m_menus{};
    bool m_guarded = false;
    bool m_unloaded = false;
    bool m_unloadWaiting = false; // asked for while a dialog was open
};

} // namespace wellbox
