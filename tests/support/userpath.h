#pragma once

// What a user does, written as a path of steps separated by " > ": "name" clicks a control or
// chooses a menu command, "name*n" clicks it n times, "double name" double-clicks it, "hover
// name" moves the pointer over it, "reader name" takes a screen reader's action on it (presses a
// link, checks an option), "name=text" types into a box, picks an entry of a list with the
// arrow keys or clicks the tab so named, "name#n" picks the list's entry or clicks the tab at
// position n (from 0), whatever the language. Only what the user sees can be used.
//
// What the user sees or is told, as a row of a table names it, is read as text so that each row
// compares one fact:
//   messages          the messages shown, "|" between them
//   message boxes     how each was shown: "stop with OK", "|" between them
//   pages             the web pages opened, " " between them
//   focus             the name of the control that has the focus
//   list open         "yes" while a list's entries or a menu are open, else "no"
//   frames            the frames ("fra...") in view in the window in front, " " between them
//   NAME.PROPERTY     a property of the control so named: "lblRequireCalories.text", its lines
//                     "|" between them
//   shown whole: NAMES  those of the controls named (" " between them) that are in view, cut
//                     by nothing that holds them, their text all inside them
//   NAME tab N        the N controls Tab reaches next from it, " " between them
//   NAME column N     the cells of column N of the table so named, " " between them
//   NAME row N        the cells of its row N, " " between them
//   NAME headings     the headings of its columns, "|" between them
//   NAME widths       the widths of the table's columns in pixels, " " between them
// A control not found reads "(none)".
//
// A calculator window can be built alone on fakes, walked and asked what is seen, as a test
// builds any widget: no main window.

#include "result/resultpicture.h"
#include "support/platformfakes.h"
#include "windows/calculatorwindow.h"
#include "windows/helplinks.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

#include <functional>
#include <type_traits>

namespace wellbox::testing {

// Seen by the user: shown, and what lies at its centre is it or inside it.
inline bool inView(const QWidget* widget) {
    const QWidget* top = widget->window();
    const QWidget* hit = top->childAt(widget->mapTo(top, widget->rect().center()));
    return widget->isVisible() && hit && (hit == widget || widget->isAncestorOf(hit));
}

// The texts of a list's entries, a tab bar's tabs or a menu's commands, in order; none of another.
inline QStringList entriesOf(const QObject* control) {
    QStringList entries;
    if (const auto* menu = qobject_cast<const QMenu*>(control))
        for (const QAction* command : menu->actions())
            entries << command->text();
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
    if (const auto* tabs = qobject_cast<const QTabBar*>(control))
        for (int i = 0; i < tabs->count(); ++i)
            entries << tabs->tabText(i);
    return entries;
}

// Whether all of a control lies inside everything that holds it, its window among them.
inline bool insideHolders(const QWidget* widget) {
    const QRect area(widget->mapTo(widget->window(), QPoint()), widget->size());
    for (const QWidget* holder = widget->parentWidget(); holder; holder = holder->parentWidget())
        if (!QRect(holder->isWindow() ? QPoint() : holder->mapTo(holder->window(), QPoint()),
                   holder->size())
                 .contains(area))
            return false;
    return true;
}

// In view, inside everything that holds it, and as high as its text at its width needs; a
// picture, which is drawn at any size, with its caption inside it.
inline bool wholeInView(const QWidget* widget) {
    if (const auto* picture = qobject_cast<const ResultPicture*>(widget))
        return inView(widget) && insideHolders(widget) && picture->captionFits();
    const auto* label = qobject_cast<const QLabel*>(widget);
    const bool wide = !label || label->wordWrap() || label->sizeHint().width() <= label->width();
    return inView(widget) && insideHolders(widget) && wide &&
           widget->heightForWidth(widget->width()) <= widget->height();
}

// Where a control's text lies, in its parent's coordinates: a label's text, or all of another.
inline QRect textArea(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (!label)
        return widget->geometry();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return label->fontMetrics()
        .boundingRect(label->contentsRect(), flags, label->text())
        .translated(label->pos());
}

// The name of another control in view whose text lies over this control's, or nothing.
inline QString textUnder(const QWidget* widget) {
    for (const QWidget* other :
         widget->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (other != widget && inView(other) && textArea(other).intersects(textArea(widget)))
            return other->objectName().isEmpty() ? "(unnamed)" : other->objectName();
    return {};
}

// The fakes and the link routines over them, handed to a window as the main window hands them.
struct FakeContext : FakePlatform {
    HelpLinks links{webPageOpener};
    WindowContext context{platform, links};
};

// The control so named inside `root`, or `root` itself when so named.
inline QObject* findIn(const QObject* root, const QString& name) {
    return root->objectName() == name ? const_cast<QObject*>(root)
                                      : root->findChild<QObject*>(name);
}

// Takes every step of a path, finding each control by its name with `find`; the step it could
// not take (its control missing or out of view, or its entry not found), or none.
inline QString walk(const std::function<QObject*(const QString&)>& find, const QString& path) {
    for (const QString& step : path.split(" > ", Qt::SkipEmptyParts)) {
        const bool gesture = QRegularExpression("^(double|reader|hover) ").match(step).hasMatch() &&
                             !step.contains('=');
        const QString name =
            gesture ? step.section(' ', 1) : step.section(QRegularExpression("[=*#]"), 0, 0);
        const QString value = step.mid(name.size() + 1);
        const bool byPosition = step.mid(name.size(), 1) == "#";
        QObject* control = find(name);
        auto* widget = qobject_cast<QWidget*>(control);
        auto* list = qobject_cast<QComboBox*>(control);
        auto* tabs = qobject_cast<QTabBar*>(control);
        if (!control || (widget && !inView(widget)))
            return step;
        // A click near the left edge, where an option's circle is; a double click given to the
        // window, so that each press goes to whatever lies there at that moment, at a button's
        // centre.
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        const QPoint edge(6, widget ? widget->height() / 2 : 0);
        const int wanted = byPosition ? value.toInt() : int(entriesOf(control).indexOf(value));
        if (step.startsWith("double") && gesture)
            QTest::mouseEvent(
                QTest::MouseDClick, widget->window()->windowHandle(), Qt::LeftButton, {},
                widget->mapTo(widget->window(),
                              button && !button->isCheckable() ? widget->rect().center() : edge));
        else if (step.startsWith("hover") && gesture)
            QTest::mouseMove(widget, QPoint(5, 5));
        else if (gesture) {
            QAccessibleActionInterface* act =
                QAccessible::queryAccessibleInterface(widget)->actionInterface();
            act->doAction(act->actionNames().value(0));
        } else if (list)
            for (int n = wanted - list->currentIndex(); n > 0; --n)
                QTest::keyClick(list, Qt::Key_Down);
        else if (tabs) // a tab not found: the step is told as not taken below
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(wanted).center());
        else if (widget && step.contains('='))
            QTest::keyClicks(widget, value);
        else
            for (int n = step.contains('*') ? value.toInt() : 1; n > 0; --n)
                if (widget)
                    QTest::mouseClick(widget, Qt::LeftButton, {}, edge);
                else
                    qobject_cast<QAction*>(control)->trigger();
        QApplication::processEvents();
        if (const int at = list   ? list->currentIndex()
                           : tabs ? tabs->currentIndex()
                                  : -1;
            (list || tabs) && wanted != at)
            return step;
    }
    return {};
}

inline QString seen(const QString& what, const QWidget* front, const FakePlatform& fakes,
                    const std::function<QObject*(const QString&)>& find) {
    QStringList shown;
    if (what == "messages")
        return fakes.messageBox.texts().join('|');
    if (what == "message boxes") {
        for (const FakeMessageBox::Shown& box : fakes.messageBox.shown)
            shown << (box.icon == MessageIcon::Stop ? "stop" : "information") +
                         QString(box.buttons == MessageButtons::Ok ? " with OK" : " with Yes/No");
        return shown.join('|');
    }
    if (what == "pages")
        return fakes.webPageOpener.opened.join(' ');
    if (what == "focus")
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "(none)";
    if (what == "list open")
        return QApplication::activePopupWidget() ? "yes" : "no";
    if (what.startsWith("shown whole: ")) {
        for (const QString& name : what.section(": ", 1).split(' '))
            if (const auto* widget = qobject_cast<const QWidget*>(find(name));
                widget && wholeInView(widget))
                shown << name;
        return shown.join(' ');
    }
    if (what == "frames") {
        for (const QWidget* frame : front->findChildren<QWidget*>(QRegularExpression("^fra")))
            if (inView(frame))
                shown << frame->objectName();
        return shown.join(' ');
    }
    const QString name = what.section(QRegularExpression("[. ]"), 0, 0),
                  how = what.mid(name.size());
    QObject* control = find(name);
    auto* widget = qobject_cast<QWidget*>(control);
    if (!control)
        return "(none)";
    if (how.startsWith('.'))
        return control->property(qPrintable(how.mid(1))).toString().replace(u'\n', u'|');
    if (how.startsWith(" tab ")) {
        for (widget->setFocus(); shown.size() < how.section(' ', 2).toInt();
             shown << QApplication::focusWidget()->objectName())
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return shown.join(' ');
    }
    const auto* table = qobject_cast<QTableWidget*>(control);
    if (how == " headings") {
        for (int column = 0; column < table->columnCount(); ++column)
            shown << table->horizontalHeaderItem(column)->text();
        return shown.join('|');
    }
    if (how.startsWith(" row ")) {
        for (int column = 0; column < table->columnCount(); ++column)
            shown << table->item(how.section(' ', 2).toInt(), column)->text();
        return shown.join(' ');
    }
    if (how == " bold") {
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, 0)->font().bold())
                shown << table->item(row, 0)->text();
        return shown.join('|');
    }
    if (how == " widths") {
        for (int column = 0; column < table->columnCount(); ++column)
            shown << QString::number(table->columnWidth(column));
        return shown.join(' ');
    }
    for (int row = 0; row < table->rowCount(); ++row)
        shown << table->item(row, how.section(' ', 2).toInt())->text();
    return shown.join(' ').trimmed();
}

// The window `make` builds from the context, shown and active, as a test builds any widget: no
// main window. A calculator window is deleted when it closes, else at the end.
template <typename Make> class Alone : public FakeContext {
public:
    explicit Alone(Make make)
        : window(make(context)) {
        window->show();
        QApplication::setActiveWindow(window);
        static_cast<void>(QTest::qWaitForWindowActive(window));
    }
    ~Alone() { delete window.data(); }
    Q_DISABLE_COPY_MOVE(Alone)

    QString walk(const QString& path) const {
        return testing::walk([this](const QString& name) { return findIn(window, name); }, path);
    }

    // As seen() reads it; besides, "unloaded": how often the window told it closed, and "gone":
    // "yes" once it is deleted.
    QString seen(const QString& what) const {
        if (what == "unloaded")
            return QString::number(unloaded.count());
        if (what == "gone")
            return QTest::qWait(0), window ? "no" : "yes";
        return testing::seen(what, window, *this,
                             [this](const QString& name) { return findIn(window, name); });
    }

    QPointer<std::remove_pointer_t<std::invoke_result_t<Make, const WindowContext&>>> window;
    QSignalSpy unloaded{window, &CalculatorWindow::unloaded};
};

} // namespace wellbox::testing
