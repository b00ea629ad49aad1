#include "app/translations.h"

#include "widgets/textfit.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace wellbox {

namespace {

// Where the build puts the translations, and how their files are named: "kestavo-wellbox_de".
constexpr char kDirectory[] = ":/i18n";
constexpr char kPrefix[] = "kestavo-wellbox_";

} // namespace

Translations::Translations(const QStringList& uiLanguages) {
    for (QString name : uiLanguages) {
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        // "de_DE" finds kestavo-wellbox_de_DE, else kestavo-wellbox_de.
        if (m_own.load(QLatin1String(kPrefix) + name, QLatin1String(kDirectory))) {
            m_language = m_own.language().isEmpty() ? name : m_own.language();
            break;
        }
        if (QLocale(name).language() == QLocale::English)
            break;
    }
    if (m_language.isEmpty())
        return;
    QCoreApplication::installTranslator(&m_own);
    ui::setShownLanguage(m_language);
    if (m_qt.load(QStringLiteral("qtbase_") + m_language,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations() {
    if (!m_language.isEmpty())
        ui::setShownLanguage({});
    // Each translator takes itself out of the application as it goes.
}

} // namespace wellbox
