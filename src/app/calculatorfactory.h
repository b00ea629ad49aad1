#pragma once

#include "app/calculatorhost.h"

namespace wellbox {

struct WindowContext;

// Creates the window of a calculator, loaded but not shown.
CalculatorWindow* createCalculatorWindow(CalculatorKind kind, const WindowContext& context);

} // namespace wellbox
