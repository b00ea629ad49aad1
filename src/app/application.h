#pragma once

#include "app/mainwindow.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <memory>

namespace wellbox {

class InstanceGuard;
struct Platform;

// The start-up sequence: refuse a second instance, remind of updates when due, then show the
// main window. Returns the main window, or none when the program is to end at once.
std::unique_ptr<MainWindow> startApplication(Platform& platform, InstanceGuard& guard,
                                             HelpLinks& links, CalculatorFactory factory);

// Where the main window of `frame` size goes in a screen's `available` area: centred, with the
// top-left corner kept inside the area so that the menu bar stays in reach on a small screen.
QPoint mainWindowPosition(const QRect& available, const QSize& frame);

// Whether a window can be shown at all: a platform was chosen, or a desktop session is there.
bool displayAvailable();

} // namespace wellbox
