#pragma once

// Every step of every window, reached the way a user reaches it, for the walks that visit them
// all.

#include "app/aboutdialog.h"
#include "support/appfixture.h"
#include "widgets/framestack.h"

#include <QComboBox>

namespace wellbox::testing {

struct Step {
    const char* name;
    int launcherButton; // -1: the welcome panel, -2: the About window
    std::array<const char*, 5> clicks;
};

inline constexpr std::array<Step, 15> kSteps{{
    {"welcome panel", -1, {}},
    {"about window", -2, {}},
    {"heart details", 3, {}},
    {"heart questions", 3, {"cmdNext"}},
    {"heart result", 3, {"cmdNext", "cmdNextQuestion"}},
    {"cholesterol result", 1, {"cmdNext", "cmdNextQuestion"}},
    {"diabetes details", 2, {}},
    {"diabetes questions", 2, {"cmdNext"}},
    {"diabetes result", 2, {"cmdNext", "cmdNextQuestion"}},
    {"calorie select frames", 0, {}},
    {"calorie weight entry", 0, {"optKG"}},
    {"calorie weight entry after OK", 0, {"optKG", "cmdOkWeight"}},
    {"calorie both entries", 0, {"optPound", "optInches"}},
    {"calorie activity", 0, {"optKG", "cmdOkWeight", "optMeter", "cmdCalculate"}},
    {"calorie result", 0, {"optKG", "optMeter", "cmdCalculate", "optOne", "cmdCalculate"}},
}};

// The shown control of that name in the frame in front (both calorie windows have a
// cmdCalculate).
inline QWidget* inView(const QWidget& root, const char* name) {
    for (QWidget* widget : root.findChildren<QWidget*>(QString::fromLatin1(name)))
        if (widget->isVisible() && !FrameStack::isCovered(widget))
            return widget;
    return nullptr;
}

// The main window with one step reached.
struct ReachedStep {
    explicit ReachedStep(const Step& step) {
        if (step.launcherButton == -2) // About opens as a window of its own
            (root = new AboutDialog(app.links, &app.window))->show();
        start = step.launcherButton >= 0 ? app.launch(step.launcherButton)
                                         : app.find(QStringLiteral("cmdSelectOption_0"));
        for (const auto& [box, text] :
             {std::pair{"txtAge", "45"}, {"txtName", "Ann"}, {"txtWeight", "150"}})
            if (QWidget* widget = inView(app.window, box))
                QTest::keyClicks(widget, QString::fromLatin1(text));
        for (const char* name : {"cmbKG", "cmbPound", "cmbMeter", "cmbInches"})
            if (auto* list = app.find<QComboBox>(QString::fromLatin1(name)))
                list->setCurrentIndex(1); // a body, so Proceed goes on
        // Near the left edge, where an option button's circle is; Next Question until the result.
        for (const char* name : step.clicks) {
            QWidget* control = nullptr;
            for (int n = 0; n < 9 && name && (control = inView(app.window, name)); ++n) {
                QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
                if (qstrcmp(name, "cmdNextQuestion") != 0)
                    break;
            }
        }
    }

    AppFixture app;
    QWidget* root = &app.window;
    QWidget* start = nullptr; // takes the focus when nothing has it
};

} // namespace wellbox::testing
