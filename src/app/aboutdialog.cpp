#include "app/aboutdialog.h"
#include "app/version.h"

#include "widgets/helplinks.h"
#include "widgets/linklabel.h"
#include "widgets/uistyle.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace wellbox {

namespace {

QLabel* place(QLabel* label, int leftTwips, int topTwips, const QColor& colour, const QFont& font) {
    label->setFont(font);
    ui::setForeground(label, colour);
    label->move(ui::px(leftTwips), ui::px(topTwips));
    return label;
}

} // namespace

AboutDialog::AboutDialog(HelpLinks& links, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_links(links) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(versionedTitle());
    setModal(true);
    setFixedSize(ui::px(6810), ui::px(3870));
    ui::setBackground(this, Qt::black);
    setAttribute(Qt::WA_DeleteOnClose, false);
    buildControls();
}

void AboutDialog::buildControls() {
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(ui::px(180), ui::px(150), ui::px(540), ui::px(540));
    picture->setPixmap(ui::artwork("kestavo-wellbox"));
    picture->setScaledContents(true);

    auto* title = place(new QLabel(versionedTitle(), this), 840, 240,
                        Qt::white, ui::verdana(9.75, ui::FontStyle::Bold));
    title->setObjectName(QStringLiteral("Label2"));
    title->adjustSize();

    auto* blurb = place(new QLabel(this), 240, 840, Qt::white, ui::verdana(8.25));
    blurb->setObjectName(QStringLiteral("Label1"));
    blurb->setText(QStringLiteral("Includes the Calorie, Diabetes Risk, Cholesterol Risk and "
                                  "Heart Attack Risk Calculator. These tools are indicative of "
                                  "standards to be maintained for healthy living. "
                                  "\u00A9 Kestavo, %1. All rights reserved.")
                       .arg(siteHost()));
    blurb->setWordWrap(true);
    blurb->setFixedSize(ui::px(6465), ui::px(855));
    blurb->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* homePage =
        new LinkLabel(QStringLiteral("Click here to visit us at %1").arg(siteHost()), this);
    place(homePage, 2640, 1800, ui::kCyan, ui::verdana(8.25, ui::FontStyle::Underline));
    homePage->setObjectName(QStringLiteral("lblHomePage"));
    homePage->setCursor(Qt::PointingHandCursor);
    homePage->adjustSize();
    homePage->setAddress(pageAddress(WebPage::HomePage));
    connect(homePage, &LinkLabel::clicked, this, [this] { m_links.OpenHomePage(); });

    auto* offer = place(new QLabel(fullBrandOfferText(), this),
                        240, 2280, Qt::white, ui::verdana(8.25, ui::FontStyle::Bold));
    offer->setObjectName(QStringLiteral("Label3"));
    offer->setWordWrap(true);
    offer->setFixedSize(ui::px(6105), ui::px(675));
    offer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* details = new LinkLabel(QStringLiteral("Click here for more details."), this);
    place(details, 4320, 2880, ui::kCyan, ui::verdana(8.25, ui::FontStyle::Underline));
    details->setObjectName(QStringLiteral("lblCoBrand"));
    details->setCursor(Qt::PointingHandCursor);
    details->adjustSize();
    details->setAddress(pageAddress(WebPage::FullBrandPage));
    connect(details, &LinkLabel::clicked, this, [this] { m_links.OpenFullBrandPage(); });

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(ui::px(5400), ui::px(3360), ui::px(1260), ui::px(345));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

} // namespace wellbox
