#pragma once

#include "widgets/uistyle.h"

#include <QLabel>

namespace wellbox {

// Sizes in twips (15 to a pixel).
inline constexpr struct {
    // The steps share one place; its size keeps the whole window inside the main window's
    // client area without scroll bars.
    int stepWidth;
    int stepHeight;
    int stepMargin; // left and right
    int stepSpacing;
    int gapAboveNextQuestion;
    int gapAboveDetails;
    int gapAboveButton;
    int resultSpacing; // the result step holds more and packs it closer
    int resultMargin;  // left and right of the result step, which needs the room
    int resultBottom;  //
    int detailColumnSpacing;
    int unitSpacing;
    int numberBoxWidth;
    int unitOptionsGap; // between Start and the options beside it
    int buttonMinimumWidth;
    int buttonMinimumHeight;
    int buttonTextPadding; // beside a caption wider than the minimum
} kQuizSizes{
    .stepWidth = 11100,
    .stepHeight = 3870,
    .stepMargin = 90,
    .stepSpacing = 120,
    .gapAboveNextQuestion = 120,
    .gapAboveDetails = 60,
    .gapAboveButton = 90,
    .resultSpacing = 45,
    .resultMargin = 90,
    .resultBottom = 45,
    .detailColumnSpacing = 150,
    .unitSpacing = 120,
    .numberBoxWidth = 1800,
    .unitOptionsGap = 360,
    .buttonMinimumWidth = 2100,
    .buttonMinimumHeight = 420,
    .buttonTextPadding = 480,
};

// Lists are measured in characters: room beyond the longest entry, and the fewest shown.
inline constexpr int kListSpareCharacters = 2;
inline constexpr int kListMinimumCharacters = 8;

// A label of a quiz window: plain text, wrapped, in the suite's font for its role.
inline QLabel* makeQuizLabel(const QString& name, const QString& text, QWidget* parent,
                             ui::FontRole role = ui::FontRole::Text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(ui::font(role));
    return label;
}

} // namespace wellbox
