#include "widgets/uistyle.h"

#include <QImage>
#include <QTest>

namespace ui = wellbox::ui;

class TestUiStyle : public QObject {
    Q_OBJECT

private slots:
    void artworkTakesThePicturesPixels_data() {
        QTest::addColumn<QByteArray>("name");
        for (const char* name : {"kestavo-wellbox", "calorie", "diabetes", "cholesterol", "heart"})
            QTest::newRow(name) << QByteArray(name);
    }

    // The bitmaps are read straight from memory; Qt's own reader is the yardstick.
    void artworkTakesThePicturesPixels() {
        QFETCH(QByteArray, name);
        const QImage taken = ui::artwork(name.constData()).toImage();
        const QImage read =
            QImage(QStringLiteral(":/icons/%1.bmp").arg(QLatin1String(name)), "BMP");
        QCOMPARE(taken.size(), QSize(64, 64));
        QCOMPARE(taken.convertToFormat(QImage::Format_ARGB32),
                 read.convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(TestUiStyle)
#include "tst_uistyle.moc"
