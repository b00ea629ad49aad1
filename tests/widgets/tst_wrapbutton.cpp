#include "widgets/wrapbutton.h"

#include <QImage>
#include <QTest>

using namespace wellbox;

namespace {

// The rows of `image` holding a pixel of the caption's red, softened at its edges or not.
int inkedRows(const QImage& image) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor pixel = image.pixelColor(x, y);
                pixel.red() > 2 * pixel.green() + 40 && pixel.red() > 2 * pixel.blue() + 40) {
                ++rows;
                break;
            }
    return rows;
}

QImage drawn(const QString& caption, int width) {
    WrapButton button(caption);
    QPalette palette = button.palette();
    palette.setColor(QPalette::ButtonText, Qt::red);
    button.setPalette(palette);
    button.resize(width, 60);
    return button.grab().toImage();
}

} // namespace

class TestWrapButton : public QObject {
    Q_OBJECT

private slots:
    // The caption is drawn, on more lines where the button is too narrow for it on one, and
    // its access key's ampersand is not.
    void captionWraps() {
        const int oneLine = inkedRows(drawn("&Main Screen", 200));
        QVERIFY(oneLine > 0);
        QVERIFY(inkedRows(drawn("&Main Screen", 50)) > oneLine * 3 / 2);
        QCOMPARE(inkedRows(drawn("", 200)), 0);
    }

    // Around the caption it is a push button, drawn as one is in the style of the day.
    void drawnAsAPushButton() {
        WrapButton wrapping("");
        QPushButton plain("");
        for (QPushButton* button : {static_cast<QPushButton*>(&wrapping), &plain})
            button->resize(120, 40);
        QCOMPARE(wrapping.grab().toImage(), plain.grab().toImage());
    }
};

QTEST_MAIN(TestWrapButton)
#include "tst_wrapbutton.moc"
