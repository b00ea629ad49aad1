#pragma once

#include "scoring/translatable.h"

#include <QLocale>
#include <QString>

#include <string_view>

namespace wellbox::ui {

// A text the scoring layer marked (WELLBOX_TEXT), in the user's language; a text it did not mark
// comes back as it is.
QString scoringText(std::string_view marked);

// A phrase in the user's language: its pattern translated, then each argument put in its place,
// so that a translation may move the arguments. Its numbers are written as the language shown
// writes them, never as the C library's locale would. In English the same text as
// Phrase::english().
QString scoringText(const Phrase& phrase);

// The locale whose way of writing numbers the language shown takes, without group separators.
QLocale numberLocale();

} // namespace wellbox::ui
