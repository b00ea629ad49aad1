#pragma once

#include "scoring/units.h"

#include <QLocale>

namespace wellbox {

class SettingsStore;

// The units the user chose, kept for the next start in the suite's own settings beside the
// reminder's date: `BodyUnits` ("Imperial" or "Metric") and `CholesterolUnit` ("mg/dL" or
// "mmol/L") in the section "Settings", names and values in the settings' disguise. Nothing is
// written until the user changes a choice. An entry that is absent, damaged or none of ours
// reads as the default: the locale's measurement system for height and weight, mg/dL for
// cholesterol.
class UnitChoices {
public:
    explicit UnitChoices(SettingsStore& settings);

    BodyUnits bodyUnits() const;
    CholesterolUnit cholesterolUnit() const;
    void keep(BodyUnits units);
    void keep(CholesterolUnit unit);

private:
    SettingsStore& m_settings;
};

// Feet and pounds where the locale measures in imperial units (the US and UK systems) and under
// the C and POSIX locales; centimetres and kilograms elsewhere.
BodyUnits localeBodyUnits(const QLocale& locale = QLocale());

} // namespace wellbox
