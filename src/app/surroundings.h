#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace wellbox {

// What the program's surroundings must offer before its first window, set right where the
// environment would make no usable window or leave something behind.

// Unsets each of Qt's scaling variables whose value makes no usable window (no number, zero or
// below, or past what a screen shows: a window of 32,767 pixels or none at all), so that Qt
// scales as without it; a line for standard error for each.
QStringList ignoreUnusableScaling();

// Where no session bus runs, points D-Bus at the place of the one there would be, so that none
// is started for the program (libdbus's autolaunch), to outlive it and leave files in the home
// and runtime folders. A screen reader reaches the program over a bus of its own, which this
// leaves alone.
void withoutBusAutolaunch();

// Why the program cannot start, in a line for standard error: too few free file descriptors
// for its windows (with fewer, GLib aborts or the X connection hangs). Nothing where there are
// enough.
std::optional<QString> tooFewFiles();

} // namespace wellbox
