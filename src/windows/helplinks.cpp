#include "windows/helplinks.h"

#include "platform/webpageopener.h"
#include "widgets/keyedrows.h"
#include "widgets/linklabel.h"
#include "widgets/uistyle.h"

#include <QCoreApplication>
#include <QUrl>

#include <array>
#include <string_view>

namespace wellbox {

namespace {

constexpr std::string_view kSite = "https://www.kestavo.example/";

struct PageRow {
    WebPage page;
    std::string_view path;
};

// Where each page lives below the site address.
constexpr std::array<PageRow, 5> kPages{{
    {WebPage::OnlineHelp, "wellbox/help/"},
    {WebPage::HomePage, "forum/"},
    {WebPage::DownloadPage, "wellbox/download/"},
    {WebPage::FullBrandPage, "wellbox/full-branding/"},
    {WebPage::CoBrandPage, "wellbox/co-branding/"},
}};

static_assert(oneRowPerKey(kPages, &PageRow::page));

} // namespace

QString pageAddress(WebPage page) {
    return ui::fromView(kSite) + ui::fromView(kPages.at(static_cast<std::size_t>(page)).path);
}

QString siteHost() {
    return QUrl(ui::fromView(kSite)).host();
}

QString forumBannerText() {
    return QCoreApplication::translate("wellbox::HelpLinks",
                                       "Join the Kestavo health forum at %1/forum")
        .arg(siteHost());
}

QString fullBrandOfferText() {
    return QCoreApplication::translate(
        "wellbox::HelpLinks", "Home Business Opportunity. Start your own Internet business "
                              "and make money online. Get this software fully branded for "
                              "your website. ");
}

QString moreDetailsText() {
    return QCoreApplication::translate("wellbox::HelpLinks", "Click here for more details.");
}

QString fullBrandAdvertText() {
    return fullBrandOfferText() + moreDetailsText();
}

void HelpLinks::OpenWebPage(const QString& address) {
    m_opener.open(address);
}

LinkLabel* HelpLinks::makeLink(const QString& text, WebPage page, QWidget* parent) {
    auto* link = new LinkLabel(text, parent);
    link->setAddress(pageAddress(page));
    link->setCursor(Qt::PointingHandCursor);
    QObject::connect(link, &LinkLabel::clicked, link, [this, page] { open(page); });
    return link;
}

} // namespace wellbox
