// The shell: the launcher and the one calculator shown, the welcome panel and the menu bar as
// the calculator windows come and go, the calorie windows' hand-off, File Exit, the links of each
// window (what is seen after each path of steps is in shell.tsv); the close box, a calculator
// moved, and About.

#include "support/appfixture.h"
#include "support/datarows.h"
#include "support/nowindowleft.h"

#include <QAccessible>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QScopeGuard>
#include <QStyle>
#include <QTimer>

#include <cmath>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// The relative luminance of a colour, and the contrast of two, as WCAG measures them.
double luminance(QColor c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The most contrast between a rendered text's ground, its commonest colour, and its ink.
double textContrast(const QImage& image) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb ground = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(ground))
            ground = it.key();
    double most = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        most = std::max(most, contrast(QColor(ground), QColor(it.key())));
    return most;
}

QPalette darkPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x2a, 0x2a));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    return dark;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    // Every text of a result at a glance reads at least 4.5:1 against its ground, light or
    // dark, measured on the rendered labels; from contrast.tsv.
    void resultContrast_data() { addRowsFrom("contrast.tsv"); }
    void resultContrast() {
        QFETCH(QString, where);
        QFETCH(QString, palette);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(palette == "dark" ? darkPalette()
                                                   : QApplication::style()->standardPalette());
        {
            const Reached result(where);
            QVERIFY(result.reached);
            QApplication::processEvents();
            const auto labels = result.app.activeCalculator()->findChildren<QLabel*>();
            int measured = 0;
            for (QLabel* label : labels) {
                const QString name = label->objectName();
                const QStringList glance{"lblReading",        "lblBand",     "lblRemarks",
                                         "lblOutlook",        "lblBodyMass", "lblSecondEstimate",
                                         "lblRequireCalories"};
                if (!label->isVisibleTo(label->window()) || label->text().isEmpty() ||
                    !(name.startsWith("lblResult") || glance.contains(name)))
                    continue;
                const double ratio = textContrast(label->grab().toImage());
                QVERIFY2(ratio >= 4.5, qPrintable(QString("%1: %2").arg(name).arg(ratio)));
                ++measured;
            }
            QVERIFY(measured >= 2);
        }
        QApplication::setPalette(before);
    }

    void cleanup() { checkNoWindowLeft(); }

    // The main window shows the suite's icon, and a calculator's frame the same one.
    void windowsShowTheSuitesIcon() {
        const Reached diabetes("cmdSelectOption_2");
        const QIcon icon = diabetes.app.window.windowIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(diabetes.app.activeCalculator()->parentWidget()->windowIcon().cacheKey(),
                 icon.cacheKey());
    }

    // The close box of a calculator window brings the welcome panel back.
    void closeBoxBringsWelcomeBack() {
        const Reached diabetes("cmdSelectOption_2");
        diabetes.app.activeCalculator()->parentWidget()->close();
        QCOMPARE(diabetes.app.window.welcomePanelVisible(), true);
    }

    // The launcher closes the calorie result window once more after the others, should closing
    // one of them have brought it back: only the calculator chosen is left.
    void resultWindowClosedAgain() {
        FakeContext fakes;
        CalculatorWindows calculators;
        MainWindow window(fakes.platform, fakes.links, [&](auto kind, auto& context, auto& shell) {
            CalculatorWindow* made = calculators.create(kind, context, shell);
            if (kind == CalculatorKind::CalorieMain)
                connect(made, &CalculatorWindow::unloaded, &shell,
                        [&shell] { shell.openCalculator(CalculatorKind::CalorieDisplay); });
            return made;
        });
        window.show();
        window.openCalculator(CalculatorKind::CalorieMain);
        window.launch(CalculatorKind::HeartAttack);
        QCOMPARE(window.loadedCalculator(CalculatorKind::CalorieDisplay), nullptr);
        QVERIFY(window.loadedCalculator(CalculatorKind::HeartAttack));
    }

    // A calculator the user moved stays where put; resizing the main window centres it again.
    void movedCalculatorStaysUntilResize() {
        Reached heart("cmdSelectOption_3");
        QWidget* holder = heart.app.activeCalculator()->parentWidget();
        holder->move(0, 0);
        QApplication::processEvents();
        QCOMPARE(holder->pos(), QPoint(0, 0));
        heart.app.window.resize(heart.app.window.width() + 100, heart.app.window.height());
        QApplication::processEvents();
        QCOMPARE(
            holder->pos(), // at the top, centred across the client area
            QPoint((heart.app.window.clientArea()->viewport()->width() - holder->width()) / 2, 0));
    }

    // Alt+E and a letter in one burst in the age box: the letter's message comes up before the
    // Exit button's animated click lands, which closes the main window and with it the
    // calculator beneath the message; the calculator goes only once the message has returned.
    void accessKeyBurstUnderMessage() {
        const Reached heart("cmdSelectOption_3");
        QPointer<CalculatorWindow> calculator = heart.app.activeCalculator();
        bool keptWhileOpen = false;
        FakeMessageBox& messages = const_cast<FakeMessageBox&>(heart.app.messageBox);
        messages.loop.openFor = std::chrono::milliseconds(300);
        messages.loop.whileOpen = [&] {
            QTimer::singleShot(250, calculator, [&] { keptWhileOpen = true; });
        };
        QWidget* ageBox = QApplication::focusWidget();
        QCOMPARE(ageBox->objectName(), "txtAge");
        QTest::keyClick(ageBox, Qt::Key_E, Qt::AltModifier);
        QTest::keyClick(ageBox, Qt::Key_R);
        QTest::qWait(0);
        QCOMPARE(messages.texts().join('|'), "Only numbers are accepted");
        QCOMPARE(keptWhileOpen, true);
        QCOMPARE(heart.app.window.isVisible(), false);
        QCOMPARE(calculator.isNull(), true);
    }

    // After a path of steps from the main window, one thing seen of the shell, from shell.tsv.
    void shell_data() { addRowsFrom("shell.tsv"); }

    void shell() {
        QFETCH(QString, what);
        const Reached reached;
        QVERIFY(reached.reached);
        QTEST(reached.seen(what), "expected");
    }

    // About Software, in the main window's Help menu or a calculator's, brings up the About
    // window, modal and centred on the screen's available area; its OK closes it.
    void aboutWindow_data() {
        QTest::addColumn<QString>("from");
        QTest::newRow("main window") << QString();
        QTest::newRow("calculator") << "cmdSelectOption_3";
    }

    void aboutWindow() {
        QFETCH(QString, from);
        AppFixture app;
        if (!from.isEmpty())
            QCOMPARE(walk([&](const QString& name) { return app.find<QObject>(name); }, from),
                     QString());
        QString shown;
        bool closedByOk = false;
        QPoint centre, screenCentre;
        QTimer::singleShot(0, this, [&] {
            QWidget* about = QApplication::activeModalWidget();
            shown = about->objectName();
            // Its own area, the frame the platform adds at its top left aside.
            centre = about->pos() + about->rect().center();
            screenCentre = about->screen()->availableGeometry().center();
            QTest::mouseClick(about->findChild<QWidget*>("cmdOK"), Qt::LeftButton);
            closedByOk = !about->isVisible();
            about->close(); // should OK have failed, the test goes on
        });
        app.find<QAction>("mnuAbout")->trigger();
        QCOMPARE(shown, "frmAbout");
        QCOMPARE(closedByOk, true);
        QCOMPARE(centre, screenCentre);
    }

    // Under a screen reader the About window's links take the focus too, after OK: it opens on
    // OK, so that Enter closes it, and Tab goes on to the first link.
    void aboutWindowUnderReader() {
        AppFixture app;
        QAccessible::setActive(true);
        const auto quiet = qScopeGuard([] { QAccessible::setActive(false); });
        QString opened, afterTab;
        bool closedByEnter = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* about = QApplication::activeModalWidget();
            QApplication::setActiveWindow(about); // as the window manager does
            opened = QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            afterTab = QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            closedByEnter = !about->isVisible();
            about->close(); // should Enter have failed, the test goes on
        });
        app.find<QAction>("mnuAbout")->trigger();
        QCOMPARE(opened, "cmdOK");
        QCOMPARE(afterTab, "lblHomePage");
        QCOMPARE(closedByEnter, true);
        QCOMPARE(app.webPageOpener.opened, QStringList());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
