#pragma once

// For each test class's cleanup(): a test that leaves a top-level window open fails, and the
// window is closed so that the next test starts with none.

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace wellbox::testing {

inline void checkNoWindowLeft() {
    QStringList open;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) {
            open << window->metaObject()->className() + QStringLiteral(" ") + window->objectName();
            window->close();
        }
    QVERIFY2(open.isEmpty(), qPrintable("left open: " + open.join(", ")));
}

} // namespace wellbox::testing
