#include "app/aboutdialog.h"
#include "support/appfixture.h"
#include "support/datarows.h"
#include "support/nowindowleft.h"
#include "widgets/framestack.h"

#include <QAccessible>
#include <QGroupBox>

using namespace wellbox;
using namespace wellbox::testing;

// Relative luminance, as the web content accessibility guidelines define it for contrast, plus
// the 0.05 of ambient light their contrast ratio adds; lin turns a channel to linear light.
static double luminance(const QColor& c) {
    const auto lin = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.05 + 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

// What the user has entered in every control covered at the moment.
static QMap<QWidget*, QVariant> coveredValues(const QWidget& window) {
    QMap<QWidget*, QVariant> values;
    for (QWidget* w : window.findChildren<QWidget*>())
        if (FrameStack::isCovered(w))
            values.insert(w, w->metaObject()->userProperty().read(w));
    return values;
}

// What a reader calls a control. Qt on Linux names a list by its value, so a reader names it
// by its captions and frame.
static QString spokenName(QAccessibleInterface* node) {
    QString name = node->text(QAccessible::Name);
    if (node->role() == QAccessible::ComboBox)
        for (name.clear(); const auto& relation : node->relations(QAccessible::Label))
            name += relation.first->text(QAccessible::Name);
    return name;
}

// Keys as a user presses them: "to:name" tabs to a control, "about" opens the About window as
// a window of its own (root), anything else is a key sequence for an open menu or the focus.
static void pressKeys(AppFixture& app, QWidget*& root, const QString& keys) {
    for (const QString& key : keys.split(u' ')) {
        QWidget* focus = QApplication::focusWidget();
        if (key == u"about") {
            (root = new AboutDialog(app.links, &app.window))->show();
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
}

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { wellbox::testing::checkNoWindowLeft(); }

    // A calculator run by keyboard alone, stopped at each step, and what a reader hears there.
    void everyStepByKeyboardReadsWell_data() { addRowsFrom("keysteps.tsv"); }

    // At each step reached by keys alone: Tab and Shift+Tab all the way round, typing at every
    // stop, rest only in view (or on the button that kept the focus) and change nothing covered.
    // Walked as a reader walks it, every control that takes the focus and every text has a name
    // without access-key marks, nothing covered is met and nothing in view is missed. Every text
    // in view keeps a contrast of 4.5:1 in a light and a dark palette (a disabled control is
    // exempt, as the web guidelines have it).
    void everyStepByKeyboardReadsWell() {
        QFETCH(QString, keys);
        QFETCH(QString, hears);
        // The words a sighted user reads on a control or a frame.
        const auto shownText = [](const QWidget* widget) {
            return widget->property("text").toString() + widget->property("title").toString();
        };
        AppFixture app;
        QWidget* root = &app.window;
        pressKeys(app, root, keys);
        QVERIFY(app.window.isVisible());
        QVERIFY2(app.messageBox.shown.isEmpty(), qPrintable(app.messageBox.texts().join(u'|')));
        // One menu bar, holding the menus of the window in front.
        const QList<QMenuBar*> bars = app.menuBarsShown();
        QCOMPARE(bars.size(), 1);
        QCOMPARE(bars.first()->actions(), app.menusInFront());

        QWidget* const kept = QApplication::focusWidget();
        // All the way round, then back.
        for (qsizetype i = 0, n = app.window.findChildren<QWidget*>().size(); i < 2 * n; ++i) {
            QTest::keyClick(QApplication::focusWidget(), i < n ? Qt::Key_Tab : Qt::Key_Backtab);
            QWidget* stop = QApplication::focusWidget();
            QVERIFY2(stop == kept || !FrameStack::isCovered(stop), qPrintable(stop->objectName()));
            const QMap<QWidget*, QVariant> before = coveredValues(app.window);
            for (const Qt::Key key : {Qt::Key_7, Qt::Key_K, Qt::Key_Down, Qt::Key_Up})
                QTest::keyClick(QApplication::focusWidget(), key);
            for (const auto& [w, value] : coveredValues(app.window).asKeyValueRange())
                QVERIFY2(before.value(w, value) == value, qPrintable(w->objectName()));
        }

        // Walked as a reader walks it, skipping what it is told is invisible.
        QList<QAccessibleInterface*> nodes{QAccessible::queryAccessibleInterface(root)};
        QString heard;
        for (qsizetype n = 0; n < nodes.size(); ++n) {
            QAccessibleInterface* node = nodes.at(n);
            // Menu entries are no widgets, and are not walked.
            for (int i = 0; QAccessibleInterface* c = node->child(i); ++i)
                if (!c->state().invisible && qobject_cast<QWidget*>(c->object()))
                    nodes << c;
            auto* w = static_cast<QWidget*>(node->object());
            const QString name = spokenName(node);
            const QString description = node->text(QAccessible::Description);
            heard += name + (description.isEmpty() ? "" : " - " + description) + u'\n';
            const QByteArray at = name.toUtf8() + " for " + w->objectName().toUtf8();
            const bool marked = qobject_cast<QAbstractButton*>(w) || qobject_cast<QGroupBox*>(w);
            QVERIFY2(!FrameStack::isCovered(w) && !name.contains(marked ? u"&" : u"&&"), at);
            QVERIFY2(name.trimmed() != "" || (!node->state().focusable && shownText(w) == ""), at);
        }
        QVERIFY2(heard.contains(hears), qPrintable(heard));
        for (const QPalette& p : {QPalette(QColor(0x353535)), QPalette()}) {
            QApplication::setPalette(p); // dark, then light for the next row
            for (QWidget* w : root->findChildren<QWidget*>()) {
                if (!w->isVisible() || FrameStack::isCovered(w) || w->isWindow())
                    continue;
                const bool met = nodes.contains(QAccessible::queryAccessibleInterface(w));
                QVERIFY2(met || !(w->focusPolicy() & Qt::TabFocus), qPrintable(w->objectName()));
                // Every frame that takes a colour of its own also paints it.
                const double a = luminance(w->palette().color(w->foregroundRole())),
                             b = luminance(w->palette().color(w->backgroundRole()));
                QVERIFY2(shownText(w) == "" || !w->isEnabled() || std::max(a / b, b / a) >= 4.5,
                         qPrintable(w->objectName()));
            }
        }
    }

    // Raising a step leaves the focus where it is; with a screen reader listening the focus
    // leaves what was covered for the first control in view, so that the reader speaks at once
    // of question 1 or the result.
    void focusAfterAStep_data() { addRowsFrom("focus.tsv"); }

    void focusAfterAStep() {
        QFETCH(int, reader);
        QFETCH(QString, keys);
        AppFixture app;
        QAccessible::setActive(reader);
        const auto quiet = qScopeGuard([] { QAccessible::setActive(false); });
        QWidget* root = &app.window;
        pressKeys(app, root, keys);
        QWidget* kept = QApplication::focusWidget();
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(kept);
        const QString heard = kept->objectName() + ": " + spokenName(node) + " - " +
                              node->text(QAccessible::Description);
        QFETCH(QString, focus);
        QVERIFY2(heard.startsWith(focus), qPrintable(heard));
        QVERIFY(app.messageBox.shown.isEmpty());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
