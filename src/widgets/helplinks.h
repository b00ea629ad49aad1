#pragma once

#include <QString>

namespace wellbox {

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

private:
    void open(WebPage page) { OpenWebPage(pageAddress(page)); }

    WebPageOpener& m_opener;
};

} // namespace wellbox
