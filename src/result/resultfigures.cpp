// The heart attack and cholesterol pictures: the person's figures and the low-risk person's side
// by side, and the ten-year risk bands beside them with where each of the two falls.

#include "result/picturedrawing.h"
#include "result/scoringtext.h"
#include "scoring/riskband.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace wellbox {

namespace {

using drawing::pxF;
using drawing::solidPen;

constexpr int kFigures = 100, kFiguresPerRow = 10;

// Sizes at the natural size, in figure cells.
constexpr struct {
    qreal cell = 15; // pixels
    qreal arrayGap = 1;
    qreal barLeft = 22;
    qreal barWidth = 0.7;
    qreal markerGap = 0.15; // between the bar and the markers, and between the markers
    qreal marker = 0.75;
    qreal labelGap = 0.2;
    qreal width = 26.5;
    int highestPercent = 50; // the top of the bands' scale
    int stripeGap = 45;      // twips, between a striped figure's stripes
} kFigureSizes;

// Where the bands meet on the scale, in percent: "under 10", "10 to 20", "over 20".
constexpr std::array<int, 4> kBandEdges{0, 10, 20, kFigureSizes.highestPercent};
static_assert(kBandEdges.size() == RiskBands.size() + 1 && kBandEdges[1] == RiskBands[1].lowest &&
              kBandEdges[2] == RiskBands[1].highest);

// A person figure's head and body, as fractions of its cell.
constexpr struct {
    qreal headX, headY, headRadius, bodyLeft, bodyRight, shoulders, bodyBottom, shoulderDepth;
} kFigureShape{0.5, 0.23, 0.15, 0.2, 0.8, 0.42, 0.95, 0.4};

QPainterPath figurePath(const QRectF& cell) {
    const qreal c = cell.width(), x = cell.left(), y = cell.top();
    const auto& f = kFigureShape;
    QPainterPath path;
    path.addEllipse(QPointF(x + f.headX * c, y + f.headY * c), f.headRadius * c, f.headRadius * c);
    QPainterPath body;
    body.moveTo(x + f.bodyLeft * c, y + f.bodyBottom * c);
    body.arcTo(QRectF(x + f.bodyLeft * c, y + f.shoulders * c, (f.bodyRight - f.bodyLeft) * c,
                      f.shoulderDepth * c),
               180, -180);
    body.lineTo(x + f.bodyRight * c, y + f.bodyBottom * c);
    body.closeSubpath();
    path.addPath(body);
    return path;
}

enum class Mark { None, Yours, LowRisk };

// A figure: the person's solid, the low-risk person's striped and outlined, any other faint; a
// part marks its left half only, the rest faint.
void paintFigure(QPainter& p, const QRectF& cell, Mark mark, const PictureInk& ink,
                 bool part = false) {
    const QPainterPath figure = figurePath(cell);
    p.fillPath(figure, ink.faint);
    if (mark == Mark::None)
        return;
    p.save();
    if (part)
        p.setClipRect(QRectF(cell.topLeft(), QSizeF(cell.width() / 2, cell.height())),
                      Qt::IntersectClip);
    p.setClipPath(figure, Qt::IntersectClip);
    if (mark == Mark::Yours) {
        p.fillPath(figure, ink.ink);
    } else {
        p.fillPath(figure, ink.ground);
        drawing::stripes(p, cell, ink.ink, pxF(kFigureSizes.stripeGap), false);
    }
    p.restore();
    if (mark != Mark::LowRisk)
        return;
    p.save();
    if (part)
        p.setClipRect(QRectF(cell.topLeft(), QSizeF(cell.width() / 2, cell.height())),
                      Qt::IntersectClip);
    p.strokePath(figure, solidPen(ink.ink));
    p.restore();
}

// The height on the bands' scale of a percent, from the top of the figures.
qreal percentY(qreal percent) {
    const qreal high = kFiguresPerRow * kFigureSizes.cell;
    return high * (1 - std::clamp(percent, 0.0, qreal(kFigureSizes.highestPercent)) /
                           kFigureSizes.highestPercent);
}

// The percent a count of figures stands for, a part as a half.
qreal shownPercent(int whole, bool part) {
    return whole + (part ? 0.5 : 0.0);
}

void paintBands(QPainter& p, const FigureArray& figures, const PictureInk& ink) {
    const qreal c = kFigureSizes.cell;
    const qreal left = kFigureSizes.barLeft * c, width = kFigureSizes.barWidth * c;
    // The higher the band, the denser its stripes: none, one way, both ways. A band ends where
    // the next begins, at 10 and 20.
    for (std::size_t b = 0; b < RiskBands.size(); ++b) {
        const int bottom = kBandEdges[b], top = kBandEdges[b + 1];
        const QRectF area(left, percentY(top), width, percentY(bottom) - percentY(top));
        if (b > 0)
            drawing::stripes(p, area, ink.ink, pxF(drawing::kShared.bandStripes),
                             b + 1 == RiskBands.size());
        p.setPen(solidPen(ink.ink));
        p.setBrush(Qt::NoBrush);
        p.drawRect(area);
        if (b == 0)
            continue;
        const qreal labelLeft =
            left + width +
            (3 * kFigureSizes.markerGap + 2 * kFigureSizes.marker + kFigureSizes.labelGap) * c;
        p.setPen(ink.ink);
        drawing::fittedText(
            p, QRectF(labelLeft, percentY(bottom) - c, kFigureSizes.width * c - labelLeft, 2 * c),
            ui::scoringText(percentPhrase(Risk{std::int16_t(bottom)})),
            drawing::pictureFont(drawing::kShared.smallText));
    }
    // Where the two risks fall: a figure of each array's mark, beside the bar.
    const qreal marker = kFigureSizes.marker * c;
    const std::array<std::pair<Mark, qreal>, 2> marks{
        {{Mark::Yours, shownPercent(figures.yours, figures.yoursPart)},
         {Mark::LowRisk, shownPercent(figures.lowRisk, figures.lowRiskPart)}}};
    qreal x = left + width + kFigureSizes.markerGap * c;
    for (const auto& [mark, percent] : marks) {
        const qreal y = percentY(percent);
        p.setPen(solidPen(ink.ink));
        p.drawLine(QPointF(left, y), QPointF(x + marker, y));
        paintFigure(p, QRectF(x, y - marker, marker, marker), mark, ink);
        x += marker + kFigureSizes.markerGap * c;
    }
}

} // namespace

QRectF figureCell(const QRectF& target, int array, int index) {
    const QSizeF natural = drawing::figuresSize();
    const qreal s = std::min(target.width() / natural.width(), target.height() / natural.height());
    const QPointF origin = target.center() - QPointF(natural.width(), natural.height()) * s / 2;
    const qreal c = kFigureSizes.cell * s;
    const qreal left = array * (kFiguresPerRow + kFigureSizes.arrayGap) * c;
    return {origin.x() + left + (index % kFiguresPerRow) * c,
            origin.y() + (index / kFiguresPerRow) * c, c, c};
}

QRectF figureArrayArea(const QRectF& target, int array) {
    return figureCell(target, array, 0).united(figureCell(target, array, kFigures - 1));
}

namespace drawing {

QSizeF figuresSize() {
    return {kFigureSizes.width * kFigureSizes.cell, kFiguresPerRow * kFigureSizes.cell};
}

void paintFigures(QPainter& p, const FigureArray& figures, const PictureInk& ink) {
    const QRectF whole(QPointF(), figuresSize());
    const std::array<std::pair<int, bool>, 2> counts{
        {{figures.yours, figures.yoursPart}, {figures.lowRisk, figures.lowRiskPart}}};
    for (int array = 0; array < 2; ++array) {
        const auto [count, part] = counts[static_cast<std::size_t>(array)];
        const Mark mark = array == 0 ? Mark::Yours : Mark::LowRisk;
        // Counted from the top left corner, row by row.
        for (int i = 0; i < kFigures; ++i)
            paintFigure(p, figureCell(whole, array, i),
                        i < count || (part && i == count) ? mark : Mark::None, ink,
                        part && i == count);
    }
    paintBands(p, figures, ink);
}

void paintFigureKey(QPainter& p, const QRectF& cell, PictureKey key, const PictureInk& ink) {
    paintFigure(p, cell, key == PictureKey::Yours ? Mark::Yours : Mark::LowRisk, ink);
}

} // namespace drawing

} // namespace wellbox
