// Writes the pseudo-language of the tests from a Qt Linguist file that lupdate wrote: each source
// text, wrapped in brackets, its letters accented and lengthened by about 40 %, becomes the
// translation, so that a text left untranslated, cut off or built from pieces stands out.
// Placeholders (%1, %L1, %n), access keys ("&F", "&&"), XML entities and <byte/> elements are
// copied as they stand, so the texts still work.
//
//   wellbox_pseudolanguage <sources.ts> <pseudo.ts> <language>

#include <QFile>
#include <QRegularExpression>

#include <cstdio>

namespace {

// Every ASCII letter has an accented or hooked look-alike, so that a plain letter in a shown text
// can only be a piece left untranslated (or a value: a typed name, an address).
const QString kPlain = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString kAccented = QString::fromUtf8("áƀçďéƒğĥíĵķĺḿñóþʠŕšţúṽŵẋýžÁƁÇĎÉƑĞĤÍĴĶĹḾÑÓÞǪŔŠŢÚṼŴẊÝŽ");

// Words, so that a label can still wrap inside the lengthening.
const QString kFiller = QString::fromUtf8(" łóŕéḿ íþšúḿ ďóĺóŕ šíţ áḿéţ");

// A text as the .ts file holds it, one token at a time: an access key or "&&", another entity,
// an element, a placeholder, or a character.
const QRegularExpression kToken("&amp;(&amp;|&\\w+;|.)|&\\w+;|<[^>]*>|%L?\\d+|%n|.",
                                QRegularExpression::DotMatchesEverythingOption);

QString pseudo(const QString& source) {
    QString text = QStringLiteral("[");
    qsizetype length = 0;
    for (const QRegularExpressionMatch& token : kToken.globalMatch(source)) {
        const QString part = token.captured();
        const qsizetype letter = part.size() == 1 ? kPlain.indexOf(part.at(0)) : -1;
        text += letter >= 0 ? QString(kAccented.at(letter)) : part;
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
