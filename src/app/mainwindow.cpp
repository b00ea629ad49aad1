#include "app/mainwindow.h"

#include "app/aboutdialog.h"
#include "app/welcomepanel.h"
#include "platform/version.h"
#include "widgets/accessibility.h"
#include "widgets/framestack.h"
#include "widgets/linklabel.h"
#include "widgets/textfit.h"
#include "widgets/uistyle.h"
#include "widgets/wrapbutton.h"
#include "windows/calculatorwindow.h"
#include "windows/helplinks.h"
#include "windows/sharedmenus.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QVBoxLayout>

#include <optional>

namespace wellbox {

namespace {

// Sizes and positions in twips (15 to a pixel).
constexpr struct {
    int clientWidth;
    int clientHeight;
    int bannerStripHeight;
    int bannerWidth;
    int bannerHeight;
    int launcherStripHeight;
    int launcherWidth;
    int launcherHeight;
    std::array<int, kLauncherSlots> launcherButtonLefts; // in screen order
    int launcherButtonTop;
    int launcherButtonWidth;
    int launcherButtonHeight;
    int iconSize;
    int iconToButton; // from an icon's left edge to its button's
    int exitStripHeight;
    int exitStripMargin;
    int advertWidth;
    int advertHeight;
    int exitButtonWidth;
    int exitButtonHeight;
} kMainWindowSizes{
    .clientWidth = 11880,
    .clientHeight = 8190,
    .bannerStripHeight = 560,
    .bannerWidth = 9480,
    .bannerHeight = 465,
    .launcherStripHeight = 900,
    .launcherWidth = 11655,
    .launcherHeight = 825,
    .launcherButtonLefts = {720, 3720, 6720, 9480},
    .launcherButtonTop = 188,
    .launcherButtonWidth = 2010,
    .launcherButtonHeight = 495,
    .iconSize = 510,
    .iconToButton = 600,
    .exitStripHeight = 735,
    .exitStripMargin = 120,
    .advertWidth = 6975,
    .advertHeight = 615,
    .exitButtonWidth = 1335,
    .exitButtonHeight = 495,
};

QPushButton* makeFaceButton(QPushButton* button, int widthTwips, int heightTwips) {
    button->setFont(ui::font(ui::FontRole::Strong));
    button->setFixedSize(ui::px(widthTwips), ui::px(heightTwips));
    ui::setButtonFace(button, ui::kButtonFace);
    // Dark text on the fixed light face, whatever the system theme.
    ui::setForeground(button, Qt::black);
    return button;
}

} // namespace

MainWindow::MainWindow(Platform& platform, HelpLinks& links, CalculatorFactory factory,
                       QWidget* parent)
    : QMainWindow(parent)
    , m_links(links)
    , m_factory(std::move(factory))
    , m_context{platform, links} {
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(versionedTitle());
    setWindowIcon(QIcon(ui::artwork("kestavo-wellbox")));

    auto* central = new QWidget(this);
    auto* strips = new QVBoxLayout(central);
    strips->setContentsMargins(0, 0, 0, 0);
    strips->setSpacing(0);
    strips->addWidget(buildBannerStrip());
    strips->addWidget(buildLauncherStrip());
    strips->addWidget(buildClientArea(), 1);
    strips->addWidget(buildExitStrip());
    setCentralWidget(central);

    buildMenus();
    resize(ui::px(kMainWindowSizes.clientWidth),
           ui::px(kMainWindowSizes.clientHeight) + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() {
    // QWidget's destructor hides the client area after this one has run: nothing must reach
    // the shell from there.
    disconnect(m_mdiArea, nullptr, this, nullptr);
    // Child windows go before the context they were handed.
    for (QPointer<CalculatorWindow>& window : m_loaded)
        delete window.data();
}

QWidget* MainWindow::buildBannerStrip() {
    m_bannerStrip = new QWidget(this);
    m_bannerStrip->setObjectName(QStringLiteral("Picture6"));
    m_bannerStrip->setFixedHeight(ui::px(kMainWindowSizes.bannerStripHeight));
    m_bannerStrip->setCursor(Qt::PointingHandCursor);
    ui::setBackground(m_bannerStrip, ui::kBannerBlue);
    m_bannerStrip->installEventFilter(this);

    LinkLabel* banner =
        ui::named(m_links.makeLink(forumBannerText(), WebPage::HomePage, m_bannerStrip),
                  "lblRavensillBanner");
    banner->setFixedSize(ui::px(kMainWindowSizes.bannerWidth),
                         ui::px(kMainWindowSizes.bannerHeight));
    banner->setAlignment(Qt::AlignCenter);
    banner->setFont(ui::font(ui::FontRole::Banner));
    ui::setForeground(banner, Qt::black);

    auto* row = new QHBoxLayout(m_bannerStrip);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(banner, 0, Qt::AlignCenter);
    return m_bannerStrip;
}

QWidget* MainWindow::buildLauncherStrip() {
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Picture1"));
    strip->setFixedHeight(ui::px(kMainWindowSizes.launcherStripHeight));
    strip->setAutoFillBackground(true);

    auto* container = new QWidget(strip);
    container->setObjectName(QStringLiteral("picButtonContainer"));
    container->setFixedSize(ui::px(kMainWindowSizes.launcherWidth),
                            ui::px(kMainWindowSizes.launcherHeight));
    // Left to right: Tab takes the buttons in the order they are made.
    std::array<QWidget*, kLauncherSlots> buttons{};
    for (std::size_t slot = 0; slot < kLauncherSlots; ++slot)
        for (const CalculatorDescriptor& calculator : kCalculators)
            if (calculator.launcher && calculator.launcher->slot == static_cast<int>(slot))
                buttons.at(slot) = addLauncherButton(calculator, container);

    // A translation's longer names take a smaller font, all four alike, where one would not fit.
    if (ui::translationShown()) {
        const QList<QWidget*> all(buttons.begin(), buttons.end());
        ui::shrinkUntil(all, [&all] { return ui::captionsFit(all, true); });
    }

    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(container, 0, Qt::AlignCenter);
    return strip;
}

QWidget* MainWindow::addLauncherButton(const CalculatorDescriptor& calculator, QWidget* container) {
    const LauncherEntry& entry = *calculator.launcher;
    const int left = kMainWindowSizes.launcherButtonLefts.at(static_cast<std::size_t>(entry.slot));
    auto* button =
        makeFaceButton(new WrapButton(tr(entry.buttonCaption), container),
                       kMainWindowSizes.launcherButtonWidth, kMainWindowSizes.launcherButtonHeight);
    button->setObjectName(QStringLiteral("cmdSelectOption_%1").arg(entry.buttonIndex));
    button->move(ui::px(left), ui::px(kMainWindowSizes.launcherButtonTop));
    const CalculatorKind opens = calculator.kind;
    connect(button, &QPushButton::clicked, this, [this, opens, button] {
        // The launcher pressed, where the focus goes back to when the calculator closes.
        m_opener = button;
        launch(opens);
    });

    auto* icon = new QLabel(container);
    icon->setObjectName(QString::fromLatin1(entry.iconName));
    icon->setFixedSize(ui::px(kMainWindowSizes.iconSize), ui::px(kMainWindowSizes.iconSize));
    icon->setPixmap(ui::artwork(entry.icon));
    icon->setScaledContents(true);
    icon->move(ui::px(left - kMainWindowSizes.iconToButton),
               (container->height() - icon->height()) / 2);
    return button;
}

QWidget* MainWindow::buildClientArea() {
    m_clientStack = new FrameStack(this);
    m_mdiArea = new QMdiArea(m_clientStack);
    m_mdiArea->setObjectName(QStringLiteral("mdiClient"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->viewport()->installEventFilter(this);

    m_welcomePanel = new WelcomePanel(m_clientStack);
    connect(m_welcomePanel, &WelcomePanel::captionClicked, this, &MainWindow::launch);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &MainWindow::updateShell);

    // The welcome panel lies over the client area and hides it while no calculator is open.
    m_clientStack->addMember(m_welcomePanel);
    m_clientStack->addMember(m_mdiArea);
    return m_clientStack;
}

QWidget* MainWindow::buildExitStrip() {
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("PicCoBrand"));
    strip->setFixedHeight(ui::px(kMainWindowSizes.exitStripHeight));
    ui::setBackground(strip, ui::kBannerBlue);

    LinkLabel* advert =
        ui::named(m_links.makeLink(fullBrandAdvertText(), WebPage::FullBrandPage, strip), "Label7");
    advert->setFixedSize(ui::px(kMainWindowSizes.advertWidth),
                         ui::px(kMainWindowSizes.advertHeight));
    advert->setWordWrap(true);
    advert->setFont(ui::font(ui::FontRole::Advert));
    ui::setForeground(advert, Qt::black);
    if (ui::translationShown())
        ui::shrinkUntil({advert}, [advert] { return ui::textFits(advert); });

    auto* exit =
        makeFaceButton(new QPushButton(tr("&Exit"), strip), kMainWindowSizes.exitButtonWidth,
                       kMainWindowSizes.exitButtonHeight);
    exit->setObjectName(QStringLiteral("cmdMdiExit"));
    connect(exit, &QPushButton::clicked, this, &QMainWindow::close);

    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(ui::px(kMainWindowSizes.exitStripMargin), 0,
                            ui::px(kMainWindowSizes.exitStripMargin), 0);
    row->addWidget(advert, 0, Qt::AlignTop);
    row->addStretch(1);
    row->addWidget(exit, 0, Qt::AlignVCenter);
    return strip;
}

void MainWindow::buildMenus() {
    m_menus = makeWindowMenus(this, m_links, kMainWindowMenus);
    connect(m_menus.exit, &QAction::triggered, this, &QMainWindow::close);
    connect(m_menus.about, &QAction::triggered, this, &MainWindow::showAbout);
    updateShell();
}

void MainWindow::updateShell() {
    const QList<QMdiSubWindow*> shown = shownHolders();
    const bool calculatorShown = !shown.isEmpty();
    // The menus of the calculator the user works in, else of any shown, else the main window's.
    QMdiSubWindow* front = shown.contains(m_mdiArea->activeSubWindow())
                               ? m_mdiArea->activeSubWindow()
                               : shown.value(0);
    const QList<QAction*> menus =
        front ? static_cast<CalculatorWindow*>(front->widget())->menuBarEntries()
              : m_menus.barEntries();
    m_welcomePanel->setVisible(!calculatorShown);
    m_clientStack->raiseMember(calculatorShown ? static_cast<QWidget*>(m_mdiArea) : m_welcomePanel);
    QMenuBar* bar = menuBar();
    if (bar->actions() == menus)
        return;
    for (QAction* entry : bar->actions())
        bar->removeAction(entry);
    bar->addActions(menus);
}

void MainWindow::launch(std::optional<CalculatorKind> kind) {
    closeAllCalculators();
    if (kind)
        openCalculator(*kind);
}

void MainWindow::closeAllCalculators() {
    const auto close = [this](CalculatorKind kind) {
        if (CalculatorWindow* window = loadedCalculator(kind))
            window->unload();
    };
    for (const CalculatorDescriptor& calculator : kCalculators)
        close(calculator.kind);
    for (const CalculatorDescriptor& calculator : kCalculators)
        if (calculator.closedAgain)
            close(calculator.kind);
}

bool MainWindow::welcomePanelVisible() const {
    return !m_welcomePanel->isHidden();
}

CalculatorWindow* MainWindow::loadCalculator(CalculatorKind kind) {
    if (CalculatorWindow* loaded = loadedCalculator(kind))
        return loaded;
    CalculatorWindow* window = m_factory(kind, m_context, *this);
    auto* holder = new QMdiSubWindow;
    holder->setAttribute(Qt::WA_DeleteOnClose);
    holder->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::WindowMinimizeButtonHint);
    holder->setWidget(window);
    // Tab passes the holder by: taking Tab's focus it passed it on inside the focus change, and
    // a reader was told of the holder after the control. Its Close (File, Exit) gets Ctrl+F4 too.
    holder->setFocusPolicy(Qt::ClickFocus);
    const QList<QKeySequence> closeKeys = QKeySequence::keyBindings(QKeySequence::Close);
    for (QAction* command : holder->actions())
        if (!closeKeys.isEmpty() && command->shortcuts() == closeKeys)
            command->setShortcuts(
                {QKeySequence(Qt::CTRL | Qt::Key_F4), QKeySequence(Qt::CTRL | Qt::Key_W)});
    holder->setWindowIcon(windowIcon());
    m_mdiArea->addSubWindow(holder);
    holder->hide();
    holder->adjustSize();
    // Whatever shows or hides it, the shell follows.
    holder->installEventFilter(this);
    m_loaded.at(static_cast<std::size_t>(kind)) = window;
    connect(window, &CalculatorWindow::unloaded, this,
            [this, kind] { m_loaded.at(static_cast<std::size_t>(kind)) = nullptr; });
    connect(window, &CalculatorWindow::aboutRequested, this, &MainWindow::showAbout);
    return window;
}

CalculatorWindow* MainWindow::loadedCalculator(CalculatorKind kind) const {
    return m_loaded.at(static_cast<std::size_t>(kind)).data();
}

QMdiSubWindow* MainWindow::holderOf(CalculatorKind kind) const {
    CalculatorWindow* window = loadedCalculator(kind);
    return window ? qobject_cast<QMdiSubWindow*>(window->parentWidget()) : nullptr;
}

QList<QMdiSubWindow*> MainWindow::shownHolders() const {
    QList<QMdiSubWindow*> shown;
    for (const CalculatorDescriptor& calculator : kCalculators)
        if (QMdiSubWindow* holder = holderOf(calculator.kind); holder && !holder->isHidden())
            shown << holder;
    return shown;
}

void MainWindow::openCalculator(CalculatorKind kind) {
    loadCalculator(kind);
    QMdiSubWindow* holder = holderOf(kind);
    holder->show();
    centreHorizontally(holder);
    m_mdiArea->setActiveSubWindow(holder);
}

void MainWindow::hideCalculator(CalculatorKind kind) {
    if (QMdiSubWindow* holder = holderOf(kind))
        holder->hide();
}

// Centred against the client area rather than the screen, so the window stays in view.
void MainWindow::centreHorizontally(QMdiSubWindow* holder) const {
    const int left = std::max(0, (m_mdiArea->viewport()->width() - holder->width()) / 2);
    holder->move(left, 0);
}

void MainWindow::showAbout() {
    AboutDialog about(m_links, this);
    about.exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    closeAllCalculators();
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_bannerStrip && event->type() == QEvent::MouseButtonRelease) {
        m_links.OpenHomePage();
        return true;
    }
    if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) &&
        qobject_cast<QMdiSubWindow*>(watched)) {
        updateShell();
        if (event->type() == QEvent::Hide && shownHolders().isEmpty())
            refocusForReader(this, m_opener);
    }
    if (m_mdiArea && watched == m_mdiArea->viewport() && event->type() == QEvent::Resize)
        for (QMdiSubWindow* holder : shownHolders())
            centreHorizontally(holder);
    return QMainWindow::eventFilter(watched, event);
}

} // namespace wellbox

#include "moc_mainwindow.cpp"
