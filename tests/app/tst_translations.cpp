// The user's language: how it is chosen, the German file against the sources, the access keys of
// every step in German, and the pseudo-language of the tests.

#include "app/translations.h"
#include "support/appfixture.h"
#include "support/datarows.h"
#include "support/nowindowleft.h"
#include "widgets/textfit.h"

#include <QKeySequence>
#include <QLabel>
#include <QLibraryInfo>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// Context and source as the file writes them; the translation and its type ("unfinished",
// "obsolete", "vanished", or none).
struct Message {
    QString name, translation, type;
};

// The messages of a Qt Linguist file, their texts as the file writes them.
QList<Message> readMessages(const QString& path) {
    QFile file(path);
    const QString ts = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "";
    QList<Message> messages;
    const auto dotAll = QRegularExpression::DotMatchesEverythingOption;
    static const QRegularExpression context("<name>(.*?)</name>(.*?)</context>", dotAll);
    static const QRegularExpression message(
        "<source>(.*?)</source>.*?<translation(?: type=\"(\\w+)\")?>(.*?)</translation>", dotAll);
    for (const QRegularExpressionMatch& c : context.globalMatch(ts))
        for (const QRegularExpressionMatch& m : message.globalMatch(c.captured(2)))
            messages.append(
                {c.captured(1) + " \"" + m.captured(1) + '"', m.captured(3), m.captured(2)});
    return messages;
}

// The placeholders of a text, in order: "%1 %2".
QStringList placeholders(const QString& text) {
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression("%L?\\d+|%n").globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// The captions that share an access key, "Alt+K: first | second".
QStringList clashes(const QStringList& captions) {
    QMultiMap<QString, QString> byKey;
    for (const QString& caption : captions)
        byKey.insert(QKeySequence::mnemonic(caption).toString(), caption);
    QStringList found;
    for (const QString& key : byKey.uniqueKeys())
        if (!key.isEmpty() && byKey.count(key) > 1)
            found << key + ": " + QStringList(byKey.values(key)).join(" | ");
    return found;
}

// The captions whose access keys work at once in a window: the menu bar's, the shown buttons'
// (a covered one keeps its caption but loses its key) and labels' that lead to a control.
QStringList captionsInView(const QWidget* window, const QList<QAction*>& menuBar) {
    QStringList captions;
    for (const QAction* entry : menuBar)
        captions << entry->text();
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (widget->isVisible() &&
            ((button && !button->shortcut().isEmpty()) || (label && label->buddy())))
            captions << widget->property("text").toString();
    }
    return captions;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { checkNoWindowLeft(); }

    void chooses_data() { addRowsFrom("languages.tsv"); }

    // The first of the user's languages that the program speaks, English where it comes first;
    // what fits texts to their room knows it while it is shown, and not after.
    void chooses() {
        QFETCH(QString, languages);
        {
            const Translations translations(languages.split(' '));
            QTEST(translations.language(), "chosen");
            QTEST(ui::shownLanguage(), "chosen");
        }
        QCOMPARE(ui::shownLanguage(), QString());
    }

    // The language the environment names, through LANGUAGE, LC_ALL, LC_MESSAGES or LANG; ctest
    // runs this once per environment and names what it expects in WELLBOX_EXPECTED_LANGUAGE.
    void systemLanguage() {
        const QString expected = qEnvironmentVariable("WELLBOX_EXPECTED_LANGUAGE");
        const Translations translations(QLocale::system().uiLanguages());
        QCOMPARE(translations.language(), expected);
        QCOMPARE(QCoreApplication::translate("wellbox::SharedMenus", "&File"),
                 expected == "de" ? "&Datei" : "&File");
    }

    // Qt's own texts, the standard buttons among them, follow where Qt's German is installed.
    void qtOwnTextsInGerman() {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
            QSKIP("Qt's German translations are not installed (qt6-translations-l10n)");
        const Translations translations({"de"});
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    }

    void germanComplete_data() { addRowsFrom("germanfile.tsv"); }

    // Every text of the sources is in the German file and translated, with the placeholders of
    // its source; the file holds no text that the sources no longer have.
    void germanComplete() {
        QFETCH(QString, problem);
        const QList<Message> sources = readMessages(WELLBOX_SOURCE_TEXTS);
        const QList<Message> german =
            readMessages(WELLBOX_TEST_DATA "../../translations/kestavo-wellbox_de.ts");
        QVERIFY(!sources.isEmpty());
        QSet<QString> inSources, inGerman;
        for (const Message& message : sources)
            inSources << message.name;
        for (const Message& message : german)
            inGerman << message.name;
        QStringList found = problem == "missing" ? (inSources - inGerman).values() : QStringList();
        for (const Message& message : german)
            if ((problem == "unfinished" &&
                 (message.type == "unfinished" || message.translation.isEmpty())) ||
                (problem == "obsolete" &&
                 ((!message.type.isEmpty() && message.type != "unfinished") ||
                  !inSources.contains(message.name))) ||
                (problem == "placeholders" &&
                 placeholders(message.name) != placeholders(message.translation)))
                found << message.name;
        QCOMPARE(found.join("; "), QString());
    }

    void accessKeysUnique_data() { addRowsFrom("accesskeys.tsv"); }

    // On every step each access key marks one control or menu, and in each menu one command.
    void accessKeysUnique() {
        QFETCH(QString, language);
        const Translations translations({language});
        const Reached reached;
        QVERIFY(reached.reached);
        const bool about = reached.about.isVisible();
        const QWidget* front =
            about ? static_cast<const QWidget*>(&reached.about) : &reached.app.window;
        const QList<QAction*> menuBar = about ? QList<QAction*>() : reached.app.menusInFront();
        QCOMPARE(clashes(captionsInView(front, menuBar)).join("; "), QString());
        QStringList inMenus;
        for (const QAction* entry : menuBar.mid(0, 2)) // File and Help
            inMenus << clashes(entriesOf(entry->menu()));
        QCOMPARE(inMenus.join("; "), QString());
    }

    // The pseudo-language (chosen like any other, see languages.tsv) changes the menus, their
    // access keys and the placeholders of a text kept.
    void pseudoLanguage() {
        const Translations translations({"en-XA"});
        const AppFixture app;
        const QStringList english{"&File", "&Help", "Make Money &Online"};
        for (int i = 0; i < english.size(); ++i) {
            const QString shown = app.menusInFront().at(i)->text();
            QVERIFY2(shown.startsWith('[') && shown.endsWith(']'), qPrintable(shown));
            QVERIFY2(shown.size() >= english.at(i).size() * 1.4, qPrintable(shown));
            QCOMPARE(QKeySequence::mnemonic(shown), QKeySequence::mnemonic(english.at(i)));
        }
        QCOMPARE(
            placeholders(QCoreApplication::translate("wellbox::QuizWindow", "Question %1 of %2")),
            QStringList({"%1", "%2"}));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
