#pragma once

#include "platform/clock.h"
#include "platform/filewriter.h"
#include "platform/messagebox.h"
#include "platform/printdialog.h"
#include "platform/savedialog.h"
#include "platform/settingsstore.h"
#include "platform/webpageopener.h"

namespace wellbox {

// The outside world as the windows see it; the real one in the program, fakes in tests.
struct Platform {
    MessageBox& messageBox;
    WebPageOpener& webPageOpener;
    SettingsStore& settings;
    Clock& clock;
    SaveDialog& saveDialog;
    PrintDialog& printDialog;
    FileWriter& fileWriter;
};

} // namespace wellbox
