#pragma once

#include "windows/calculatorkind.h"
#include "windows/sharedmenus.h"
#include "windows/windowcontext.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>

class QMdiArea;
class QMdiSubWindow;

namespace wellbox {

class CalculatorWindow;
class FrameStack;
class HelpLinks;
class MainWindow;
class WelcomePanel;

// Builds the window of a calculator, loaded but not shown, wired to the main window it lives in.
using CalculatorFactory =
    std::function<CalculatorWindow*(CalculatorKind, const WindowContext&, MainWindow&)>;

// The main window `frmMDI`: welcome panel, launcher, links and the client area in which the
// calculator windows open, one at a time. It alone decides what the shell shows: the welcome
// panel exactly while no calculator is shown, and the menus of the calculator in front.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Platform& platform, HelpLinks& links, CalculatorFactory factory,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // What the launcher does: closes every calculator window, then opens the one chosen, if any.
    void launch(std::optional<CalculatorKind> kind);
    // Closes every calculator window, in the launcher's order.
    void closeAllCalculators();

    // The loaded window of this kind, loading it (not shown) when it is not loaded.
    CalculatorWindow* loadCalculator(CalculatorKind kind);
    // The loaded window of this kind, or none.
    CalculatorWindow* loadedCalculator(CalculatorKind kind) const;
    // Shows the window of this kind, loading it first if need be, at the top centre of the client
    // area and in front.
    void openCalculator(CalculatorKind kind);
    // Hides a loaded window; it stays loaded with everything in it.
    void hideCalculator(CalculatorKind kind);

    QMdiArea* clientArea() const { return m_mdiArea; }
    bool welcomePanelVisible() const;

    // Shows the About window, modal.
    void showAbout();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildBannerStrip();
    QWidget* buildLauncherStrip();
    // A calculator's launcher button with its icon, in its slot.
    QWidget* addLauncherButton(const CalculatorDescriptor& calculator, QWidget* container);
    QWidget* buildClientArea();
    QWidget* buildExitStrip();
    void buildMenus();

    // Sets the welcome panel and the menu bar from the calculator windows shown.
    void updateShell();
    QMdiSubWindow* holderOf(CalculatorKind kind) const;
    // The holders of the calculator windows shown; a window closing no longer counts.
    QList<QMdiSubWindow*> shownHolders() const;
    void centreHorizontally(QMdiSubWindow* holder) const;

    HelpLinks& m_links;
    CalculatorFactory m_factory;
    WindowContext m_context;
    QPointer<QWidget> m_opener; // the launcher that opened the calculator in front

    QWidget* m_bannerStrip = nullptr;
    FrameStack* m_clientStack = nullptr;
    QMdiArea* m_mdiArea = nullptr;
    WelcomePanel* m_welcomePanel = nullptr;
    WindowMenus m_menus{};
    std::array<QPointer<CalculatorWindow>, kCalculators.size()> m_loaded{};
};

} // namespace wellbox
