#pragma once

// What the pictures' drawings share, in their natural size's pixels.

#include "result/resultpicture.h"

#include <QFont>
#include <QPen>

class QPainter;

namespace wellbox::drawing {

// Sizes in twips (15 to a pixel).
inline constexpr struct {
    int line;        // outlines and stripes
    int halo;        // the ground kept around a mark on stripes
    int bandStripes; // between the stripes of the bands, sparse and dense
    int text;        // pixel size of the pictures' text
    int smallText;   //
} kShared{.line = 15, .halo = 30, .bandStripes = 90, .text = 150, .smallText = 135};

constexpr qreal pxF(int twips) {
    return twips / 15.0;
}

QFont pictureFont(int twips, bool bold = false);
QPen solidPen(const QColor& colour, int twips = kShared.line);
// Diagonal stripes across `area`, clipped to it; crossed, both ways.
void stripes(QPainter& p, const QRectF& area, const QColor& colour, qreal gap, bool crossed);
// Text in one line, its font made smaller where the line would not fit `area`.
void fittedText(QPainter& p, const QRectF& area, const QString& text, QFont font,
                int alignment = Qt::AlignLeft | Qt::AlignVCenter);

// The figure arrays and their band scale, and one figure as a key: the person's filled, the
// low-risk person's striped.
QSizeF figuresSize();
void paintFigures(QPainter& p, const FigureArray& figures, const PictureInk& ink);
void paintFigureKey(QPainter& p, const QRectF& cell, PictureKey key, const PictureInk& ink);

} // namespace wellbox::drawing
