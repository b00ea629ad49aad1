#include "app/application.h"

#include "app/updatereminder.h"
#include "platform/instanceguard.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace wellbox {

std::unique_ptr<MainWindow> startApplication(Platform& platform, InstanceGuard& guard,
                                             HelpLinks& links, CalculatorFactory factory) {
    if (guard.anotherInstanceRunning()) {
        platform.messageBox.show(
            nullptr,
            QCoreApplication::translate("wellbox::Application", "Application is already running"),
            MessageIcon::Information, MessageButtons::Ok);
        return nullptr;
    }

    UpdateReminder(platform.settings, platform.clock, platform.messageBox, links)
        .ShowUpdateReminder();

    auto window = std::make_unique<MainWindow>(platform, links, std::move(factory));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(
            mainWindowPosition(screen->availableGeometry(), window->frameGeometry().size()));
    window->show();
    return window;
}

QPoint mainWindowPosition(const QRect& available, const QSize& frame) {
    QRect placed({}, frame);
    placed.moveCenter(available.center());
    return {std::max(placed.left(), available.left()), std::max(placed.top(), available.top())};
}

bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace wellbox
