#include "platform/inientry.h"

#include <QList>
#include <QStringDecoder>

#include <array>

namespace wellbox::ini {

namespace {

// The characters written after a backslash for the control characters that have a letter.
struct NamedEscape {
    char16_t character;
    char letter;
};
constexpr std::array kNamedEscapes{
    NamedEscape{u'\a', 'a'},  NamedEscape{u'\b', 'b'}, NamedEscape{u'\f', 'f'},
    NamedEscape{u'\n', 'n'},  NamedEscape{u'\r', 'r'}, NamedEscape{u'\t', 't'},
    NamedEscape{u'\v', 'v'},  NamedEscape{u'"', '"'},  NamedEscape{u'\\', '\\'},
    NamedEscape{u'\'', '\''}, NamedEscape{u'?', '?'},
};

// The value of the digit `c` in `base` (8 or 16), or -1.
int digitValue(char16_t c, int base) {
    const int value = c >= u'0' && c <= u'9'   ? c - u'0'
                      : c >= u'a' && c <= u'f' ? c - u'a' + 10
                      : c >= u'A' && c <= u'F' ? c - u'A' + 10
                                               : -1;
    return value < base ? value : -1;
}

// A line of the file: where its text begins and ends, and where the next line begins.
struct Line {
    qsizetype begin;
    qsizetype end;
    qsizetype next;
};

QList<Line> linesOf(QByteArrayView file) {
    QList<Line> lines;
    for (qsizetype begin = 0; begin < file.size();) {
        qsizetype end = file.indexOf('\n', begin);
        const qsizetype next = end < 0 ? file.size() : end + 1;
        end = end < 0 ? file.size() : end;
        lines.append({begin, end > begin && file[end - 1] == '\r' ? end - 1 : end, next});
        begin = next;
    }
    return lines;
}

// A key or a section's name as QSettings writes one of ASCII: letters and digits as they are,
// every other byte percent-encoded.
QByteArray escapedKey(const QString& key) {
    return key.toUtf8().toPercentEncoding({}, "-._~");
}

QString unescapedKey(QByteArrayView raw) {
    return QString::fromUtf8(QByteArray::fromPercentEncoding(raw.toByteArray()));
}

// The heading's section, for a line that is one.
std::optional<QString> heading(QByteArrayView text) {
    if (text.size() < 2 || text.front() != '[' || text.back() != ']')
        return std::nullopt;
    return unescapedKey(text.sliced(1, text.size() - 2).trimmed());
}

// Where the entry's lines and its section's heading lie, by their number among the lines.
struct Places {
    QList<qsizetype> entry;
    qsizetype heading = -1;
    QList<qsizetype> others; // any other line with text, a comment too
};

Places find(QByteArrayView file, const QList<Line>& lines, const QString& section,
            const QString& entry) {
    Places places;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArrayView text =
            file.sliced(lines[i].begin, lines[i].end - lines[i].begin).trimmed();
        if (const std::optional<QString> name = heading(text)) {
            inSection = *name == section;
            if (inSection && places.heading < 0)
                places.heading = i;
            else
                places.others.append(i);
            continue;
        }
        if (text.isEmpty())
            continue;
        const qsizetype equals = text.indexOf('=');
        const bool comment = text.front() == ';' || text.front() == '#';
        if (!comment && inSection && equals > 0 &&
            unescapedKey(text.first(equals).trimmed()) == entry)
            places.entry.append(i);
        else
            places.others.append(i);
    }
    return places;
}

// UTF-8 bytes as text, or nothing where they are not UTF-8.
std::optional<QString> utf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return decoder.hasError() ? std::nullopt : std::optional(text);
}

// A value as QSettings reads a text: quotes kept together, backslash escapes (named, \x hex,
// octal) undone, and "@@" for a leading "@". A comma (a list), a semicolon (a comment), an
// unclosed quote or a leading "@" of any other kind (a variant, a byte array) is no text.
std::optional<QString> unescapedValue(QByteArrayView raw) {
    QString text;
    QByteArray run;
    bool quoted = false;
    const auto flush = [&] {
        const std::optional<QString> decoded = utf8(std::exchange(run, {}));
        text += decoded.value_or(QString());
        return decoded.has_value();
    };
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\') {
            if (++i == raw.size() || !flush())
                return std::nullopt;
            const auto named = std::ranges::find(kNamedEscapes, raw[i], &NamedEscape::letter);
            if (named != kNamedEscapes.end()) {
                text += QChar(named->character);
                continue;
            }
            // A number, \x and hex digits or octal ones, as many as follow, kept to 16 bits.
            const int base = raw[i] == 'x' ? 16 : 8;
            const qsizetype first = base == 16 ? i + 1 : i;
            char16_t code = 0;
            for (i = first; i < raw.size() && digitValue(raw[i], base) >= 0; ++i)
                code = char16_t(code * base + digitValue(raw[i], base));
            if (i-- == first)
                return std::nullopt;
            text += QChar(code);
        } else if (!quoted && (c == ',' || c == ';')) {
            return std::nullopt;
        } else {
            run += c;
        }
    }
    if (quoted || !flush())
        return std::nullopt;
    if (text.startsWith(QLatin1String("@@")))
        return text.mid(1);
    if (text.startsWith(u'@'))
        return std::nullopt;
    return text;
}

// A text as QSettings writes it, which unescapedValue() reads back.
QByteArray escapedValue(const QString& value) {
    const QString text = value.startsWith(u'@') ? u'@' + value : value;
    QByteArray escaped;
    bool quote = text.startsWith(u' ') || text.endsWith(u' ');
    bool hexFollows = false; // a hex digit after a \x escape would be read as part of it
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        quote = quote || c == u';' || c == u',' || c == u'=';
        const auto named = std::ranges::find(kNamedEscapes, c, &NamedEscape::character);
        if ((hexFollows && digitValue(c, 16) >= 0) || (c <= 0x1F && named == kNamedEscapes.end())) {
            escaped += "\\x" + QByteArray::number(c, 16);
            hexFollows = true;
            continue;
        }
        hexFollows = false;
        if (named != kNamedEscapes.end() && (c < 0x20 || c == u'"' || c == u'\\'))
            escaped += '\\' + QByteArray(1, named->letter);
        else if (text[i].isHighSurrogate() && i + 1 < text.size())
            escaped += text.sliced(i++, 2).toUtf8();
        else
            escaped += QString(text[i]).toUtf8();
    }
    return quote ? '"' + escaped + '"' : escaped;
}

} // namespace

std::optional<QString> readEntry(QByteArrayView file, const QString& section,
                                 const QString& entry) {
    const QList<Line> lines = linesOf(file);
    const Places places = find(file, lines, section, entry);
    if (places.entry.isEmpty())
        return std::nullopt;
    const Line& line = lines[places.entry.front()];
    const QByteArrayView text = file.sliced(line.begin, line.end - line.begin);
    const QByteArrayView value = text.sliced(text.indexOf('=') + 1).trimmed();
    if (value.size() > kLongestValue)
        return std::nullopt;
    return unescapedValue(value);
}

QByteArray writeEntry(QByteArrayView file, const QString& section, const QString& entry,
                      const QString& value) {
    const QList<Line> lines = linesOf(file);
    const Places places = find(file, lines, section, entry);
    const QByteArray written = escapedKey(entry) + '=' + escapedValue(value) + '\n';
    QByteArray result;
    qsizetype copied = 0; // bytes of the file taken over so far
    const auto copyTo = [&](qsizetype end) {
        result += file.sliced(copied, end - copied);
        copied = end;
    };
    if (places.entry.isEmpty() && places.heading >= 0) {
        copyTo(lines[places.heading].next);
        if (!result.endsWith('\n'))
            result += '\n';
        result += written;
    }
    for (const qsizetype i : places.entry) {
        copyTo(lines[i].begin);
        if (i == places.entry.front())
            result += written;
        copied = lines[i].next;
    }
    copyTo(file.size());
    if (places.entry.isEmpty() && places.heading < 0) {
        if (!result.isEmpty())
            result += result.endsWith('\n') ? "\n" : "\n\n";
        result += '[' + escapedKey(section) + "]\n" + written;
    }
    return result;
}

bool holdsOnly(QByteArrayView file, const QString& section, const QString& entry) {
    const Places places = find(file, linesOf(file), section, entry);
    return !places.entry.isEmpty() && places.others.isEmpty();
}

} // namespace wellbox::ini
