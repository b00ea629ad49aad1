#include "platform/suitesettings.h"

#include <QCoreApplication>

namespace wellbox {

namespace {

constexpr char16_t kFirstPrintable = u'!';
constexpr char16_t kLastPrintable = u'~';
constexpr int kPrintableCount = kLastPrintable - kFirstPrintable + 1;

QChar rotate(QChar c) {
    const char16_t code = c.unicode();
    if (code < kFirstPrintable || code > kLastPrintable)
        return c;
    return QChar(static_cast<char16_t>(
        kFirstPrintable + (code - kFirstPrintable + kPrintableCount / 2) % kPrintableCount));
}

} // namespace

QString settingsApplication() {
    return QCoreApplication::applicationName();
}

QString settingsSection() {
    return QStringLiteral("Settings");
}

// Rotating by half the range is its own inverse.
QString EncodeSetting(const QString& plain) {
    QString encoded = plain;
    for (QChar& c : encoded)
        c = rotate(c);
    return encoded;
}

QString DecodeSetting(const QString& encoded) {
    return EncodeSetting(encoded);
}

} // namespace wellbox
