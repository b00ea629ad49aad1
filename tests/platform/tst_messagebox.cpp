#include "platform/qtmessagebox.h"
#include "platform/version.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace wellbox;

class TestMessageBox : public QObject {
    Q_OBJECT

private slots:
    // The box is made as it will be shown (and never shown here): our title, the text as plain
    // text on lines of its own, the buttons asked for, Enter pressing the first of them.
    void made_data() {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<int>("shownIcon");
        QTest::addColumn<int>("standardButtons");
        QTest::addColumn<int>("defaultButton");
        QTest::addRow("stop, Ok") << MessageIcon::Stop << MessageButtons::Ok
                                  << int(QMessageBox::Critical) << int(QMessageBox::Ok)
                                  << int(QMessageBox::Ok);
        QTest::addRow("information, Yes No")
            << MessageIcon::Information << MessageButtons::YesNo << int(QMessageBox::Information)
            << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::Yes);
    }

    void made() {
        QFETCH(MessageIcon, icon);
        QFETCH(MessageButtons, buttons);
        const auto box = QtMessageBox::makeBox(nullptr, "<b>One</b>\rTwo", icon, buttons);
        QCOMPARE(box->windowTitle(), QString::fromLatin1(kApplicationTitle));
        QCOMPARE(box->text(), "<b>One</b>\nTwo");
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QTEST(int(box->icon()), "shownIcon");
        QTEST(int(box->standardButtons()), "standardButtons");
        QTEST(int(box->standardButton(box->defaultButton())), "defaultButton");
        QVERIFY(!box->isVisible());
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
