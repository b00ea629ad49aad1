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
#include "widgets/uistyle.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
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
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return found;
    while (!file.atEnd()) {
        const QString where = QString::fromUtf8(file.readLine()).section('\t', 0, 0).trimmed();
        if (!where.isEmpty() && !where.startsWith('#') && where != "\"" && where != "where" &&
            !found.contains(where))
            found << where;
    }
    return found;
}

// What a user or the program gives that no translation changes: the product's name with its
// version, the addresses, access keys, and what the user typed.
QString withoutValues(QString text, const QString& where) {
    for (const QString& step : where.split(" > "))
        if (const QString typed = step.section('=', 1); typed.size() > 1)
            text.remove(typed);
    static const QRegularExpression values(
        QStringLiteral("%1|v%2|(https?://)?[\\w.]*kestavo\\.example\\S*|&&|&\\S")
            .arg(QLatin1String(kApplicationTitle), QRegularExpression::escape(kVersion)));
    return text.remove(values);
}

// Every text a control shows or gives a screen reader.
QStringList textsOf(const QWidget* widget) {
    QStringList texts{widget->accessibleName(), widget->accessibleDescription(), widget->toolTip()};
    if (widget->isWindow() || qobject_cast<const CalculatorWindow*>(widget))
        texts << widget->windowTitle();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        texts << label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        texts << button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        texts << frame->title();
    if (const auto* picture = qobject_cast<const ResultPicture*>(widget))
        texts << picture->caption();
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
    texts.removeAll(QString());
    return texts;
}

// Whether `text` in `font` fits `box`, wrapped at word boundaries where `wrap` says so.
bool fits(const QFont& font, const QRect& box, const QString& text, bool wrap = false) {
    const int flags = Qt::TextShowMnemonic | (wrap ? Qt::TextWordWrap : 0);
    const QRect needed = QFontMetrics(font).boundingRect(box, flags | Qt::AlignLeft, text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

// Where a control's text lies in its parent: a label's text as laid out, else the control.
QRect textArea(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (!label || label->text().isEmpty())
        return widget->geometry();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return label->fontMetrics()
        .boundingRect(label->contentsRect(), flags, label->text())
        .translated(label->pos());
}

// What of a control's text is cut off, or nothing.
QString cutOff(const QWidget* widget) {
    QStringList cut;
    const QFont font = widget->font();
    if (const auto* label = qobject_cast<const QLabel*>(widget);
        label && label->pixmap().isNull() &&
        !widget->rect().contains(textArea(widget).translated(-widget->pos())))
        cut << label->text();
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        if (!fits(font, room, button->text(), button->inherits("wellbox::WrapButton")))
            cut << button->text();
    }
    if (const auto* option = qobject_cast<const QRadioButton*>(widget);
        option && option->sizeHint().width() > option->width())
        cut << option->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget);
        frame && QFontMetrics(font).horizontalAdvance(frame->title()) > frame->width())
        cut << frame->title();
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect room = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, list);
        for (int i = 0; i < list->count(); ++i)
            if (QFontMetrics(font).horizontalAdvance(list->itemText(i)) > room.width())
                cut << list->itemText(i);
    }
    if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
        for (int i = 0; i < tabs->count(); ++i)
            if (!tabs->rect().contains(tabs->tabRect(i)))
                cut << tabs->tabText(i);
    if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
        // A cell's text inside the cell, less the room the style keeps at each side.
        const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c)
                if (const QString text = table->item(r, c)->text(); !fits(
                        font, QRect(0, 0, table->columnWidth(c) - 2 * margin, table->rowHeight(r)),
                        text, true))
                    cut << text;
    }
    if (const auto* picture = qobject_cast<const ResultPicture*>(widget);
        picture && !picture->captionFits())
        cut << picture->caption();
    return cut.join(" | ");
}

// Whatever of `widget` lies outside its window or anything that holds it.
bool outside(const QWidget* widget) {
    const QRect area(widget->mapTo(widget->window(), QPoint()), widget->size());
    for (const QWidget* holder = widget->parentWidget(); holder; holder = holder->parentWidget())
        if (!QRect(holder->isWindow() ? QPoint() : holder->mapTo(holder->window(), QPoint()),
                   holder->size())
                 .contains(area))
            return true;
    return false;
}

// The text of another control in view that lies over this control's.
QString overlapped(const QWidget* widget) {
    const QRect text = textArea(widget);
    for (const QWidget* other :
         widget->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (other != widget && inView(other) && textArea(other).intersects(text))
            return other->objectName();
    return {};
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
        const bool pseudo = language == "en_XA";
        // Picks from lists and of tabs by position, as English has them: the entries translate.
        QStringList steps;
        QSize english;
        {
            const Reached reached(where.section(" > ", 0, 0));
            const auto find = [&](const QString& name) { return reached.find(name); };
            for (QString step : where.split(" > ").mid(1)) {
                const QString name = step.section('=', 0, 0), value = step.section('=', 1);
                if (const auto* list = qobject_cast<QComboBox*>(find(name)))
                    step = name + '#' + QString::number(list->findText(value));
                if (const auto* tabs = qobject_cast<QTabBar*>(find(name)))
                    for (int i = 0; i < tabs->count(); ++i)
                        if (tabs->tabText(i) == value)
                            step = name + '#' + QString::number(i);
                QCOMPARE(testing::walk(find, step), QString());
                steps << step;
            }
            english = front(reached)->size();
        }
        const Translations translations({language});
        const QString positional = (QStringList(where.section(" > ", 0, 0)) << steps).join(" > ");
        const Reached reached(positional);
        QVERIFY(reached.reached);
        QStringList problems;
        if (front(reached)->size() != english)
            problems << QStringLiteral("window %1x%2, in English %3x%4")
                            .arg(front(reached)->width())
                            .arg(front(reached)->height())
                            .arg(english.width())
                            .arg(english.height());
        for (const QString& message : reached.app.messageBox.texts())
            if (pseudo && withoutValues(message, where).contains(QRegularExpression("[A-Za-z]")))
                problems << "message in English: " + message;
        QStringList menus;
        for (const QAction* entry :
             reached.about.isVisible() ? QList<QAction*>() : reached.app.menusInFront())
            for (const QAction* command :
                 QList<QAction*>{const_cast<QAction*>(entry)} +
                     (entry && entry->menu() ? entry->menu()->actions() : QList<QAction*>()))
                if (command)
                    menus << command->text();
        for (const QString& text : menus)
            if (pseudo && withoutValues(text, where).contains(QRegularExpression("[A-Za-z]")))
                problems << "menu in English: " + text;
        QList<const QWidget*> shown{front(reached)};
        for (const QWidget* widget : front(reached)->findChildren<QWidget*>())
            if (!widget->objectName().startsWith("qt_") && !widget->size().isEmpty() &&
                inView(widget))
                shown << widget;
        for (const QWidget* widget : shown) {
            const QString name = widget->objectName() + ' ' + widget->metaObject()->className();
            for (const QString& text : textsOf(widget))
                if (pseudo && withoutValues(text, where).contains(QRegularExpression("[A-Za-z]")))
                    problems << name + " in English: " + text;
            if (const QString cut = cutOff(widget); !cut.isEmpty())
                problems << name + " cut off: " + cut;
            if (!widget->isWindow() && outside(widget))
                problems << name + " outside its window";
            if (const QString over = widget->isWindow() ? QString() : overlapped(widget);
                !over.isEmpty() && !textsOf(widget).isEmpty())
                problems << name + " under " + over;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }
};

QTEST_MAIN(TestPseudoLanguage)
#include "tst_pseudolanguage.moc"
