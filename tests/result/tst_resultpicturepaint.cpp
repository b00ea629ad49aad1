// The result pictures as drawn: counted in a rendered image turned grey, and kept as drawn.

#include "result/resultpicture.h"
#include "support/datarows.h"
#include "support/picturefixture.h"

#include <QImage>
#include <QPainter>
#include <QSet>

#include <optional>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// The picture, or one key of its caption, drawn on its ground into an image, turned grey.
QImage rendered(const ResultPictureData& picture, const PictureInk& ink, QSize size,
                std::optional<PictureKey> key = {}) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(ink.ground);
    QPainter painter(&image);
    key ? paintKey(painter, image.rect(), *key, ink)
        : paintPicture(painter, image.rect(), picture, ink);
    painter.end();
    return image.convertToFormat(QImage::Format_Grayscale8);
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

// The picture of a row of drawn.tsv: an age quiz's, or from its numbers a diabetes result's
// (weight and age answer) or a calorie result's (basal value, level, and the goals' range).
ResultPictureData rowPicture() {
    QFETCH(QString, calculator);
    QFETCH(QString, answers);
    QList<int> numbers;
    for (const QString& number : answers.split(' '))
        numbers << number.toInt();
    if (calculator == "diabetes")
        return diabetesScale(numbers.value(0), {numbers.value(1), 1, 0, 1, 1});
    if (calculator == "calorie") {
        auto bars =
            std::get<CalorieBars>(calorieOutlook(numbers.value(0), numbers.value(1)).picture);
        bars.goals = CalorieRange{std::int16_t(numbers.value(2)), std::int16_t(numbers.value(3))};
        return bars;
    }
    return ageQuizOutlook().picture;
}

} // namespace

class TestResultPicturePaint : public QObject {
    Q_OBJECT

private slots:
    // Every painting leaves the painter as it found it: Qt warns of a state saved and never
    // restored, or of a painter left active.
    void init() { QTest::failOnWarning(QRegularExpression("QPainter")); }
    // In the person's array as many figures filled as the risk states, in the low-risk
    // person's as many striped, each from the top left corner; a bound marks the left half of
    // the next figure alone; at any size, light or dark, in grey, and nothing drawn outside the
    // picture; from figures.tsv.
    void figures_data() { addRowsFrom("figures.tsv"); }
    void figures() {
        QFETCH(QString, palette);
        QFETCH(int, size);
        const ResultPictureData picture = ageQuizOutlook().picture;
        const PictureInk ink = inkFor(palette);
        const QImage grey = rendered(picture, ink, {size, size});
        std::array<QStringList, 2> seen; // each figure: "whole", "part" or nothing
        for (int array = 0; array < 2; ++array)
            for (int i = 0; i < 100; ++i) {
                const QRectF cell = figureCell(grey.rect(), array, i);
                // The body's left and right, at its middle's height.
                const auto at = [&](qreal x) {
                    return cell.topLeft() + QPointF(cell.width() * x, cell.height() * 0.75);
                };
                const auto looks = [&](qreal x) {
                    const qreal half = cell.width() * 0.1;
                    const QRect body =
                        QRectF(at(x) - QPointF(half, half), QSizeF(2 * half, 2 * half)).toRect();
                    int inkSeen = 0, all = 0, least = 255, most = 0;
                    for (int y = body.top(); y <= body.bottom(); ++y)
                        for (int x0 = body.left(); x0 <= body.right(); ++x0) {
                            const int value = qGray(grey.pixel(x0, y));
                            inkSeen += inked(grey, QPointF(x0, y), ink);
                            least = std::min(least, value);
                            most = std::max(most, value);
                            ++all;
                        }
                    // Filled: ink all over; striped: ink and ground in turn; faint: even.
                    return array == 0 ? 2 * inkSeen > all : most - least > 100;
                };
                const bool left = looks(0.34), right = looks(0.66);
                seen[std::size_t(array)] << (left && right ? "whole" : left ? "part" : "");
            }
        QTEST(int(seen[0].count("whole")), "filled");
        QTEST(int(seen[0].count("part")), "filledPart");
        QTEST(int(seen[1].count("whole")), "striped");
        QTEST(int(seen[1].count("part")), "stripedPart");
        // Counted from the corner: nothing unmarked before a marked figure.
        for (const QStringList& figures : seen)
            QCOMPARE(figures.lastIndexOf(QString()) + 1 >= figures.count(QString()), true);
        const QSizeF natural = naturalSize(picture);
        const qreal high = size * natural.height() / natural.width();
        const QRect outside(0, 0, size, int((size - high) / 2) - 1);
        QCOMPARE(markedIn(grey, outside, ink), 0);
    }

    // Each bar stands where it is said to, outlined, as high as its calories in proportion; the
    // chosen level's bar, and only it, is solid; in grey, light or dark. From caloriebars.tsv.
    void calorieBars_data() { addRowsFrom("caloriebars.tsv"); }
    void calorieBars() {
        QFETCH(int, basal);
        QFETCH(int, chosen);
        QFETCH(QString, palette);
        const auto picture = std::get<CalorieBars>(calorieOutlook(basal, chosen).picture);
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

    // The goals lie across the chosen level's bar from the least to the most, on the bars' scale
    // and inside the picture; outlined and striped, off the bar in ink and on it in the ground's
    // colour, the bar solid under them; in grey, light or dark. From goalband.tsv.
    void goalBand_data() { addRowsFrom("goalband.tsv"); }
    void goalBand() {
        QFETCH(int, basal);
        QFETCH(int, chosen);
        QFETCH(int, lowest);
        QFETCH(int, highest);
        QFETCH(QString, palette);
        auto picture = std::get<CalorieBars>(calorieOutlook(basal, chosen).picture);
        picture.goals = CalorieRange{std::int16_t(lowest), std::int16_t(highest)};
        const PictureInk ink = inkFor(palette);
        const QImage grey = rendered(picture, ink, {400, 400});
        const QRectF bar = levelBar(grey.rect(), picture, chosen);
        const QRectF band = wellbox::goalBand(grey.rect(), picture);
        const qreal perCalorie = bar.height() / picture.required.at(chosen);
        QCOMPARE(qRound(bar.bottom() - band.top()), qRound(highest * perCalorie));
        QCOMPARE(qRound(bar.bottom() - band.bottom()), qRound(lowest * perCalorie));
        QVERIFY(band.left() < bar.left() && band.right() > bar.right());
        // The chosen level's value over the band, whole inside the picture, which is centred.
        const QSizeF natural = naturalSize(picture);
        const qreal top = (400 - natural.height() * 400 / natural.width()) / 2;
        QCOMPARE(markedIn(grey, QRectF(band.left(), 0, band.width(), top).toRect(), ink), 0);
        QVERIFY(markedIn(grey, QRectF(band.left(), top, band.width(), band.top() - top).toRect(),
                         ink) > 0);
        for (const qreal x : {band.left(), band.right() - 0.5})
            QVERIFY(marked(grey, QPointF(x, band.center().y()), ink));
        // A share of an area inside the band marked: some, not all, as stripes are.
        const auto striped = [&](qreal top, qreal bottom, const QRectF& across) {
            const QRect area =
                QRectF(across.left() + 2, top + 2, across.width() - 4, bottom - top - 4).toRect();
            const double share = double(markedIn(grey, area, ink)) / (area.width() * area.height());
            return share > 0.1 && share < 0.9;
        };
        if (band.top() < bar.top()) // off the bar, above it
            QVERIFY(striped(band.top(), std::min(bar.top(), band.bottom()), band));
        if (band.bottom() > bar.top()) // on the bar
            QVERIFY(striped(std::max(band.top(), bar.top()), band.bottom(), bar));
        QVERIFY(inked(grey, QPointF(bar.center().x(), band.bottom() + 2), ink));
    }

    // The scale shows the score, from its bottom to its top: the pointer where it lies, its mark
    // going on from the pointer's tip across the bar with the ground kept clear of stripes about
    // it; and the higher the band, the denser its stripes: none, one way, both ways. From
    // scale.tsv.
    void scale_data() { addRowsFrom("scale.tsv"); }
    void scale() {
        QFETCH(int, weight);
        QFETCH(int, age);
        const ScoreScale picture = diabetesScale(weight, {age, 1, 0, 1, 1});
        QTEST(int(picture.score), "score");
        const PictureInk ink = PictureInk::paper();
        const QImage grey = rendered(picture, ink, {400, 400});
        const QRectF pointer = scorePointer(grey.rect(), picture);
        QVERIFY(inked(grey, pointer.topLeft() + QPointF(pointer.width() / 3, pointer.height() / 2),
                      ink));
        QVERIFY(inked(grey, pointer.center() + QPointF(pointer.width(), 0), ink));
        // How much of the bar beside the pointer's tip is marked over the rows of the scores from
        // `low` to `high`, a score's rows as high as the step from one to the next.
        ScoreScale next = picture;
        ++next.score;
        const qreal step = scorePointer(grey.rect(), next).center().y() - pointer.center().y();
        const auto share = [&](qreal low, qreal high) {
            const QRect rows = QRectF(pointer.right() + pointer.width() / 2,
                                      pointer.center().y() + (high - picture.score) * step,
                                      pointer.width() / 2, (low - high) * step)
                                   .toRect();
            return double(markedIn(grey, rows, ink)) / (rows.width() * rows.height());
        };
        QCOMPARE(share(picture.score + 0.4, picture.score + 0.6), 0.0);
        QCOMPARE(share(0.7, 1.3), 0.0);
        QVERIFY(share(5.7, 6.3) > 0);
        QVERIFY(share(17.7, 18.3) > 1.5 * share(5.7, 6.3));
    }

    // The band the score lies in is named in bold: its name takes more ink than when the score
    // lies in another band.
    void scoresBandInBold() {
        const PictureInk ink = PictureInk::paper();
        const auto lowestBandsName = [&](int weight, int age) {
            ScoreScale picture = diabetesScale(weight, {age, 1, 0, 1, 1});
            const QImage grey = rendered(picture, ink, {400, 400});
            picture.score = 0;
            const qreal bottom = scorePointer(grey.rect(), picture).center().y();
            picture.score = 3;
            const qreal top = scorePointer(grey.rect(), picture).center().y();
            // Right of the bar, where the bands' names are.
            return markedIn(
                grey, QRectF(grey.width() * 0.55, top, grey.width() * 0.45, bottom - top).toRect(),
                ink);
        };
        QVERIFY(lowestBandsName(150, 0) > 1.1 * lowestBandsName(191, 2));
    }

    // A level of no calories has its value over its line, as a level above none has; a level
    // below none, under it.
    void valueOverOrUnderItsLine_data() {
        QTest::addColumn<int>("basal");
        QTest::addColumn<bool>("over");
        QTest::newRow("none") << 0 << true;
        QTest::newRow("below none") << -750 << false;
    }
    void valueOverOrUnderItsLine() {
        QFETCH(int, basal);
        QFETCH(bool, over);
        const auto picture = std::get<CalorieBars>(calorieOutlook(basal, 0).picture);
        const PictureInk ink = inkFor("light");
        const QImage grey = rendered(picture, ink, {400, 400});
        const QRectF bar = levelBar(grey.rect(), picture, 2);
        const int side = int(bar.width());
        const QRect above(int(bar.left()), int(bar.top()) - 3 - side, side, side);
        const QRect under(int(bar.left()), int(bar.bottom()) + 3, side, side);
        QCOMPARE(markedIn(grey, above, ink) > 0, over);
        QCOMPARE(markedIn(grey, under, ink) > 0, !over);
    }

    // A painter handed over with a brush and pen of its own, as a document's page may hand it,
    // draws each picture as a new painter does.
    void drawnWhateverThePaintersState_data() {
        QTest::addColumn<QString>("calculator");
        for (const char* calculator : {"heart attack", "diabetes", "calorie"})
            QTest::newRow(calculator) << QString(calculator);
    }
    void drawnWhateverThePaintersState() {
        QFETCH(QString, calculator);
        const ResultPictureData picture = examplePicture(calculator);
        const PictureInk ink = inkFor("light");
        const QImage plain = rendered(picture, ink, {300, 300});
        QImage image({300, 300}, QImage::Format_ARGB32);
        image.fill(ink.ground);
        QPainter painter(&image);
        painter.setBrush(Qt::gray);
        painter.setPen(QPen(Qt::darkGray, 5));
        paintPicture(painter, image.rect(), picture, ink);
        painter.end();
        QVERIFY(image.convertToFormat(QImage::Format_Grayscale8) == plain);
    }

    // The patterns' and the unmarked figures' inks lie between the ground and the ink, the
    // patterns' nearer the ink, in each channel: on paper, under a dark theme and a coloured one.
    void inksBetweenGroundAndInk() {
        QPalette coloured(QColor(20, 40, 90));
        coloured.setColor(QPalette::WindowText, QColor(250, 220, 120));
        for (const PictureInk& ink :
             {PictureInk::paper(), inkFor("dark"), PictureInk::of(coloured)})
            for (const auto channel : {&QColor::red, &QColor::green, &QColor::blue}) {
                const int ground = (ink.ground.*channel)(), marked = (ink.ink.*channel)();
                const int mid = (ink.mid.*channel)(), faint = (ink.faint.*channel)();
                QVERIFY(std::abs(mid - marked) <= std::abs(faint - marked));
                QVERIFY(std::abs(faint - ground) <= std::abs(mid - ground));
                QVERIFY(std::min(ground, marked) <= faint && faint <= std::max(ground, marked));
                QVERIFY(std::min(ground, marked) <= mid && mid <= std::max(ground, marked));
            }
    }

    // The goals' key is striped, told apart from the solid and the hollow bar's keys.
    void goalKeyStriped() {
        const PictureInk ink = PictureInk::paper();
        const QRect middle(25, 25, 10, 10); // inside a bar's outline
        const auto share = [&](PictureKey key) {
            return double(markedIn(rendered({}, ink, {60, 60}, key), middle, ink)) / 100;
        };
        QVERIFY(share(PictureKey::GoalBand) > 0.1 && share(PictureKey::GoalBand) < 0.9);
        QVERIFY(share(PictureKey::ChosenLevel) > 0.9);
        QVERIFY(share(PictureKey::Levels) < 0.1);
    }

    // The basal value's key is a line of dashes and gaps across the middle of its square.
    void basalKeyDashed() {
        const PictureInk ink = PictureInk::paper();
        const QImage grey = rendered({}, ink, {60, 60}, PictureKey::Basal);
        const int onTheLine = markedIn(grey, QRect(0, 30, 60, 1), ink);
        QVERIFY(onTheLine > 15 && onTheLine < 45);
        QCOMPARE(markedIn(grey, grey.rect(), ink), markedIn(grey, QRect(0, 25, 60, 11), ink));
    }

    // Each picture drawn as it was when last looked at, its caption under it or beside it, at
    // the size it asks for and at the least, light and dark: in grey, pixel for pixel within a
    // few levels, as antialiasing may round apart. From drawn.tsv, its images in drawn/,
    // and WELLBOX_RECORD_PICTURES=1 draws them anew, to be looked at before they are kept.
    void drawnAsRecorded_data() { addRowsFrom("drawn.tsv"); }
    void drawnAsRecorded() {
        QFETCH(QString, place);
        QFETCH(QString, size);
        QFETCH(QString, palette);
        QFETCH(QString, image);
        ResultPicture picture;
        picture.setPicture(rowPicture());
        picture.setCaptionPlace(place == "beside" ? CaptionPlace::Beside : CaptionPlace::Below);
        picture.setPalette(palette == "light" ? QPalette(Qt::white) : QPalette(QColor(43, 43, 43)));
        QSize room = size == "least" ? picture.minimumSizeHint() : picture.sizeHint();
        if (place == "below")
            room.setHeight(picture.heightForWidth(room.width()));
        picture.resize(room);
        const QImage drawn = picture.grab().toImage().convertToFormat(QImage::Format_Grayscale8);
        const QString file = WELLBOX_TEST_DATA "drawn/" + image;
        if (qEnvironmentVariableIsSet("WELLBOX_RECORD_PICTURES"))
            QVERIFY(drawn.save(file));
        const QImage recorded = QImage(file).convertToFormat(QImage::Format_Grayscale8);
        QCOMPARE(drawn.size(), recorded.size());
        int apart = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                apart += std::abs(qGray(drawn.pixel(x, y)) - qGray(recorded.pixel(x, y))) > 24;
        const QString seen = QCoreApplication::applicationDirPath() + "/drawn-" + image;
        if (apart > 0)
            drawn.save(seen);
        QVERIFY2(apart == 0,
                 qPrintable(QString("%1 pixels apart; drawn: %2").arg(apart).arg(seen)));
    }
};

QTEST_MAIN(TestResultPicturePaint)
#include "tst_resultpicturepaint.moc"
