// The shell: the launcher and its placing of the one calculator shown, the welcome panel's
// return, the calorie windows' hand-off, the pictures, the links of each window, the greyed Make
// Money Online, About, and Exit's order.

#include "app/aboutdialog.h"
#include "support/appfixture.h"
#include "support/datarows.h"
#include "support/nowindowleft.h"
#include "support/userpath.h"
#include "widgets/linklabel.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTimer>

using namespace wellbox;
using namespace wellbox::testing;

constexpr int kCalorie = 0, kDiabetes = 2, kHeart = 3; // launcher buttons

// Where a calculator window sits when placed: at the top of the client area, centred across it.
static QPoint centredAtTop(AppFixture& app, const QWidget* holder) {
    return {(app.window.clientArea()->viewport()->width() - holder->width()) / 2, 0};
}

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

    // File, Exit chosen with the mouse from the one menu bar (the access keys are walked with
    // every step): in a calculator (0..3 from the launcher) it closes that calculator only, in
    // the main window (-1) the suite.
    void fileExitByMouse_data() { addRowsFrom("exits.tsv"); }

    void fileExitByMouse() {
        QFETCH(int, window);
        AppFixture app;
        const QPointer<CalculatorWindow> calculator = window >= 0 ? app.launch(window) : nullptr;
        QMenuBar* bar = app.window.menuBar();
        QMenu* file = app.menusInFront().first()->menu();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(file->menuAction()).center());
        QVERIFY(QTest::qWaitForWindowExposed(file));
        QTest::mouseClick(file, Qt::LeftButton, {},
                          file->actionGeometry(file->actions().last()).center());
        QTest::qWait(0); // the closed window is gone
        QCOMPARE(app.window.isVisible(), window >= 0);
        QTRY_VERIFY(calculator.isNull()); // gone, not hidden: opened again, it starts afresh
        QCOMPARE(app.visibleCalculatorCount(), 0);
        QCOMPARE(app.window.welcomePanelVisible(), true);
        QCOMPARE(bar->actions(), app.menusInFront()); // the main window's own again
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
        QCOMPARE(holder->pos(), centredAtTop(app, holder));
    }

    // Proceed puts the result window in the input window's place, the input window hidden as
    // left; Back brings it back so, and Proceed takes the same entries again. Proceed and Back
    // are double-clicked: a second click reaches nothing the first brought into view.
    void calorieHandOffAndBack() {
        AppFixture app;
        const QWidget* input = app.launch(kCalorie);
        // The four areas two by two: the window fits the main window without scrolling.
        QVERIFY(app.window.clientArea()->rect().contains(input->parentWidget()->geometry()));
        QCOMPARE(walk(app, "optKG > cmbKG=70 > cmdOkWeight > optMeter > cmbMeter=1 > cmdOKHeight"),
                 QString());
        clickAt(app.find("cmdCalculate"), QTest::MouseDClick);
        QCOMPARE(input->isVisible(), false);
        QCOMPARE(app.activeCalculator()->objectName(), "frmCalorieCalculatorDisplay");
        QCOMPARE(app.window.welcomePanelVisible(), false);
        QCOMPARE(app.webPageOpener.opened, QStringList());
        QCOMPARE(app.window.menuBar()->actions(), app.menusInFront()); // the result window's
        QCOMPARE(walk(app, "optOne > cmdCalculate"), QString());
        clickAt(app.find("cmdBack"), QTest::MouseDClick);
        QCOMPARE(app.window.loadedCalculator(CalculatorKind::CalorieDisplay), nullptr);
        QCOMPARE(app.activeCalculator(), input);
        QCOMPARE(app.window.menuBar()->actions(), app.menusInFront());
        QCOMPARE(walk(app, "cmdCalculate"), QString());
        QCOMPARE(app.messageBox.texts(), QStringList());
        QCOMPARE(app.calculators.calorieStore().BasalCalories, 1518); // a man of 1, 70 kg, 1 m
    }

    // The result window's Exit, double-clicked, leaves the input window loaded and hidden, and
    // the welcome panel comes back and takes nothing of the second click.
    void calorieResultExit() {
        AppFixture app;
        const QPointer<CalculatorWindow> input = app.launch(kCalorie);
        QCOMPARE(walk(app, "optKG > cmbKG=70 > cmdOkWeight > optMeter > cmbMeter=1 > cmdOKHeight > "
                           "cmdCalculate > optOne > cmdCalculate"),
                 QString());
        clickAt(app.find("cmdExit"), QTest::MouseDClick);
        QVERIFY(input);
        QCOMPARE(app.window.loadedCalculator(CalculatorKind::CalorieMain), input);
        QCOMPARE(input->isVisible(), false);
        QCOMPARE(app.visibleCalculatorCount(), 0);
        QCOMPARE(app.window.welcomePanelVisible(), true);
    }

    // Each picture shows its image, from pictures.tsv.
    void pictures_data() { addRowsFrom("pictures.tsv"); }

    void pictures() {
        QFETCH(QString, where);
        QFETCH(QString, picture);
        QFETCH(QString, image);
        AppFixture app;
        AboutDialog about(app.links);
        const QWidget* window = where == "frmAbout" ? static_cast<QWidget*>(&about) : &app.window;
        const QImage expected(WELLBOX_TEST_DATA "../../resources/icons/" + image);
        QVERIFY(!expected.isNull());
        QCOMPARE(window->findChild<QLabel*>(picture)->pixmap().toImage().convertToFormat(
                     expected.format()),
                 expected);
    }

    // Each launcher control, whether it says so to the pointer, and the window it opens, from
    // launcher.tsv.
    void launcher_data() { addRowsFrom("launcher.tsv"); }

    void launcher() {
        QFETCH(QString, control);
        QFETCH(QString, opens);
        AppFixture app;
        // A calorie input window loaded and hidden, as the result window's Exit leaves it: only
        // the launcher closes it.
        QSignalSpy closed(app.window.loadCalculator(CalculatorKind::CalorieMain),
                          &CalculatorWindow::unloaded);
        QWidget* widget = app.find(control);
        QTest::mouseMove(widget, QPoint(5, 5));
        QFETCH(int, underlined);
        QCOMPARE(int(widget->font().underline()), underlined);
        // A caption that opens a calculator is a link to a reader, who presses it.
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
        QCOMPARE(node->role() == QAccessible::Link, bool(underlined));
        underlined ? node->actionInterface()->doAction(QAccessibleActionInterface::pressAction())
                   : QTest::mouseClick(widget, Qt::LeftButton);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(app.window.welcomePanelVisible(), opens.isEmpty());
        QCOMPARE(app.visibleCalculatorCount(), opens.isEmpty() ? 0 : 1);
        if (opens.isEmpty())
            return;
        const QMdiSubWindow* holder = app.window.clientArea()->activeSubWindow();
        QCOMPARE(holder->widget()->objectName(), opens);
        QCOMPARE(holder->pos(), centredAtTop(app, holder));
    }

    // Each link and web command of each window and the page it opens, from links.tsv; what
    // lies in front answers the pointer, and says so to it.
    void links_data() { addRowsFrom("links.tsv"); }

    void links() {
        QFETCH(QString, where);
        QFETCH(QString, control);
        QFETCH(QString, page);
        AppFixture app;
        AboutDialog about(app.links);
        if (where == "frmAbout")
            about.show();
        else
            QCOMPARE(walk(app, where), QString());
        QObject* found = findControl(app, control, &about);
        if (auto* action = qobject_cast<QAction*>(found))
            QCOMPARE(action->isEnabled(), !page.isEmpty());
        if (auto* widget = qobject_cast<QWidget*>(found)) {
            QTest::mouseMove(widget, QPoint(5, 5));
            QCOMPARE(widget->cursor().shape(), Qt::PointingHandCursor);
        }
        QCOMPARE(walk(app, control, &about), QString());
        QCOMPARE(app.webPageOpener.opened.join(' '), page);
        // A reader is told the page a link opens.
        if (auto* link = qobject_cast<LinkLabel*>(found))
            QCOMPARE(link->address(), page);
        QCOMPARE(about.isVisible(), where == "frmAbout");
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
