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

// The words a sighted user reads on a control or a frame.
static QString shownText(const QWidget* widget) {
    return widget->property("text").toString() + widget->property("title").toString();
}

// What a reader walks from `root`, skipping what it is told is invisible. Menu entries are no
// widgets, and are not walked.
static QList<QAccessibleInterface*> readerWalk(QWidget* root) {
    QList<QAccessibleInterface*> nodes{QAccessible::queryAccessibleInterface(root)};
    for (qsizetype n = 0; n < nodes.size(); ++n)
        for (int i = 0; QAccessibleInterface* c = nodes.at(n)->child(i); ++i)
            if (!c->state().invisible && qobject_cast<QWidget*>(c->object()))
                nodes << c;
    return nodes;
}

// The controls in view under `root`, windows of their own aside.
static QList<QWidget*> controlsInView(const QWidget* root) {
    QList<QWidget*> shown = root->findChildren<QWidget*>();
    shown.removeIf([](const QWidget* w) {
        return !w->isVisible() || FrameStack::isCovered(w) || w->isWindow();
    });
    return shown;
}

// Tab, then Shift+Tab, all the way round the window; `atStop` runs at every stop until a check
// fails.
static void tabRound(const QWidget& window, const std::function<void(QWidget*)>& atStop) {
    for (qsizetype i = 0, n = window.findChildren<QWidget*>().size(); i < 2 * n; ++i) {
        QTest::keyClick(QApplication::focusWidget(), i < n ? Qt::Key_Tab : Qt::Key_Backtab);
        atStop(QApplication::focusWidget());
        if (QTest::currentTestFailed())
            return;
    }
}

// The current row's step, reached by its keys as a user presses them: "to:name" tabs to a
// control, "about" opens the About window as a window of its own (the root), anything else is a
// key sequence for an open menu or the focus.
struct KeyStep {
    KeyStep() {
        QFETCH(QString, keys);
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
    AppFixture app;
    QWidget* root = &app.window;
};

// The rules every step keeps, one function each, in the order they are checked: those that
// walk the Tab chain first, from the focus the keys left. A failure names its rule by its place.
// Reached with no message on the way and the suite still up.
static void reachedQuietly(const KeyStep& step) {
    QVERIFY(step.app.window.isVisible());
    QCOMPARE(step.app.messageBox.texts(), QStringList());
}

// One menu bar, holding the menus of the window in front.
static void oneMenuBarOfTheWindowInFront(const KeyStep& step) {
    const QList<QMenuBar*> bars = step.app.menuBarsShown();
    QCOMPARE(bars.size(), 1);
    QCOMPARE(bars.first()->actions(), step.app.menusInFront());
}

// Tab and Shift+Tab all the way round rest only in view, or on the button that kept the focus
// when its own step was covered.
static void tabRestsOnlyInView(const KeyStep& step) {
    QWidget* const kept = QApplication::focusWidget();
    tabRound(step.app.window, [kept](const QWidget* stop) {
        QVERIFY2(stop == kept || !FrameStack::isCovered(stop), qPrintable(stop->objectName()));
    });
}

// Keys typed at every stop of the way round change nothing covered.
static void typingChangesNothingCovered(const KeyStep& step) {
    tabRound(step.app.window, [&step](const QWidget* stop) {
        const QMap<QWidget*, QVariant> before = coveredValues(step.app.window);
        for (const Qt::Key key : {Qt::Key_7, Qt::Key_K, Qt::Key_Down, Qt::Key_Up})
            QTest::keyClick(QApplication::focusWidget(), key);
        for (const auto& [w, value] : coveredValues(step.app.window).asKeyValueRange())
            QVERIFY2(before.value(w, value) == value,
                     qPrintable(w->objectName() + " typed at " + stop->objectName()));
    });
}

// Walked as a reader walks it, every control that takes the focus and every text has a name,
// without access-key marks.
static void readerFindsEveryNameClean(const KeyStep& step) {
    for (QAccessibleInterface* node : readerWalk(step.root)) {
        const auto* w = static_cast<const QWidget*>(node->object());
        const QString name = spokenName(node);
        const QByteArray at = name.toUtf8() + " for " + w->objectName().toUtf8();
        const bool marked =
            qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QGroupBox*>(w);
        QVERIFY2(!name.contains(marked ? u"&" : u"&&"), at);
        QVERIFY2(name.trimmed() != "" || (!node->state().focusable && shownText(w) == ""), at);
    }
}

// A reader meets nothing covered.
static void readerMeetsNothingCovered(const KeyStep& step) {
    for (QAccessibleInterface* node : readerWalk(step.root))
        QVERIFY2(!FrameStack::isCovered(static_cast<QWidget*>(node->object())),
                 qPrintable(node->object()->objectName()));
}

// A reader misses nothing in view that takes the focus.
static void readerMissesNothingInView(const KeyStep& step) {
    const QList<QAccessibleInterface*> nodes = readerWalk(step.root);
    for (QWidget* w : controlsInView(step.root))
        QVERIFY2(nodes.contains(QAccessible::queryAccessibleInterface(w)) ||
                     !(w->focusPolicy() & Qt::TabFocus),
                 qPrintable(w->objectName()));
}

// Every text in view keeps a contrast of 4.5:1 in a dark and a light palette (a disabled
// control is exempt, as the web guidelines have it).
static void textsKeepTheirContrast(const KeyStep& step) {
    for (const QPalette& p : {QPalette(QColor(0x353535)), QPalette()}) {
        QApplication::setPalette(p); // dark, then light again for the next step
        for (const QWidget* w : controlsInView(step.root)) {
            const double a = luminance(w->palette().color(w->foregroundRole())),
                         b = luminance(w->palette().color(w->backgroundRole()));
            QVERIFY2(shownText(w) == "" || !w->isEnabled() || std::max(a / b, b / a) >= 4.5,
                     qPrintable(w->objectName()));
        }
    }
}

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { wellbox::testing::checkNoWindowLeft(); }

    // Each step of a calculator run by keyboard alone, from keysteps.tsv, reached once (the
    // keys take most of the time) and held to every rule in turn; then what a reader hears.
    void everyStepKeepsTheRules_data() { addRowsFrom("keysteps.tsv"); }

    void everyStepKeepsTheRules() {
        QFETCH(QString, hears);
        const KeyStep step;
        for (const auto rule :
             {reachedQuietly, oneMenuBarOfTheWindowInFront, tabRestsOnlyInView,
              typingChangesNothingCovered, readerFindsEveryNameClean, readerMeetsNothingCovered,
              readerMissesNothingInView, textsKeepTheirContrast}) {
            rule(step);
            if (QTest::currentTestFailed())
                return;
        }
        QString heard;
        for (QAccessibleInterface* node : readerWalk(step.root)) {
            const QString description = node->text(QAccessible::Description);
            heard += spokenName(node) + (description.isEmpty() ? "" : " - " + description) + u'\n';
        }
        QVERIFY2(heard.contains(hears), qPrintable(heard));
    }

    // Raising a step leaves the focus where it is; with a screen reader listening the focus
    // leaves what was covered for the first control in view, so that the reader speaks at once
    // of question 1 or the result.
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
        QCOMPARE(step.app.messageBox.texts(), QStringList());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
