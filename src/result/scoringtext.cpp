#include "result/scoringtext.h"

#include "widgets/textfit.h"
#include "widgets/uistyle.h"

#include <QCoreApplication>

namespace wellbox::ui {

QString scoringText(std::string_view marked) {
    // Qt looks a text up by its bytes up to the terminating zero, which a view need not have.
    const QByteArray source(marked.data(), static_cast<qsizetype>(marked.size()));
    return QCoreApplication::translate(ScoringContext.data(), source.constData());
}

QLocale numberLocale() {
    const QString language = shownLanguage();
    QLocale locale =
        language.isEmpty() ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(language);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString scoringText(const Phrase& phrase) {
    if (phrase.isValue())
        return fromView(phrase.valueText());
    if (phrase.isNumber())
        return numberLocale().toString(phrase.numberValue().value, 'f',
                                       phrase.numberValue().decimals);
    const QString pattern = scoringText(phrase.pattern());
    const std::u16string_view units(reinterpret_cast<const char16_t*>(pattern.utf16()),
                                    static_cast<std::size_t>(pattern.size()));
    QString text;
    fillPattern(
        units, phrase.arguments().size(),
        [&text](std::u16string_view piece) {
            text += QStringView(piece.data(), static_cast<qsizetype>(piece.size()));
        },
        [&](std::size_t index) { text += scoringText(phrase.arguments()[index]); });
    return text;
}

} // namespace wellbox::ui
