#include "app/application.h"

#include "widgets/readerkeys.h"

#include "app/surroundings.h"
#include "app/updatereminder.h"
#include "platform/instanceguard.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace wellbox {

namespace {

// What names a display, in the order Qt looks.
constexpr std::array kDisplayVariables{"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"};

// The display variables that are set, as "NAME=value, ...".
QString namedDisplays() {
    QStringList named;
    for (const char* name : kDisplayVariables)
        if (!qEnvironmentVariableIsEmpty(name))
            named << QLatin1String(name) + QLatin1Char('=') + qEnvironmentVariable(name);
    return named.join(QStringLiteral(", "));
}

// While it lives, Qt's messages are held back, and a display that cannot be opened ends the
// program with one line and status 1 instead of Qt's four lines of advice and an abort.
// The held messages follow when it ends, the display open.
class DisplayOpening {
public:
    DisplayOpening()
        : m_previous(qInstallMessageHandler(&DisplayOpening::hold)) {
        s_current = this;
    }
    ~DisplayOpening() {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
        for (const Held& held : m_held)
            qt_message_output(held.type,
                              QMessageLogContext(nullptr, 0, nullptr, held.category.constData()),
                              held.message);
    }
    DisplayOpening(const DisplayOpening&) = delete;
    DisplayOpening& operator=(const DisplayOpening&) = delete;

private:
    struct Held {
        QtMsgType type;
        QByteArray category;
        QString message;
    };

    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (type == QtFatalMsg) {
            const QString line = QStringLiteral(WELLBOX_DISPLAY_FAILED).arg(namedDisplays());
            std::fprintf(stderr, "%s\n", qPrintable(line));
            std::_Exit(1);
        }
        s_current->m_held.append({type, context.category, message});
    }

    // Qt's message handler is a plain function: it finds the opening under way here.
    static inline DisplayOpening* s_current = nullptr;
    QtMessageHandler m_previous;
    QList<Held> m_held;
};

} // namespace

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
    placeOnScreen(*window);
    window->show();
    // Its frame is known once it is shown, where the platform tells it then.
    placeOnScreen(*window);
    return window;
}

void placeOnScreen(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize outer = window.frameGeometry().size();
    const QRect placed = mainWindowFrame(screen->availableGeometry(), outer);
    // Smaller only where the screen leaves less room than the window is made for.
    if (placed.size() != outer)
        window.resize(window.size() - (outer - placed.size()));
    window.move(placed.topLeft());
}

QRect mainWindowFrame(const QRect& available, const QSize& outerSize) {
    QRect placed({}, outerSize.boundedTo(available.size()));
    placed.moveCenter(available.center());
    placed.moveTopLeft(
        {std::max(placed.left(), available.left()), std::max(placed.top(), available.top())});
    return placed;
}

std::unique_ptr<QApplication> openDisplay(int& argc, char** argv) {
    if (namedDisplays().isEmpty()) {
        std::fputs(WELLBOX_NO_DISPLAY "\n", stderr);
        return nullptr;
    }
    if (const std::optional<QString> cause = tooFewFiles()) {
        std::fprintf(stderr, "%s\n", qPrintable(*cause));
        return nullptr;
    }
    for (const QString& ignored : ignoreUnusableScaling())
        std::fprintf(stderr, "%s\n", qPrintable(ignored));
    withoutBusAutolaunch();
    const DisplayOpening opening;
    return std::make_unique<SuiteApplication>(argc, argv);
}

} // namespace wellbox
