#pragma once

#include "widgets/calculatorhost.h"
#include "widgets/windowcontext.h"

#include <QWidget>

class QAction;
class QMenu;
class QMenuBar;

namespace wellbox {

// What the calculator windows have in common: caption and name, the menu bar, the forum
// banner on top and the two advertising labels below, of which only the front one is seen.
// A calculator window lives in a child window of the main window; unloading it, for any
// reason, brings the welcome panel back.
class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    // The three families differ in banner, advert in front, menu names and advert wording.
    enum class Frame { RiskQuiz, CalorieInput, CalorieResult };

    CalculatorWindow(const WindowContext& context, CalculatorKind kind, QWidget* parent = nullptr);

    CalculatorKind kind() const { return m_kind; }

    // Closes the child window that holds this window; onUnload() runs and the welcome panel
    // comes back.
    void unload();

signals:
    void unloaded();

protected:
    // Builds the shared frame around the window's own body; call once from the constructor.
    void buildFrame(Frame frame, QWidget* body);

    // Adds a command of the window's own to the File menu, above E&xit.
    QAction* addFileCommand(const QString& caption, const char* name);
    const WindowContext& context() const { return m_context; }

    // What E&xit does; closing this window unless the window says otherwise.
    virtual void exitCommand() { unload(); }
    // What the particular window does on closing; the welcome panel is shown afterwards anyway.
    virtual void onUnload() {}

    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus(Frame frame);

    WindowContext m_context;
    CalculatorKind m_kind;
    QMenu* m_fileMenu = nullptr;
    QAction* m_exitAction = nullptr;
    bool m_unloaded = false;
};

} // namespace wellbox
