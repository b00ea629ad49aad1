#pragma once

// One thing the user sees or is told, named as a row of a table names it, read as text so that
// each row compares one fact:
//   messages          the messages shown, "|" between them
//   message boxes     how each was shown: "stop with OK", "|" between them
//   pages             the web pages opened, " " between them
//   focus             the name of the control that has the focus
//   list open         "yes" while a list's entries or a menu are open, else "no"
//   frames            the frames ("fra...") in view in the window in front, " " between them
//   NAME in view      "yes" or "no"
//   NAME.PROPERTY     a property of the control so named: "lblRequireCalories.text"
//   NAME tab N        the N controls Tab reaches next from it, " " between them
//   NAME column N     the cells of column N of the table so named, " " between them
// A control not found reads "(none)". And a calculator window built alone, asked the same.

#include "support/userpath.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTableWidget>

#include <type_traits>

namespace wellbox::testing {

inline QString seen(const QString& what, const QWidget* front, const FakePlatform& fakes,
                    const std::function<QObject*(const QString&)>& find) {
    const QWidget* focus = QApplication::focusWidget();
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
        return focus ? focus->objectName() : QString();
    if (what == "list open")
        return QApplication::activePopupWidget() ? "yes" : "no";
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
    if (how == " in view")
        return inView(widget) ? "yes" : "no";
    if (how.startsWith('.'))
        return control->property(qPrintable(how.mid(1))).toString();
    if (how.startsWith(" tab "))
        return tabStops(widget, how.section(' ', 2).toInt()).join(' ');
    const auto* table = qobject_cast<QTableWidget*>(control);
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

    QString walk(const QString& path) const { return testing::walk(window, path); }

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
