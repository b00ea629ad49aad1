#pragma once

#include "widgets/calculatorhost.h"
#include "widgets/sharedmenus.h"
#include "widgets/windowcontext.h"

#include <QWidget>

namespace wellbox {

// What the calculator windows have in common: caption and name, the menus, the forum
// banner on top and the two advertising labels below, of which only the front one is seen.
// A calculator window lives in a child window of the main window; unloading it, for any
// reason, brings the welcome panel back.
class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    // The three families differ in banner, advert in front, menu names and advert wording.
    enum class Frame { RiskQuiz, CalorieInput, CalorieResult };

    CalculatorWindow(const WindowContext& context, CalculatorKind kind, QWidget* parent = nullptr);

    // File, Help and "Make Money Online", for the main window's menu bar.
    QList<QAction*> menuBarEntries() const;

    // Closes the child window that holds this window; the welcome panel comes back.
    void unload();

signals:
    void unloaded();

protected:
    // Builds the shared frame around the window's own body; call once from the constructor.
    void buildFrame(Frame frame, QWidget* body);

    // Adds a command of the window's own to the File menu, above E&xit.
    QAction* addFileCommand(const QString& caption, const char* name);
    const WindowContext& context() const { return m_context; }

    void closeEvent(QCloseEvent* event) override;

private:
    WindowContext m_context;
    WindowMenus m_menus{};
    bool m_unloaded = false;
};

} // namespace wellbox
