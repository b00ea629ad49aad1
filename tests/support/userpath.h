#pragma once

// What a user does, written as a path of steps separated by " > ": "name" clicks a control or
// chooses a menu command, "name*n" clicks it n times, "name=text" types into a box or picks an
// entry of a list with the arrow keys. Controls are found in `about` when it is up, else in the
// calculator window in front, else in the main window; only what the user sees can be used.

#include "support/appfixture.h"

#include <QAction>
#include <QComboBox>
#include <QRegularExpression>

namespace wellbox::testing {

// The named control, or the window so named, in `about` when it is up.
inline QObject* findControl(const AppFixture& app, const QString& name,
                            const QWidget* about = nullptr) {
    if (about && about->isVisible())
        return about->objectName() == name ? const_cast<QWidget*>(about)
                                           : about->findChild<QObject*>(name);
    return app.find<QObject>(name);
}

// Takes every step of a path; the step it could not take (its control missing or out of view,
// or its entry not found), or none.
inline QString walk(const AppFixture& app, const QString& path, const QWidget* about = nullptr) {
    for (const QString& step : path.split(" > ", Qt::SkipEmptyParts)) {
        const QString name = step.section(QRegularExpression("[=*]"), 0, 0);
        const QString value = step.mid(name.size() + 1);
        QObject* control = findControl(app, name, about);
        auto* widget = qobject_cast<QWidget*>(control);
        auto* list = qobject_cast<QComboBox*>(control);
        if (!control || (widget && !inView(widget)))
            return step;
        if (list)
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

} // namespace wellbox::testing
