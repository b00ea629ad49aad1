#include "widgets/uistyle.h"

#include "widgets/keyedrows.h"

#include <QFontDatabase>
#include <QImage>
#include <QPalette>
#include <QResource>
#include <QStringList>
#include <QWidget>

#include <QtEndian>
#include <array>

// Resources of a static library are registered by hand, outside any namespace.
static void registerArtwork() {
    Q_INIT_RESOURCE(wellbox);
}

namespace wellbox::ui {

void loadArtwork() {
    static const bool loaded = (registerArtwork(), true);
    static_cast<void>(loaded);
}

namespace {

// Verdana where it is installed, else the first similar sans-serif that is. Resolved once:
// asking the font system about missing families for every label is slow at start-up. The
// installed families are read as one list: asking for each by name also resolves its aliases.
const QStringList& sansSerifFamilies() {
    static const QStringList families = [] {
        const QStringList installed = QFontDatabase::families();
        const QStringList candidates{QStringLiteral("Verdana"),
                                     QStringLiteral("DejaVu Sans"),
                                     QStringLiteral("Bitstream Vera Sans"),
                                     QStringLiteral("Liberation Sans"),
                                     QStringLiteral("Arial"),
                                     QStringLiteral("Helvetica")};
        for (const QString& family : candidates)
            if (installed.contains(family))
                return QStringList{family};
        return candidates;
    }();
    return families;
}

} // namespace

// The pictures are stored as uncompressed, top-down 32-bit bitmaps, so that the pixels can be
// taken straight from the resource: Qt's reader would add a sixtieth to start-up.
QPixmap artwork(const char* name) {
    loadArtwork();
    const QString path = QStringLiteral(":/icons/%1.bmp").arg(QLatin1String(name));
    const QResource resource(path);
    const uchar* const bytes = resource.data();
    const auto field = [&](qsizetype at) { return qFromLittleEndian<qint32>(bytes + at); };
    constexpr qsizetype kPixelsAt = 10, kWidthAt = 18, kHeightAt = 22, kHeaderEnd = 54;
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() < kHeaderEnd)
        return QPixmap(path, "BMP");
    const qint32 width = field(kWidthAt);
    const qint32 height = -field(kHeightAt); // a negative height marks the rows as top-down
    const qint32 pixelsAt = field(kPixelsAt);
    if (width <= 0 || height <= 0 || pixelsAt < kHeaderEnd ||
        resource.size() != pixelsAt + qint64{width} * height * 4)
        return QPixmap(path, "BMP");
    return QPixmap::fromImage(
        QImage(bytes + pixelsAt, width, height, width * 4, QImage::Format_ARGB32));
}

namespace {

struct FontShape {
    FontRole role;
    qreal pointSize;
    bool bold;
    bool underline;
};

// Size and style of each role.
constexpr std::array<FontShape, 8> kFontShapes{{
    {FontRole::Text, 8.25, false, false},
    {FontRole::Strong, 8.25, true, false},
    {FontRole::Link, 8.25, false, true},
    {FontRole::Advert, 8.25, true, true},
    {FontRole::Title, 9.75, true, false},
    {FontRole::Banner, 9.75, true, true},
    {FontRole::Heading, 12, true, false},
    {FontRole::Figure, 18, true, false},
}};

static_assert(oneRowPerKey(kFontShapes, &FontShape::role));

} // namespace

QFont font(FontRole role) {
    const FontShape& shape = kFontShapes.at(static_cast<std::size_t>(role));
    QFont font;
    font.setFamilies(sansSerifFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(shape.pointSize);
    font.setBold(shape.bold);
    font.setUnderline(shape.underline);
    return font;
}

QString labelText(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) {
                shown += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        shown += caption.at(i);
    }
    return shown;
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void setButtonFace(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
}

} // namespace wellbox::ui
