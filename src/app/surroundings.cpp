#include "app/surroundings.h"

#include "platform/room.h"

#include <QByteArray>

#include <array>
#include <cmath>

#include <sys/stat.h>

namespace wellbox {

namespace {

// The scales a window can be shown at: at 4 the main window is some 3,200 by 2,500 pixels, the
// size of the largest screens; below a half its text cannot be read.
constexpr double kSmallestScale = 0.5;
constexpr double kLargestScale = 4.0;
// A font resolution as those scales give it, on Qt's own 96 dots per inch.
constexpr int kLowestFontDpi = 48;
constexpr int kHighestFontDpi = 384;

// Descriptors the start needs beyond those open: the X connection and its pipes, the event
// loops' wakeups, the lock, the settings, the fonts; some to spare for a dialog.
constexpr int kStartFiles = 16;

bool isScale(const QByteArray& text) {
    bool number = false;
    const double scale = text.trimmed().toDouble(&number);
    return number && std::isfinite(scale) && scale >= kSmallestScale && scale <= kLargestScale;
}

// QT_SCREEN_SCALE_FACTORS: a scale per screen, "1.5;2" or "HDMI-1=1.5;DP-1=2".
bool isScaleList(const QByteArray& text) {
    for (const QByteArray& screen : text.split(';'))
        if (!isScale(screen.sliced(screen.indexOf('=') + 1)))
            return false;
    return true;
}

bool isFontDpi(const QByteArray& text) {
    bool number = false;
    const int dpi = text.trimmed().toInt(&number);
    return number && dpi >= kLowestFontDpi && dpi <= kHighestFontDpi;
}

struct Scaling {
    const char* variable;
    bool (*usable)(const QByteArray&);
    const char* range;
};
constexpr std::array kScalings{
    Scaling{"QT_SCALE_FACTOR", &isScale, "a number from 0.5 to 4"},
    Scaling{"QT_SCREEN_SCALE_FACTORS", &isScaleList, "numbers from 0.5 to 4, one for each screen"},
    Scaling{"QT_FONT_DPI", &isFontDpi, "a whole number from 48 to 384"},
};

} // namespace

QStringList ignoreUnusableScaling() {
    QStringList told;
    for (const Scaling& scaling : kScalings) {
        const QByteArray value = qgetenv(scaling.variable);
        if (value.isEmpty() || scaling.usable(value))
            continue;
        told << QStringLiteral("kestavo-wellbox ignores %1=%2: it takes %3.")
                    .arg(QLatin1String(scaling.variable), QString::fromLocal8Bit(value),
                         QLatin1String(scaling.range));
        qunsetenv(scaling.variable);
    }
    return told;
}

void withoutBusAutolaunch() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    // Where libdbus looks before it would start a bus of its own.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray bus = runtime.startsWith('/') ? runtime + "/bus" : "/dev/null";
    struct stat socket {};
    if (::stat(bus.constData(), &socket) == 0 && S_ISSOCK(socket.st_mode))
        return;
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + bus);
}

std::optional<QString> tooFewFiles() {
    const int free = freeFileDescriptors(kStartFiles);
    if (free >= kStartFiles)
        return std::nullopt;
    return QStringLiteral("kestavo-wellbox cannot start: too many open files (it needs %1 more, "
                          "and the limit on open files allows %2).")
        .arg(kStartFiles)
        .arg(free);
}

} // namespace wellbox
