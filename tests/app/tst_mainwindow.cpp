// The shell: the launcher and its placing of the one calculator shown, the welcome panel and
// the menu bar as the calculator windows come and go, the calorie windows' hand-off, the links of
// each window, About, and Exit's order. What is seen after a path of steps is in shell.tsv.

#include "support/appfixture.h"
#include "support/datarows.h"
#include "support/nowindowleft.h"

#include <QAccessible>
#include <QTimer>

using namespace wellbox;
using namespace wellbox::testing;

constexpr int kDiabetes = 2, kHeart = 3; // launcher buttons

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { checkNoWindowLeft(); }

    // Each calculator window closes, in the launcher's order, before the chosen one opens.
    void launcherClosesEveryCalculatorFirst() {
        AppFixture app;
        QStringList closed;
        for (const int kind : {4, 3, 1, 2, 0}) { // none of the orders closing might follow
            CalculatorWindow* w = app.window.loadCalculator(CalculatorKind(kind));
            connect(w, &CalculatorWindow::unloaded, this, [&, w] { closed << w->objectName(); });
        }
        app.launch(kDiabetes); // closes the diabetes window and opens a fresh one
        QCOMPARE(closed.join(' '), "frmCalorieCalculatorDisplay frmCalorieCalculatorMain "
                                   "frmCholesterolRiskCalculatorMain frmDiabetesRiskCalculatorMain "
                                   "frmHeartAttackRiskCalculatorMain");
        QCOMPARE(app.visibleCalculatorCount(), 1);
    }

    void closeBoxBringsWelcomeBack() {
        AppFixture app;
        app.launch(kDiabetes)->parentWidget()->close();
        QCOMPARE(app.window.welcomePanelVisible(), true);
    }

    void exitClosesCalculatorsFirst() {
        AppFixture app;
        bool up = false; // the main window, when the calculator closed
        connect(app.launch(kHeart), &CalculatorWindow::unloaded, this,
                [&] { up = app.window.isVisible(); });
        QTest::mouseClick(app.find("cmdMdiExit"), Qt::LeftButton);
        QCOMPARE(up, true);
        QCOMPARE(app.window.isVisible(), false);
    }

    // A calculator the user moved stays where put; resizing the main window centres it again.
    void movedCalculatorStaysUntilResize() {
        AppFixture app;
        QWidget* holder = app.launch(kHeart)->parentWidget();
        holder->move(0, 0);
        QApplication::processEvents();
        QCOMPARE(holder->pos(), QPoint(0, 0));
        app.window.resize(app.window.width() + 100, app.window.height());
        QApplication::processEvents();
        QVERIFY(app.atTopCentre(holder));
    }

    // A launcher caption that opens a calculator underlines under the pointer and is a link to a
    // reader; the others are neither. From launcher.tsv.
    void launcherCaptions_data() { addRowsFrom("launcher.tsv"); }

    void launcherCaptions() {
        QFETCH(QString, control);
        QFETCH(int, underlined);
        AppFixture app;
        QWidget* caption = app.find(control);
        QTest::mouseMove(caption, QPoint(5, 5));
        QCOMPARE(int(caption->font().underline()), underlined);
        QCOMPARE(QAccessible::queryAccessibleInterface(caption)->role() == QAccessible::Link,
                 bool(underlined));
    }

    // After a path of steps from the main window, one thing seen of the shell, from shell.tsv.
    void shell_data() { addRowsFrom("shell.tsv"); }

    void shell() {
        QFETCH(QString, what);
        const Reached reached;
        QVERIFY(reached.reached);
        QTEST(reached.seen(what), "expected");
    }

    // About Software brings up the About window, modal, titled with the version built and
    // centred on the screen's available area; its OK closes it.
    void aboutWindow() {
        AppFixture app;
        QString modal;
        QPoint centre, screenCentre;
        QTimer::singleShot(0, this, [&] {
            QWidget* about = QApplication::activeModalWidget();
            modal = about->objectName() + ' ' + about->windowTitle();
            // Its own area, the frame the platform adds at its top left aside.
            centre = about->pos() + about->rect().center();
            screenCentre = about->screen()->availableGeometry().center();
            QTest::mouseClick(about->findChild<QWidget*>("cmdOK"), Qt::LeftButton);
            if (about->isVisible()) // OK failed; close it so the test goes on
                modal += " left open", about->close();
        });
        app.find<QAction>("mnuAbout")->trigger();
        QCOMPARE(modal, "frmAbout Kestavo Wellbox I v" WELLBOX_VERSION);
        QCOMPARE(centre, screenCentre);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
