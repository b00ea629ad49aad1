#include "platform/webpageopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace wellbox {

void QtWebPageOpener::open(const QString& address) {
    // The browser is started detached; a failure to start it is not the user's concern here.
    static_cast<void>(QDesktopServices::openUrl(QUrl(address)));
}

} // namespace wellbox
