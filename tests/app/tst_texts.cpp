// Every text the user reads, word for word: the captions, labels, lists, menus and messages of
// each window at each step, as texts.tsv lists them.

#include "app/aboutdialog.h"
#include "app/application.h"
#include "app/updatereminder.h"
#include "app/version.h"
#include "support/appfixture.h"
#include "support/nowindowleft.h"
#include "support/userpath.h"

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

// A start of the program while another instance runs, or with the reminder due.
std::unique_ptr<MainWindow> start(AppFixture& app, const QString& how) {
    FakeInstanceGuard guard;
    guard.running = how.endsWith("another instance");
    const QString due = dateToSettingText(app.clock.date.addDays(-15), QLocale());
    app.settings.write(QCoreApplication::applicationName(), "Settings", EncodeSetting("Duration"),
                       EncodeSetting(due));
    return startApplication(app.platform, guard, app.links, {});
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
        QFile file(QStringLiteral(WELLBOX_TEST_DATA "texts.tsv"));
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
            QCOMPARE(walk(app, where), QString()); // no step left untaken
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QObject* control = findControl(app, controls[i], &about);
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
