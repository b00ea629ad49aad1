#include "steps.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleFactory>

#include <cmath>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// What a reader meets walking down from the window, skipping what it is told is invisible.
QList<QAccessibleInterface*> walk(QAccessibleInterface* node) {
    QList<QAccessibleInterface*> met{node};
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i); child && !child->state().invisible)
            met += walk(child);
    return met;
}

// The name a reader says. Qt on Linux names a list by its value and gives its labels as
// relations: the captions beside it, else the frame around it.
QString spokenName(QAccessibleInterface* node) {
    if (node->role() != QAccessible::ComboBox)
        return node->text(QAccessible::Name);
    QStringList captions, frames;
    for (const auto& [label, relation] : node->relations(QAccessible::Label))
        (qobject_cast<QLabel*>(label->object()) ? captions : frames)
            << label->text(QAccessible::Name);
    return (captions.isEmpty() ? frames.mid(0, 1) : captions).join(QStringLiteral(", "));
}

// The words a sighted user reads on a label, a button or a frame.
QString visibleText(const QWidget* widget) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    const bool hasText =
        qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget);
    return hasText ? widget->property("text").toString() : QString();
}

// Contrast ratio by relative luminance, as the web content accessibility guidelines define it.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour behind a widget's text: its own face, or the nearest ancestor that paints one.
QColor background(const QWidget* widget) {
    if (qobject_cast<const QPushButton*>(widget))
        return widget->palette().color(QPalette::Button);
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w->autoFillBackground() || w->isWindow() || qobject_cast<const QMdiSubWindow*>(w))
            return w->palette().color(w->backgroundRole());
    return {};
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void everyStepReadsWell_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("dark");
        for (const bool dark : {false, true})
            for (std::size_t i = 0; i < kSteps.size(); ++i)
                QTest::addRow("%s, %s palette", kSteps[i].name, dark ? "dark" : "light")
                    << int(i) << dark;
    }

    // Walked as a reader walks it, every control that takes the focus and every text has a name
    // without access-key marks, and nothing of a covered frame is met; nothing in view is
    // missed, and every text in view keeps a contrast of 4.5:1 against what it is drawn on
    // (a disabled control is exempt, as the web guidelines have it).
    void everyStepReadsWell() {
        QFETCH(int, step);
        QFETCH(bool, dark);
        static const QString light = QApplication::style()->name();
        QApplication::setStyle(QStyleFactory::create(dark ? QStringLiteral("Fusion") : light));
        QApplication::setPalette(dark ? QPalette(QColor(53, 53, 53), QColor(53, 53, 53))
                                      : QApplication::style()->standardPalette());
        ReachedStep reached(kSteps.at(std::size_t(step)));
        QSet<QObject*> met;
        for (QAccessibleInterface* node :
             walk(QAccessible::queryAccessibleInterface(reached.root))) {
            auto* widget = qobject_cast<QWidget*>(node->object());
            if (!widget) // an entry of a menu
                continue;
            const QString name = spokenName(node);
            const QByteArray where =
                name.toUtf8() + " for " + node->object()->objectName().toUtf8();
            met.insert(widget);
            QVERIFY2(!FrameStack::isCovered(widget), where);
            QVERIFY2(!name.contains(u"&&"), where);
            if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QGroupBox*>(widget))
                QVERIFY2(!name.contains(u'&'), where);
            if (node->state().focusable || !visibleText(widget).isEmpty())
                QVERIFY2(!name.trimmed().isEmpty(), where);
        }
        for (QWidget* widget : reached.root->findChildren<QWidget*>()) {
            if (!widget->isVisible() || FrameStack::isCovered(widget) || widget->isWindow())
                continue;
            QVERIFY2(met.contains(widget) || !(widget->focusPolicy() & Qt::TabFocus),
                     qPrintable(widget->objectName()));
            const QColor text = widget->palette().color(
                qobject_cast<QPushButton*>(widget) ? QPalette::ButtonText : QPalette::WindowText);
            const double ratio = contrast(text, background(widget));
            QVERIFY2(
                visibleText(widget).isEmpty() || !widget->isEnabled() || ratio >= 4.5,
                qPrintable(QStringLiteral("%1: %2 on %3, %4:1")
                               .arg(widget->objectName(), text.name(), background(widget).name())
                               .arg(ratio, 0, 'f', 2)));
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
