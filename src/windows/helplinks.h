#pragma once

#include <QString>

class QWidget;

namespace wellbox {

class LinkLabel;
class WebPageOpener;

enum class WebPage { OnlineHelp, HomePage, DownloadPage, FullBrandPage, CoBrandPage };

// The maker's pages. Every address hangs off one site address, so a rebrand changes one line.
QString pageAddress(WebPage page);
// The site as people type it, for banners and the About text: "www.kestavo.example".
QString siteHost();
// The forum banner shown at the top of every window.
QString forumBannerText();
// The full-branding offer, the invitation that leads to its page, and the two as one advert.
QString fullBrandOfferText();
QString moreDetailsText();
QString fullBrandAdvertText();

// The link routines shared by every window. Opening a page never waits and never reports.
class HelpLinks {
public:
    explicit HelpLinks(WebPageOpener& opener)
        : m_opener(opener) {}

    void OpenWebPage(const QString& address);
    void OpenOnlineHelp() { open(WebPage::OnlineHelp); }
    void OpenHomePage() { open(WebPage::HomePage); }
    void OpenDownloadPage() { open(WebPage::DownloadPage); }
    void OpenFullBrandPage() { open(WebPage::FullBrandPage); }
    void OpenCoBrandPage() { open(WebPage::CoBrandPage); }
    void open(WebPage page) { OpenWebPage(pageAddress(page)); }

    // A label that opens `page` when clicked and tells a reader which page that is. The links
    // must outlive it.
    LinkLabel* makeLink(const QString& text, WebPage page, QWidget* parent);

private:
    WebPageOpener& m_opener;
};

} // namespace wellbox
