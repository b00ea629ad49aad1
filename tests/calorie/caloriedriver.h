#pragma once

// Drives the two calorie windows from the launcher the way a user does, and lets the tests
// read the calorie store that the main window owns.

#include "calorie/caloriestore.h"
#include "support/appfixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

namespace wellbox::testing {

// One unit of an entry such as "154.0 lb": its option, its two lists and the frame holding them.
struct UnitLists {
    const char* suffix;
    const char* option;
    const char* whole;
    const char* tenths;
    const char* frame;
    bool weight() const { return suffix[0] == 'k' || suffix[0] == 'l'; }
    const char* ok() const { return weight() ? "cmdOkWeight" : "cmdOKHeight"; }
};

inline constexpr std::array<UnitLists, 4> kUnits{{
    {"kg", "optKG", "cmbKG", "cmbPointKG", "fraInKilogram"},
    {"lb", "optPound", "cmbPound", "cmbPointPound", "fraInPound"},
    {"m", "optMeter", "cmbMeter", "cmbPointMeter", "fraInMeter"},
    {"in", "optInches", "cmbInches", "cmbPointInches", "fraInInches"},
}};

inline const QStringList kAllInputLists{"cmbGender", "cmbAge",        "cmbKG",    "cmbPointKG",
                                        "cmbPound",  "cmbPointPound", "cmbMeter", "cmbPointMeter",
                                        "cmbInches", "cmbPointInches"};

// True when `widget` is drawn over every sibling that shares its rectangle.
inline bool inFront(const QWidget* widget) {
    const QObjectList& siblings = widget->parent()->children();
    const qsizetype own = siblings.indexOf(widget);
    for (qsizetype i = own + 1; i < siblings.size(); ++i) {
        const auto* other = qobject_cast<const QWidget*>(siblings.at(i));
        if (other && other->isVisibleTo(widget->parentWidget()) &&
            other->geometry().intersects(widget->geometry()))
            return false;
    }
    return true;
}

// True when a user could reach `widget`: shown, and not covered by a frame in front of it.
inline bool reachable(const QWidget* widget) {
    if (!widget || !widget->isVisible())
        return false;
    const QWidget* top = widget->window();
    const QWidget* hit = top->childAt(widget->mapTo(top, widget->rect().center()));
    return hit && (hit == widget || widget->isAncestorOf(hit));
}

class CalorieDriver {
public:
    static constexpr auto Input = CalculatorKind::CalorieMain;
    static constexpr auto Result = CalculatorKind::CalorieDisplay;

    AppFixture app;
    // The store the calorie windows share.
    const modCalorieCalculator::CalorieStore* store = &app.calculators.calorieStore();

    CalculatorWindow* input() const { return app.window.loadedCalculator(Input); }
    CalculatorWindow* result() const { return app.window.loadedCalculator(Result); }

    template <typename T = QWidget> T* in(CalculatorKind kind, const char* name) const {
        return app.findIn<T>(kind, QString::fromLatin1(name));
    }

    bool click(CalculatorKind kind, const char* name) {
        auto* button = in<QAbstractButton>(kind, name);
        if (!reachable(button))
            return false;
        button->click();
        QApplication::processEvents();
        return true;
    }

    bool trigger(CalculatorKind kind, const char* name) {
        auto* action = in<QAction>(kind, name);
        if (!action)
            return false;
        action->trigger();
        QApplication::processEvents();
        return true;
    }

    bool pick(const char* list, const QString& text) {
        auto* combo = in<QComboBox>(Input, list);
        const int index = reachable(combo) ? combo->findText(text) : -1;
        if (index < 0)
            return false;
        combo->setCurrentIndex(index);
        return true;
    }

    // Chooses the unit of an entry like "65.0 in", picks its two lists and confirms with OK.
    bool enter(const QString& entry) {
        const QStringList parts = entry.split(QLatin1Char(' '));
        const QStringList number = parts.value(0).split(QLatin1Char('.'));
        for (const UnitLists& unit : kUnits) {
            if (parts.value(1) != QLatin1String(unit.suffix))
                continue;
            return click(Input, unit.option) && pick(unit.whole, number.value(0)) &&
                   pick(unit.tenths, QLatin1Char('.') + number.value(1)) && click(Input, unit.ok());
        }
        return false;
    }

    // From the launcher (unless the input window is up) to the result window.
    bool proceedWith(const QString& sex, const QString& age, const QString& weight,
                     const QString& height) {
        if (!(input() && input()->isVisible()) && !app.launch(0))
            return false;
        return pick("cmbGender", sex) && pick("cmbAge", age) && enter(weight) && enter(height) &&
               click(Input, "cmdCalculate") && result() && result()->isVisible();
    }

    // The File menu as "objectName=text" entries.
    QStringList fileMenu(CalculatorKind kind) const {
        QStringList entries;
        for (const QAction* action : in<QMenu>(kind, "mnuFile")->actions())
            entries << action->objectName() + QLatin1Char('=') + action->text();
        return entries;
    }

    QString shownRequirement() const {
        auto* label = in<QLabel>(Result, "lblRequireCalories");
        return label ? label->text() : QStringLiteral("<no result window>");
    }

    // Every list selection and unit choice of the input window, to compare before and after.
    QStringList inputState() const {
        QStringList state;
        for (const QString& name : kAllInputLists)
            state << name + QLatin1Char('=') +
                         in<QComboBox>(Input, qPrintable(name))->currentText();
        for (const UnitLists& unit : kUnits)
            state << QString::fromLatin1(unit.option) + QLatin1Char('=') +
                         QString::number(in<QRadioButton>(Input, unit.option)->isChecked());
        return state;
    }
};

} // namespace wellbox::testing
