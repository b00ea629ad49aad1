#pragma once

#include <QtGlobal>

#include <array>
#include <string_view>

namespace wellbox {

// The calculator windows, in the order the launcher closes them.
enum class CalculatorKind { CalorieDisplay, CalorieMain, Cholesterol, Diabetes, HeartAttack };

struct CalculatorDescriptor {
    CalculatorKind kind;
    std::string_view windowName;
    const char* caption;
};

// Name and caption of each calculator window; the window translates its caption.
inline constexpr std::array<CalculatorDescriptor, 5> kCalculators{{
    {CalculatorKind::CalorieDisplay, "frmCalorieCalculatorDisplay",
     QT_TRANSLATE_NOOP("wellbox::CalculatorWindow", "Kestavo Calorie Calculator")},
    {CalculatorKind::CalorieMain, "frmCalorieCalculatorMain",
     QT_TRANSLATE_NOOP("wellbox::CalculatorWindow", "Kestavo Calorie Calculator")},
    {CalculatorKind::Cholesterol, "frmCholesterolRiskCalculatorMain",
     QT_TRANSLATE_NOOP("wellbox::CalculatorWindow", "Kestavo Cholesterol Risk Calculator")},
    {CalculatorKind::Diabetes, "frmDiabetesRiskCalculatorMain",
     QT_TRANSLATE_NOOP("wellbox::CalculatorWindow", "Kestavo Diabetes Risk Calculator")},
    {CalculatorKind::HeartAttack, "frmHeartAttackRiskCalculatorMain",
     QT_TRANSLATE_NOOP("wellbox::CalculatorWindow", "Kestavo Heart Attack Risk Calculator")},
}};

constexpr const CalculatorDescriptor& descriptor(CalculatorKind kind) {
    return kCalculators[static_cast<std::size_t>(kind)];
}

constexpr bool descriptorsInKindOrder() {
    for (std::size_t i = 0; i < kCalculators.size(); ++i)
        if (static_cast<std::size_t>(kCalculators[i].kind) != i)
            return false;
    return true;
}
static_assert(descriptorsInKindOrder(), "one descriptor per kind, in the order of the kinds");

} // namespace wellbox
