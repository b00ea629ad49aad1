#include "support/datarows.h"
#include "widgets/textfit.h"
#include "widgets/uistyle.h"

#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

namespace ui = wellbox::ui;

class TestUiStyle : public QObject {
    Q_OBJECT

private slots:
    void artworkTakesThePicturesPixels_data() { wellbox::testing::addRowsFrom("artwork.tsv"); }

    // The bitmaps are read straight from memory; Qt's own reader is the yardstick, through a
    // pixmap too: how its premultiplied pixels round differs between processors.
    void artworkTakesThePicturesPixels() {
        QFETCH(QString, name);
        const QImage taken = ui::artwork(qPrintable(name)).toImage();
        const QImage read = QPixmap(QStringLiteral(":/icons/%1.bmp").arg(name), "BMP").toImage();
        QCOMPARE(taken.size(), QSize(64, 64));
        QCOMPARE(taken.convertToFormat(QImage::Format_ARGB32),
                 read.convertToFormat(QImage::Format_ARGB32));
    }

    // A translated layout made to fit by smaller texts starts again from their own size when its
    // room changes, and a caption's minimum width with them.
    void fittingStartsFromTheOwnSize() {
        QPushButton button("Caption");
        QFont font = button.font();
        font.setPointSizeF(10);
        button.setFont(font);
        button.setMinimumWidth(200);
        // Each try a step smaller than the one before.
        QList<qreal> tried;
        ui::shrinkUntil({&button}, [&] {
            tried << button.font().pointSizeF();
            return tried.size() > 3;
        });
        QCOMPARE(tried.first(), 10.0);
        QVERIFY(tried[1] < tried[0] && tried[2] < tried[1] && tried[3] < tried[2]);
        QVERIFY(button.minimumWidth() < 200);
        // A layout that never fits ends at three fifths of the own size, smaller not legible.
        ui::shrinkUntil({&button}, [] { return false; });
        QCOMPARE(button.font().pointSizeF(), 6.0);
        ui::shrinkUntil({&button}, [] { return true; });
        QCOMPARE(button.font().pointSizeF(), 10.0);
        QCOMPARE(button.minimumWidth(), 200);
    }

    // A caption as a label shows it: a doubled mark is one "&", wherever it stands; a lone one
    // marks the access key and is not shown.
    void labelTextDropsTheAccessMark_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("access key") << "&Next"
                                    << "Next";
        QTest::newRow("doubled inside") << "Fish && &Chips"
                                        << "Fish & Chips";
        QTest::newRow("doubled at the end") << "Salt &&"
                                            << "Salt &";
        QTest::newRow("lone at the end") << "Salt &"
                                         << "Salt ";
    }
    void labelTextDropsTheAccessMark() {
        QFETCH(QString, caption);
        QTEST(wellbox::ui::labelText(caption), "shown");
    }
};

QTEST_MAIN(TestUiStyle)
#include "tst_uistyle.moc"
