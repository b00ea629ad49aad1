#include "app/aboutdialog.h"
#include "platform/version.h"

#include "widgets/linklabel.h"
#include "widgets/textfit.h"
#include "widgets/uistyle.h"
#include "windows/helplinks.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace wellbox {

namespace {

struct Place {
    int left;
    int top;
};

struct Box {
    int left;
    int top;
    int width;
    int height;
};

// Sizes and positions in twips (15 to a pixel). Labels without a width take the width of
// their text.
constexpr struct {
    int width;
    int height;
    Box picture;
    Place title;
    Place blurb;
    int blurbWidth;
    int blurbHeight;
    Place homePage;
    Place offer;
    int offerWidth;
    int offerHeight;
    Place details;
    Box ok;
} kAboutSizes{
    .width = 6810,
    .height = 3870,
    .picture = {.left = 180, .top = 150, .width = 540, .height = 540},
    .title = {.left = 840, .top = 240},
    .blurb = {.left = 240, .top = 840},
    .blurbWidth = 6465,
    .blurbHeight = 855,
    .homePage = {.left = 2640, .top = 1800},
    .offer = {.left = 240, .top = 2280},
    .offerWidth = 6105,
    .offerHeight = 675,
    .details = {.left = 4320, .top = 2880},
    .ok = {.left = 5400, .top = 3360, .width = 1260, .height = 345},
};

QLabel* place(QLabel* label, Place at, const QColor& colour, const QFont& font) {
    label->setFont(font);
    ui::setForeground(label, colour);
    label->move(ui::px(at.left), ui::px(at.top));
    return label;
}

// A label as wide as its text, kept inside the window in a smaller font where a translation
// makes its text longer than the room.
void fitWidth(QLabel* label, int right) {
    label->adjustSize();
    if (ui::translationShown())
        ui::shrinkUntil({label}, [label, right] {
            label->adjustSize();
            return label->geometry().right() < right;
        });
}

void setBox(QWidget* widget, Box box) {
    widget->setGeometry(ui::px(box.left), ui::px(box.top), ui::px(box.width), ui::px(box.height));
}

} // namespace

AboutDialog::AboutDialog(HelpLinks& links, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_links(links) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(versionedTitle());
    setModal(true);
    setFixedSize(ui::px(kAboutSizes.width), ui::px(kAboutSizes.height));
    ui::setBackground(this, Qt::black);
    setAttribute(Qt::WA_DeleteOnClose, false);
    buildControls();
}

void AboutDialog::buildControls() {
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    setBox(picture, kAboutSizes.picture);
    picture->setPixmap(ui::artwork("kestavo-wellbox"));
    picture->setScaledContents(true);

    auto* title = place(new QLabel(versionedTitle(), this), kAboutSizes.title, Qt::white,
                        ui::font(ui::FontRole::Title));
    title->setObjectName(QStringLiteral("Label2"));
    fitWidth(title, width());

    auto* blurb =
        place(new QLabel(this), kAboutSizes.blurb, Qt::white, ui::font(ui::FontRole::Text));
    blurb->setObjectName(QStringLiteral("Label1"));
    blurb->setText(tr("Includes the Calorie, Diabetes Risk, Cholesterol Risk and Heart Attack "
                      "Risk Calculator. These tools are indicative of standards to be maintained "
                      "for healthy living. \u00A9 Kestavo, %1. All rights reserved.")
                       .arg(siteHost()));
    blurb->setWordWrap(true);
    blurb->setFixedSize(ui::px(kAboutSizes.blurbWidth), ui::px(kAboutSizes.blurbHeight));
    blurb->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    LinkLabel* homePage =
        ui::named(m_links.makeLink(tr("Click here to visit us at %1").arg(siteHost()),
                                   WebPage::HomePage, this),
                  "lblHomePage");
    place(homePage, kAboutSizes.homePage, ui::kCyan, ui::font(ui::FontRole::Link));
    fitWidth(homePage, width());

    auto* offer = place(new QLabel(fullBrandOfferText(), this), kAboutSizes.offer, Qt::white,
                        ui::font(ui::FontRole::Strong));
    offer->setObjectName(QStringLiteral("Label3"));
    offer->setWordWrap(true);
    offer->setFixedSize(ui::px(kAboutSizes.offerWidth), ui::px(kAboutSizes.offerHeight));
    offer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    LinkLabel* details =
        ui::named(m_links.makeLink(moreDetailsText(), WebPage::FullBrandPage, this), "lblCoBrand");
    place(details, kAboutSizes.details, ui::kCyan, ui::font(ui::FontRole::Link));
    fitWidth(details, width());
    // A reader reaches both links by Tab, before OK.
    homePage->reachableByReader();
    details->reachableByReader();

    auto* ok = new QPushButton(tr("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    setBox(ok, kAboutSizes.ok);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // Enter closes the window, as on any message: the links come next in Tab order, not first.
    ok->setFocus();
}

void AboutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

} // namespace wellbox

#include "moc_aboutdialog.cpp"
