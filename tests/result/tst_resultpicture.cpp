// The result picture as a widget: the room its caption takes, and as a reader hears it.

#include "result/resultpicture.h"
#include "support/datarows.h"
#include "support/picturefixture.h"

#include <QAccessible>
#include <QImage>

using namespace wellbox;
using namespace wellbox::testing;

class TestResultPicture : public QObject {
    Q_OBJECT

private slots:
    // Every painting leaves the painter as it found it: Qt warns of a state saved and never
    // restored, or of a painter left active.
    void init() { QTest::failOnWarning(QRegularExpression("QPainter")); }
    // A screen reader hears each picture as an image named by its caption, word for word; from
    // captions.tsv.
    void heardAsItsCaption_data() { addRowsFrom("captions.tsv"); }
    void heardAsItsCaption() {
        QFETCH(QString, calculator);
        ResultPicture picture;
        picture.setPicture(examplePicture(calculator));
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(&picture);
        QCOMPARE(heard->role(), QAccessible::Graphic);
        QTEST(heard->text(QAccessible::Name), "caption");
    }

    // Laid out, the caption comes under the picture: under the figures taller than the
    // figures alone, and the height follows the width. It fits the size asked for, but not a
    // room lower than its own lines, nor a line narrower than a word of it.
    void captionTakesRoom() {
        ResultPicture picture;
        picture.setPicture(examplePicture("heart attack"));
        const QSize hint = picture.sizeHint();
        QVERIFY(hint.height() > qCeil(naturalSize(picture.picture()).height()));
        QVERIFY(picture.heightForWidth(2 * hint.width()) > picture.heightForWidth(hint.width()));
        for (const auto& [size, fits] : {std::pair{hint, true},
                                         {QSize(hint.width(), 4), false},
                                         {QSize(hint.width() / 8, 10 * hint.height()), false}}) {
            picture.resize(size);
            QCOMPARE(picture.captionFits(), fits);
        }
    }

    // Beside its picture, where the room is low, the caption makes the picture wider, not
    // taller: the height is the picture's own.
    void captionBeside() {
        ResultPicture picture;
        picture.setPicture(examplePicture("calorie"));
        const QSize below = picture.sizeHint();
        picture.setCaptionPlace(CaptionPlace::Beside);
        QVERIFY(!picture.hasHeightForWidth());
        QCOMPARE(picture.sizeHint().height(), qCeil(naturalSize(picture.picture()).height()));
        QVERIFY(picture.sizeHint().width() > below.width());
        // And it is drawn so: the picture's marks and the caption's letters on the ground.
        picture.resize(picture.sizeHint());
        const QImage drawn = picture.grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < drawn.height(); y += 2)
            for (int x = 0; x < drawn.width(); x += 2)
                colours.insert(drawn.pixel(x, y));
        QVERIFY(colours.size() > 3);
    }

    // The caption is drawn in the font and ink it is given, whatever the painter held before, as
    // a PDF's or a printer's painter holds its own.
    void captionInItsOwnFontAndInk() {
        const PictureInk ink = inkFor("dark");
        const auto drawn = [&](bool heldItsOwn) {
            QImage image(240, 480, QImage::Format_ARGB32);
            image.fill(ink.ground);
            QPainter painter(&image);
            if (heldItsOwn) {
                painter.setFont(QFont("DejaVu Sans", 5));
                painter.setPen(Qt::red);
            }
            paintCaptionedPicture(painter, image.rect(), examplePicture("heart attack"), ink,
                                  QFont("DejaVu Sans", 12));
            return image;
        };
        QCOMPARE(drawn(true), drawn(false));
    }
};

QTEST_MAIN(TestResultPicture)
#include "tst_resultpicture.moc"
