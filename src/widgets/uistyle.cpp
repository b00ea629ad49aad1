#include "widgets/uistyle.h"

#include <QFontDatabase>
#include <QPalette>
#include <QStringList>
#include <QWidget>

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

// The format is named so that Qt does not load every image plugin to guess it.
QPixmap artwork(const char* name) {
    loadArtwork();
    return QPixmap(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name)), "PNG");
}

QFont verdana(qreal pointSize, FontStyle style) {
    QFont font;
    font.setFamilies(sansSerifFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    const int bits = static_cast<int>(style);
    font.setBold((bits & static_cast<int>(FontStyle::Bold)) != 0);
    font.setUnderline((bits & static_cast<int>(FontStyle::Underline)) != 0);
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
