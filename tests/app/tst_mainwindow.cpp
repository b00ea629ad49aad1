#include "app/aboutdialog.h"
#include "support/appfixture.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTimer>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// The maker's pages; kNone where a control opens none.
const QString kSite = "https://www.kestavo.example/", kForum = kSite + "forum/", kNone;
const QString kHelp = kSite + "wellbox/help/", kDownload = kSite + "wellbox/download/";
const QString kFullBrand = kSite + "wellbox/full-branding/",
              kCoBrand = kSite + "wellbox/co-branding/";

// Clicks where the user sees the control, so that only what lies in front can answer.
void clickAsSeen(QWidget* top, QWidget* control) {
    const QPoint at = control->mapTo(top, QPoint(3, 3));
    QWidget* hit = top->childAt(at);
    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(top, at));
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    // Row names are the controls; the text is the published caption, or the start of the long
    // welcome paragraph. A calculator's window is named after its caption.
    void launcher_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("opens");
        QTest::newRow("cmdSelectOption_0") << "Calorie Calculator" << true;
        QTest::newRow("cmdSelectOption_2") << "Diabetes Risk Calculator" << true;
        QTest::newRow("cmdSelectOption_1") << "Cholesterol Risk Calculator" << true;
        QTest::newRow("cmdSelectOption_3") << "Heart Attack Risk Calculator" << true;
        QTest::newRow("lblCaption_0") << "Welcome to Kestavo Wellbox I" << false;
        QTest::newRow("lblCaption_1")
            << "Welcome to the first edition of the Kestavo Wellbox!" << false;
        QTest::newRow("lblCaption_2")
            << "Kestavo Wellbox I includes the following programs" << false;
        QTest::newRow("lblCaption_3") << "Calorie Calculator" << true;
        QTest::newRow("lblCaption_5") << "Diabetes Risk Calculator" << true;
        QTest::newRow("lblCaption_4") << "Cholesterol Risk Calculator" << true;
        QTest::newRow("lblCaption_6") << "Heart Attack Risk Calculator" << true;
    }

    void launcher() {
        QFETCH(QString, text);
        QFETCH(bool, opens);
        AppFixture app;
        QWidget* panel = app.find("picMain");
        QWidget* control = app.find(QTest::currentDataTag());
        QVERIFY(control->property("text").toString().startsWith(text));
        if (!qobject_cast<QAbstractButton*>(control)) {
            QVERIFY(qAbs(control->geometry().center().x() - panel->width() / 2) <= 1);
            // Only the calculator captions answer the pointer.
            QTest::mouseMove(control, QPoint(5, 5));
            QCOMPARE(control->font().underline(), opens);
        }
        // A calorie input window left loaded and hidden, as the result window's Exit leaves it.
        QSignalSpy hiddenClosed(app.window.loadCalculator(CalculatorKind::CalorieMain),
                                &CalculatorWindow::unloaded);

        QTest::mouseClick(control, Qt::LeftButton);
        QCOMPARE(hiddenClosed.count(), 1);
        QCOMPARE(panel->isVisible(), !opens);
        QCOMPARE(app.visibleCalculatorCount(), opens ? 1 : 0);
        if (!opens)
            return;
        QCOMPARE(app.activeCalculator()->objectName(), "frm" + text.remove(' ') + "Main");
        // At the top of the client area, centred across it.
        const QWidget* holder = app.activeCalculator()->parentWidget();
        const int free = app.window.clientArea()->viewport()->width() - holder->width();
        QCOMPARE(holder->pos(), QPoint(free / 2, 0));
    }

    void oneCalculatorAtATime() {
        AppFixture app;
        QStringList closed;
        for (const int kind : {4, 3, 1, 2, 0}) { // none of the orders closing might follow
            CalculatorWindow* window = app.window.loadCalculator(CalculatorKind(kind));
            connect(window, &CalculatorWindow::unloaded,
                    [&closed, name = window->objectName()] { closed << name; });
        }
        app.launch(2); // closes the diabetes window and opens a fresh one
        QCOMPARE(closed.join(' '), "frmCalorieCalculatorDisplay frmCalorieCalculatorMain "
                                   "frmCholesterolRiskCalculatorMain frmDiabetesRiskCalculatorMain "
                                   "frmHeartAttackRiskCalculatorMain");
        QCOMPARE(app.visibleCalculatorCount(), 1);
        // Closed by its File, Exit or by its close box, it brings the welcome panel back.
        app.activeCalculator()->findChild<QAction*>("mnuExit")->trigger();
        QVERIFY(app.find("picMain")->isVisible());
        app.launch(3)->parentWidget()->close();
        QVERIFY(app.find("picMain")->isVisible());
        // Exit closes the calculator windows first, then the main window.
        bool windowUpWhenCalculatorClosed = false;
        connect(app.launch(3), &CalculatorWindow::unloaded,
                [&] { windowUpWhenCalculatorClosed = app.window.isVisible(); });
        QTest::mouseClick(app.find("cmdMdiExit"), Qt::LeftButton);
        QVERIFY(windowUpWhenCalculatorClosed);
        QVERIFY(!app.window.isVisible());
    }

    // Where each link goes; the text as published, or the part that is given where the rest is
    // free. Row names end in the control's name.
    void controls_data() {
        QTest::addColumn<int>("window"); // -1 main, 0..3 the launcher's calculators, 4 About
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("page");
        QTest::newRow("banner strip, Picture6") << -1 << "" << kForum;
        QTest::newRow("forum banner, lblRavensillBanner") << -1 << "www.kestavo.example" << kForum;
        QTest::newRow("advert, Label7") << -1 << "Click here for more details." << kFullBrand;
        QTest::newRow("Online Help, mnuOnline") << -1 << "&Online Help" << kHelp;
        QTest::newRow("Visit Us Online, mnuVisit") << -1 << "&Visit Us Online" << kForum;
        QTest::newRow("Update, mnuUpdate") << -1 << "Check for Software &Update" << kDownload;
        QTest::newRow("Make Money Online, mkmoney") << -1 << "Make Money &Online" << kNone;
        QTest::newRow("calorie advert, lblCobrand") << 0 << "site's name &  link" << kCoBrand;
        QTest::newRow("calorie banner, Label61") << 0 << "" << kForum;
        QTest::newRow("calorie, mnuMakeMoneyOnline") << 0 << "Make Money &Online" << kNone;
        QTest::newRow("diabetes banner, Label14") << 2 << "" << kForum;
        QTest::newRow("heart attack advert, lblFullBrand") << 3 << "" << kFullBrand;
        QTest::newRow("heart attack, mnuMakeMoney") << 3 << "Make Money &Online" << kNone;
        QTest::newRow("About, title, Label2") << 4 << "Kestavo Wellbox I v1.15" << kNone;
        QTest::newRow("About, home page, lblHomePage") << 4 << "www.kestavo.example" << kForum;
        QTest::newRow("About, offer, Label3")
            << 4
            << "Home Business Opportunity. Start your own Internet business and make money "
               "online. Get this software fully branded for your website. "
            << kNone;
        QTest::newRow("About, more details, lblCoBrand")
            << 4 << "Click here for more details." << kFullBrand;
        QTest::newRow("About, cmdOK") << 4 << "&OK" << kNone;
        QTest::newRow("About, Enter, cmdOK") << 4 << "&OK" << kNone;
        QTest::newRow("About, Esc, cmdOK") << 4 << "&OK" << kNone;
        QTest::newRow("About Software, mnuAbout") << -1 << "&About Software" << kNone;
    }

    void controls() {
        QFETCH(int, window);
        QFETCH(QString, text);
        QFETCH(QString, page);
        const QString tag = QTest::currentDataTag(), control = tag.section(' ', -1);
        AppFixture app;
        AboutDialog about(app.links);
        about.show();
        QWidget* host = window < 0    ? &app.window
                        : window == 4 ? static_cast<QWidget*>(&about)
                                      : app.launch(window);
        auto* action = host->findChild<QAction*>(control);
        auto* widget = host->findChild<QWidget*>(control);
        QVERIFY((action ? action->text() : widget->property("text").toString()).contains(text));
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
        } else {
            QVERIFY(page.isEmpty() || widget->cursor().shape() == Qt::PointingHandCursor);
            if (const auto* label = qobject_cast<QLabel*>(widget); label && label->wordWrap())
                QVERIFY(label->heightForWidth(label->width()) <= label->height());
            if (tag.contains("Esc") || tag.contains("Enter"))
                QTest::keyClick(host, tag.contains("Esc") ? Qt::Key_Escape : Qt::Key_Return);
            else
                clickAsSeen(host, widget);
        }
        QCOMPARE(app.webPageOpener.opened, page.isEmpty() ? QStringList() : QStringList{page});
        QCOMPARE(about.isVisible(), control != "cmdOK");
        QCOMPARE(modal, control == "mnuAbout" ? "frmAbout Kestavo Wellbox I v1.15" : "");
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
