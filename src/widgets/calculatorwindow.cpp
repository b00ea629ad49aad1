#include "widgets/calculatorwindow.h"

#include "widgets/framestack.h"
#include "widgets/helplinks.h"
#include "widgets/linklabel.h"
#include "widgets/sharedmenus.h"
#include "widgets/uistyle.h"

#include <QCloseEvent>
#include <QFrame>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include <array>

namespace wellbox {

namespace {

constexpr char kCoBrandText[] = QT_TRANSLATE_NOOP(
    "wellbox::CalculatorWindow",
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding.");
constexpr char kCoBrandTextCalorieInput[] = QT_TRANSLATE_NOOP(
    "wellbox::CalculatorWindow",
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &&  link here. See \"Help\" for details.Click Here for more info on "
    "co-branding.");

struct FrameStyle {
    const char* bannerName;
    bool coBrandInFront;
    bool advertsInFrame;
    const char* coBrandText;
    const MenuVariant* menus;
};

// How each family of calculator windows dresses its frame.
constexpr std::array<FrameStyle, 3> kFrameStyles{{
    {"Label14", false, true, kCoBrandText, &kRiskQuizMenus},
    {"Label61", true, false, kCoBrandTextCalorieInput, &kCalorieInputMenus},
    {"Label61", true, false, kCoBrandText, &kCalorieResultMenus},
}};

// Sizes in twips (15 to a pixel).
constexpr struct {
    int bottomMargin;
    int spacing;
    int bannerMinimumHeight;
    int advertHeight;
    int advertMargin; // left and right
} kFrameSizes{
    .bottomMargin = 60,
    .spacing = 60,
    .bannerMinimumHeight = 330,
    .advertHeight = 600,
    .advertMargin = 120,
};

LinkLabel* makeAdvert(const QString& text, const char* name, QWidget* parent) {
    auto* label = new LinkLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(ui::font(ui::FontRole::Advert));
    label->setCursor(Qt::PointingHandCursor);
    // Opaque, so the advert in front hides the one behind it.
    label->setAutoFillBackground(true);
    ui::setForeground(label, Qt::blue);
    ui::setBackground(label, ui::kLightWindow);
    return label;
}

} // namespace

CalculatorWindow::CalculatorWindow(const WindowContext& context, CalculatorKind kind,
                                   QWidget* parent)
    : QWidget(parent)
    , m_context(context) {
    const CalculatorDescriptor& info = descriptor(kind);
    setObjectName(ui::fromView(info.windowName));
    setWindowTitle(tr(info.caption));
    setAttribute(Qt::WA_DeleteOnClose);
}

void CalculatorWindow::buildFrame(Frame frame, QWidget* body) {
    const FrameStyle& style = kFrameStyles.at(static_cast<std::size_t>(frame));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, ui::px(kFrameSizes.bottomMargin));
    layout->setSpacing(ui::px(kFrameSizes.spacing));

    auto* banner = new LinkLabel(forumBannerText(), this);
    banner->setObjectName(QString::fromLatin1(style.bannerName));
    banner->setAlignment(Qt::AlignCenter);
    banner->setFont(ui::font(ui::FontRole::Advert));
    banner->setCursor(Qt::PointingHandCursor);
    banner->setMinimumHeight(ui::px(kFrameSizes.bannerMinimumHeight));
    ui::setBackground(banner, ui::kBannerBlue);
    ui::setForeground(banner, Qt::black);
    banner->setAddress(pageAddress(WebPage::HomePage));
    connect(banner, &LinkLabel::clicked, this, [this] { m_context.links.OpenHomePage(); });
    layout->addWidget(banner);

    layout->addWidget(body, 1);

    // Both adverts share one place; only the one in front is seen and takes clicks.
    QWidget* advertHolder = style.advertsInFrame
                                ? ui::named<QWidget>(new QFrame(this), "fraFullBrand")
                                : new QWidget(this);
    advertHolder->setFixedHeight(ui::px(kFrameSizes.advertHeight));
    auto* adverts = new FrameStack(advertHolder);
    auto* fullBrand = makeAdvert(fullBrandAdvertText(), "lblFullBrand", adverts);
    auto* coBrand = makeAdvert(tr(style.coBrandText), "lblCobrand", adverts);
    adverts->addMember(fullBrand);
    adverts->addMember(coBrand);
    adverts->raiseMember(style.coBrandInFront ? coBrand : fullBrand);
    auto* place = new QVBoxLayout(advertHolder);
    place->setContentsMargins(ui::px(kFrameSizes.advertMargin), 0, ui::px(kFrameSizes.advertMargin),
                              0);
    place->addWidget(adverts);
    fullBrand->setAddress(pageAddress(WebPage::FullBrandPage));
    coBrand->setAddress(pageAddress(WebPage::CoBrandPage));
    connect(fullBrand, &LinkLabel::clicked, this, [this] { m_context.links.OpenFullBrandPage(); });
    connect(coBrand, &LinkLabel::clicked, this, [this] { m_context.links.OpenCoBrandPage(); });
    layout->addWidget(advertHolder);

    // The main window's menu bar shows these while this window is the one in front.
    m_menus = makeWindowMenus(this, m_context, *style.menus);
    connect(m_menus.exit, &QAction::triggered, this, &CalculatorWindow::unload);
}

QList<QAction*> CalculatorWindow::menuBarEntries() const {
    return m_menus.barEntries();
}

QAction* CalculatorWindow::addFileCommand(const QString& caption, const char* name) {
    return addNamedAction(m_menus.file, caption, name, m_menus.exit);
}

void CalculatorWindow::unload() {
    if (auto* holder = qobject_cast<QMdiSubWindow*>(parentWidget()))
        holder->close();
    else
        close();
}

void CalculatorWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (!event->isAccepted() || m_unloaded)
        return;
    m_unloaded = true;
    emit unloaded();
    m_context.host.setWelcomePanelVisible(true);
}

} // namespace wellbox
