#include "app/aboutdialog.h"
#include "support/appfixture.h"
#include "widgets/framestack.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>

#include <cmath>
#include <memory>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// One step of one window, reached by clicks after the launcher (-1: welcome panel, -2: About).
struct StepCase {
    const char* name;
    int launcherButton;
    std::array<const char*, 6> clicks;
};

constexpr std::array<StepCase, 13> kSteps{{
    {"welcome panel", -1, {}},
    {"about window", -2, {}},
    {"heart details", 3, {}},
    {"heart questions", 3, {"cmdNext"}},
    {"heart result", 3, {"cmdNext", "cmdNextQuestion"}},
    {"cholesterol result", 1, {"cmdNext", "cmdNextQuestion"}},
    {"diabetes details", 2, {}},
    {"diabetes questions", 2, {"cmdNext"}},
    {"diabetes result", 2, {"cmdNext", "cmdNextQuestion"}},
    {"calorie select frames", 0, {}},
    {"calorie both entries", 0, {"optPound", "optInches"}},
    {"calorie activity", 0, {"optKG", "optMeter", "cmdCalculate"}},
    {"calorie result", 0, {"optKG", "optMeter", "cmdCalculate", "optOne", "cmdCalculate"}},
}};

QWidget* shown(const QWidget& root, const QString& name) {
    for (QWidget* widget : root.findChildren<QWidget*>(name))
        if (widget->isVisible() && !FrameStack::isCovered(widget))
            return widget;
    return nullptr;
}

// The main window with one step of one window reached; About opens as a window of its own.
struct Reached {
    explicit Reached(const StepCase& c) {
        if (c.launcherButton == -2) {
            about = std::make_unique<AboutDialog>(app.links);
            about->show();
            static_cast<void>(QTest::qWaitForWindowExposed(about.get()));
            return;
        }
        if (c.launcherButton >= 0)
            app.launch(c.launcherButton);
        for (const auto& [box, text] :
             {std::pair{"txtAge", "45"}, {"txtName", "Ann"}, {"txtWeight", "150"}})
            if (QWidget* widget = shown(app.window, QString::fromLatin1(box)))
                QTest::keyClicks(widget, QString::fromLatin1(text));
        for (const char* name : c.clicks) {
            if (!name)
                continue;
            for (int answer = 0; answer < 8 && shown(app.window, QString::fromLatin1(name));
                 ++answer) { // Next Question until the result; any other control once
                QWidget* control = shown(app.window, QString::fromLatin1(name));
                QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
                if (qstrcmp(name, "cmdNextQuestion") != 0)
                    break;
            }
        }
    }
    QWidget& root() {
        if (about)
            return *about;
        return app.window;
    }

    AppFixture app;
    std::unique_ptr<AboutDialog> about;
};

// What a screen reader meets walking the tree down from the window, skipping what it is told
// is invisible.
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
    QStringList captions;
    QString frame;
    for (const auto& [label, relation] : node->relations(QAccessible::Label)) {
        if (qobject_cast<QLabel*>(label->object()))
            captions << label->text(QAccessible::Name);
        else if (frame.isEmpty())
            frame = label->text(QAccessible::Name);
    }
    return captions.isEmpty() ? frame : captions.join(QStringLiteral(", "));
}

QString visibleText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    return {};
}

double luminance(const QColor& colour) {
    auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
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

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, Qt::white);
    return dark;
}

void addStepRows() {
    QTest::addColumn<int>("step");
    for (std::size_t i = 0; i < kSteps.size(); ++i)
        QTest::newRow(kSteps[i].name) << static_cast<int>(i);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_lightStyle = QApplication::style()->name(); }

    void everyStepReadsWell_data() { addStepRows(); }

    // Walked as a reader walks it: every control that takes the focus and every text has a
    // name without access-key marks, and nothing of a covered frame is met.
    void everyStepReadsWell() {
        QFETCH(int, step);
        Reached reached(kSteps.at(static_cast<std::size_t>(step)));
        QSet<QObject*> met;
        for (QAccessibleInterface* node :
             walk(QAccessible::queryAccessibleInterface(&reached.root()))) {
            auto* widget = qobject_cast<QWidget*>(node->object());
            met.insert(widget);
            if (!widget)
                continue;
            const QString name = spokenName(node);
            const QByteArray where = widget->objectName().toUtf8() + " \"" + name.toUtf8() + '"';
            QVERIFY2(!FrameStack::isCovered(widget), where);
            QVERIFY2(!name.contains(u"&&"), where);
            if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QGroupBox*>(widget))
                QVERIFY2(!name.contains(u'&'), where);
            if (node->state().focusable || !visibleText(widget).isEmpty())
                QVERIFY2(!name.trimmed().isEmpty(), where);
        }
        // Nothing in front is left out of the walk.
        for (QWidget* widget : reached.root().findChildren<QWidget*>())
            if (widget->isVisible() && !FrameStack::isCovered(widget) &&
                (widget->focusPolicy() & Qt::TabFocus) && !widget->isWindow())
                QVERIFY2(met.contains(widget), widget->objectName().toUtf8());
    }

    void controlNames_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("description");
        const auto row = [](const char* tag, int step, const char* control, const char* name,
                            QAccessible::Role role, const char* description = "") {
            QTest::newRow(tag) << step << control << name << int(role) << description;
        };
        row("age box by its label", 2, "txtAge", "Enter Age", QAccessible::EditableText);
        row("sex list by its label", 2, "cboSex", "Select Sex", QAccessible::ComboBox);
        row("start button without access key", 2, "cmdNext", "Take the Heart Attack Risk Quiz",
            QAccessible::Button);
        row("answer list by its question", 3, "cboAnswer_Option", "1. Are you a smoker?",
            QAccessible::ComboBox, "Question 1 of 6");
        row("diabetes weight with unit", 6, "txtWeight", "Enter Weight, pounds",
            QAccessible::EditableText);
        row("diabetes height with unit", 6, "cboHeight", "Enter Height, feet/inches",
            QAccessible::ComboBox);
        row("calorie pounds", 10, "cmbPound", "In Pound", QAccessible::ComboBox);
        row("calorie tenths of inches", 10, "cmbPointInches", "In Inches", QAccessible::ComboBox);
        row("calorie age", 9, "cmbAge", "Age", QAccessible::ComboBox);
        row("forum banner", 0, "lblRavensillBanner",
            "Join the Kestavo health forum at "
            "www.kestavo.example/forum",
            QAccessible::Link, "https://www.kestavo.example/forum/");
        row("quiz advert", 2, "lblFullBrand", nullptr, QAccessible::Link,
            "https://www.kestavo.example/wellbox/full-branding/");
        row("calorie co-brand advert", 9, "lblCobrand", nullptr, QAccessible::Link,
            "https://www.kestavo.example/wellbox/co-branding/");
        row("about home page link", 1, "lblHomePage",
            "Click here to visit us at "
            "www.kestavo.example",
            QAccessible::Link, "https://www.kestavo.example/forum/");
        row("welcome text", 0, "lblCaption_0", "Welcome to Kestavo Wellbox I",
            QAccessible::StaticText);
    }

    void controlNames() {
        QFETCH(int, step);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(int, role);
        QFETCH(QString, description);
        Reached reached(kSteps.at(static_cast<std::size_t>(step)));
        QWidget* widget = shown(reached.root(), control);
        QVERIFY(widget);
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
        if (!name.isEmpty())
            QCOMPARE(spokenName(node), name);
        QCOMPARE(node->role(), QAccessible::Role(role));
        QCOMPARE(node->text(QAccessible::Description), description);
    }

    void textsStayReadable_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("dark");
        for (const bool dark : {false, true})
            for (std::size_t i = 0; i < kSteps.size(); ++i)
                QTest::addRow("%s, %s", kSteps[i].name, dark ? "dark palette" : "light palette")
                    << static_cast<int>(i) << dark;
    }

    // Every label and button in view keeps a contrast of 4.5:1 against what it is drawn on.
    void textsStayReadable() {
        QFETCH(int, step);
        QFETCH(bool, dark);
        QApplication::setStyle(
            QStyleFactory::create(dark ? QStringLiteral("Fusion") : m_lightStyle));
        QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
        Reached reached(kSteps.at(static_cast<std::size_t>(step)));
        for (QWidget* widget : reached.root().findChildren<QWidget*>()) {
            if (!widget->isVisible() || FrameStack::isCovered(widget) ||
                visibleText(widget).isEmpty())
                continue;
            const QColor text = widget->palette().color(
                qobject_cast<QPushButton*>(widget) ? QPalette::ButtonText : QPalette::WindowText);
            const double ratio = contrast(text, background(widget));
            QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2 on %3, %4:1")
                                                  .arg(widget->objectName(), text.name(),
                                                       background(widget).name())
                                                  .arg(ratio, 0, 'f', 2)));
        }
    }

    void cleanupTestCase() {
        QApplication::setStyle(QStyleFactory::create(m_lightStyle));
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

private:
    QString m_lightStyle;
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
