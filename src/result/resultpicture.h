#pragma once

#include "scoring/resultoutlook.h"

#include <QColor>
#include <QRectF>
#include <QWidget>

class QPaintDevice;
class QPainter;
class QPalette;

namespace wellbox {

// The colours a picture is drawn in. Every mark also differs from the others in shape or
// pattern, so that a picture reads the same in greyscale.
struct PictureInk {
    QColor ground; // behind the picture
    QColor ink;    // the marks that matter, and text
    QColor mid;    // patterns: the low-risk figures' stripes, the bands
    QColor faint;  // what is not marked

    // Text colour on window colour, so a dark theme gives light marks on dark.
    static PictureInk of(const QPalette& palette);
    // Black on white, for paper and PDF.
    static PictureInk paper();
};

// A picture's natural size in device-independent pixels; it is drawn at any size in proportion.
QSizeF naturalSize(const ResultPictureData& picture);

// Draws a picture without its caption, as large as fits in `target` and centred there, in
// vector strokes and text only, so that a screen, a PDF and a printer all draw it sharp.
void paintPicture(QPainter& painter, const QRectF& target, const ResultPictureData& picture,
                  const PictureInk& ink);

// Draws the key of a caption part (a filled figure, a striped figure, the score's pointer, a
// bar, the basal line, the goal band) into `target`.
void paintKey(QPainter& painter, const QRectF& target, PictureKey key, const PictureInk& ink);

// Where a picture's caption goes: under the picture, or beside it where the room is low.
enum class CaptionPlace { Below, Beside };

// The picture with its caption under it, each part of the caption after its key, wrapped to the
// width of `target` in `font`; the picture takes the height the caption leaves.
void paintCaptionedPicture(QPainter& painter, const QRectF& target,
                           const ResultPictureData& picture, const PictureInk& ink,
                           const QFont& font);
// The picture as high as `target` at its left, its caption beside it wrapped to the width left
// and centred on the picture's height.
void paintCaptionBeside(QPainter& painter, const QRectF& target, const ResultPictureData& picture,
                        const PictureInk& ink, const QFont& font);
// The height that picture and caption take at a width, on a device (a screen when null).
qreal captionedPictureHeight(qreal width, const ResultPictureData& picture, const QFont& font,
                             const QPaintDevice* device = nullptr);
// The height the caption alone takes, wrapped to a width.
qreal captionHeight(qreal width, const ResultPictureData& picture, const QFont& font,
                    const QPaintDevice* device = nullptr);
// The width of the caption's widest part unwrapped, its key included.
qreal captionWidth(const ResultPictureData& picture, const QFont& font,
                   const QPaintDevice* device = nullptr);
// The room kept between a picture and its caption beside it.
qreal captionGap(const QPaintDevice* device = nullptr);

// Where things lie in a picture drawn into `target`: a figure of an array (0 the person's, 1 the
// low-risk person's; 0 to 99, row by row) and the whole array, a level's bar, the score's
// pointer.
QRectF figureCell(const QRectF& target, int array, int index);
QRectF figureArrayArea(const QRectF& target, int array);
QRectF levelBar(const QRectF& target, const CalorieBars& bars, std::size_t level);
// The goals' band across the chosen level's bar, beyond it on each side; null without goals.
QRectF goalBand(const QRectF& target, const CalorieBars& bars);
QRectF scorePointer(const QRectF& target, const ScoreScale& scale);

// One result's picture with its caption under it. A screen reader hears the caption as the
// picture's name, the same words a sighted reader sees.
class ResultPicture : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption)
public:
    explicit ResultPicture(QWidget* parent = nullptr);

    void setPicture(ResultPictureData picture);
    const ResultPictureData& picture() const { return m_picture; }
    QString caption() const;
    void setCaptionPlace(CaptionPlace place);
    CaptionPlace captionPlace() const { return m_place; }

    // Beside: the picture at its natural size and the caption unwrapped beside it.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return m_place == CaptionPlace::Below; }
    // Beside: the height the caption takes beside the picture at its natural height.
    int heightForWidth(int width) const override;
    // Whether the caption, as the picture is drawn at its size, shows whole inside it.
    bool captionFits() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ResultPictureData m_picture;
    CaptionPlace m_place = CaptionPlace::Below;
};

} // namespace wellbox
