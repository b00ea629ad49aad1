#include "result/scoringtext.h"

#include "widgets/uistyle.h"

#include <QCoreApplication>

namespace wellbox::ui {

QString scoringText(std::string_view marked) {
    // Qt looks a text up by its bytes up to the terminating zero, which a view need not have.
    const QByteArray source(marked.data(), static_cast<qsizetype>(marked.size()));
    return QCoreApplication::translate(ScoringContext.data(), source.constData());
}

QString scoringText(const Phrase& phrase) {
    if (phrase.isValue())
        return fromView(phrase.valueText());
    const QString pattern = scoringText(phrase.pattern());
    const std::vector<Phrase>& arguments = phrase.arguments();
    // One pass, as Phrase::english() does: an argument's own text is never read for markers.
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const int number = i + 1 < pattern.size() ? pattern.at(i + 1).digitValue() : -1;
        if (pattern.at(i) == QLatin1Char('%') && number >= 1 &&
            static_cast<std::size_t>(number) <= arguments.size()) {
            text += scoringText(arguments[static_cast<std::size_t>(number - 1)]);
            ++i;
        } else {
            text += pattern.at(i);
        }
    }
    return text;
}

} // namespace wellbox::ui
