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

// What `paint` draws into an image of `size` on the ground, turned grey.
template <typename Paint> QImage rendered(const PictureInk& ink, QSize size, Paint paint) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(ink.ground);
    QPainter painter(&image);
    paint(painter, QRectF(image.rect()));
    painter.end();
    return image.convertToFormat(QImage::Format_Grayscale8);
}

QImage rendered(const ResultPictureData& picture, const PictureInk& ink, QSize size) {
    return rendered(ink, size, [&](QPainter& painter, const QRectF& target) {
        paintPicture(painter, target, picture, ink);
    });
}

// Whether a pixel reads as the ink rather than the ground, in grey.
bool inked(const QImage& grey, QPointF at, const PictureInk& ink) {
    const int value = qGray(grey.pixel(at.toPoint()));
    return std::abs(value - qGray(ink.ink.rgb())) < std::abs(value - qGray(ink.ground.rgb())) / 3;
}

// Whether a pixel differs from the ground, as any mark, stripe or outline does.
bool marked(const QImage& grey, QPointF at, const PictureInk& ink) {
    return std::abs(qGray(grey.pixel(at.toPoint())) - qGray(ink.ground.rgb())) > 40;
}

// How many pixels of an area are marked.
int markedIn(const QImage& grey, const QRect& area, const PictureInk& ink) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += marked(grey, QPointF(x, y), ink);
    return count;
}

// Whether any pixel of a part of the cell away from the figure is marked.
bool striped(const QImage& grey, const QRectF& cell, const PictureInk& ink) {
    return markedIn(grey,
                    QRectF(cell.left() + cell.width() * 0.02, cell.top() + cell.height() * 0.02,
                           cell.width() * 0.16, cell.height() * 0.38)
                        .toRect(),
                    ink) > 0;
}

// The bars of a calorie result for a basal value, as its report works them out.
ResultPictureData caloriePicture(int basal, int chosen) {
    using namespace modCalorieCalculator;
    const auto b = std::int16_t(basal);
    return calorieReport({{.basal = b}, "", ""}, ComputeRequiredCalories(b, ActivityLevel(chosen)),
                         {"Sedentary", "Light", "Moderate", "High", "Higher"})
        .outlook.picture;
}

// The diabetes scale for the sixth row of heights, a weight and the answers' positions.
ScoreScale diabetesScale(int weight, std::array<int, 5> answers) {
    return std::get<ScoreScale>(
        modDiabetesRiskCalculator::diabetesOutlook({6, std::int16_t(weight), answers}).picture);
}

ResultPictureData examplePicture(const QString& calculator) {
    if (calculator == "diabetes")
        return diabetesScale(191, {1, 0, 1, 1, 1});
    if (calculator == "calorie")
        return caloriePicture(1671, 2);
    const AgeQuizAnswers heart{50, Sex::Male, {0, 0, 6, 7, 8, 1}};
    return modHeartAttack::heartAttackOutlook(heart).picture;
}

// A score of 14 on the diabetes scale, drawn on paper, and how much of the bar is marked, across
// its inside, over the rows of the scores from `low` to `high`.
struct DrawnScale {
    ScoreScale picture = diabetesScale(191, {2, 1, 0, 1, 1});
    PictureInk ink = PictureInk::paper();
    QImage grey = rendered(picture, ink, {400, 400});

    double share(qreal low, qreal high) const {
        const QRect rows(QPoint(inside.first, qRound(y(high))),
                         QPoint(inside.second, qRound(y(low))));
        return double(markedIn(grey, rows, ink)) / (rows.width() * rows.height());
    }

private:
    // Where a score lies, going up from one to the next in even steps.
    qreal y(qreal score) const {
        const auto at = [this](int s) {
            ScoreScale moved = picture;
            moved.score = std::int16_t(s);
            return scorePointer(grey.rect(), moved).center().y();
        };
        return at(0) + score * (at(1) - at(0));
    }
    // The bar's inside, left and right, on a row of the lowest band, which has no stripes:
    // between the outline's sides after the pointer's tip.
    std::pair<int, int> findInside() const {
        int x = qCeil(scorePointer(grey.rect(), picture).right());
        const auto pass = [&](bool over) {
            while (marked(grey, QPointF(x, y(1)), ink) == over)
                ++x;
        };
        pass(false), pass(true);
        const int left = x + 1;
        pass(false);
        return {left, x - 2};
    }
    std::pair<int, int> inside = findInside();
};

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
        const QImage grey = rendered(picture, ink, {size, size});
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

    // Each bar stands where it is said to, outlined, as high as its calories in proportion; the
    // chosen level's bar, and only it, is solid; in grey, light or dark.
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
        const QImage grey = rendered(picture, ink, {400, 400});
        QStringList solid;
        const QRectF first = levelBar(grey.rect(), picture, 0);
        for (std::size_t level = 0; level < picture.required.size(); ++level) {
            const QRectF bar = levelBar(grey.rect(), picture, level);
            const qreal y = bar.top() + bar.height() / 3; // clear of the basal line
            QVERIFY(marked(grey, QPointF(bar.left(), y), ink));
            QVERIFY(marked(grey, QPointF(bar.right(), y), ink));
            QVERIFY(!marked(grey, QPointF(bar.left() - 3, y), ink));
            QVERIFY(!marked(grey, QPointF(bar.right() + 3, y), ink));
            QCOMPARE(qRound(bar.height() / first.height() * picture.required[0]),
                     picture.required[level]);
            // Near both ends of the bar, clear of the basal line.
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
        const ScoreScale picture = diabetesScale(weight, {age, 1, 0, 1, 1});
        const PictureInk ink = PictureInk::paper();
        const QImage grey = rendered(picture, ink, {400, 400});
        const QRectF pointer = wellbox::scorePointer(grey.rect(), picture);
        QVERIFY(inked(grey, pointer.topLeft() + QPointF(pointer.width() / 3, pointer.height() / 2),
                      ink));
    }

    // The higher the band, the denser its stripes: none, one way, both ways.
    void bandsDenserUpward() {
        const DrawnScale scale;
        QCOMPARE(scale.share(0.7, 1.3), 0.0);
        QVERIFY(scale.share(5.7, 6.3) > 0);
        QVERIFY(scale.share(17.7, 18.3) > 1.5 * scale.share(5.7, 6.3));
    }

    // The score's mark crosses the bar, the ground kept around it clear of its band's stripes.
    void scoreMarkedAcrossTheBar() {
        const DrawnScale scale;
        QCOMPARE(scale.share(14, 14), 1.0);
        QCOMPARE(scale.share(14.5, 14.5) + scale.share(13.5, 13.5), 0.0);
    }

    // The basal value's key is a dashed line across the middle of its square.
    void basalKeyDashed() {
        const PictureInk ink = PictureInk::paper();
        const QImage grey = rendered(ink, {60, 60}, [&](QPainter& painter, const QRectF& target) {
            paintKey(painter, target, PictureKey::Basal, ink);
        });
        int dashes = 0;
        for (int x = 0; x < grey.width(); ++x)
            dashes += marked(grey, QPointF(x, 30), ink) &&
                      (x == 0 || !marked(grey, QPointF(x - 1, 30), ink));
        QVERIFY(dashes >= 2);
        QCOMPARE(markedIn(grey, QRect(0, 0, 60, 25), ink) +
                     markedIn(grey, QRect(0, 36, 60, 24), ink),
                 0);
    }

    // Drawn into a place of another shape, a picture keeps to the middle of it at its own
    // proportions: nothing is drawn around it.
    void keepsToItsPlace_data() {
        QTest::addColumn<QString>("calculator");
        QTest::addColumn<QSize>("size");
        QTest::newRow("figures, tall") << "heart attack" << QSize(200, 300);
        QTest::newRow("scale, tall") << "diabetes" << QSize(300, 400);
        QTest::newRow("bars, wide") << "calorie" << QSize(600, 200);
    }
    void keepsToItsPlace() {
        QFETCH(QString, calculator);
        QFETCH(QSize, size);
        const PictureInk ink = PictureInk::paper();
        const ResultPictureData picture = examplePicture(calculator);
        const QImage grey = rendered(picture, ink, size);
        const QSizeF natural = naturalSize(picture);
        const QSizeF fitted =
            natural * std::min(size.width() / natural.width(), size.height() / natural.height());
        const QRect own =
            QRectF(QPointF(size.width() - fitted.width(), size.height() - fitted.height()) / 2,
                   fitted)
                .toAlignedRect();
        QCOMPARE(markedIn(grey, grey.rect(), ink), markedIn(grey, own, ink));
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
