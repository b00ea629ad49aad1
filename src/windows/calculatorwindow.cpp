#include "windows/calculatorwindow.h"

#include "widgets/doubleclickguard.h"
#include "widgets/framestack.h"
#include "widgets/linklabel.h"
#include "widgets/uistyle.h"
#include "windows/helplinks.h"
#include "windows/sharedmenus.h"

#include <QCloseEvent>
#include <QFrame>
#include <QMdiSubWindow>
#include <QVBoxLayout>
#include <QWindow>

#include <array>

namespace wellbox {

namespace {

// Sizes in twips (15 to a pixel).
constexpr struct {
    int bottomMargin;
    int spacing;
    int bannerMinimumHeight;
    int advertHeight;
    int advertMargin; // left and right
} kSurroundSizes{
    .bottomMargin = 60,
    .spacing = 60,
    .bannerMinimumHeight = 330,
    .advertHeight = 600,
    .advertMargin = 120,
};

LinkLabel* makeAdvert(HelpLinks& links, const QString& text, WebPage page, const char* name,
                      QWidget* parent) {
    LinkLabel* label = ui::named(links.makeLink(text, page, parent), name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(ui::font(ui::FontRole::Advert));
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
    , m_dialogs(context.platform,
                [this] {
                    // Queued: the code that opened the dialog finishes before the window goes.
                    if (m_unloadWaiting)
                        QMetaObject::invokeMethod(this, &CalculatorWindow::unload,
                                                  Qt::QueuedConnection);
                })
    , m_context{m_dialogs.platform(), context.links}
    , m_kind(kind) {
    const CalculatorDescriptor& info = descriptor(kind);
    setObjectName(ui::fromView(info.windowName));
    setWindowTitle(tr(info.caption));
    setAttribute(Qt::WA_DeleteOnClose);
}

void CalculatorWindow::surround(QWidget* body) {
    const FamilyStyle& style = *descriptor(m_kind).style;
    HelpLinks& links = m_context.links;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, ui::px(kSurroundSizes.bottomMargin));
    layout->setSpacing(ui::px(kSurroundSizes.spacing));

    LinkLabel* banner =
        ui::named(links.makeLink(forumBannerText(), WebPage::HomePage, this), style.bannerName);
    banner->setAlignment(Qt::AlignCenter);
    banner->setFont(ui::font(ui::FontRole::Advert));
    banner->setMinimumHeight(ui::px(kSurroundSizes.bannerMinimumHeight));
    ui::setBackground(banner, ui::kBannerBlue);
    ui::setForeground(banner, Qt::black);
    layout->addWidget(banner);

    layout->addWidget(body, 1);

    // Both adverts share one place; only the one in front is seen and takes clicks.
    QWidget* advertHolder = style.advertsInFrame
                                ? ui::named<QWidget>(new QFrame(this), "fraFullBrand")
                                : new QWidget(this);
    advertHolder->setFixedHeight(ui::px(kSurroundSizes.advertHeight));
    auto* adverts = new FrameStack(advertHolder);
    LinkLabel* fullBrand =
        makeAdvert(links, fullBrandAdvertText(), WebPage::FullBrandPage, "lblFullBrand", adverts);
    LinkLabel* coBrand =
        makeAdvert(links, tr(style.coBrandText), WebPage::CoBrandPage, "lblCobrand", adverts);
    adverts->addMember(fullBrand);
    adverts->addMember(coBrand);
    adverts->raiseMember(style.coBrandInFront ? coBrand : fullBrand);
    auto* place = new QVBoxLayout(advertHolder);
    place->setContentsMargins(ui::px(kSurroundSizes.advertMargin), 0,
                              ui::px(kSurroundSizes.advertMargin), 0);
    place->addWidget(adverts);
    layout->addWidget(advertHolder);

    // The main window's menu bar shows these while this window is the one in front.
    m_menus = makeWindowMenus(this, links, *style.menus);
    connect(m_menus.exit, &QAction::triggered, this, &CalculatorWindow::unload);
    connect(m_menus.about, &QAction::triggered, this, [this] {
        const DialogGate::Scope open(m_dialogs);
        emit aboutRequested();
    });
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

void CalculatorWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QWidget* top = window();
    if (!m_guarded && top->windowHandle()) {
        m_guarded = true;
        new DoubleClickGuard(top, top->windowHandle(), this);
    }
}

void CalculatorWindow::closeEvent(QCloseEvent* event) {
    if (m_dialogs.dialogOpen()) {
        event->ignore();
        m_unloadWaiting = true;
        return;
    }
    QWidget::closeEvent(event);
    if (!event->isAccepted() || m_unloaded)
        return;
    m_unloaded = true;
    emit unloaded();
}

} // namespace wellbox

#include "moc_calculatorwindow.cpp"
