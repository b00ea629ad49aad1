// Every text the user reads, word for word: the captions, labels, lists, menus and messages of
// each window at each step, as texts.tsv lists them.

#include "app/aboutdialog.h"
#include "app/application.h"
#include "app/updatereminder.h"
#include "app/version.h"
#include "support/appfixture.h"
#include "support/nowindowleft.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QMenu>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// A list's entries as the data file writes them.
QString entries(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items.join('|');
}

// What the user reads on a control: a window's caption, a frame's, a list's entries, a text.
QString textOf(const QObject* control) {
    if (const auto* action = qobject_cast<const QAction*>(control))
        return action->text();
    if (const auto* menu = qobject_cast<const QMenu*>(control))
        return menu->title();
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        return entries(list);
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    const QVariant text = control->property("text");
    return text.isValid() ? text.toString() : static_cast<const QWidget*>(control)->windowTitle();
}

// The expected text with the data file's shorthands written out.
QString expand(QString text) {
    static const QRegularExpression range("^(\\d+)\\.\\.(\\d+)$");
    if (const QRegularExpressionMatch m = range.match(text); m.hasMatch()) {
        QStringList numbers;
        for (int n = m.captured(1).toInt(); n <= m.captured(2).toInt(); ++n)
            numbers << QString::number(n);
        return numbers.join('|');
    }
    return text.replace("{version}", QLatin1String(kVersion)).replace("\\r", "\r");
}

// The named control, or the window so named: in About when it is up, else in the calculator
// window in front, else in the main window.
QObject* find(const AppFixture& app, const QWidget& about, const QString& name) {
    for (const QWidget* window :
         {about.isVisible() ? &about : nullptr, static_cast<const QWidget*>(app.activeCalculator()),
          static_cast<const QWidget*>(&app.window)})
        if (window && window->objectName() == name)
            return const_cast<QWidget*>(window);
        else if (QObject* control = window ? window->findChild<QObject*>(name) : nullptr)
            return control;
    return nullptr;
}

// A start of the program while another instance runs, or with the reminder due.
std::unique_ptr<MainWindow> start(AppFixture& app, const QString& how) {
    FakeInstanceGuard guard;
    guard.running = how.endsWith("another instance");
    const QString due = dateToSettingText(app.clock.date.addDays(-15), QLocale());
    app.settings.write(QCoreApplication::applicationName(), "Settings", EncodeSetting("Duration"),
                       EncodeSetting(due));
    return startApplication(app.platform, guard, app.links, {});
}

// One step of the user: "name" clicks a control or chooses a command, "name*n" clicks n times,
// "name=text" types into a box or picks an entry of a list with the arrow keys.
bool act(const AppFixture& app, const QWidget& about, const QString& step) {
    const QString name = step.section(QRegularExpression("[=*]"), 0, 0);
    const QString value = step.mid(name.size() + 1);
    QObject* control = find(app, about, name);
    auto* widget = qobject_cast<QWidget*>(control);
    auto* list = qobject_cast<QComboBox*>(control);
    if (list)
        for (int n = list->findText(value) - list->currentIndex(); n > 0; --n)
            QTest::keyClick(list, Qt::Key_Down);
    else if (widget && step.contains('='))
        QTest::keyClicks(widget, value);
    else
        for (int n = step.contains('*') ? value.toInt() : 1; control && n > 0; --n)
            if (widget) // near the left edge, where an option's circle is
                QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
            else
                qobject_cast<QAction*>(control)->trigger();
    QApplication::processEvents();
    return control && (!list || list->currentText() == value);
}

} // namespace

class TestTexts : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { wellbox::testing::checkNoWindowLeft(); }

    // One row per place, with the controls read there and their texts.
    void texts_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<QStringList>("texts");
        QFile file(QStringLiteral(WELLBOX_TEXTS));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QString where;
        QStringList controls, texts;
        const auto add = [&] {
            if (!controls.isEmpty())
                QTest::newRow(qPrintable(where)) << where << controls << texts;
            controls.clear();
            texts.clear();
        };
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).remove('\n');
            const QStringList column = line.split('\t');
            if (line.startsWith('#') || column.size() != 3)
                continue;
            if (!column[0].isEmpty()) {
                add();
                where = column[0];
            }
            controls << column[1];
            texts << expand(column[2]);
        }
        add();
    }

    // Each text read where the user reads it, in view there but for menus and messages.
    void texts() {
        QFETCH(QString, where);
        QFETCH(QStringList, controls);
        QFETCH(QStringList, texts);
        AppFixture app;
        AboutDialog about(app.links);
        std::unique_ptr<MainWindow> started;
        if (where == "frmAbout")
            about.show();
        else if (where.startsWith("start"))
            started = start(app, where);
        else if (where != "frmMDI")
            for (const QString& step : where.split(" > "))
                QVERIFY2(act(app, about, step), qPrintable(step));
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QObject* control = find(app, about, controls[i]);
            const QString text = controls[i] == "message" ? app.messageBox.texts().join('|')
                                 : control                ? textOf(control)
                                                          : "(none)";
            QCOMPARE(controls[i] + ": " + text, controls[i] + ": " + texts[i]);
            const auto* widget = qobject_cast<const QWidget*>(control);
            if (widget && !widget->isWindow())
                QVERIFY2(inView(widget), qPrintable(controls[i] + " out of view"));
        }
    }
};

QTEST_MAIN(TestTexts)
#include "tst_texts.moc"
