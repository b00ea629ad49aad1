// Writes the pseudo-language of the tests from a Qt Linguist file that lupdate wrote: each source
// text, wrapped in brackets, its letters accented and lengthened by about 40 %, becomes the
// translation, so that a text left untranslated, cut off or built from pieces stands out.
// Placeholders (%1, %L1, %n), access keys ("&F", "&&"), XML entities and <byte/> elements are
// copied as they stand, so the texts still work.
//
//   wellbox_pseudolanguage <sources.ts> <pseudo.ts> <language>

#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <cstdio>

namespace {

const QHash<QChar, QChar> kAccents{
    {u'a', u'\u00e1'}, {u'c', u'\u00e7'}, {u'e', u'\u00e9'}, {u'i', u'\u00ed'}, {u'n', u'\u00f1'},
    {u'o', u'\u00f3'}, {u's', u'\u0161'}, {u'u', u'\u00fa'}, {u'y', u'\u00fd'}, {u'z', u'\u017e'},
    {u'A', u'\u00c1'}, {u'C', u'\u00c7'}, {u'E', u'\u00c9'}, {u'I', u'\u00cd'}, {u'N', u'\u00d1'},
    {u'O', u'\u00d3'}, {u'S', u'\u0160'}, {u'U', u'\u00da'}, {u'Y', u'\u00dd'}, {u'Z', u'\u017d'},
};

// Words, so that a label can still wrap inside the lengthening.
const QString kFiller = QString::fromUtf8(" łórém ípšúm dólór šít ámét");

// A text as the .ts file holds it, one token at a time: an access key or "&&", another entity,
// an element, a placeholder, or a character.
const QRegularExpression kToken("&amp;(&amp;|&\\w+;|.)|&\\w+;|<[^>]*>|%L?\\d+|%n|.",
                                QRegularExpression::DotMatchesEverythingOption);

QString pseudo(const QString& source) {
    QString text = QStringLiteral("[");
    qsizetype length = 0;
    for (const QRegularExpressionMatch& token : kToken.globalMatch(source)) {
        const QString part = token.captured();
        text += part.size() == 1 ? kAccents.value(part.at(0), part.at(0)) : part;
        ++length;
    }
    for (qsizetype i = 0; i < (length * 2 + 2) / 5; ++i)
        text += kFiller.at(i % kFiller.size());
    return text + QStringLiteral("]");
}

} // namespace

int main(int argc, char* argv[]) {
    QFile in(QString::fromLocal8Bit(argc == 4 ? argv[1] : ""));
    QFile out(QString::fromLocal8Bit(argc == 4 ? argv[2] : ""));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
        std::fputs("usage: wellbox_pseudolanguage <sources.ts> <pseudo.ts> <language>\n", stderr);
        return 2;
    }
    const QString ts = QString::fromUtf8(in.readAll());
    static const QRegularExpression message(
        "(<source>(.*?)</source>\\s*(?:<comment>.*?</comment>\\s*)?)<translation[^>]*>.*?"
        "</translation>",
        QRegularExpression::DotMatchesEverythingOption);
    QString written;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : message.globalMatch(ts)) {
        written += ts.mid(done, match.capturedStart() - done) + match.captured(1) +
                   QStringLiteral("<translation>") + pseudo(match.captured(2)) +
                   QStringLiteral("</translation>");
        done = match.capturedEnd();
    }
    written += ts.mid(done);
    written.replace(QRegularExpression("<TS version=\"([^\"]*)\"[^>]*>"),
                    QStringLiteral("<TS version=\"\\1\" language=\"%1\" sourcelanguage=\"en\">")
                        .arg(QString::fromLocal8Bit(argv[3])));
    return out.write(written.toUtf8()) < 0 ? 1 : 0;
}
