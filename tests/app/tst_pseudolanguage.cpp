// Every place texts.tsv reads, and the result steps that hold the most (crowded.tsv), reached
// again under the pseudo-language en_XA, where each text of the sources is in brackets, 40 %
// longer and every letter accented: a text in plain letters there was left untranslated or put
// together from untranslated pieces; and again in German. Each control in view must show its
// whole text, over no other control's and inside its window, and each window keeps the size it
// has in English.

#include "app/translations.h"
#include "platform/version.h"
#include "support/appfixture.h"
#include "support/nowindowleft.h"
#include "widgets/resultpicture.h"
#include "widgets/textfit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTableWidget>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// The places of a file's first column, each once, in the order of the file.
QStringList places(const char* name) {
    QFile file(WELLBOX_TEST_DATA + QLatin1String(name));
    QStringList found;
    for (file.open(QIODevice::ReadOnly | QIODevice::Text); !file.atEnd();)
        if (const QString where = QString::fromUtf8(file.readLine()).section('\t', 0, 0).trimmed();
            !QStringList{"", "\"", "where"}.contains(where) && !where.startsWith('#') &&
            !found.contains(where))
            found << where;
    return found;
}

// Whether a text has plain letters besides what a user or the program gives that no
// translation changes: the product's name with its version, the addresses, access keys, and
// what the user typed.
bool inEnglish(QString text, const QString& where) {
    for (const QString& step : where.split(" > "))
        if (const QString typed = step.section('=', 1); typed.size() > 1)
            text.remove(typed);
    static const QRegularExpression values(
        QStringLiteral("%1|v%2|(https?://)?[\\w.]*kestavo\\.example\\S*|&&|&\\S")
            .arg(QLatin1String(kApplicationTitle), QRegularExpression::escape(kVersion)));
    return text.remove(values).contains(QRegularExpression("[A-Za-z]"));
}

// Every text a control shows or gives a screen reader.
QStringList textsOf(const QWidget* widget) {
    QStringList texts{widget->windowTitle(), widget->accessibleName(),
                      widget->accessibleDescription(), widget->toolTip()};
    // Of labels and buttons, of frames, of pictures.
    for (const char* shown : {"text", "title", "caption"})
        texts << widget->property(shown).toString();
    if (const auto* list = qobject_cast<const QComboBox*>(widget))
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
    if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    if (const auto* table = qobject_cast<const QTableWidget*>(widget))
        for (int c = 0; c < table->columnCount(); ++c) {
            texts << table->horizontalHeaderItem(c)->text();
            for (int r = 0; r < table->rowCount(); ++r)
                texts << table->item(r, c)->text();
        }
    if (qobject_cast<const QLineEdit*>(widget)) // typed
        texts.removeAll(widget->property("text").toString());
    texts.removeAll(QString());
    return texts;
}

// The texts of a control that it cuts off.
QStringList cutOff(const QWidget* widget) {
    QStringList cut;
    const QFontMetrics metrics(widget->font());
    if (const auto* label = qobject_cast<const QLabel*>(widget);
        label && label->pixmap().isNull() && !ui::textFits(label))
        cut << label->text();
    if (const auto* button = qobject_cast<const QPushButton*>(widget);
        button && !ui::captionFits(button, button->inherits("wellbox::WrapButton")))
        cut << button->text();
    if (const auto* option = qobject_cast<const QRadioButton*>(widget);
        option && option->sizeHint().width() > option->width())
        cut << option->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget);
        frame && metrics.horizontalAdvance(frame->title()) > frame->width())
        cut << frame->title();
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const int room =
            list->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                .width();
        for (int i = 0; i < list->count(); ++i)
            if (metrics.horizontalAdvance(list->itemText(i)) > room)
                cut << list->itemText(i);
    }
    if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
        for (int i = 0; i < tabs->count(); ++i)
            if (!tabs->rect().contains(tabs->tabRect(i)))
                cut << tabs->tabText(i);
    if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
        // A cell's text wrapped inside the cell, less the room the style keeps at each side.
        const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c) {
                const QRect cell(0, 0, table->columnWidth(c) - 2 * margin, table->rowHeight(r));
                const QString text = table->item(r, c)->text();
                if (!cell.contains(metrics.boundingRect(cell, Qt::TextWordWrap, text)))
                    cut << text;
            }
    }
    if (const auto* picture = qobject_cast<const ResultPicture*>(widget);
        picture && !picture->captionFits())
        cut << picture->caption();
    return cut;
}

// Whether any of `widget` lies outside its window or anything that holds it.
bool outside(const QWidget* widget) {
    const QRect area(widget->mapTo(widget->window(), QPoint()), widget->size());
    for (const QWidget* holder = widget->parentWidget(); holder; holder = holder->parentWidget())
        if (!QRect(holder->isWindow() ? QPoint() : holder->mapTo(holder->window(), QPoint()),
                   holder->size())
                 .contains(area))
            return true;
    return false;
}

// The window in front at a place: the About window, a calculator, or the main window.
const QWidget* front(const Reached& reached) {
    if (reached.about.isVisible())
        return &reached.about;
    const QWidget* calculator = reached.app.activeCalculator();
    return calculator ? calculator : &reached.app.window;
}

} // namespace

class TestPseudoLanguage : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { checkNoWindowLeft(); }

    void walk_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("where");
        for (const char* language : {"en_XA", "de"})
            for (const QString& where : places("texts.tsv") + places("crowded.tsv"))
                QTest::addRow("%s: %s", language, qPrintable(where)) << language << where;
    }

    // In German every text is to fit as well; only the pseudo-language tells English apart.
    void walk() {
        QFETCH(QString, language);
        QFETCH(QString, where);
        // Picks from lists and of tabs by position, as English has them: the entries translate.
        QStringList steps{where.section(" > ", 0, 0)};
        QSize english;
        {
            const Reached reached(steps.first());
            const auto find = [&](const QString& name) { return reached.find(name); };
            for (QString step : where.split(" > ").mid(1)) {
                const QString name = step.section('=', 0, 0), value = step.section('=', 1);
                if (const auto* list = qobject_cast<QComboBox*>(find(name)))
                    step = name + '#' + QString::number(list->findText(value));
                if (const auto* tabs = qobject_cast<QTabBar*>(find(name)))
                    for (int i = 0; i < tabs->count(); ++i)
                        step = tabs->tabText(i) == value ? name + '#' + QString::number(i) : step;
                QCOMPARE(testing::walk(find, step), QString());
                steps << step;
            }
            english = front(reached)->size();
        }
        const Translations translations({language});
        const Reached reached(steps.join(" > "));
        QVERIFY(reached.reached);
        QCOMPARE(front(reached)->size(), english);

        // Who tells what, the messages and the menus of the window in front among them.
        QList<std::pair<QString, QString>> told;
        for (const QString& message : reached.app.messageBox.texts())
            told.append({"message", message});
        for (const QAction* entry :
             reached.about.isVisible() ? QList<QAction*>() : reached.app.menusInFront())
            for (const QAction* command :
                 entry->menu() ? entry->menu()->actions() << entry->menu()->menuAction()
                               : QList<QAction*>{const_cast<QAction*>(entry)})
                told.append({"menu", command->text()});
        QStringList problems;
        QList<const QWidget*> shown{front(reached)};
        for (const QWidget* widget : front(reached)->findChildren<QWidget*>())
            if (!widget->objectName().startsWith("qt_") && !widget->size().isEmpty() &&
                inView(widget))
                shown << widget;
        for (const QWidget* widget : shown) {
            const QString name = widget->objectName() + ' ' + widget->metaObject()->className();
            for (const QString& text : textsOf(widget))
                told.append({name, text});
            if (const QStringList cut = cutOff(widget); !cut.isEmpty())
                problems << name + " cut off: " + cut.join(" | ");
            if (!widget->isWindow() && outside(widget))
                problems << name + " outside its window";
            if (!widget->isWindow() && !textsOf(widget).isEmpty() && !textUnder(widget).isEmpty())
                problems << name + " under " + textUnder(widget);
        }
        for (const auto& [who, text] : told)
            if (language == "en_XA" && inEnglish(text, where))
                problems << who + " in English: " + text;
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }
};

QTEST_MAIN(TestPseudoLanguage)
#include "tst_pseudolanguage.moc"
