#pragma once

#include <QString>

namespace wellbox {

// The product's name. Every message box carries it as its title: Qt's display name is left
// unset so that window captions stay exactly as designed.
inline constexpr char kApplicationTitle[] = "Kestavo Wellbox I";

// The version is the project version the build was configured with.
inline constexpr char kVersion[] = WELLBOX_VERSION;

// The caption of the main window and of the About window.
inline QString versionedTitle() {
    return QStringLiteral("%1 v%2").arg(QLatin1String(kApplicationTitle), QLatin1String(kVersion));
}

} // namespace wellbox
