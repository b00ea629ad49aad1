#pragma once

#include "scoring/caloriestore.h"
#include "windows/calculatorkind.h"

namespace wellbox {

class CalculatorWindow;
class MainWindow;
struct WindowContext;

// Builds the window of a calculator, loaded but not shown, and wires what it tells the main
// window. Owns the calorie store, which lasts for the whole run.
class CalculatorWindows {
public:
    CalculatorWindow* create(CalculatorKind kind, const WindowContext& context, MainWindow& shell);

    const modCalorieCalculator::CalorieStore& calorieStore() const { return m_calorieStore; }

private:
    modCalorieCalculator::CalorieStore m_calorieStore;
};

} // namespace wellbox
