#pragma once

#include "app/mainwindow.h"

#include <QApplication>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <memory>

class QWidget;

namespace wellbox {

class InstanceGuard;
struct Platform;

// The start-up sequence: refuse a second instance, remind of updates when due, then show the
// main window. Returns the main window, or none when the program is to end at once.
std::unique_ptr<MainWindow> startApplication(Platform& platform, InstanceGuard& guard,
                                             HelpLinks& links, CalculatorFactory factory);

// Where the main window of `outerSize` (its decorations included) goes in a screen's `available`
// area: centred, with the top-left corner kept inside the area so that the menu bar stays in
// reach on a small screen.
QRect mainWindowFrame(const QRect& available, const QSize& outerSize);
// Moves the main window there on the primary screen, made smaller where it does not fit.
void placeOnScreen(QWidget& window);

// The application object on a display that works. Without one the program says so in one line
// and ends with status 1: here (no object) when no display is named or too few files can be
// opened, and from inside Qt when the one named cannot be opened. Scaling that would show no
// usable window is ignored, each with a line; no session bus is started.
std::unique_ptr<QApplication> openDisplay(int& argc, char** argv);

} // namespace wellbox
