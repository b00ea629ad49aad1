#include "result/resultpicture.h"

#include "result/scoringtext.h"
#include "widgets/uistyle.h"

#include <QPaintDevice>

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>

#include <cmath>

namespace wellbox {

namespace {

// Sizes of the caption under a picture, in twips (15 to a pixel).
constexpr struct {
    int aboveCaption;  // between the picture and its caption
    int besideCaption; // between the picture and its caption beside it
    int betweenParts;  // between the caption's parts
    int keyGap;        // between a part's key and its text
} kCaptionSizes{.aboveCaption = 90, .besideCaption = 150, .betweenParts = 30, .keyGap = 60};

// A picture is an image to a screen reader, named by its caption.
QAccessibleInterface* pictureInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(ResultPicture::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

void installPictureAccessibility() {
    static const bool installed = (QAccessible::installFactory(pictureInterface), true);
    static_cast<void>(installed);
}

// Twips as lengths on a device: a screen's device-independent pixels, a printer's dots.
qreal onDevice(int twips, const QPaintDevice* device) {
    constexpr qreal TwipsPerInch = 1440, ScreenDpi = 96;
    return twips * (device ? device->logicalDpiY() : ScreenDpi) / TwipsPerInch;
}

// A caption part's text, broken only between its phrases: "23 in 100 / men like you", never
// "men like / you". Spaces next to a phrase of words may break; the others hold.
QString phrasedText(const Phrase& phrase) {
    const auto held = [](QString text) {
        return text.replace(u' ', QChar::Nbsp).replace(u'-', QChar(0x2011));
    };
    // Values and numbers have no arguments either.
    if (phrase.arguments().empty())
        return held(ui::scoringText(phrase));
    const QString pattern = ui::scoringText(phrase.pattern());
    const std::u16string_view units(reinterpret_cast<const char16_t*>(pattern.utf16()),
                                    static_cast<std::size_t>(pattern.size()));
    QString text;
    bool afterWords = false;
    fillPattern(
        units, phrase.arguments().size(),
        [&](std::u16string_view piece) {
            QString part = held(QStringView(piece.data(), qsizetype(piece.size())).toString());
            if (afterWords && part.startsWith(QChar::Nbsp))
                part[0] = u' ';
            text += part;
            afterWords = false;
        },
        [&](std::size_t index) {
            const Phrase& argument = phrase.arguments()[index];
            afterWords = !argument.isNumber();
            if (afterWords && text.endsWith(QChar::Nbsp))
                text.back() = u' ';
            text += phrasedText(argument);
        });
    return text;
}

struct PartLayout {
    QRectF key;
    QRectF text;
    bool tooWide; // a word longer than the line
    QString shown;
};

qreal pictureHeight(qreal width, const ResultPictureData& picture) {
    const QSizeF natural = naturalSize(picture);
    return width * natural.height() / natural.width();
}

// Each caption part's key and wrapped text, from the top of the caption: one under the other,
// or, under figure arrays, each under its own array.
std::vector<PartLayout> captionLayout(qreal width, const ResultPictureData& picture,
                                      const QFont& font, const QPaintDevice* device) {
    const QFontMetricsF metrics(font, device);
    const qreal keySide = metrics.height();
    const qreal keyGap = onDevice(kCaptionSizes.keyGap, device);
    const bool underArrays = std::holds_alternative<FigureArray>(picture);
    const QRectF drawn(0, 0, width, pictureHeight(width, picture));
    std::vector<PartLayout> parts;
    qreal top = 0;
    int index = 0;
    for (const CaptionPart& part : captionParts(picture)) {
        const QRectF column =
            underArrays ? figureArrayArea(drawn, std::min(index++, 1)) : QRectF(0, 0, width, 0);
        const qreal textLeft = column.left() + keySide + keyGap;
        const qreal textWidth = std::max(column.width() - keySide - keyGap, keySide);
        const auto wrapped = [&](const QString& shown) {
            return metrics.boundingRect(QRectF(textLeft, top, textWidth, 1e6),
                                        Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, shown);
        };
        // Broken between phrases where each phrase fits the line, else between words.
        QString shown = underArrays ? phrasedText(part.text) : ui::scoringText(part.text);
        QRectF text = wrapped(shown);
        if (underArrays && text.width() > textWidth) {
            shown = ui::scoringText(part.text);
            text = wrapped(shown);
        }
        parts.push_back({QRectF(column.left(), top, keySide, keySide),
                         QRectF(textLeft, top, textWidth, text.height()), text.width() > textWidth,
                         shown});
        if (!underArrays)
            top += std::max(text.height(), keySide) + onDevice(kCaptionSizes.betweenParts, device);
    }
    return parts;
}

// The bottom of the caption's lowest part.
qreal captionBottom(const std::vector<PartLayout>& parts) {
    qreal bottom = 0;
    for (const PartLayout& part : parts)
        bottom = std::max(bottom, part.text.bottom());
    return bottom;
}

// The caption's parts with their keys, from `origin`.
void paintCaption(QPainter& painter, QPointF origin, qreal width, const ResultPictureData& picture,
                  const PictureInk& ink, const QFont& font) {
    painter.save();
    painter.setFont(font);
    const auto& parts = captionParts(picture);
    const std::vector<PartLayout> layout = captionLayout(width, picture, font, painter.device());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        paintKey(painter, layout[i].key.translated(origin), parts[i].key, ink);
        painter.setPen(ink.ink);
        painter.drawText(layout[i].text.translated(origin),
                         Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, layout[i].shown);
    }
    painter.restore();
}

} // namespace

PictureInk PictureInk::of(const QPalette& palette) {
    const QColor ground = palette.color(QPalette::Window);
    const QColor ink = palette.color(QPalette::WindowText);
    const auto mix = [&](qreal share) {
        return QColor::fromRgbF(ink.redF() * share + ground.redF() * (1 - share),
                                ink.greenF() * share + ground.greenF() * (1 - share),
                                ink.blueF() * share + ground.blueF() * (1 - share));
    };
    return {ground, ink, mix(0.6), mix(0.3)};
}

PictureInk PictureInk::paper() {
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    return of(palette);
}

qreal captionHeight(qreal width, const ResultPictureData& picture, const QFont& font,
                    const QPaintDevice* device) {
    return captionBottom(captionLayout(width, picture, font, device));
}

qreal captionWidth(const ResultPictureData& picture, const QFont& font,
                   const QPaintDevice* device) {
    const QFontMetricsF metrics(font, device);
    qreal widest = 0;
    for (const CaptionPart& part : captionParts(picture))
        widest = std::max(widest, metrics.horizontalAdvance(ui::scoringText(part.text)));
    return metrics.height() + onDevice(kCaptionSizes.keyGap, device) + std::ceil(widest);
}

qreal captionGap(const QPaintDevice* device) {
    return onDevice(kCaptionSizes.besideCaption, device);
}

qreal captionedPictureHeight(qreal width, const ResultPictureData& picture, const QFont& font,
                             const QPaintDevice* device) {
    const qreal caption = captionHeight(width, picture, font, device);
    return pictureHeight(width, picture) +
           (caption > 0 ? onDevice(kCaptionSizes.aboveCaption, device) + caption : 0);
}

void paintCaptionedPicture(QPainter& painter, const QRectF& target,
                           const ResultPictureData& picture, const PictureInk& ink,
                           const QFont& font) {
    const QPaintDevice* device = painter.device();
    const qreal above = onDevice(kCaptionSizes.aboveCaption, device);
    const qreal caption = captionHeight(target.width(), picture, font, device) + above;
    const QRectF graphic(target.topLeft(),
                         QSizeF(target.width(), std::max(0.0, target.height() - caption)));
    paintPicture(painter, graphic, picture, ink);
    // The caption starts under the picture as drawn, not under the room it was given.
    const qreal drawn = std::min(graphic.height(), pictureHeight(target.width(), picture));
    paintCaption(painter, QPointF(target.left(), graphic.center().y() + drawn / 2 + above),
                 target.width(), picture, ink, font);
}

void paintCaptionBeside(QPainter& painter, const QRectF& target, const ResultPictureData& picture,
                        const PictureInk& ink, const QFont& font) {
    const QSizeF natural = naturalSize(picture);
    const qreal width =
        std::min(target.width(), target.height() * natural.width() / natural.height());
    const QRectF graphic(target.topLeft(),
                         QSizeF(width, width * natural.height() / natural.width()));
    paintPicture(painter, graphic, picture, ink);
    const qreal left = graphic.right() + captionGap(painter.device());
    const qreal room = std::max(0.0, target.right() - left);
    const qreal caption = captionHeight(room, picture, font, painter.device());
    paintCaption(painter,
                 QPointF(left, graphic.top() + std::max(0.0, (graphic.height() - caption) / 2)),
                 room, picture, ink, font);
}

ResultPicture::ResultPicture(QWidget* parent)
    : QWidget(parent)
    , m_picture(FigureArray{}) {
    installPictureAccessibility();
    setFont(ui::font(ui::FontRole::Text));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ResultPicture::setPicture(ResultPictureData picture) {
    m_picture = std::move(picture);
    setAccessibleName(caption());
    updateGeometry();
    update();
}

QString ResultPicture::caption() const {
    return ui::scoringText(captionPhrase(captionParts(m_picture)));
}

void ResultPicture::setCaptionPlace(CaptionPlace place) {
    m_place = place;
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(place == CaptionPlace::Below);
    setSizePolicy(policy);
    updateGeometry();
    update();
}

QSize ResultPicture::sizeHint() const {
    const QSizeF natural = naturalSize(m_picture);
    const int width = static_cast<int>(std::ceil(natural.width()));
    if (m_place == CaptionPlace::Beside)
        return {static_cast<int>(
                    std::ceil(natural.width() + captionGap() + captionWidth(m_picture, font()))),
                static_cast<int>(std::ceil(natural.height()))};
    return {width, heightForWidth(width)};
}

QSize ResultPicture::minimumSizeHint() const {
    // Figures keep their size where the room allows, and a little less on the most crowded
    // result; a picture with words in it is kept near its own, so that the words stay legible.
    const QSizeF natural = naturalSize(m_picture);
    const bool figures = std::holds_alternative<FigureArray>(m_picture);
    const QSizeF least = natural * (figures ? 0.4 : 0.9);
    int width = static_cast<int>(std::ceil(least.width()));
    // Under each array its caption, no word of it wider than the array.
    while (
        figures && width < natural.width() &&
        std::ranges::any_of(captionLayout(width, m_picture, font(), nullptr), &PartLayout::tooWide))
        ++width;
    if (m_place == CaptionPlace::Beside)
        return {static_cast<int>(std::ceil(least.width() + captionGap())) +
                    fontMetrics().averageCharWidth() * 10,
                static_cast<int>(std::ceil(least.height()))};
    return {width, heightForWidth(width)};
}

bool ResultPicture::captionFits() const {
    // Where the caption goes as paintEvent() draws it: under the picture, or beside it as high.
    const QSizeF natural = naturalSize(m_picture);
    const qreal drawn = std::min<qreal>(width(), height() * natural.width() / natural.height());
    const qreal room = m_place == CaptionPlace::Beside ? width() - drawn - captionGap() : width();
    const std::vector<PartLayout> parts = captionLayout(room, m_picture, font(), nullptr);
    const qreal above =
        m_place == CaptionPlace::Beside ? 0 : onDevice(kCaptionSizes.aboveCaption, nullptr);
    return std::ranges::none_of(parts, &PartLayout::tooWide) &&
           captionBottom(parts) + above <= height();
}

int ResultPicture::heightForWidth(int width) const {
    if (m_place == CaptionPlace::Beside) {
        const QSizeF natural = naturalSize(m_picture);
        return static_cast<int>(std::ceil(
            std::max(natural.height(),
                     captionHeight(width - natural.width() - captionGap(), m_picture, font()))));
    }
    return static_cast<int>(std::ceil(captionedPictureHeight(width, m_picture, font())));
}

void ResultPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_place == CaptionPlace::Beside)
        paintCaptionBeside(painter, rect(), m_picture, PictureInk::of(palette()), font());
    else
        paintCaptionedPicture(painter, rect(), m_picture, PictureInk::of(palette()), font());
}

} // namespace wellbox

#include "moc_resultpicture.cpp"
