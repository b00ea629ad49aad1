// Every place texts.tsv reads, and the result steps that hold the most (crowded.tsv), reached
// again under the pseudo-language en_XA, where each text of the sources is in brackets, 40 %
// longer and every letter accented: a text in plain letters there was left untranslated or put
// together from untranslated pieces; and again in German. Each control in view must show its
// whole text, over no other control's and inside its window, and each window keeps the size it
// has in English.

#include "app/translations.h"
#include "platform/version.h"
#include "result/resultpicture.h"
#include "support/appfixture.h"
#include "support/nowindowleft.h"
#include "widgets/textfit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
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

// Every text a control shows or gives a screen reader, each with whether it is shown whole where
// it is shown; what the user typed is left out.
QList<std::pair<QString, bool>> textsOf(const QWidget* widget) {
    QList<std::pair<QString, bool>> texts;
    const auto add = [&texts](const QString& text, bool whole = true) {
        if (!text.isEmpty())
            texts.append({text, whole});
    };
    for (const QString& text : {widget->windowTitle(), widget->accessibleName(),
                                widget->accessibleDescription(), widget->toolTip()})
        add(text);
    const QFontMetrics metrics(widget->font());
    const auto* label = qobject_cast<const QLabel*>(widget);
    const auto* button = qobject_cast<const QPushButton*>(widget);
    const auto* option = qobject_cast<const QRadioButton*>(widget);
    const auto* frame = qobject_cast<const QGroupBox*>(widget);
    const auto* picture = qobject_cast<const ResultPicture*>(widget);
    const bool whole = label    ? !label->pixmap().isNull() || ui::textFits(label)
                       : button ? ui::captionFits(button, button->inherits("wellbox::WrapButton"))
                       : option ? option->sizeHint().width() <= option->width()
                       : frame  ? metrics.horizontalAdvance(frame->title()) <= frame->width()
                                : !picture || picture->captionFits();
    // Of labels and buttons, of frames, of pictures.
    for (const char* shown : {"text", "title", "caption"})
        if (!qobject_cast<const QLineEdit*>(widget))
            add(widget->property(shown).toString(), whole);
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const int room =
            list->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                .width();
        for (int i = 0; i < list->count(); ++i)
            add(list->itemText(i), metrics.horizontalAdvance(list->itemText(i)) <= room);
    }
    if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
        for (int i = 0; i < tabs->count(); ++i)
            add(tabs->tabText(i), tabs->rect().contains(tabs->tabRect(i)));
    if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
        // A heading's and a cell's text wrapped inside it, less the room the style keeps at each
        // side; the cell as wide as the table shows it.
        const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        for (int c = 0; c < table->columnCount(); ++c) {
            const QRect heading(0, 0, table->columnWidth(c) - 2 * margin,
                                table->horizontalHeader()->height());
            const QString title = table->horizontalHeaderItem(c)->text();
            add(title, heading.contains(metrics.boundingRect(heading, Qt::TextWordWrap, title)));
            for (int r = 0; r < table->rowCount(); ++r) {
                const QRect cell(0, 0, table->columnWidth(c) - 2 * margin, table->rowHeight(r));
                const QString text = table->item(r, c)->text();
                const QRect shown = table->visualItemRect(table->item(r, c));
                add(text, cell.contains(metrics.boundingRect(cell, Qt::TextWordWrap, text)) &&
                              shown.right() < table->viewport()->width());
            }
        }
    }
    return texts;
}

// The path with its picks from lists and of tabs by position, as English has them, so that it
// walks in any language; empty where English does not walk it. `english` takes the size of the
// window in front there.
QString byPosition(const QString& where, QSize* english) {
    QStringList steps{where.section(" > ", 0, 0)};
    const Reached reached(steps.first());
    const auto find = [&](const QString& name) { return reached.find(name); };
    for (QString step : where.split(" > ").mid(1)) {
        const QString name = step.section('=', 0, 0), value = step.section('=', 1);
        if (qobject_cast<QComboBox*>(find(name)) || qobject_cast<QTabBar*>(find(name)))
            step = name + '#' + QString::number(entriesOf(find(name)).indexOf(value));
        if (!testing::walk(find, step).isEmpty())
            return {};
        steps << step;
    }
    *english = reached.front()->size();
    return steps.join(" > ");
}

// The rows of a workings table not shown whole without scrolling: each cell inside the part of
// the table in view, its text wrapped inside it in the cell's own font.
QStringList rowsOutOfView(const QTableWidget* table) {
    QStringList out;
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* item = table->item(r, c);
            const QRect shown = table->visualItemRect(item);
            const QRect room = shown.adjusted(margin, 0, -margin, 0);
            // An item without a font of its own is drawn in the table's.
            const QFont font = item->data(Qt::FontRole).isValid() ? item->font() : table->font();
            const QRect needed =
                QFontMetrics(font).boundingRect(room, Qt::TextWordWrap, item->text());
            if (!table->viewport()->rect().contains(shown) || !room.contains(needed)) {
                out << table->item(r, 0)->text();
                break;
            }
        }
    return out;
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
        QSize english;
        const QString steps = inPositions(where, &english);
        QVERIFY(!steps.isEmpty());
        const Translations translations({language});
        const Reached reached(steps);
        QVERIFY(reached.reached);
        QCOMPARE(reached.front()->size(), english);

        // Who tells what, the messages and the menus of the window in front among them.
        QList<std::pair<QString, QString>> told;
        for (const QString& message : reached.app.messageBox.texts())
            told.append({"message", message});
        for (const QAction* entry :
             reached.about.isVisible() ? QList<QAction*>() : reached.app.menusInFront())
            for (const QString& text : entriesOf(entry->menu()) + QStringList{entry->text()})
                told.append({"menu", text});
        QStringList problems;
        QList<const QWidget*> shown{reached.front()};
        for (const QWidget* widget : reached.front()->findChildren<QWidget*>())
            if (!widget->objectName().startsWith("qt_") && !widget->size().isEmpty() &&
                inView(widget))
                shown << widget;
        for (const QWidget* widget : shown) {
            const QString name = widget->objectName() + ' ' + widget->metaObject()->className();
            for (const auto& [text, whole] : textsOf(widget)) {
                told.append({name, text});
                if (!whole)
                    problems << name + " cut off: " + text;
            }
            if (!widget->isWindow() && !insideHolders(widget))
                problems << name + " outside its window";
            if (!widget->isWindow() && !textsOf(widget).isEmpty() && !textUnder(widget).isEmpty())
                problems << name + " under " + textUnder(widget);
        }
        for (const auto& [who, text] : told)
            if (language == "en_XA" && inEnglish(text, where))
                problems << who + " in English: " + text;
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    // Every row of every workings table whole and in view at once, in English, German and the
    // pseudo-language; the scale is the environment's (the tests run again at 1.5 and 2).
    void workingsInView_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("where");
        const QString workings = QStringLiteral(" > tabResult=How it was worked out");
        QStringList wheres;
        for (const QString& where : places("texts.tsv"))
            if (where.endsWith(workings) && !wheres.contains(where))
                wheres << where;
        for (const QString& where : places("crowded.tsv"))
            if (const QString shown = where.section(workings, 0, 0) + workings;
                !wheres.contains(shown))
                wheres << shown;
        for (const char* language : {"en", "de", "en_XA"})
            for (const QString& where : std::as_const(wheres))
                QTest::addRow("%s: %s", language, qPrintable(where)) << language << where;
    }

    void workingsInView() {
        QFETCH(QString, language);
        QFETCH(QString, where);
        QSize english;
        const QString steps = inPositions(where, &english);
        if (steps.isEmpty())
            QSKIP("not a result step");
        const Translations translations({language});
        const Reached reached(steps);
        const auto* table = qobject_cast<const QTableWidget*>(reached.find("tblBreakdown"));
        QVERIFY(table && inView(table));
        // A woman's calorie workings, the longest equations, need more lines, 40 % longer, than
        // the window's fixed height leaves them; English and German fit.
        if (language == "en_XA" && where.contains("cmbGender=Female"))
            QEXPECT_FAIL("", "the pseudo-language's calorie workings need more height", Continue);
        QCOMPARE(rowsOutOfView(table).join(" | "), QString());
    }

private:
    // byPosition(), walked in English once for the rows of every language.
    QString inPositions(const QString& where, QSize* english) {
        auto found = m_positions.find(where);
        if (found == m_positions.end()) {
            QSize size;
            const QString steps = byPosition(where, &size);
            found = m_positions.insert(where, {steps, size});
        }
        *english = found->second;
        return found->first;
    }

    QHash<QString, std::pair<QString, QSize>> m_positions;
};

QTEST_MAIN(TestPseudoLanguage)
#include "tst_pseudolanguage.moc"
