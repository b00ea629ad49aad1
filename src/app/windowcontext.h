#pragma once

#include "platform/platform.h"

namespace wellbox {

namespace modCalorieCalculator {
struct CalorieStore;
}

class CalculatorHost;
class HelpLinks;

// Everything a calculator window is handed when it is loaded.
struct WindowContext {
    Platform& platform;
    HelpLinks& links;
    CalculatorHost& host;
    modCalorieCalculator::CalorieStore& calorieStore;
};

} // namespace wellbox
