// The user's language: how it is chosen, the German file against the sources, the access keys of
// every step in German, and the pseudo-language of the tests.

#include "app/translations.h"
#include "support/appfixture.h"
#include "support/datarows.h"
#include "support/nowindowleft.h"

#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QXmlStreamReader>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // of the translation: "unfinished", "obsolete", "vanished", or none
    QString name() const { return context + " \"" + source + '"'; }
};

// The messages of a Qt Linguist file; <byte> elements read back as their characters.
QList<Message> readMessages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader in(&file);
    QList<Message> messages;
    QString context;
    QString* text = nullptr;
    while (!in.atEnd()) {
        in.readNext();
        if (in.isStartElement() && in.name() == u"name")
            context = in.readElementText();
        else if (in.isStartElement() && in.name() == u"message")
            messages.append({context, {}, {}, {}});
        else if (in.isStartElement() && in.name() == u"source")
            text = &messages.last().source;
        else if (in.isStartElement() && in.name() == u"translation") {
            text = &messages.last().translation;
            messages.last().type = in.attributes().value(QLatin1String("type")).toString();
        } else if (in.isStartElement() && in.name() == u"byte" && text)
            *text +=
                QChar(in.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        else if (in.isCharacters() && text)
            *text += in.text();
        else if (in.isEndElement() && (in.name() == u"source" || in.name() == u"translation"))
            text = nullptr;
    }
    return messages;
}

// The placeholders of a text, in order: "%1 %2".
QStringList placeholders(const QString& text) {
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression("%L?\\d+|%n").globalMatch(text))
        found << match.captured();
    std::sort(found.begin(), found.end());
    return found;
}

// The access key a caption marks, lower case; none where it marks none ("&&" is an ampersand).
QChar accessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != u'&')
            continue;
        if (caption.at(i + 1) != u'&')
            return caption.at(i + 1).toLower();
        ++i;
    }
    return {};
}

// The captions that share an access key, "key: first | second", in the order given.
QStringList clashes(const QStringList& captions) {
    QMultiMap<QChar, QString> byKey;
    for (const QString& caption : captions)
        if (const QChar key = accessKey(caption); !key.isNull())
            byKey.insert(key, caption);
    QStringList found;
    for (const QChar key : byKey.uniqueKeys())
        if (byKey.count(key) > 1)
            found << QString(key) + ": " + QStringList(byKey.values(key)).join(" | ");
    return found;
}

// The captions whose access keys work at once in a window: the menu bar's, and those of the
// buttons, of labels that lead to a control, and of frames that are shown.
QStringList captionsInView(const QWidget* window, const QList<QAction*>& menuBar) {
    QStringList captions;
    for (const QAction* entry : menuBar)
        captions << entry->text();
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        // A covered button keeps its caption but loses its key (FrameStack).
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget);
            button && !button->shortcut().isEmpty())
            captions << button->text();
        else if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->buddy())
            captions << label->text();
        else if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
            captions << frame->title();
    }
    return captions;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { checkNoWindowLeft(); }

    void chooses_data() { addRowsFrom("languages.tsv"); }

    // The first of the user's languages that the program speaks, English where it comes first.
    void chooses() {
        QFETCH(QString, languages);
        const Translations translations(languages.split(' '));
        QTEST(translations.language(), "chosen");
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
        const QString qtGerman =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm";
        if (!QFile::exists(qtGerman))
            QSKIP("Qt's German translations are not installed (qt6-translations-l10n)");
        const Translations translations({"de"});
        QVERIFY(translations.coversQt());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    }

    void germanComplete_data() {
        QTest::addColumn<QString>("problem");
        for (const char* problem : {"missing", "unfinished", "obsolete", "placeholders"})
            QTest::newRow(problem) << problem;
    }

    // Every text of the sources is in the German file and translated, with the placeholders of
    // its source; the file holds no text that the sources no longer have.
    void germanComplete() {
        QFETCH(QString, problem);
        const QList<Message> sources = readMessages(WELLBOX_SOURCE_TEXTS);
        const QList<Message> german =
            readMessages(WELLBOX_TEST_DATA "../../translations/kestavo-wellbox_de.ts");
        QVERIFY(!sources.isEmpty());
        QSet<QString> sourceNames, germanNames;
        for (const Message& message : sources)
            sourceNames << message.name();
        for (const Message& message : german)
            germanNames << message.name();
        QStringList found;
        for (const Message& message : sources)
            if (problem == "missing" && !germanNames.contains(message.name()))
                found << message.name();
        for (const Message& message : german)
            if ((problem == "unfinished" &&
                 (message.type == "unfinished" || message.translation.isEmpty())) ||
                (problem == "obsolete" &&
                 (message.type == "obsolete" || message.type == "vanished" ||
                  !sourceNames.contains(message.name()))) ||
                (problem == "placeholders" &&
                 placeholders(message.source) != placeholders(message.translation)))
                found << message.name();
        QCOMPARE(found.join("; "), QString());
    }

    void accessKeysUnique_data() { addRowsFrom("accesskeys.tsv"); }

    // On every step each access key marks one control or menu, and in each menu one command.
    void accessKeysUnique() {
        QFETCH(QString, language);
        const Translations translations({language});
        const Reached reached;
        QVERIFY(reached.reached);
        const QWidget* front = reached.about.isVisible()
                                   ? static_cast<const QWidget*>(&reached.about)
                                   : &reached.app.window;
        const QList<QAction*> menuBar =
            front == &reached.app.window ? reached.app.menusInFront() : QList<QAction*>();
        QCOMPARE(clashes(captionsInView(front, menuBar)).join("; "), QString());
        QStringList inMenus;
        for (const QAction* entry : menuBar)
            if (entry->menu()) {
                QStringList commands;
                for (const QAction* command : entry->menu()->actions())
                    commands << command->text();
                for (const QString& clash : clashes(commands))
                    inMenus << entry->text() + ": " + clash;
            }
        QCOMPARE(inMenus.join("; "), QString());
    }

    // The pseudo-language is chosen like any other and changes the menus, their access keys and
    // a text's placeholders kept.
    void pseudoLanguage() {
        const Translations translations({"en-XA"});
        QCOMPARE(translations.language(), "en_XA");
        const AppFixture app;
        const QStringList english{"&File", "&Help", "Make Money &Online"};
        for (int i = 0; i < english.size(); ++i) {
            const QString shown = app.menusInFront().at(i)->text();
            QVERIFY2(shown.startsWith('[') && shown.endsWith(']'), qPrintable(shown));
            QVERIFY2(shown.size() >= english.at(i).size() * 1.4, qPrintable(shown));
            QCOMPARE(accessKey(shown), accessKey(english.at(i)));
        }
        const QString question =
            QCoreApplication::translate("wellbox::QuizWindow", "Question %1 of %2").arg(3).arg(6);
        QCOMPARE(placeholders(question), QStringList());
        QVERIFY2(question.contains('3') && question.contains('6'), qPrintable(question));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
