#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace wellbox {

// The program's texts in the first of the user's languages that it speaks, and Qt's own (the
// standard buttons, the file and print dialogs) in the same language where Qt's translations
// are installed; English, the language of the sources, when the first the user names is
// English or it speaks none of them. Installed while it lives.
class Translations {
public:
    // The languages as QLocale::uiLanguages() gives them, preferred first: "de-DE", "de".
    explicit Translations(const QStringList& uiLanguages);
    ~Translations();
    Q_DISABLE_COPY_MOVE(Translations)

    // The language chosen, as its translation's file names it ("de"); empty for English.
    QString language() const { return m_language; }

private:
    QTranslator m_own;
    QTranslator m_qt;
    QString m_language;
};

} // namespace wellbox
