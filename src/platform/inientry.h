#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace wellbox::ini {

// One entry of an INI file, read and written as QSettings writes a text, so that earlier
// releases and this one read each other's files. Nothing else of the file is parsed: whatever
// else it holds stays as it is, byte for byte.

// The longest value this program writes, and then some; a longer one is no value of its own.
constexpr qsizetype kLongestValue = 100;

// The entry's text; nothing where it is absent or damaged: not plain text as written there (a
// variant, a byte array, a list, an unclosed quote), longer than kLongestValue or no UTF-8.
std::optional<QString> readEntry(QByteArrayView file, const QString& section, const QString& entry);

// `file` with the entry set to `value`: its line replaced (and any second one of it dropped),
// else a line added under the section's heading, else the section added at the end.
QByteArray writeEntry(QByteArrayView file, const QString& section, const QString& entry,
                      const QString& value);

// Whether `file` holds the entry and nothing else but the section's heading and blank lines.
bool holdsOnly(QByteArrayView file, const QString& section, const QString& entry);

} // namespace wellbox::ini
