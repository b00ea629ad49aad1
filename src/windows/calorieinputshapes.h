#pragma once

#include "scoring/modcaloriecalculator.h"

#include <QtGlobal>

#include <array>

namespace wellbox {

// The lists and frames of the calorie input window, as data.
struct CalorieListRange {
    int first;
    int last;
};

struct CalorieUnitShape {
    const char* optionName;
    const char* optionCaption;
    const char* frameName;
    const char* frameCaption;
    const char* wholeName;
    int wholeLast; // the whole-number list runs from 0 to here
    const char* tenthsName;
    const char* tenthsDescription; // what a reader is told the tenths list holds
    modCalorieCalculator::Unit unit;
};

struct CalorieQuantityShape {
    const char* selectName;
    const char* selectCaption;
    const char* enterName;
    const char* enterCaption;
    const char* okName;
    const char* backName;
    std::array<CalorieUnitShape, 2> units;
};

inline constexpr CalorieQuantityShape kWeight{
    "fraSelectWeight",
    QT_TRANSLATE_NOOP("wellbox::CalorieInputWindow", "Select Category To Measure Weight"),
    "fraEnterWeight",
    QT_TRANSLATE_NOOP("wellbox::CalorieInputWindow", "Enter Weight"),
    "cmdOkWeight",
    "cmdBackWeight",
    {{
        {"optKG", QT_TRANSLATE_NOOP("wellbox::CalorieInputWindow", "Kilograms"), "fraInKilogram",
         QT_TRANSLATE_NOOP("wellbox::CalorieInputWindow", "In Kilogram"), "cmbKG", 500,
         "cmbPointKG", QT_TRANSLATE_NOOP("wellbox::CalorieInputWindow", "tenths of a kilogram"),
         modCalorieCalculator::Unit::Kilograms},
        {"optPound", QT_TRANSLATE_NOOP("wellbox::CalorieInputWindow", "Pounds"), "fraInPound",
         QT_TRANSLATE_NOOP("wellbox::CalorieInputWindow", "In Pound"), "cmbPound", 1000,
         "cmbPointPound", QT_TRANSLATE_NOOP("wellbox::CalorieInputWindow", "tenths of a pound"),
         modCalorieCalculator::Unit::Pounds},
    }},
};

inline constexpr CalorieQuantityShape kHeight{
    "fraSelectHeight",
    QT_TRANSLATE_NOOP("wellbox::CalorieInputWindow", "Select Category To Measure Height"),
    "fraEnterHeight",
    QT_TRANSLATE_NOOP("wellbox::CalorieInputWindow", "Enter Height"),
    "cmdOKHeight",
    "cmdBackHeight",
    {{
        {"optMeter", QT_TRANSLATE_NOOP("wellbox::CalorieInputWindow", "Meters"), "fraInMeter",
         QT_TRANSLATE_NOOP("wellbox::CalorieInputWindow", "In Meter"), "cmbMeter", 10,
         "cmbPointMeter", QT_TRANSLATE_NOOP("wellbox::CalorieInputWindow", "tenths of a meter"),
         modCalorieCalculator::Unit::Meters},
        {"optInches", QT_TRANSLATE_NOOP("wellbox::CalorieInputWindow", "Inches"), "fraInInches",
         QT_TRANSLATE_NOOP("wellbox::CalorieInputWindow", "In Inches"), "cmbInches", 500,
         "cmbPointInches", QT_TRANSLATE_NOOP("wellbox::CalorieInputWindow", "tenths of an inch"),
         modCalorieCalculator::Unit::Inches},
    }},
};

inline constexpr std::array kTenths{".0", ".1", ".2", ".3", ".4", ".5", ".6", ".7", ".8", ".9"};

} // namespace wellbox
