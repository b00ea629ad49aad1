#pragma once

#include <QList>
#include <QString>

#include <functional>

class QAbstractButton;
class QLabel;
class QWidget;

namespace wellbox::ui {

// The language of the translation shown, as its file names it ("de"); empty for English, the
// language of the sources.
QString shownLanguage();
// Whether the texts shown are a translation's. Only then may a layout make room for longer
// texts, by wrapping them or by a smaller font: the English layout is fixed to the pixel.
bool translationShown();
// Said by whoever installs a translation, and unsaid (empty) when it goes.
void setShownLanguage(const QString& language);

// Makes the fonts of `widgets` smaller together, a step at a time, until `fits` holds or they
// are at the least share of their own size; a minimum width that was set for a caption shrinks
// with its font. Each call starts again from the widgets' own fonts, so that it can follow a
// room that changes.
void shrinkUntil(const QList<QWidget*>& widgets, const std::function<bool()>& fits);

// A label wrapped at `width`, made no higher than `english`, the text it translates, is there,
// by a smaller font where a translation would take more lines: the window keeps its size.
void keepEnglishHeight(QLabel* label, int width, const char* english);

// Whether a label shows its whole text inside it.
bool textFits(const QLabel* label);
// Whether a button shows its whole caption inside it, wrapped where `wraps` says it wraps.
bool captionFits(const QAbstractButton* button, bool wraps = false);
// Whether each of the buttons among `widgets` does.
bool captionsFit(const QList<QWidget*>& widgets, bool wraps = false);

} // namespace wellbox::ui
