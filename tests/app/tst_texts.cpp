// Every text the user reads, word for word: the captions, labels, lists, menus and messages of
// each window at each step, as texts.tsv lists them; and how each control looks there, as
// looks.tsv lists it.

#include "platform/version.h"
#include "support/appfixture.h"
#include "support/datarows.h"
#include "support/nowindowleft.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// What the user reads on a control: a window's caption, a frame's, a menu's with its commands
// in order, a list's entries, a tab bar's tabs, a picture's caption, a text.
QString textOf(const QObject* control) {
    if (const auto* action = qobject_cast<const QAction*>(control); action && action->menu())
        control = action->menu();
    if (const auto* menu = qobject_cast<const QMenu*>(control))
        return menu->title() + ": " + entriesOf(menu).join('|');
    if (const QStringList entries = entriesOf(control); !entries.isEmpty())
        return entries.join('|');
    for (const char* property : {"text", "title", "caption", "windowTitle"})
        if (const QVariant text = control->property(property); text.isValid())
            return text.toString();
    return "(no text)";
}

// In view with its whole text, which no other control in view covers in part.
bool shownWhole(const QWidget* widget) {
    return textUnder(widget).isEmpty() && inView(widget) &&
           widget->geometry().contains(textArea(widget));
}

// The file of resources/icons that a picture shows. Both go through a pixmap: how its
// premultiplied pixels round differs between processors.
QString pictureFile(const QImage& shown) {
    const QDir icons(WELLBOX_TEST_DATA "../../resources/icons");
    for (const QString& file : icons.entryList({"*.bmp"}))
        if (const QImage image = QPixmap(icons.filePath(file)).toImage();
            shown.convertToFormat(image.format()) == image)
            return file;
    return "no picture of resources/icons";
}

// How a control looks: where it lies in its window and its size, in twips; its font; its text
// colour on its background; and what else decides its look, the name and description a screen
// reader gives it among them. A window: its size, and whether it is fixed and modal.
QString lookOf(const QWidget* widget) {
    const auto twips = [](int pixels) { return QString::number(pixels * 15); };
    const QRect box(widget->isWindow() ? QPoint() : widget->mapTo(widget->window(), QPoint()),
                    widget->size());
    QStringList look{twips(box.x()) + ',' + twips(box.y()) + ' ' + twips(box.width()) + 'x' +
                     twips(box.height())};
    const QFont font = widget->font();
    look << QString::number(font.pointSizeF()) + "pt" + (font.bold() ? " bold" : "") +
                (font.underline() ? " underlined" : "");
    const QPalette colours = widget->palette();
    look << colours.color(widget->foregroundRole()).name() + " on " +
                colours.color(widget->backgroundRole()).name() +
                (widget->autoFillBackground() ? " filled" : "");
    if (widget->cursor().shape() != Qt::ArrowCursor)
        look << "pointing";
    if (!widget->accessibleName().isEmpty())
        look << "named " + widget->accessibleName();
    if (!widget->accessibleDescription().isEmpty())
        look << "described " + widget->accessibleDescription();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        look << QStringLiteral("aligned %1").arg(int(label->alignment()), 0, 16) +
                    (label->wordWrap() ? " wrapped" : "") +
                    (label->hasScaledContents() ? " scaled" : "");
        if (!label->pixmap().isNull())
            look << "shows " + pictureFile(label->pixmap().toImage());
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget);
        button && button->isDefault())
        look << "default";
    if (widget->isWindow())
        look << QLatin1String(widget->minimumSize() == widget->maximumSize() ? "fixed"
                                                                             : "sizable") +
                    (widget->isModal() ? " modal" : "");
    return look.join("; ");
}

} // namespace

class TestTexts : public QObject {
    Q_OBJECT
private slots:
    // Under a dark system theme, so that the colours a control must keep whatever the theme
    // are seen to be its own.
    void initTestCase() { QApplication::setPalette(QPalette(QColor(0x353535))); }
    void cleanupTestCase() { leave(); }

    void texts_data() { addRowsFrom("texts.tsv"); }

    // Each text read where the user reads it, in view there but for menus and messages.
    void texts() {
        QFETCH(QString, where);
        QFETCH(QString, control);
        QFETCH(QString, text);
        const Reached& shown = reach(where);
        const QObject* found = shown.reached ? shown.find(control) : nullptr;
        const auto* widget = qobject_cast<const QWidget*>(found);
        QCOMPARE(control == "message" ? shown.app.messageBox.texts().join('|')
                 : found              ? textOf(found)
                                      : "(none)",
                 // the version, carriage returns and line breaks written out
                 text.replace("{version}", QLatin1String(kVersion))
                     .replace("\\r", "\r")
                     .replace("\\n", "\n"));
        QVERIFY(!widget || widget->isWindow() || shownWhole(widget));
    }

    void looks_data() { addRowsFrom("looks.tsv"); }

    // Each control's place, size, font, colours and alignment where the user sees it.
    void looks() {
        QFETCH(QString, where);
        QFETCH(QString, control);
        const Reached& shown = reach(where);
        const auto* widget =
            qobject_cast<const QWidget*>(shown.reached ? shown.find(control) : nullptr);
        QVERIFY2(widget, "not found, or a step left untaken");
        QTEST(lookOf(widget), "look");
    }

private:
    // The place the rows of one place, one after another, read: reached once for them, since
    // reading changes nothing.
    const Reached& reach(const QString& where) {
        if (!m_shown || m_where != where) {
            leave();
            m_shown.emplace(where);
            m_where = where;
        }
        return *m_shown;
    }
    void leave() {
        m_shown.reset();
        checkNoWindowLeft();
    }

    std::optional<Reached> m_shown;
    QString m_where;
};

QTEST_MAIN(TestTexts)
#include "tst_texts.moc"
