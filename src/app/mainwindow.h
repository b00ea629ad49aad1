#pragma once

#include "widgets/calculatorhost.h"
#include "widgets/sharedmenus.h"
#include "widgets/windowcontext.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class QMdiArea;
class QMdiSubWindow;

namespace wellbox {

class FrameStack;
class HelpLinks;
class WelcomePanel;

using CalculatorFactory = std::function<CalculatorWindow*(CalculatorKind, const WindowContext&)>;

// The main window `frmMDI`: welcome panel, launcher, links and the client area in which the
// calculator windows open, one at a time.
class MainWindow final : public QMainWindow, public CalculatorHost {
    Q_OBJECT
public:
    MainWindow(Platform& platform, HelpLinks& links, CalculatorFactory factory,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens a calculator from launcher button `index` (0..3) or welcome caption `index` (0..6).
    void launchFromButton(int index);
    void launchFromCaption(int index);

    // Closes every calculator window, in the launcher's order.
    void closeAllCalculators();

    QMdiArea* clientArea() const { return m_mdiArea; }
    bool welcomePanelVisible() const;

    // CalculatorHost
    void setWelcomePanelVisible(bool visible) override;
    CalculatorWindow* loadCalculator(CalculatorKind kind) override;
    CalculatorWindow* loadedCalculator(CalculatorKind kind) const override;
    void showCalculator(CalculatorKind kind) override;
    void hideCalculator(CalculatorKind kind) override;
    void showAbout() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildBannerStrip();
    QWidget* buildLauncherStrip();
    QWidget* buildClientArea();
    QWidget* buildExitStrip();
    void buildMenus();
    void showActiveMenus();

    void openCalculator(CalculatorKind kind);
    QMdiSubWindow* holderOf(CalculatorKind kind) const;
    void centreHorizontally(QMdiSubWindow* holder) const;

    HelpLinks& m_links;
    CalculatorFactory m_factory;
    WindowContext m_context;

    QWidget* m_bannerStrip = nullptr;
    FrameStack* m_clientStack = nullptr;
    QMdiArea* m_mdiArea = nullptr;
    WelcomePanel* m_welcomePanel = nullptr;
    WindowMenus m_menus{};
    std::array<QPointer<CalculatorWindow>, kCalculators.size()> m_loaded{};
};

} // namespace wellbox
