#pragma once

#include "platform/platform.h"

namespace wellbox {

class HelpLinks;

// Everything a calculator window is handed when it is loaded.
struct WindowContext {
    Platform& platform;
    HelpLinks& links;
};

} // namespace wellbox
