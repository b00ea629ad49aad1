#pragma once

#include "platform/qtmessagebox.h"

#include <QString>

namespace wellbox {

// The version is the project version the build was configured with.
inline constexpr char kVersion[] = WELLBOX_VERSION;

// The caption of the main window and of the About window.
inline QString versionedTitle() {
    return QStringLiteral("%1 v%2").arg(QLatin1String(kApplicationTitle), QLatin1String(kVersion));
}

} // namespace wellbox
