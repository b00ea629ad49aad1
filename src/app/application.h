#pragma once

#include "app/mainwindow.h"

#include <memory>

namespace wellbox {

class InstanceGuard;
struct Platform;

// The start-up sequence: refuse a second instance, remind of updates when due, then show the
// main window. Returns the main window, or none when the program is to end at once.
std::unique_ptr<MainWindow> startApplication(Platform& platform, InstanceGuard& guard,
                                             HelpLinks& links, CalculatorFactory factory);

// Whether a window can be shown at all: a platform was chosen, or a desktop session is there.
bool displayAvailable();

} // namespace wellbox
