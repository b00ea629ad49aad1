// The pictures themselves, drawn in their natural size's pixels under a scaling transform, so
// that one drawing serves every size and device.

#include "result/picturedrawing.h"
#include "result/resultpicture.h"
#include "result/scoringtext.h"
#include "widgets/uistyle.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace wellbox {

using namespace drawing;

namespace {

// The side of a key's square at its natural size, in twips.
constexpr int kKeyCell = 225;

// Sizes of the pictures at their natural size, in twips (15 to a pixel).
constexpr struct {
    int scaleWidth;   // the diabetes scale's picture
    int scaleHeight;  //
    int scaleMargin;  // above and below the scale
    int pointerRight; // right end of the score and its pointer
    int pointer;      // the pointer's length
    int barLeft;      // the scale's bar
    int barWidth;     //
    int labelLeft;    // the bands' names
    int scoreMark;    // the score's line across the bar
    int barsWidth;    // the calorie picture
    int barsHeight;   //
    int barsLeft;     // room for the basal value's label
    int barsTop;      // room for the values over the bars
    int levelBar;     // a level's bar
    int dash;         // the basal line
    int goalOverhang; // the goal band beyond each side of its bar
} kSizes{
    .scaleWidth = 3375,
    .scaleHeight = 2250,
    .scaleMargin = 120,
    .pointerRight = 615,
    .pointer = 180,
    .barLeft = 645,
    .barWidth = 375,
    .labelLeft = 1125,
    .scoreMark = 45,
    .barsWidth = 3000,
    .barsHeight = 2250,
    .barsLeft = 630,
    .barsTop = 240,
    .levelBar = 330,
    .dash = 60,
    .goalOverhang = 45,
};

void paintPointer(QPainter& p, QRectF at, const QColor& colour) {
    const QPointF tip(at.right(), at.center().y());
    QPainterPath arrow;
    arrow.moveTo(at.topLeft());
    arrow.lineTo(tip);
    arrow.lineTo(at.bottomLeft());
    p.fillPath(arrow, colour);
}

QPen dashedPen(const QColor& colour) {
    QPen pen = solidPen(colour);
    const qreal dash = qreal(kSizes.dash) / kShared.line; // in pen widths
    pen.setDashPattern({dash, dash});
    return pen;
}

// The chosen level solid, the others hollow.
void paintLevelBar(QPainter& p, const QRectF& bar, bool chosen, const PictureInk& ink) {
    p.setPen(solidPen(chosen ? ink.ink : ink.mid));
    p.setBrush(chosen ? QBrush(ink.ink) : QBrush(Qt::NoBrush));
    p.drawRect(bar);
}

struct ScaleGeometry {
    QRectF bar;
    qreal unit; // height of one score

    explicit ScaleGeometry(const ScoreScale& scale) {
        const qreal top = pxF(kSizes.scaleMargin);
        bar = QRectF(pxF(kSizes.barLeft), top, pxF(kSizes.barWidth),
                     pxF(kSizes.scaleHeight) - 2 * top);
        const int lowest = scale.bands.empty() ? 0 : scale.bands.front().lowest;
        unit = bar.height() / std::max(1, scale.highest - lowest + 1);
        offset = lowest;
    }
    // From the bottom of `from` to the top of `to`, the higher scores up.
    QRectF span(int from, int to) const {
        return QRectF(bar.left(), bar.bottom() - (to - offset + 1) * unit, bar.width(),
                      (to - from + 1) * unit);
    }
    int offset = 0;
};

void paintScale(QPainter& p, const ScoreScale& scale, const PictureInk& ink) {
    const ScaleGeometry g(scale);
    const qreal y = scorePointer(QRectF(QPointF(), naturalSize(scale)), scale).center().y();
    // The higher the band, the denser its stripes: none, one way, both ways.
    for (std::size_t b = 1; b < scale.bands.size(); ++b)
        stripes(p, g.span(scale.bands.at(b).lowest, scale.bands.at(b).highest), ink.mid,
                pxF(kShared.bandStripes), b + 1 == scale.bands.size());
    // The score's mark keeps the ground around it, inside the bar, clear of stripes.
    p.save();
    p.setClipRect(g.bar);
    p.setPen(solidPen(ink.ground, kSizes.scoreMark + 2 * kShared.halo));
    p.drawLine(QPointF(g.bar.left(), y), QPointF(g.bar.right(), y));
    p.restore();
    p.setBrush(Qt::NoBrush);
    for (std::size_t b = 0; b < scale.bands.size(); ++b) {
        const ScoreBand& band = scale.bands[b];
        const QRectF area = g.span(band.lowest, band.highest);
        p.setPen(solidPen(ink.ink));
        p.drawRect(area);
        fittedText(p,
                   QRectF(pxF(kSizes.labelLeft), area.top(),
                          pxF(kSizes.scaleWidth - kSizes.labelLeft), area.height()),
                   ui::scoringText(band.label()), pictureFont(kShared.text, b == scale.band));
    }
    p.setPen(solidPen(ink.ink, kSizes.scoreMark));
    p.drawLine(QPointF(g.bar.left(), y), QPointF(g.bar.right(), y));
    const QRectF pointer = scorePointer(QRectF(QPointF(), naturalSize(scale)), scale);
    paintPointer(p, pointer, ink.ink);
    p.setFont(pictureFont(kShared.text, true));
    p.drawText(
        QRectF(0, y - pxF(kShared.text), pointer.left() - pxF(kShared.halo), 2 * pxF(kShared.text)),
        Qt::AlignRight | Qt::AlignVCenter, QString::number(scale.score));
}

struct BarsGeometry {
    qreal zero, perCalorie;

    explicit BarsGeometry(const CalorieBars& bars) {
        const auto [least, most] = std::ranges::minmax(bars.required);
        const CalorieRange goals = bars.goals.value_or(CalorieRange{});
        const int low = std::min({0, int{least}, int{bars.basal}, int{goals.lowest}});
        const int high = std::max({0, int{most}, int{bars.basal}, int{goals.highest}});
        const qreal top = pxF(kSizes.barsTop), bottom = pxF(kSizes.barsHeight - kSizes.barsTop / 2);
        perCalorie = (bottom - top) / std::max(1, high - low);
        zero = top + high * perCalorie;
    }
    qreal y(int calories) const { return zero - calories * perCalorie; }
};

// The goals to lose or gain weight across the chosen level's bar (none for a key), outlined and
// striped: the stripes take the ground's colour on the solid bar and the ink's off it, and the
// bar's outline stays whole across them, so that its height still reads.
void paintGoalBand(QPainter& p, const QRectF& band, const QRectF& bar, const PictureInk& ink) {
    QPainterPath onBar, offBar;
    onBar.addRect(band.intersected(bar));
    offBar.addRect(band);
    offBar = offBar.subtracted(onBar);
    const qreal gap = pxF(kShared.bandStripes);
    for (const auto& [area, colour] : {std::pair{onBar, ink.ground}, std::pair{offBar, ink.ink}}) {
        p.save();
        p.setClipPath(area, Qt::IntersectClip);
        stripes(p, band, colour, gap, false);
        p.restore();
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(solidPen(ink.ink));
    p.drawRect(band);
    if (!bar.isEmpty())
        p.drawRect(bar);
}

void paintBars(QPainter& p, const CalorieBars& bars, const PictureInk& ink) {
    const QRectF whole(QPointF(), naturalSize(bars));
    const BarsGeometry g(bars);
    const auto chosen = static_cast<std::size_t>(bars.chosen);
    const QRectF band = goalBand(whole, bars);
    for (std::size_t level = 0; level < bars.required.size(); ++level) {
        QRectF bar = levelBar(whole, bars, level);
        const bool mine = level == chosen;
        paintLevelBar(p, bar, mine, ink);
        if (mine && !band.isNull()) {
            paintGoalBand(p, band, bar, ink);
            bar = bar.united(band); // its value goes beyond the band
        }
        const bool below = bars.required[level] < 0;
        const qreal textHeight = pxF(kSizes.barsTop);
        const QRectF value(bar.center().x() - pxF(kSizes.levelBar),
                           below ? bar.bottom() : bar.top() - textHeight, 2 * pxF(kSizes.levelBar),
                           textHeight);
        p.setPen(ink.ink);
        p.setFont(pictureFont(kShared.smallText, mine));
        p.drawText(value, Qt::AlignHCenter | (below ? Qt::AlignTop : Qt::AlignBottom),
                   QString::number(bars.required[level]));
    }
    p.setPen(solidPen(ink.ink));
    p.drawLine(QPointF(pxF(kSizes.barsLeft), g.zero), QPointF(whole.right(), g.zero));

    // The basal value as a dashed line across the bars, named in the margin.
    const qreal basalY = g.y(bars.basal);
    QPen dashed = dashedPen(ink.ink);
    p.setPen(dashed);
    p.drawLine(QPointF(0, basalY), QPointF(whole.right(), basalY));
    // Across the solid bar the dashes take the ground colour, so the line reads on.
    p.save();
    p.setClipRect(levelBar(whole, bars, chosen));
    dashed.setColor(ink.ground);
    p.setPen(dashed);
    p.drawLine(QPointF(0, basalY), QPointF(whole.right(), basalY));
    p.restore();
    p.setPen(ink.ink);
    const qreal margin = pxF(kSizes.barsLeft - kShared.halo), lineHeight = pxF(kSizes.barsTop);
    fittedText(p, QRectF(0, basalY - lineHeight, margin, lineHeight),
               QCoreApplication::translate("wellbox::ResultPicture", "Basal"),
               pictureFont(kShared.smallText), Qt::AlignLeft | Qt::AlignBottom);
    p.setFont(pictureFont(kShared.smallText));
    p.drawText(QRectF(0, basalY, margin, lineHeight), Qt::AlignLeft | Qt::AlignTop,
               QString::number(bars.basal));
}

// The natural-size rectangle fitted into `target`, centred, and the scale that takes it there.
QRectF fitted(const QRectF& target, QSizeF natural, qreal* scale = nullptr) {
    const qreal s = std::min(target.width() / natural.width(), target.height() / natural.height());
    if (scale)
        *scale = s;
    const QSizeF size = natural * s;
    return {target.center() - QPointF(size.width(), size.height()) / 2, size};
}

} // namespace

QSizeF naturalSize(const ResultPictureData& picture) {
    if (std::holds_alternative<FigureArray>(picture))
        return drawing::figuresSize();
    if (std::holds_alternative<ScoreScale>(picture))
        return {pxF(kSizes.scaleWidth), pxF(kSizes.scaleHeight)};
    return {pxF(kSizes.barsWidth), pxF(kSizes.barsHeight)};
}

QRectF levelBar(const QRectF& target, const CalorieBars& bars, std::size_t level) {
    qreal s = 1;
    const QRectF area = fitted(target, naturalSize(bars), &s);
    const BarsGeometry g(bars);
    const qreal slot = (pxF(kSizes.barsWidth - kSizes.barsLeft)) / qreal(bars.required.size());
    const qreal left = pxF(kSizes.barsLeft) + slot * level + (slot - pxF(kSizes.levelBar)) / 2;
    const qreal top = std::min(g.zero, g.y(bars.required.at(level)));
    const qreal bottom = std::max(g.zero, g.y(bars.required.at(level)));
    return {area.left() + left * s, area.top() + top * s, pxF(kSizes.levelBar) * s,
            (bottom - top) * s};
}

QRectF goalBand(const QRectF& target, const CalorieBars& bars) {
    if (!bars.goals)
        return {};
    qreal s = 1;
    const QRectF area = fitted(target, naturalSize(bars), &s);
    const BarsGeometry g(bars);
    const QRectF bar = levelBar(target, bars, bars.chosen);
    const qreal overhang = pxF(kSizes.goalOverhang) * s;
    return {bar.left() - overhang, area.top() + g.y(bars.goals->highest) * s,
            bar.width() + 2 * overhang,
            (bars.goals->highest - bars.goals->lowest) * g.perCalorie * s};
}

QRectF scorePointer(const QRectF& target, const ScoreScale& scale) {
    qreal s = 1;
    const QRectF area = fitted(target, naturalSize(scale), &s);
    const ScaleGeometry g(scale);
    const qreal y = g.span(scale.score, scale.score).center().y();
    const qreal half = pxF(kSizes.pointer) / 2;
    return {area.left() + pxF(kSizes.pointerRight - kSizes.pointer) * s,
            area.top() + (y - half) * s, pxF(kSizes.pointer) * s, 2 * half * s};
}

void paintPicture(QPainter& painter, const QRectF& target, const ResultPictureData& picture,
                  const PictureInk& ink) {
    qreal s = 1;
    const QRectF area = fitted(target, naturalSize(picture), &s);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    painter.scale(s, s);
    std::visit(
        [&](const auto& p) {
            using T = std::decay_t<decltype(p)>;
            if constexpr (std::is_same_v<T, FigureArray>)
                paintFigures(painter, p, ink);
            else if constexpr (std::is_same_v<T, ScoreScale>)
                paintScale(painter, p, ink);
            else
                paintBars(painter, p, ink);
        },
        picture);
    painter.restore();
}

void paintKey(QPainter& painter, const QRectF& target, PictureKey key, const PictureInk& ink) {
    // Drawn in a square of the figures' cell, scaled to the key's.
    const qreal side = std::min(target.width(), target.height()), c = pxF(kKeyCell);
    const QRectF cell(0, 0, c, c);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.center() - QPointF(side, side) / 2);
    painter.scale(side / c, side / c);
    switch (key) {
    case PictureKey::Yours:
    case PictureKey::LowRisk:
        drawing::paintFigureKey(painter, cell, key, ink);
        break;
    case PictureKey::Score: {
        const qreal length = pxF(kSizes.pointer);
        paintPointer(painter,
                     QRectF(cell.center() - QPointF(length, length) / 2, QSizeF(length, length)),
                     ink.ink);
        break;
    }
    case PictureKey::ChosenLevel:
    case PictureKey::Levels:
        paintLevelBar(painter, cell.adjusted(c / 3, c / 8, -c / 3, 0),
                      key == PictureKey::ChosenLevel, ink);
        break;
    case PictureKey::Basal:
        painter.setPen(dashedPen(ink.ink));
        painter.drawLine(QPointF(0, c / 2), QPointF(c, c / 2));
        break;
    case PictureKey::GoalBand: {
        // The band alone, striped, outlined, as wide as a bar with its overhang.
        const QRectF band = cell.adjusted(c / 4, c / 4, -c / 4, -c / 4);
        paintGoalBand(painter, band, QRectF(), ink);
        break;
    }
    }
    painter.restore();
}

namespace drawing {

QFont pictureFont(int twips, bool bold) {
    QFont font = ui::font(ui::FontRole::Text);
    font.setPixelSize(qRound(pxF(twips)));
    font.setBold(bold);
    return font;
}

QPen solidPen(const QColor& colour, int twips) {
    return {colour, pxF(twips), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin};
}

void stripes(QPainter& p, const QRectF& area, const QColor& colour, qreal gap, bool crossed) {
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    p.setPen(solidPen(colour));
    const qreal span = area.width() + area.height();
    for (qreal d = gap / 2; d < span; d += gap) {
        p.drawLine(QPointF(area.left() + d, area.bottom()),
                   QPointF(area.left() + d - area.height(), area.top()));
        if (crossed)
            p.drawLine(QPointF(area.left() + d - area.height(), area.bottom()),
                       QPointF(area.left() + d, area.top()));
    }
    p.restore();
}

void fittedText(QPainter& p, const QRectF& area, const QString& text, QFont font, int alignment) {
    p.setFont(font);
    while (p.fontMetrics().horizontalAdvance(text) > area.width() && font.pixelSize() > 1) {
        font.setPixelSize(font.pixelSize() - 1);
        p.setFont(font);
    }
    p.drawText(area, alignment | Qt::TextDontClip, text);
}

} // namespace drawing

} // namespace wellbox
