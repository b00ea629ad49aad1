#pragma once

// What a user does, written as a path of steps separated by " > ": "name" clicks a control or
// chooses a menu command, "name*n" clicks it n times, "double name" double-clicks it, "reader
// name" takes a screen reader's action on it (presses a link, checks an option), "name=text"
// types into a box or picks an entry of a list with the arrow keys. Only what the user sees can
// be used.

#include "support/windowfixture.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QRegularExpression>

#include <functional>

namespace wellbox::testing {

// The control so named inside `root`, or `root` itself when so named.
inline QObject* findIn(const QObject* root, const QString& name) {
    return root->objectName() == name ? const_cast<QObject*>(root)
                                      : root->findChild<QObject*>(name);
}

// Takes every step of a path, finding each control by its name with `find`; the step it could
// not take (its control missing or out of view, or its entry not found), or none.
inline QString walk(const std::function<QObject*(const QString&)>& find, const QString& path) {
    for (const QString& step : path.split(" > ", Qt::SkipEmptyParts)) {
        const QString verb = step.section(' ', 0, 0);
        const bool gesture = (verb == "double" || verb == "reader") && !step.contains('=');
        const QString name =
            gesture ? step.section(' ', 1) : step.section(QRegularExpression("[=*]"), 0, 0);
        const QString value = step.mid(name.size() + 1);
        QObject* control = find(name);
        auto* widget = qobject_cast<QWidget*>(control);
        auto* list = qobject_cast<QComboBox*>(control);
        if (!control || (widget && !inView(widget)))
            return step;
        if (verb == "double" && gesture)
            clickAt(widget, QTest::MouseDClick, QPoint(6, widget->height() / 2));
        else if (gesture) {
            QAccessibleActionInterface* act =
                QAccessible::queryAccessibleInterface(widget)->actionInterface();
            act->doAction(act->actionNames().value(0));
        } else if (list)
            for (int n = list->findText(value) - list->currentIndex(); n > 0; --n)
                QTest::keyClick(list, Qt::Key_Down);
        else if (widget && step.contains('='))
            QTest::keyClicks(widget, value);
        else
            for (int n = step.contains('*') ? value.toInt() : 1; n > 0; --n)
                if (widget) // near the left edge, where an option's circle is
                    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
                else
                    qobject_cast<QAction*>(control)->trigger();
        QApplication::processEvents();
        if (list && list->currentText() != value)
            return step;
    }
    return {};
}

// A path in one window, a calculator window standing alone among them.
inline QString walk(const QWidget* window, const QString& path) {
    return walk([window](const QString& name) { return findIn(window, name); }, path);
}

} // namespace wellbox::testing
