// Writes the pseudo-language of the tests: every source text of a Qt Linguist file, lengthened by
// about 40 %, wrapped in brackets and its letters accented, so that a text left untranslated,
// cut off or built from pieces stands out. Placeholders (%1, %L1, %n) and access keys ("&F",
// "&&") are kept as they are, so the texts still work.
//
//   wellbox_pseudolanguage <sources.ts> <pseudo.ts> <language>

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

// The accented letter for each plain one; the rest stay.
const QHash<QChar, QChar> kAccents{
    {u'a', u'\u00e1'}, {u'c', u'\u00e7'}, {u'e', u'\u00e9'}, {u'i', u'\u00ed'}, {u'n', u'\u00f1'},
    {u'o', u'\u00f3'}, {u's', u'\u0161'}, {u'u', u'\u00fa'}, {u'y', u'\u00fd'}, {u'z', u'\u017e'},
    {u'A', u'\u00c1'}, {u'C', u'\u00c7'}, {u'E', u'\u00c9'}, {u'I', u'\u00cd'}, {u'N', u'\u00d1'},
    {u'O', u'\u00d3'}, {u'S', u'\u0160'}, {u'U', u'\u00da'}, {u'Y', u'\u00dd'}, {u'Z', u'\u017d'},
};

// What lengthens a text: words, so that a label can still wrap between them.
const QString kFiller = QStringLiteral(" \u0142\u00f3r\u00e9m \u00edp\u0161\u00fam d\u00f3l\u00f3r "
                                       "\u0161\u00edt \u00e1m\u00e9t");

constexpr double kLengthening = 0.4;

QString pseudo(const QString& source) {
    QString text = QStringLiteral("[");
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        const QChar next = i + 1 < source.size() ? source.at(i + 1) : QChar();
        if (c == u'&' || (c == u'%' && (next.isDigit() || next == u'L' || next == u'n'))) {
            // An access key, "&&", or a placeholder: copied as it stands.
            qsizetype end = i + 2;
            if (c == u'%')
                while (end < source.size() && source.at(end).isDigit())
                    ++end;
            text += source.mid(i, end - i);
            i = end - 1;
        } else {
            text += kAccents.value(c, c);
        }
    }
    const auto extra = static_cast<qsizetype>(source.size() * kLengthening + 0.5);
    for (qsizetype i = 0; i < extra; ++i)
        text += kFiller.at(i % kFiller.size());
    return text + QStringLiteral("]");
}

// A text as a .ts file writes it: control characters as <byte value="xd"/>.
void writeText(QXmlStreamWriter& out, const QString& text) {
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && (text.at(i).unicode() >= 0x20 || text.at(i) == u'\n'))
            continue;
        out.writeCharacters(text.mid(start, i - start));
        if (i < text.size()) {
            out.writeEmptyElement(QStringLiteral("byte"));
            out.writeAttribute(QStringLiteral("value"),
                               QStringLiteral("x%1").arg(text.at(i).unicode(), 0, 16));
        }
        start = i + 1;
    }
}

// The text of the element the reader stands on, <byte> elements read back as their characters.
QString readText(QXmlStreamReader& in) {
    const QString element = in.name().toString();
    QString text;
    while (!in.atEnd() &&
           !(in.readNext() == QXmlStreamReader::EndElement && in.name() == element)) {
        if (in.isCharacters())
            text += in.text();
        else if (in.isStartElement() && in.name() == u"byte")
            text += QChar(in.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
    }
    return text;
}

// One message: its source and comment (which together name it), and the pseudo translation.
void writeMessage(QXmlStreamReader& in, QXmlStreamWriter& out) {
    QString source;
    QString comment;
    while (!in.atEnd() &&
           !(in.readNext() == QXmlStreamReader::EndElement && in.name() == u"message")) {
        if (in.isStartElement() && in.name() == u"source")
            source = readText(in);
        else if (in.isStartElement() && in.name() == u"comment")
            comment = readText(in);
    }
    out.writeStartElement(QStringLiteral("message"));
    out.writeStartElement(QStringLiteral("source"));
    writeText(out, source);
    out.writeEndElement();
    if (!comment.isEmpty())
        out.writeTextElement(QStringLiteral("comment"), comment);
    out.writeStartElement(QStringLiteral("translation"));
    writeText(out, pseudo(source));
    out.writeEndElement();
    out.writeEndElement();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("usage: wellbox_pseudolanguage <sources.ts> <pseudo.ts> <language>\n", stderr);
        return 2;
    }
    QFile sources(QString::fromLocal8Bit(argv[1]));
    QFile target(QString::fromLocal8Bit(argv[2]));
    if (!sources.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "wellbox_pseudolanguage: cannot open %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    QXmlStreamReader in(&sources);
    QXmlStreamWriter out(&target);
    out.setAutoFormatting(true);
    out.writeStartDocument();
    out.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    out.writeStartElement(QStringLiteral("TS"));
    out.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    out.writeAttribute(QStringLiteral("language"), QString::fromLocal8Bit(argv[3]));
    out.writeAttribute(QStringLiteral("sourcelanguage"), QStringLiteral("en"));
    bool inContext = false;
    while (!in.atEnd()) {
        if (in.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (in.name() == u"context") {
            if (inContext)
                out.writeEndElement();
            out.writeStartElement(QStringLiteral("context"));
            inContext = true;
        } else if (in.name() == u"name") {
            out.writeTextElement(QStringLiteral("name"), in.readElementText());
        } else if (in.name() == u"message") {
            writeMessage(in, out);
        }
    }
    out.writeEndDocument();
    if (in.hasError()) {
        std::fprintf(stderr, "wellbox_pseudolanguage: %s: %s\n", argv[1],
                     qPrintable(in.errorString()));
        return 1;
    }
    return 0;
}
