#include "app/aboutdialog.h"
#include "support/platformfakes.h"
#include "widgets/helplinks.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace wellbox;
using namespace wellbox::testing;

class TestAboutDialog : public QObject {
    Q_OBJECT

private slots:
    void layoutAsDesigned() {
        FakeWebPageOpener opener;
        HelpLinks links(opener);
        AboutDialog about(links);
        QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(about.windowTitle(), QStringLiteral("Kestavo Wellbox I v1.15"));
        QCOMPARE(about.size(), QSize(454, 258));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QVERIFY(!(about.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(about.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(about.findChild<QLabel*>("Label2")->text(),
                 QStringLiteral("Kestavo Wellbox I v1.15"));
        QVERIFY(about.findChild<QLabel*>("Label3")->text().endsWith(QStringLiteral("website. ")));
        auto* ok = about.findChild<QPushButton*>("cmdOK");
        QCOMPARE(ok->text(), QStringLiteral("&OK"));
        QVERIFY(ok->isDefault());
    }

    void everyControlFitsInsideTheWindow() {
        FakeWebPageOpener opener;
        HelpLinks links(opener);
        AboutDialog about(links);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QRect inside = about.rect();
        for (const QWidget* child : about.findChildren<QWidget*>()) {
            QVERIFY2(inside.contains(child->geometry()), qPrintable(child->objectName()));
            if (const auto* label = qobject_cast<const QLabel*>(child); label && label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                         qPrintable(child->objectName()));
        }
    }

    void linksOpenTheirPages_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<WebPage>("page");
        QTest::newRow("home page") << "lblHomePage" << WebPage::HomePage;
        QTest::newRow("more details goes to full branding")
            << "lblCoBrand" << WebPage::FullBrandPage;
    }

    void linksOpenTheirPages() {
        QFETCH(QString, label);
        QFETCH(WebPage, page);
        FakeWebPageOpener opener;
        HelpLinks links(opener);
        AboutDialog about(links);
        about.show();
        auto* link = about.findChild<QLabel*>(label);
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(opener.opened, QStringList{pageAddress(page)});
        QVERIFY(about.isVisible());
    }

    void okCloses() {
        FakeWebPageOpener opener;
        HelpLinks links(opener);
        AboutDialog about(links);
        about.show();
        QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
