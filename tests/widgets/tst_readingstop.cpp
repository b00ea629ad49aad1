// The stops a screen reader's Tab reaches over the lines of a text.

#include "support/nowindowleft.h"
#include "widgets/readingstop.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

using namespace wellbox;

class TestReadingStop : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { wellbox::testing::checkNoWindowLeft(); }

    // Each stop lies over its text, and over it still once the text is laid out anew.
    void liesOverItsText() {
        QLabel text("One\nTwo");
        text.resize(100, 20);
        const QList<ReadingStop*> stops = ReadingStop::over(&text, [] {
            return QStringList{"One", "Two"};
        });
        text.show();
        text.resize(200, 40);
        for (const ReadingStop* stop : stops)
            QCOMPARE(stop->geometry(), text.rect());
        // Heard as its line, text that cannot be changed.
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(stops.last());
        QCOMPARE(heard->role(), QAccessible::StaticText);
        QCOMPARE(heard->text(QAccessible::Name), "Two");
    }

    // Tab reaches each line in turn and passes a stop whose line is empty now.
    void tabPassesAnEmptyLine() {
        QWidget window;
        auto* column = new QVBoxLayout(&window);
        auto* before = new QPushButton("Before");
        auto* text = new QLabel("Two");
        column->addWidget(before);
        column->addWidget(text);
        const QList<ReadingStop*> stops = ReadingStop::over(text, [] {
            return QStringList{"", "Two"};
        });
        QWidget::setTabOrder(before, stops[0]);
        QWidget::setTabOrder(stops[0], stops[1]);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), stops[1]);
    }
};

QTEST_MAIN(TestReadingStop)
#include "tst_readingstop.moc"
