// Each step of a calculator run by keyboard alone, held to the rules a keyboard user and a
// screen reader need, one function each; and where the focus goes when a step is raised.

#include "support/appfixture.h"
#include "support/datarows.h"
#include "support/nowindowleft.h"
#include "widgets/accessibility.h"
#include "widgets/framestack.h"

#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>

using namespace wellbox;
using namespace wellbox::testing;

// The current row's step, reached by its keys as a user presses them, with no message on the
// way: "to:name" tabs to a control, "click:name" clicks it with the pointer, "about" opens the
// About window as a window of its own (the root), anything else is a key sequence for an open
// menu or the focus.
struct KeyStep {
    KeyStep() {
        QFETCH(QString, keys);
        for (const QString& key : keys.split(u' ')) {
            QWidget* focus = QApplication::focusWidget();
            if (key == u"about") {
                (root = new AboutDialog(app.links, &app.window))->show();
            } else if (key.startsWith(u"click:")) {
                QTest::mouseClick(app.window.findChild<QWidget*>(key.mid(6)), Qt::LeftButton);
            } else if (key.startsWith(u"to:")) {
                for (int i = 0; i < 80 && focus->objectName() != key.mid(3); ++i)
                    QTest::keyClick(focus, Qt::Key_Tab), focus = QApplication::focusWidget();
                QCOMPARE(focus->objectName(), key.mid(3));
            } else {
                QWidget* popup = QApplication::activePopupWidget();
                QTest::keySequence(popup ? popup : focus, key);
                // An access key shows its button pressed before it acts, later on a busy machine.
                QTest::qWait(key.startsWith(u"Alt+") ? 150 : 0);
                const QList<QAbstractButton*> buttons = app.window.findChildren<QAbstractButton*>();
                QTRY_VERIFY(std::ranges::none_of(buttons, &QAbstractButton::isDown));
            }
        }
        QVERIFY(app.window.isVisible());
        QCOMPARE(app.messageBox.texts(), QStringList());
    }
    AppFixture app;
    QWidget* root = &app.window;
};

// What a reader calls a control. Qt on Linux names a list by its value, so a reader names it
// by its captions and frame.
static QString spokenName(QAccessibleInterface* node) {
    QString name = node->text(QAccessible::Name);
    if (const auto labels = node->relations(QAccessible::Label);
        node->role() == QAccessible::ComboBox && !labels.isEmpty())
        for (name.clear(); const auto& relation : labels)
            name += relation.first->text(QAccessible::Name);
    return name;
}

// The words a sighted user reads on a control or a frame.
static QString shownText(const QWidget* widget) {
    return widget->property("text").toString() + widget->property("title").toString();
}

// Relative luminance, as the web content accessibility guidelines define it for contrast, plus
// the 0.05 of ambient light their contrast ratio adds; lin turns a channel to linear light.
static double luminance(const QColor& c) {
    const auto lin = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.05 + 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

// The rules. Keys typed where Tab rests change nothing covered: the covered controls they change.
static QStringList typingChangesCovered(const QWidget& window) {
    // What the user has entered in every control covered at the moment.
    const auto coveredValues = [](const QWidget& window) {
        QMap<QWidget*, QVariant> values;
        for (QWidget* w : window.findChildren<QWidget*>())
            if (FrameStack::isCovered(w))
                values.insert(w, w->metaObject()->userProperty().read(w));
        return values;
    };
    const QMap<QWidget*, QVariant> before = coveredValues(window);
    for (const Qt::Key key : {Qt::Key_7, Qt::Key_K, Qt::Key_Down, Qt::Key_Up})
        QTest::keyClick(QApplication::focusWidget(), key);
    QStringList changed;
    for (const auto& [w, value] : coveredValues(window).asKeyValueRange())
        if (before.value(w, value) != value)
            changed << w->objectName();
    return changed;
}

// Every control that takes the focus and every text has a name, without access-key marks.
static bool namedCleanly(QAccessibleInterface* node) {
    const auto* w = static_cast<const QWidget*>(node->object());
    const QString name = spokenName(node);
    const bool marked =
        qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QGroupBox*>(w);
    return !name.contains(marked ? u"&" : u"&&") &&
           (name.trimmed() != "" || (!node->state().focusable && shownText(w) == ""));
}

// A reader names each titled frame around a control as a panel, unless its one child bears the
// same name, and says the label of a radio button as its group: each frame is heard, no radio
// button is labelled by a frame, and no control that takes the focus repeats a title.
static bool titleSaidOnce(QAccessibleInterface* node) {
    if (qobject_cast<const QGroupBox*>(node->object()) && node->childCount() == 1 &&
        node->child(0)->text(QAccessible::Name) == node->text(QAccessible::Name))
        return false;
    for (const auto& relation : node->relations(QAccessible::Label))
        if (node->role() == QAccessible::RadioButton &&
            qobject_cast<const QGroupBox*>(relation.first->object()))
            return false;
    const auto* w = static_cast<const QWidget*>(node->object());
    if (!node->state().focusable)
        return true;
    for (const QWidget* around = w->parentWidget(); around; around = around->parentWidget())
        if (const auto* frame = qobject_cast<const QGroupBox*>(around);
            frame && !frame->title().isEmpty() && spokenName(node) == frame->title())
            return false;
    return true;
}

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { wellbox::testing::checkNoWindowLeft(); }

    // Each step of keysteps.tsv, reached once (the keys take most of the time) and held to
    // every rule: Tab, then Shift+Tab, all the way round, typing at every stop; the reader's
    // walk, skipping what it is told is invisible (menu entries are no widgets, and are not
    // walked), the controls in view under a dark and a light palette, and what a reader hears.
    void everyStepKeepsTheRules_data() { addRowsFrom("keysteps.tsv"); }

    void everyStepKeepsTheRules() {
        QFETCH(QString, hears);
        const KeyStep step;
        QWidget* const kept = QApplication::focusWidget();
        const qsizetype n = step.app.window.findChildren<QWidget*>().size();
        for (qsizetype i = 0; i < 2 * n; ++i) {
            QTest::keyClick(QApplication::focusWidget(), i < n ? Qt::Key_Tab : Qt::Key_Backtab);
            const QWidget* stop = QApplication::focusWidget();
            // Tab and Shift+Tab rest only in view, or on the button that kept the focus when
            // its own step was covered.
            QVERIFY2(stop == kept || !FrameStack::isCovered(stop), qPrintable(stop->objectName()));
            QCOMPARE(typingChangesCovered(step.app.window), QStringList());
        }
        QList<QAccessibleInterface*> met{QAccessible::queryAccessibleInterface(step.root)};
        QString heard;
        for (qsizetype i = 0; i < met.size(); ++i) {
            for (int c = 0; QAccessibleInterface* child = met.at(i)->child(c); ++c)
                if (!child->state().invisible && qobject_cast<QWidget*>(child->object()))
                    met << child;
            const QByteArray at = spokenName(met.at(i)).toUtf8() + " for " +
                                  met.at(i)->object()->objectName().toUtf8();
            QVERIFY2(namedCleanly(met.at(i)), at);
            QVERIFY2(titleSaidOnce(met.at(i)), at);
            // A reader meets nothing covered.
            QVERIFY2(!FrameStack::isCovered(static_cast<QWidget*>(met.at(i)->object())), at);
            const QString description = met.at(i)->text(QAccessible::Description);
            heard +=
                spokenName(met.at(i)) + (description.isEmpty() ? "" : " - " + description) + u'\n';
        }
        for (const QPalette& p : {QPalette(QColor(0x353535)), QPalette()}) {
            QApplication::setPalette(p); // dark, then light again for the next step
            for (QWidget* w : step.root->findChildren<QWidget*>()) {
                if (!w->isVisible() || FrameStack::isCovered(w) || w->isWindow())
                    continue;
                // A reader misses nothing in view that takes the focus.
                QVERIFY2(met.contains(QAccessible::queryAccessibleInterface(w)) ||
                             !(w->focusPolicy() & Qt::TabFocus),
                         qPrintable(w->objectName()));
                // Every text in view keeps a contrast of 4.5:1 (a disabled control is exempt, as
                // the web guidelines have it).
                const double a = luminance(w->palette().color(w->foregroundRole())),
                             b = luminance(w->palette().color(w->backgroundRole()));
                QVERIFY2(shownText(w) == "" || !w->isEnabled() || std::max(a / b, b / a) >= 4.5,
                         qPrintable(w->objectName()));
            }
        }
        QVERIFY2(heard.contains(hears), qPrintable(heard));
    }

    // The calculators' area is heard as the calculators it holds; a reader asking past either
    // end meets nothing.
    void clientAreaHoldsItsCalculators() {
        installAccessibility();
        QMdiArea area;
        area.addSubWindow(new QWidget)->show();
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(&area);
        QCOMPARE(node->childCount(), 1);
        QCOMPARE(node->child(0)->object(), area.subWindowList().constFirst());
        QCOMPARE(node->child(-1), nullptr);
        QCOMPARE(node->child(1), nullptr);
    }

    // Raising a step leaves the focus where it is; with a screen reader listening the focus
    // leaves what was covered for the first control in view, so that the reader speaks at once
    // of question 1 or the result. From focus.tsv.
    void focusAfterAStep_data() { addRowsFrom("focus.tsv"); }

    void focusAfterAStep() {
        QFETCH(int, reader);
        QFETCH(QString, focus);
        QAccessible::setActive(reader);
        const auto quiet = qScopeGuard([] { QAccessible::setActive(false); });
        const KeyStep step;
        QWidget* kept = QApplication::focusWidget();
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(kept);
        const QString heard = kept->objectName() + ": " + spokenName(node) + " - " +
                              node->text(QAccessible::Description);
        QVERIFY2(heard.startsWith(focus), qPrintable(heard));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
