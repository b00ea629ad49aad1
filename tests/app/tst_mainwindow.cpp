#include "support/appfixture.h"
#include "widgets/helplinks.h"
#include "widgets/uistyle.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

QString nameOf(CalculatorKind kind) {
    return ui::fromView(descriptor(kind).windowName);
}

// A calculator window that notes when it is unloaded, so the launcher's order can be seen.
class RecordingWindow final : public CalculatorWindow {
public:
    RecordingWindow(const WindowContext& context, CalculatorKind kind, QStringList& log)
        : CalculatorWindow(context, kind)
        , m_log(log) {
        auto* body = new QLabel(this);
        body->setFixedSize(400, 150);
        buildFrame(Frame::RiskQuiz, body);
    }

protected:
    void onUnload() override { m_log << objectName(); }

private:
    QStringList& m_log;
};

struct RecordingFixture {
    QStringList unloaded;
    AppFixture app{[this](CalculatorKind kind, const WindowContext& context) -> CalculatorWindow* {
        return new RecordingWindow(context, kind, unloaded);
    }};
};

// Runs `check` on the modal window that `open` brings up, then closes it.
void whileModal(const std::function<void()>& open, const std::function<void(QWidget*)>& check) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        seen = true;
        check(modal);
        if (modal->isVisible())
            modal->close();
    });
    open();
    QVERIFY(seen);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void controlsCarryTheirNames() {
        AppFixture app;
        QCOMPARE(app.window.objectName(), QStringLiteral("frmMDI"));
        QCOMPARE(app.window.windowTitle(), QStringLiteral("Kestavo Wellbox I v1.15"));
        for (const char* name :
             {"Picture6", "lblRavensillBanner", "Picture1", "picButtonContainer", "Picture2",
              "Picture3", "Picture4", "Picture5", "picMain", "PicCoBrand", "cmdMdiExit", "Label7"})
            QVERIFY2(app.find(name), name);
        for (int i = 0; i < 7; ++i)
            QVERIFY(app.find<QLabel>(QStringLiteral("lblCaption_%1").arg(i)));
        for (const char* name : {"mnuExit", "mnuOnline", "mnuVisit", "mnuSep1", "mnuUpdate",
                                 "mnuSep2", "mnuAbout", "mkmoney"})
            QVERIFY2(app.find<QAction>(name), name);
    }

    void launcherButtonsReadLeftToRight() {
        AppFixture app;
        const QStringList expected{"Calorie Calculator", "Diabetes Risk Calculator",
                                   "Cholesterol Risk Calculator", "Heart Attack Risk Calculator"};
        QStringList captions;
        int lastLeft = -1;
        for (const int index : {0, 2, 1, 3}) {
            auto* button = app.find<QPushButton>(QStringLiteral("cmdSelectOption_%1").arg(index));
            QVERIFY(button->x() > lastLeft);
            lastLeft = button->x();
            captions << button->text();
        }
        QCOMPARE(captions, expected);
    }

    void launcherOpensTheChosenCalculator_data() {
        QTest::addColumn<bool>("viaCaption");
        QTest::addColumn<int>("index");
        QTest::addColumn<CalculatorKind>("opens");
        QTest::newRow("button 0") << false << 0 << CalculatorKind::CalorieMain;
        QTest::newRow("button 1") << false << 1 << CalculatorKind::Cholesterol;
        QTest::newRow("button 2") << false << 2 << CalculatorKind::Diabetes;
        QTest::newRow("button 3") << false << 3 << CalculatorKind::HeartAttack;
        QTest::newRow("caption 3") << true << 3 << CalculatorKind::CalorieMain;
        QTest::newRow("caption 4") << true << 4 << CalculatorKind::Cholesterol;
        QTest::newRow("caption 5") << true << 5 << CalculatorKind::Diabetes;
        QTest::newRow("caption 6") << true << 6 << CalculatorKind::HeartAttack;
    }

    void launcherOpensTheChosenCalculator() {
        QFETCH(bool, viaCaption);
        QFETCH(int, index);
        QFETCH(CalculatorKind, opens);
        RecordingFixture f;
        QVERIFY(f.app.window.welcomePanelVisible());
        const QString control =
            QString::fromLatin1(viaCaption ? "lblCaption_%1" : "cmdSelectOption_%1").arg(index);
        QTest::mouseClick(f.app.find(control), Qt::LeftButton);

        CalculatorWindow* opened = f.app.activeCalculator();
        QVERIFY(opened);
        QCOMPARE(opened->objectName(), nameOf(opens));
        QVERIFY(!f.app.window.welcomePanelVisible());
        QCOMPARE(f.app.visibleCalculatorCount(), 1);
        const QWidget* holder = opened->parentWidget();
        QCOMPARE(holder->y(), 0);
        const int free = f.app.window.clientArea()->viewport()->width() - holder->width();
        QVERIFY(free >= 0);
        QCOMPARE(holder->x(), free / 2);
    }

    void launcherClosesEveryWindowInItsOrder() {
        RecordingFixture f;
        for (const CalculatorKind kind :
             {CalculatorKind::HeartAttack, CalculatorKind::Diabetes, CalculatorKind::CalorieMain,
              CalculatorKind::Cholesterol, CalculatorKind::CalorieDisplay})
            f.app.window.loadCalculator(kind);
        f.app.launch(2);
        QCOMPARE(
            f.unloaded,
            (QStringList{nameOf(CalculatorKind::CalorieDisplay),
                         nameOf(CalculatorKind::CalorieMain), nameOf(CalculatorKind::Cholesterol),
                         nameOf(CalculatorKind::Diabetes), nameOf(CalculatorKind::HeartAttack)}));
        QCOMPARE(f.app.visibleCalculatorCount(), 1);
        QCOMPARE(f.app.activeCalculator()->objectName(), nameOf(CalculatorKind::Diabetes));
    }

    void reopeningGivesAFreshWindow() {
        RecordingFixture f;
        QPointer<CalculatorWindow> first = f.app.launch(3);
        QVERIFY(first);
        f.app.launch(3);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QCOMPARE(f.unloaded, QStringList{nameOf(CalculatorKind::HeartAttack)});
        QVERIFY(f.app.activeCalculator());
        QCOMPARE(f.app.visibleCalculatorCount(), 1);
    }

    void plainCaptionsCloseAHiddenWindowAndOpenNothing_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("caption 0") << 0;
        QTest::newRow("caption 1") << 1;
        QTest::newRow("caption 2") << 2;
    }

    void plainCaptionsCloseAHiddenWindowAndOpenNothing() {
        QFETCH(int, index);
        RecordingFixture f;
        // A calorie input window left hidden behind a result window that was exited.
        f.app.window.loadCalculator(CalculatorKind::CalorieMain);
        QVERIFY(f.app.window.welcomePanelVisible());

        QTest::mouseClick(f.app.find(QStringLiteral("lblCaption_%1").arg(index)), Qt::LeftButton);
        QCOMPARE(f.unloaded, QStringList{nameOf(CalculatorKind::CalorieMain)});
        QVERIFY(!f.app.window.loadedCalculator(CalculatorKind::CalorieMain));
        QVERIFY(f.app.window.welcomePanelVisible());
        QCOMPARE(f.app.visibleCalculatorCount(), 0);
    }

    void closingACalculatorBringsTheWelcomePanelBack() {
        RecordingFixture f;
        CalculatorWindow* opened = f.app.launch(1);
        QVERIFY(!f.app.window.welcomePanelVisible());
        opened->findChild<QAction*>("mnuExit")->trigger();
        QVERIFY(f.app.window.welcomePanelVisible());
        QVERIFY(f.app.window.isVisible());

        f.app.launch(0)->parentWidget()->close();
        QVERIFY(f.app.window.welcomePanelVisible());
        QCOMPARE(f.unloaded.size(), 2);
    }

    void closingTheMainWindowUnloadsCalculatorsFirst() {
        RecordingFixture f;
        f.app.launch(3);
        f.app.find<QPushButton>("cmdMdiExit")->click();
        QCOMPARE(f.unloaded, QStringList{nameOf(CalculatorKind::HeartAttack)});
        QVERIFY(!f.app.window.isVisible());
        QVERIFY(f.app.webPageOpener.opened.isEmpty());
        QVERIFY(f.app.messageBox.shown.isEmpty());
    }

    void fileExitClosesTheMainWindow() {
        AppFixture app;
        app.find<QAction>("mnuExit")->trigger();
        QVERIFY(!app.window.isVisible());
    }

    void calculatorStaysCentredWhenTheWindowIsResized() {
        RecordingFixture f;
        QWidget* holder = f.app.launch(2)->parentWidget();
        f.app.window.resize(f.app.window.width() + 300, f.app.window.height());
        QApplication::processEvents();
        const int free = f.app.window.clientArea()->viewport()->width() - holder->width();
        QCOMPARE(holder->x(), free / 2);
        QCOMPARE(holder->y(), 0);
    }

    void welcomeCaptionsStayInsideTheWindow() {
        AppFixture app;
        const QWidget* panel = app.find("picMain");
        for (int i = 0; i < 7; ++i) {
            const QWidget* label = app.find(QStringLiteral("lblCaption_%1").arg(i));
            QVERIFY(label->x() >= 0);
            QVERIFY(label->geometry().right() < panel->width());
            QVERIFY(qAbs(label->x() + label->width() / 2 - panel->width() / 2) <= 1);
        }
    }

    void hoverUnderlinesOnlyTheCalculatorCaptions() {
        AppFixture app;
        auto* panel = app.find("picMain");
        auto caption = [&](int i) {
            return app.find<QLabel>(QStringLiteral("lblCaption_%1").arg(i));
        };
        for (int i = 0; i < 7; ++i) {
            QTest::mouseMove(caption(i), QPoint(5, 5));
            QCOMPARE(caption(i)->font().underline(), i >= 3);
        }
        // Moving over other captions leaves earlier underlines; the background clears them all.
        QVERIFY(caption(3)->font().underline());
        QTest::mouseMove(panel, QPoint(2, panel->height() - 2));
        for (int i = 0; i < 7; ++i)
            QVERIFY(!caption(i)->font().underline());
        QCOMPARE(caption(6)->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(caption(1)->cursor().shape(), Qt::ArrowCursor);
    }

    void linksOpenTheirPages_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<WebPage>("page");
        QTest::newRow("forum banner") << "lblRavensillBanner" << WebPage::HomePage;
        QTest::newRow("banner strip") << "Picture6" << WebPage::HomePage;
        QTest::newRow("branding advert") << "Label7" << WebPage::FullBrandPage;
        QTest::newRow("online help") << "mnuOnline" << WebPage::OnlineHelp;
        QTest::newRow("visit us") << "mnuVisit" << WebPage::HomePage;
        QTest::newRow("update") << "mnuUpdate" << WebPage::DownloadPage;
    }

    void linksOpenTheirPages() {
        QFETCH(QString, control);
        QFETCH(WebPage, page);
        AppFixture app;
        if (auto* action = app.find<QAction>(control))
            action->trigger();
        else
            QTest::mouseClick(app.find(control), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(app.webPageOpener.opened, QStringList{pageAddress(page)});
        QVERIFY(app.messageBox.shown.isEmpty());
    }

    void pagesHangOffOneSiteAddress() {
        QStringList addresses;
        for (const WebPage page : {WebPage::OnlineHelp, WebPage::HomePage, WebPage::DownloadPage,
                                   WebPage::FullBrandPage, WebPage::CoBrandPage}) {
            QVERIFY(pageAddress(page).startsWith(QStringLiteral("https://") + siteHost() + '/'));
            addresses << pageAddress(page);
        }
        addresses.removeDuplicates();
        QCOMPARE(addresses.size(), 5);
    }

    void calculatorWindowsCarryTheSharedDecorations_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("banner");
        QTest::addColumn<QString>("makeMoney");
        QTest::addColumn<QString>("advertInFront");
        QTest::addColumn<WebPage>("advertPage");
        QTest::newRow("calorie") << 0 << "Label61"
                                 << "mnuMakeMoneyOnline"
                                 << "lblCobrand" << WebPage::CoBrandPage;
        QTest::newRow("cholesterol") << 1 << "Label14"
                                     << "mnuMakeMoney"
                                     << "lblFullBrand" << WebPage::FullBrandPage;
        QTest::newRow("diabetes") << 2 << "Label14"
                                  << "mnuMakeMoney"
                                  << "lblFullBrand" << WebPage::FullBrandPage;
        QTest::newRow("heart attack") << 3 << "Label14"
                                      << "mnuMakeMoney"
                                      << "lblFullBrand" << WebPage::FullBrandPage;
    }

    void calculatorWindowsCarryTheSharedDecorations() {
        QFETCH(int, button);
        QFETCH(QString, banner);
        QFETCH(QString, makeMoney);
        QFETCH(QString, advertInFront);
        QFETCH(WebPage, advertPage);
        AppFixture app;
        CalculatorWindow* window = app.launch(button);
        QVERIFY(window);
        QCOMPARE(window->parentWidget()->windowTitle(), window->windowTitle());

        auto* money = window->findChild<QAction*>(makeMoney);
        QVERIFY(money);
        QVERIFY(!money->isEnabled());
        QCOMPARE(money->text(), QStringLiteral("Make Money &Online"));

        auto* front = window->findChild<QLabel*>(advertInFront);
        QVERIFY(front);
        const QPoint centre = front->rect().center();
        QCOMPARE(front->parentWidget()->childAt(front->mapToParent(centre)), front);
        QTest::mouseClick(front, Qt::LeftButton, {}, centre);
        QTest::mouseClick(window->findChild<QWidget*>(banner), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(app.webPageOpener.opened,
                 (QStringList{pageAddress(advertPage), pageAddress(WebPage::HomePage)}));

        // A doubled ampersand is shown as one.
        const QString coBrand = window->findChild<QLabel*>("lblCobrand")->text();
        QVERIFY(coBrand.contains(QStringLiteral("site's name &  link here")));
        QVERIFY(!coBrand.contains(QStringLiteral("&&")));
    }

    void makeMoneyIsGreyedOutInTheMainWindow() {
        AppFixture app;
        QVERIFY(!app.find<QAction>("mkmoney")->isEnabled());
    }

    void aboutIsModalAndClosesWithEnterAndEscape_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }

    void aboutIsModalAndClosesWithEnterAndEscape() {
        QFETCH(int, key);
        AppFixture app;
        bool closedByKey = false;
        whileModal([&] { app.find<QAction>("mnuAbout")->trigger(); },
                   [&](QWidget* about) {
                       QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
                       QTest::keyClick(about, Qt::Key(key));
                       closedByKey = !about->isVisible();
                   });
        QVERIFY(closedByKey);
        QVERIFY(app.window.isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
