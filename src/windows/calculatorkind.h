#pragma once

#include "widgets/keyedrows.h"
#include "widgets/uistyle.h"
#include "windows/sharedmenus.h"

#include <QtGlobal>

#include <array>
#include <optional>
#include <string_view>

namespace wellbox {

// The calculator windows, in the order the launcher closes them.
enum class CalculatorKind { CalorieDisplay, CalorieMain, Cholesterol, Diabetes, HeartAttack };

// How a calculator window surrounds its body: the banner's name, which advert is in front and
// whether the adverts lie in a frame, the co-brand advert's wording and the menus' names.
struct FamilyStyle {
    const char* bannerName;
    bool coBrandInFront;
    bool advertsInFrame;
    const char* coBrandText;
    const MenuVariant* menus;
};

inline constexpr char kCoBrandText[] = QT_TRANSLATE_NOOP(
    "wellbox::CalculatorWindow",
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding.");

inline constexpr FamilyStyle kRiskQuizStyle{"Label14", false, true, kCoBrandText, &kRiskQuizMenus};
inline constexpr FamilyStyle kCalorieInputStyle{
    "Label61", true, false,
    QT_TRANSLATE_NOOP("wellbox::CalculatorWindow",
                      "Co-brand this software for your site.  Increase loyalty and traffic to "
                      "your site. Put your site's name &&  link here. See \"Help\" for "
                      "details.Click Here for more info on co-branding."),
    &kCalorieInputMenus};
inline constexpr FamilyStyle kCalorieResultStyle{"Label61", true, false, kCoBrandText,
                                                 &kCalorieResultMenus};

// Where the main window offers a calculator: its launcher button and its caption on the welcome
// panel, each with the index its object name carries.
struct LauncherEntry {
    int slot; // left to right among the launcher's buttons, top to bottom among the captions
    int buttonIndex;
    const char* buttonCaption;
    const char* iconName;
    const char* icon;
    int captionIndex;
    const char* caption;
    const QColor* captionColour;
};

struct CalculatorDescriptor {
    CalculatorKind kind;
    std::string_view windowName;
    const char* caption; // the window translates it
    const FamilyStyle* style;
    std::optional<LauncherEntry> launcher; // the result window is reached through its input
    // Closed once more after all of them, in case closing another window brought it back.
    bool closedAgain;
};

// Each calculator window, with what the main window shows of it.
inline constexpr std::array<CalculatorDescriptor, 5> kCalculators{{
    {CalculatorKind::CalorieDisplay, "frmCalorieCalculatorDisplay",
     QT_TRANSLATE_NOOP("wellbox::CalculatorWindow", "Kestavo Calorie Calculator"),
     &kCalorieResultStyle, std::nullopt, true},
    {CalculatorKind::CalorieMain, "frmCalorieCalculatorMain",
     QT_TRANSLATE_NOOP("wellbox::CalculatorWindow", "Kestavo Calorie Calculator"),
     &kCalorieInputStyle,
     LauncherEntry{0, 0, QT_TRANSLATE_NOOP("wellbox::MainWindow", "Calorie Calculator"), "Picture2",
                   "calorie", 3, QT_TRANSLATE_NOOP("wellbox::WelcomePanel", "Calorie Calculator"),
                   &ui::kYellow},
     false},
    {CalculatorKind::Cholesterol, "frmCholesterolRiskCalculatorMain",
     QT_TRANSLATE_NOOP("wellbox::CalculatorWindow", "Kestavo Cholesterol Risk Calculator"),
     &kRiskQuizStyle,
     LauncherEntry{2, 1, QT_TRANSLATE_NOOP("wellbox::MainWindow", "Cholesterol Risk Calculator"),
                   "Picture4", "cholesterol", 4,
                   QT_TRANSLATE_NOOP("wellbox::WelcomePanel", "Cholesterol Risk Calculator"),
                   &ui::kMagenta},
     false},
    {CalculatorKind::Diabetes, "frmDiabetesRiskCalculatorMain",
     QT_TRANSLATE_NOOP("wellbox::CalculatorWindow", "Kestavo Diabetes Risk Calculator"),
     &kRiskQuizStyle,
     LauncherEntry{1, 2, QT_TRANSLATE_NOOP("wellbox::MainWindow", "Diabetes Risk Calculator"),
                   "Picture3", "diabetes", 5,
                   QT_TRANSLATE_NOOP("wellbox::WelcomePanel", "Diabetes Risk Calculator"),
                   &ui::kGreen},
     false},
    {CalculatorKind::HeartAttack, "frmHeartAttackRiskCalculatorMain",
     QT_TRANSLATE_NOOP("wellbox::CalculatorWindow", "Kestavo Heart Attack Risk Calculator"),
     &kRiskQuizStyle,
     LauncherEntry{3, 3, QT_TRANSLATE_NOOP("wellbox::MainWindow", "Heart Attack Risk Calculator"),
                   "Picture5", "heart", 6,
                   QT_TRANSLATE_NOOP("wellbox::WelcomePanel", "Heart Attack Risk Calculator"),
                   &ui::kRed},
     false},
}};
static_assert(oneRowPerKey(kCalculators, &CalculatorDescriptor::kind));

// How many calculators the launcher offers, each in a slot of its own.
inline constexpr std::size_t kLauncherSlots = [] {
    std::size_t count = 0;
    for (const CalculatorDescriptor& calculator : kCalculators)
        count += calculator.launcher ? 1 : 0;
    return count;
}();
static_assert([] {
    std::array<bool, kLauncherSlots> taken{};
    for (const CalculatorDescriptor& calculator : kCalculators)
        if (calculator.launcher) {
            const auto slot = static_cast<std::size_t>(calculator.launcher->slot);
            if (slot >= taken.size() || taken[slot])
                return false;
            taken[slot] = true;
        }
    return true;
}());

constexpr const CalculatorDescriptor& descriptor(CalculatorKind kind) {
    return kCalculators[static_cast<std::size_t>(kind)];
}

} // namespace wellbox
