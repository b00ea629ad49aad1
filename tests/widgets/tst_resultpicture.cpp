// The result pictures as a reader sees them: counted in a rendered image turned grey, and heard
// by a screen reader.

#include "scoring/resultreport.h"
#include "support/datarows.h"
#include "widgets/resultpicture.h"

#include <QAccessible>
#include <QImage>
#include <QPainter>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

PictureInk inkFor(const QString& palette) {
    if (palette == "light")
        return PictureInk::paper();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(43, 43, 43));
    dark.setColor(QPalette::WindowText, QColor(240, 240, 240));
    return PictureInk::of(dark);
}

// The picture drawn on its ground into a square image, then turned grey.
QImage rendered(const ResultPictureData& picture, const PictureInk& ink, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(ink.ground);
    QPainter painter(&image);
    paintPicture(painter, image.rect(), picture, ink);
    painter.end();
    return image.convertToFormat(QImage::Format_Grayscale8);
}

// Whether a pixel reads as the ink rather than the ground, in grey.
bool inked(const QImage& grey, QPointF at, const PictureInk& ink) {
    const int value = qGray(grey.pixel(at.toPoint()));
    return std::abs(value - qGray(ink.ink.rgb())) < std::abs(value - qGray(ink.ground.rgb())) / 3;
}

// Whether any pixel of a part of the cell away from the figure differs from the ground.
bool striped(const QImage& grey, const QRectF& cell, const PictureInk& ink) {
    const QRect corner =
        QRectF(cell.left() + cell.width() * 0.02, cell.top() + cell.height() * 0.02,
               cell.width() * 0.16, cell.height() * 0.38)
            .toRect();
    for (int y = corner.top(); y <= corner.bottom(); ++y)
        for (int x = corner.left(); x <= corner.right(); ++x)
            if (std::abs(qGray(grey.pixel(x, y)) - qGray(ink.ground.rgb())) > 40)
                return true;
    return false;
}

// The bars of a calorie result for a basal value, as its report works them out.
ResultPictureData caloriePicture(int basal, int chosen) {
    using namespace modCalorieCalculator;
    const auto b = std::int16_t(basal);
    return calorieReport({{.basal = b}, "", ""}, ComputeRequiredCalories(b, ActivityLevel(chosen)),
                         {"Sedentary", "Light", "Moderate", "High", "Higher"})
        .outlook.picture;
}

ResultPictureData examplePicture(const QString& calculator) {
    if (calculator == "diabetes")
        return modDiabetesRiskCalculator::diabetesOutlook({6, 191, {1, 0, 1, 1, 1}}).picture;
    if (calculator == "calorie")
        return caloriePicture(1671, 2);
    const AgeQuizAnswers heart{50, Sex::Male, {0, 0, 6, 7, 8, 1}};
    return modHeartAttack::heartAttackOutlook(heart).picture;
}

} // namespace

class TestResultPicture : public QObject {
    Q_OBJECT

private slots:
    // As many figures filled and striped as the risks state, at any size, light or dark, in
    // grey; from figures.tsv.
    void figures_data() { addRowsFrom("figures.tsv"); }
    void figures() {
        QFETCH(QString, calculator);
        QFETCH(QString, palette);
        QFETCH(int, size);
        QFETCH(int, filled);
        QFETCH(int, striped);
        const bool heart = calculator == "heart attack";
        const AgeQuizAnswers in =
            ageQuizAnswers(heart ? modHeartAttack::HeartAttackQuestions
                                 : modCholesterolCalculator::CholesterolQuestions);
        const ResultPictureData picture =
            heart ? modHeartAttack::heartAttackOutlook(in).picture
                  : modCholesterolCalculator::cholesterolOutlook(in).picture;
        const PictureInk ink = inkFor(palette);
        const QImage grey = rendered(picture, ink, size);
        int filledSeen = 0, stripedSeen = 0;
        for (int i = 0; i < 100; ++i) {
            const QRectF cell = figureCell(grey.rect(), i);
            // The middle of the figure's body.
            filledSeen +=
                inked(grey, cell.topLeft() + QPointF(cell.width() / 2, cell.height() * 0.75), ink);
            stripedSeen += ::striped(grey, cell, ink);
        }
        QCOMPARE(filledSeen, filled);
        QCOMPARE(stripedSeen, striped);
    }

    // The chosen level's bar, and only it, is solid; in grey, light or dark.
    void calorieBars_data() {
        QTest::addColumn<int>("basal");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("palette");
        QTest::newRow("1671, moderate, light") << 1671 << 2 << "light";
        QTest::newRow("1671, higher, dark") << 1671 << 4 << "dark";
        QTest::newRow("-750, sedentary, light") << -750 << 0 << "light";
    }
    void calorieBars() {
        QFETCH(int, basal);
        QFETCH(int, chosen);
        QFETCH(QString, palette);
        const auto picture = std::get<CalorieBars>(caloriePicture(basal, chosen));
        const PictureInk ink = inkFor(palette);
        const QImage grey = rendered(picture, ink, 400);
        QStringList solid;
        // Near both ends of the bar, clear of the basal line.
        for (std::size_t level = 0; level < picture.required.size(); ++level) {
            const QRectF bar = levelBar(grey.rect(), picture, level);
            if (inked(grey, bar.center() - QPointF(0, bar.height() * 0.4), ink) &&
                inked(grey, bar.center() + QPointF(0, bar.height() * 0.4), ink))
                solid << QString::number(level);
        }
        QCOMPARE(solid.join(u' '), QString::number(chosen));
    }

    // The score's pointer is drawn where the score lies, from the bottom of the scale to its top.
    void scorePointer_data() {
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("age"); // the answer's position: under 45, 45 to 64, 65 or more
        QTest::newRow("score 0") << 150 << 0;
        QTest::newRow("score 10") << 191 << 1;
        QTest::newRow("score 14") << 191 << 2;
    }
    void scorePointer() {
        QFETCH(int, weight);
        QFETCH(int, age);
        const auto picture = std::get<ScoreScale>(
            modDiabetesRiskCalculator::diabetesOutlook({6, std::int16_t(weight), {age, 1, 0, 1, 1}})
                .picture);
        const PictureInk ink = PictureInk::paper();
        const QImage grey = rendered(picture, ink, 400);
        const QRectF pointer = wellbox::scorePointer(grey.rect(), picture);
        QVERIFY(inked(grey, pointer.topLeft() + QPointF(pointer.width() / 3, pointer.height() / 2),
                      ink));
    }

    // A screen reader hears each picture as an image named by its caption, word for word.
    void heardAsItsCaption_data() {
        QTest::addColumn<QString>("calculator");
        QTest::addColumn<QString>("caption");
        QTest::newRow("heart attack") << "heart attack"
                                      << "23 in 100 men like you; 6 in 100 with low-risk answers";
        QTest::newRow("diabetes") << "diabetes"
                                  << "Score 16 on a scale of 0 to 22: High Risk (10 or more)";
        QTest::newRow("calorie") << "calorie"
                                 << "Moderate: 2506 calories a day; the five levels: 2005, 2298, "
                                    "2506, 2841, 3342; basal calories: 1671";
    }
    void heardAsItsCaption() {
        QFETCH(QString, calculator);
        QFETCH(QString, caption);
        ResultPicture picture;
        picture.setPicture(examplePicture(calculator));
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(&picture);
        QVERIFY(heard);
        QCOMPARE(heard->role(), QAccessible::Graphic);
        QCOMPARE(heard->text(QAccessible::Name), caption);
        QCOMPARE(picture.caption(), caption);
    }

    // Laid out, the caption comes under the picture: taller than wide for the figures, and the
    // height follows the width.
    void captionTakesRoom() {
        ResultPicture picture;
        picture.setPicture(examplePicture("heart attack"));
        const QSize hint = picture.sizeHint();
        QVERIFY(hint.height() > hint.width());
        QVERIFY(picture.heightForWidth(2 * hint.width()) > picture.heightForWidth(hint.width()));
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
    }
};

QTEST_MAIN(TestResultPicture)
#include "tst_resultpicture.moc"
