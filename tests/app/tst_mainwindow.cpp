// The shell: the launcher and its placing of the one calculator shown, the welcome panel's
// return, the links of each window, the greyed Make Money Online, About, and Exit's order.

#include "app/aboutdialog.h"
#include "support/appfixture.h"

#include <QAction>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTimer>

using namespace wellbox;
using namespace wellbox::testing;

// The maker's pages; kNone where a control opens none.
const QString kSite = "https://www.kestavo.example/", kApp = kSite + "wellbox/", kNone;
const QString kForum = kSite + "forum/", kHelp = kApp + "help/", kDownload = kApp + "download/";
const QString kFullBrand = kApp + "full-branding/", kCoBrand = kApp + "co-branding/";

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void oneCalculatorAtATime() {
        AppFixture app;
        QStringList closed;
        for (const int kind : {4, 3, 1, 2, 0}) { // none of the orders closing might follow
            CalculatorWindow* w = app.window.loadCalculator(CalculatorKind(kind));
            connect(w, &CalculatorWindow::unloaded, this, [&, w] { closed << w->objectName(); });
        }
        app.launch(2); // closes the diabetes window and opens a fresh one
        QCOMPARE(closed.join(' '), "frmCalorieCalculatorDisplay frmCalorieCalculatorMain "
                                   "frmCholesterolRiskCalculatorMain frmDiabetesRiskCalculatorMain "
                                   "frmHeartAttackRiskCalculatorMain");
        QCOMPARE(app.visibleCalculatorCount(), 1);
        // Closed by its close box, it brings the welcome panel back.
        app.activeCalculator()->parentWidget()->close();
        QVERIFY(app.find("picMain")->isVisible());
        // Exit closes the calculator windows first, then the main window.
        bool up = false; // the main window, when the calculator closed
        connect(app.launch(3), &CalculatorWindow::unloaded, this,
                [&] { up = app.window.isVisible(); });
        QTest::mouseClick(app.find("cmdMdiExit"), Qt::LeftButton);
        QVERIFY(up && !app.window.isVisible());
    }

    // File, Exit chosen with the mouse from the one menu bar (the access keys are walked with
    // every step): in a calculator (0..3 from the launcher) it closes that calculator only, in
    // the main window (-1) the suite.
    void fileExitByMouse_data() {
        QTest::addColumn<int>("window");
        for (int window = -1; window < 4; ++window)
            QTest::addRow("window %d", window) << window;
    }

    void fileExitByMouse() {
        QFETCH(int, window);
        AppFixture app;
        if (window >= 0)
            app.launch(window);
        QMenuBar* bar = app.window.menuBar();
        QMenu* file = app.menusInFront().first()->menu();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(file->menuAction()).center());
        QVERIFY(QTest::qWaitForWindowExposed(file));
        QTest::mouseClick(file, Qt::LeftButton, {},
                          file->actionGeometry(file->actions().last()).center());
        QTest::qWait(0); // the closed window is gone
        QCOMPARE(app.window.isVisible(), window >= 0);
        QCOMPARE(app.visibleCalculatorCount(), 0);
        QVERIFY(app.window.welcomePanelVisible());
        QCOMPARE(bar->actions(), app.menusInFront()); // the main window's own again
    }

    // Where each control leads: its window (-1 main, 0..3 the launcher's calculators, 4 About),
    // its text as published or the part given where the rest is free, and the page opened, the
    // calculator window opened or the modal window brought up. Row names end in the control.
    void controls_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("leadsTo");
        QTest::newRow("welcome, lblCaption_0") << -1 << "Welcome to Kestavo Wellbox I" << kNone;
        // Button i and caption i + 3 open the same calculator, named after its caption.
        const QStringList kinds{"Calorie", "Cholesterol Risk", "Diabetes Risk",
                                "Heart Attack Risk"};
        for (int i = 0; i < 4; ++i) {
            const QString caption = kinds[i] + " Calculator";
            const QString opened = "frm" + QString(caption).remove(' ') + "Main";
            QTest::addRow("cmdSelectOption_%d", i) << -1 << caption << opened;
            QTest::addRow("caption, lblCaption_%d", i + 3) << -1 << caption << opened;
        }
        QTest::newRow("banner strip, Picture6") << -1 << "" << kForum;
        QTest::newRow("forum banner, lblRavensillBanner") << -1 << "www.kestavo.example" << kForum;
        QTest::newRow("advert, Label7") << -1 << "Click here for more details." << kFullBrand;
        QTest::newRow("Online Help, mnuOnline") << -1 << "&Online Help" << kHelp;
        QTest::newRow("Visit Us Online, mnuVisit") << -1 << "&Visit Us Online" << kForum;
        QTest::newRow("Update, mnuUpdate") << -1 << "Check for Software &Update" << kDownload;
        QTest::newRow("Make Money Online, mkmoney") << -1 << "Make Money &Online" << kNone;
        QTest::newRow("calorie advert, lblCobrand") << 0 << "site's name &  link" << kCoBrand;
        QTest::newRow("calorie, mnuMakeMoneyOnline") << 0 << "Make Money &Online" << kNone;
        QTest::newRow("diabetes banner, Label14") << 2 << "" << kForum;
        QTest::newRow("heart attack advert, lblFullBrand") << 3 << "" << kFullBrand;
        QTest::newRow("heart attack, mnuMakeMoney") << 3 << "Make Money &Online" << kNone;
        QTest::newRow("About, title, Label2") << 4 << "Kestavo Wellbox I v1.15" << kNone;
        QTest::newRow("About, home page, lblHomePage") << 4 << "www.kestavo.example" << kForum;
        QTest::newRow("About, details, lblCoBrand")
            << 4 << "Click here for more details." << kFullBrand;
        QTest::newRow("About, cmdOK") << 4 << "&OK" << kNone;
        QTest::newRow("mnuAbout") << -1 << "&About Software"
                                  << "frmAbout Kestavo Wellbox I v1.15";
    }

    void controls() {
        QFETCH(int, window);
        QFETCH(QString, text);
        QFETCH(QString, leadsTo);
        const QString tag = QTest::currentDataTag(), control = tag.section(' ', -1);
        const bool launcher = control.startsWith("lblCaption") || control.startsWith("cmdSelect");
        AppFixture app;
        AboutDialog about(app.links);
        about.show();
        QWidget* host = window < 0 ? &app.window : static_cast<QWidget*>(&about);
        host = window >= 0 && window < 4 ? app.launch(window) : host;
        auto* action = host->findChild<QAction*>(control);
        auto* widget = host->findChild<QWidget*>(control);
        QVERIFY((action ? action->text() : widget->property("text").toString()).contains(text));
        // A calorie input window loaded and hidden, as the result window's Exit leaves it: only
        // the launcher closes it.
        QSignalSpy closed(app.window.loadCalculator(CalculatorKind::CalorieMain),
                          &CalculatorWindow::unloaded);
        QString modal; // what the command brings up, closed at once
        if (control == "mnuAbout")
            QTimer::singleShot(0, [&] {
                QWidget* about = QApplication::activeModalWidget();
                modal = about->objectName() + ' ' + about->windowTitle();
                about->close();
            });
        if (action) {
            QCOMPARE(action->isEnabled(), text != "Make Money &Online"); // greyed out
            action->trigger();
        } else { // only what lies in front can answer, and what leads on says so to the pointer
            QTest::mouseMove(widget, QPoint(5, 5));
            bool hint = widget->font().underline() || widget->cursor() == Qt::PointingHandCursor;
            QVERIFY(inView(widget) &&
                    (hint != leadsTo.isEmpty() || widget->inherits("QAbstractButton")));
            QTest::mouseClick(widget, Qt::LeftButton);
        }
        QCOMPARE(app.webPageOpener.opened.join('|'), leadsTo.startsWith("http") ? leadsTo : "");
        QCOMPARE(about.isVisible(), control != "cmdOK");
        QCOMPARE(modal, control == "mnuAbout" ? leadsTo : "");
        QCOMPARE(closed.count(), launcher ? 1 : 0);
        const bool opens = leadsTo.endsWith("Main"); // a calculator, from the launcher
        QVERIFY(!launcher || (app.window.welcomePanelVisible() != opens &&
                              app.visibleCalculatorCount() == opens));
        if (!opens)
            return;
        // Opened at the top of the client area, centred across it.
        const QMdiSubWindow* holder = app.window.clientArea()->activeSubWindow();
        QCOMPARE(holder->widget()->objectName(), leadsTo);
        const int free = app.window.clientArea()->viewport()->width() - holder->width();
        QCOMPARE(holder->pos(), QPoint(free / 2, 0));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
