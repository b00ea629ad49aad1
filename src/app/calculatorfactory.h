#pragma once

#include "scoring/caloriestore.h"
#include "widgets/calculatorhost.h"

namespace wellbox {

struct WindowContext;

// Builds the window of a calculator, loaded but not shown. Owns the calorie store, which
// lasts for the whole run and which only the two calorie windows are handed.
class CalculatorWindows {
public:
    CalculatorWindow* create(CalculatorKind kind, const WindowContext& context);

    const modCalorieCalculator::CalorieStore& calorieStore() const { return m_calorieStore; }

private:
    modCalorieCalculator::CalorieStore m_calorieStore;
};

} // namespace wellbox
