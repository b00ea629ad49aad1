// Result pictures a test draws or shows: the worked examples' and the palettes they are drawn in.

#pragma once

#include "result/resultpicture.h"
#include "scoring/moddiabetesriskcalculator.h"
#include "scoring/modheartattack.h"
#include "scoring/resultreport.h"
#include "support/datarows.h"

#include <QPalette>

namespace wellbox::testing {

// Black on white, or light on a dark ground.
inline PictureInk inkFor(const QString& palette) {
    return palette == "light" ? PictureInk::paper() : PictureInk::of(QPalette(QColor(43, 43, 43)));
}

// The diabetes scale for the sixth row of heights, a weight and the answers' positions.
inline ScoreScale diabetesScale(int weight, std::array<int, 5> answers) {
    return std::get<ScoreScale>(
        modDiabetesRiskCalculator::diabetesOutlook({6, std::int16_t(weight), answers}).picture);
}

// Each calculator's worked example's picture: the heart attack one for an age quiz.
inline ResultPictureData examplePicture(const QString& calculator) {
    if (calculator == "diabetes")
        return diabetesScale(191, {1, 0, 1, 1, 1});
    if (calculator == "calorie")
        return calorieOutlook(1671, 2).picture;
    return modHeartAttack::heartAttackOutlook({50, Sex::Male, {0, 0, 6, 7, 8, 1}}).picture;
}

} // namespace wellbox::testing
