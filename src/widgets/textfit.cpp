#include "widgets/textfit.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace wellbox::ui {

namespace {

// The application's note of the language a translation shows.
constexpr char kShownLanguage[] = "wellboxShownLanguage";
// What a widget had before it was first made smaller.
constexpr char kOwnFont[] = "wellboxOwnFont";
constexpr char kOwnMinimumWidth[] = "wellboxOwnMinimumWidth";

// A text is made no smaller than this share of its size, nor in smaller steps.
constexpr qreal kLeastShare = 0.6;
constexpr qreal kStep = 0.05;

bool contains(const QRect& room, const QFont& font, int flags, const QString& text) {
    const QRect needed = QFontMetrics(font).boundingRect(room, flags, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

} // namespace

QString shownLanguage() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app ? app->property(kShownLanguage).toString() : QString();
}

bool translationShown() {
    return !shownLanguage().isEmpty();
}

void setShownLanguage(const QString& language) {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->setProperty(kShownLanguage, language);
}

void shrinkUntil(const QList<QWidget*>& widgets, const std::function<bool()>& fits) {
    for (QWidget* widget : widgets) {
        if (!widget->property(kOwnFont).isValid()) {
            widget->setProperty(kOwnFont, widget->font());
            // A fixed width is the room itself, not a caption's.
            const bool fixed = widget->minimumWidth() == widget->maximumWidth();
            widget->setProperty(kOwnMinimumWidth, fixed ? -1 : widget->minimumWidth());
        }
        widget->setFont(widget->property(kOwnFont).value<QFont>());
        if (const int minimum = widget->property(kOwnMinimumWidth).toInt(); minimum >= 0)
            widget->setMinimumWidth(minimum);
    }
    for (qreal share = 1 - kStep; !fits() && share >= kLeastShare - kStep / 2; share -= kStep)
        for (QWidget* widget : widgets) {
            QFont font = widget->property(kOwnFont).value<QFont>();
            font.setPointSizeF(font.pointSizeF() * share);
            widget->setFont(font);
            if (const int minimum = widget->property(kOwnMinimumWidth).toInt(); minimum >= 0)
                widget->setMinimumWidth(qRound(minimum * share));
        }
}

void keepEnglishHeight(QLabel* label, int width, const char* english) {
    if (!translationShown())
        return;
    // Measured as the label lays out its own text, and kept as high where a smaller font
    // takes less.
    const QString translated = label->text();
    label->setText(QString::fromUtf8(english));
    const int high = label->heightForWidth(width);
    label->setText(translated);
    label->setMinimumHeight(high);
    shrinkUntil({label}, [=] { return label->heightForWidth(width) <= high; });
}

bool textFits(const QLabel* label) {
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0) |
                      (label->buddy() ? Qt::TextShowMnemonic : 0);
    return contains(label->contentsRect(), label->font(), flags, label->text());
}

bool captionFits(const QAbstractButton* button, bool wraps) {
    QStyleOptionButton option;
    option.initFrom(button);
    // A wrapping caption keeps a little off the sides, as WrapButton draws it.
    const QRect room = button->style()
                           ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                           .adjusted(wraps ? 2 : 0, 0, wraps ? -2 : 0, 0);
    return contains(room, button->font(),
                    Qt::AlignCenter | Qt::TextShowMnemonic | (wraps ? Qt::TextWordWrap : 0),
                    button->text());
}

bool captionsFit(const QList<QWidget*>& widgets, bool wraps) {
    return std::ranges::all_of(widgets, [wraps](const QWidget* widget) {
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        return !button || captionFits(button, wraps);
    });
}

} // namespace wellbox::ui
