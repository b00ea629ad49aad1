#pragma once

#include <QString>

namespace wellbox {

// Opens an address in the user's default browser; never waits and never reports failure.
class WebPageOpener {
public:
    virtual ~WebPageOpener() = default;
    virtual void open(const QString& address) = 0;
};

class QtWebPageOpener final : public WebPageOpener {
public:
    void open(const QString& address) override;
};

} // namespace wellbox
