// The shell: the launcher and its placing of the one calculator shown, the welcome panel's
// return, the links of each window, the greyed Make Money Online, About, and Exit's order.

#include "app/aboutdialog.h"
#include "support/appfixture.h"
#include "support/nowindowleft.h"

#include <QAction>
#include <QSignalSpy>
#include <QTimer>

using namespace wellbox;
using namespace wellbox::testing;

// The maker's pages.
const QString kSite = "https://www.kestavo.example/", kApp = kSite + "wellbox/";
const QString kForum = kSite + "forum/", kHelp = kApp + "help/", kDownload = kApp + "download/";
const QString kFullBrand = kApp + "full-branding/", kCoBrand = kApp + "co-branding/";

// Where a control lies: the main window, a calculator by its launcher button, or About.
constexpr int kMain = -1, kCalorie = 0, kDiabetes = 2, kHeart = 3, kAbout = 4;

class TestMainWindow : public QObject {
    Q_OBJECT

    // The window that holds a control, opened the way the user opens it.
    static QWidget* host(AppFixture& app, AboutDialog& about, int window) {
        if (window == kAbout)
            about.show();
        if (window == kMain)
            return &app.window;
        return window == kAbout ? static_cast<QWidget*>(&about) : app.launch(window);
    }

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

    // Each launcher control and the window it opens; the first captions open none.
    void launcher_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("opens");
        const QStringList windows{"frmCalorieCalculatorMain", "frmCholesterolRiskCalculatorMain",
                                  "frmDiabetesRiskCalculatorMain",
                                  "frmHeartAttackRiskCalculatorMain"};
        for (int i = 0; i < 4; ++i) {
            QTest::addRow("cmdSelectOption_%d", i)
                << QString("cmdSelectOption_%1").arg(i) << windows[i];
            QTest::addRow("lblCaption_%d", i + 3)
                << QString("lblCaption_%1").arg(i + 3) << windows[i];
        }
        QTest::newRow("lblCaption_0") << "lblCaption_0" << QString();
        QTest::newRow("lblCaption_2") << "lblCaption_2" << QString();
    }

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
        if (control.startsWith("lbl")) // a caption that opens a window says so to the pointer
            QCOMPARE(widget->font().underline(), !opens.isEmpty());
        QTest::mouseClick(widget, Qt::LeftButton);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(app.window.welcomePanelVisible(), opens.isEmpty());
        QCOMPARE(app.visibleCalculatorCount(), opens.isEmpty() ? 0 : 1);
        if (opens.isEmpty())
            return;
        // Opened at the top of the client area, centred across it.
        const QMdiSubWindow* holder = app.window.clientArea()->activeSubWindow();
        QCOMPARE(holder->widget()->objectName(), opens);
        const int free = app.window.clientArea()->viewport()->width() - holder->width();
        QCOMPARE(holder->pos(), QPoint(free / 2, 0));
    }

    // Each link and command of each window and the page it opens.
    void links_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("page");
        QTest::newRow("banner strip") << kMain << "Picture6" << kForum;
        QTest::newRow("forum banner") << kMain << "lblRavensillBanner" << kForum;
        QTest::newRow("advert") << kMain << "Label7" << kFullBrand;
        QTest::newRow("Online Help") << kMain << "mnuOnline" << kHelp;
        QTest::newRow("Visit Us Online") << kMain << "mnuVisit" << kForum;
        QTest::newRow("Update") << kMain << "mnuUpdate" << kDownload;
        QTest::newRow("calorie advert") << kCalorie << "lblCobrand" << kCoBrand;
        QTest::newRow("diabetes banner") << kDiabetes << "Label14" << kForum;
        QTest::newRow("heart attack advert") << kHeart << "lblFullBrand" << kFullBrand;
        QTest::newRow("About, home page") << kAbout << "lblHomePage" << kForum;
        QTest::newRow("About, details") << kAbout << "lblCoBrand" << kFullBrand;
    }

    void links() {
        QFETCH(int, window);
        QFETCH(QString, control);
        QFETCH(QString, page);
        AppFixture app;
        AboutDialog about(app.links);
        QWidget* holder = host(app, about, window);
        if (auto* action = holder->findChild<QAction*>(control)) {
            action->trigger();
        } else { // only what lies in front can answer, and it says so to the pointer
            auto* widget = holder->findChild<QWidget*>(control);
            QVERIFY(inView(widget));
            QTest::mouseMove(widget, QPoint(5, 5));
            QCOMPARE(widget->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseClick(widget, Qt::LeftButton);
        }
        QCOMPARE(app.webPageOpener.opened, QStringList{page});
        QCOMPARE(about.isVisible(), window == kAbout);
    }

    // Make Money Online is shown greyed out in every window.
    void makeMoneyGreyed_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("control");
        QTest::newRow("main window") << kMain << "mkmoney";
        QTest::newRow("calorie") << kCalorie << "mnuMakeMoneyOnline";
        QTest::newRow("heart attack") << kHeart << "mnuMakeMoney";
    }

    void makeMoneyGreyed() {
        QFETCH(int, window);
        QFETCH(QString, control);
        AppFixture app;
        AboutDialog about(app.links);
        auto* action = host(app, about, window)->findChild<QAction*>(control);
        QCOMPARE(action->isEnabled(), false);
        action->trigger();
        QCOMPARE(app.webPageOpener.opened, QStringList());
    }

    // About Software brings up the About window, modal, titled with the version built.
    void aboutCommand() {
        AppFixture app;
        QString modal;
        QTimer::singleShot(0, this, [&] {
            QWidget* about = QApplication::activeModalWidget();
            modal = about->objectName() + ' ' + about->windowTitle();
            about->close();
        });
        app.find<QAction>("mnuAbout")->trigger();
        QCOMPARE(modal, "frmAbout Kestavo Wellbox I v" WELLBOX_VERSION);
    }

    void aboutOkCloses() {
        AppFixture app;
        AboutDialog about(app.links);
        about.show();
        QTest::mouseClick(about.findChild<QWidget*>("cmdOK"), Qt::LeftButton);
        QCOMPARE(about.isVisible(), false);
        QCOMPARE(app.webPageOpener.opened, QStringList());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
