#include "support/datarows.h"
#include "widgets/uistyle.h"

#include <QImage>
#include <QTest>

namespace ui = wellbox::ui;

class TestUiStyle : public QObject {
    Q_OBJECT

private slots:
    void artworkTakesThePicturesPixels_data() { wellbox::testing::addRowsFrom("artwork.tsv"); }

    // The bitmaps are read straight from memory; Qt's own reader is the yardstick.
    void artworkTakesThePicturesPixels() {
        QFETCH(QString, name);
        const QImage taken = ui::artwork(qPrintable(name)).toImage();
        const QImage read = QImage(QStringLiteral(":/icons/%1.bmp").arg(name), "BMP");
        QCOMPARE(taken.size(), QSize(64, 64));
        QCOMPARE(taken.convertToFormat(QImage::Format_ARGB32),
                 read.convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(TestUiStyle)
#include "tst_uistyle.moc"
