#pragma once

#include <QString>

namespace wellbox {

// Where the suite keeps its own entries in the settings store: under its program's name, in one
// section.
QString settingsApplication();
QString settingsSection();

// Names and values are kept in the settings store in a light disguise: each printable ASCII
// character is rotated half way round its range, everything else stays. Length and order hold.
QString EncodeSetting(const QString& plain);
QString DecodeSetting(const QString& encoded);

} // namespace wellbox
