#include "result/resultglance.h"

#include "result/glancegoals.h"
#include "result/scoringtext.h"
#include "scoring/resultreport.h"
#include "scoring/riskband.h"
#include "widgets/accessibility.h"
#include "widgets/readingstop.h"
#include "widgets/textfit.h"
#include "widgets/uistyle.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>

namespace wellbox {

namespace {

// Sizes of a result at a glance, in twips (15 to a pixel).
constexpr struct {
    int columnToPicture;
    int aboveReading;  // the reading and the lines after it, set apart from the window's texts
    int narrowestText; // the column is never narrower
    int aboveGoals;    // the goals under the column and the picture
} kGlanceSizes{.columnToPicture = 120, .aboveReading = 45, .narrowestText = 2400, .aboveGoals = 30};

QLabel* glanceLabel(const char* name, QWidget* parent) {
    auto* label = ui::named(new QLabel(parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(ui::font(ui::FontRole::Text));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The largest of `low` to `high` that `fits`, which holds up to some value and not beyond it;
// `low` where none does.
template <typename Fits> int largestFitting(int low, int high, Fits fits) {
    if (fits(high)) // mostly so, and each try lays out every text again
        return high;
    --high;
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (fits(middle))
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

// The smallest of `low` to `high` that `fits`, which holds from some value on; `high` where none
// does.
template <typename Fits> int smallestFitting(int low, int high, Fits fits) {
    return high - largestFitting(0, high - low, [&](int less) { return fits(high - less); });
}

} // namespace

ResultGlance::ResultGlance(CaptionPlace place, QWidget* parent)
    : QWidget(parent) {
    m_column = new QWidget(this);
    auto* column = new QVBoxLayout(m_column);
    column->setContentsMargins(0, 0, 0, 0);
    // Its spacing is the column's (setSpacing()).
    m_texts = new QVBoxLayout;
    m_texts->setContentsMargins(0, 0, 0, 0);
    column->addLayout(m_texts);
    column->addSpacing(ui::px(kGlanceSizes.aboveReading));
    m_reading = glanceLabel("lblReading", m_column);
    m_band = glanceLabel("lblBand", m_column);
    m_band->setFont(ui::font(ui::FontRole::Strong));
    m_remarks = glanceLabel("lblRemarks", m_column);
    m_outlook = glanceLabel("lblOutlook", m_column);
    column->addWidget(m_reading);
    column->addWidget(m_band);
    column->addWidget(m_remarks);
    column->addWidget(m_outlook);
    m_bodyMass = glanceLabel("lblBodyMass", m_column);
    m_secondEstimate = glanceLabel("lblSecondEstimate", m_column);
    column->addWidget(m_bodyMass);
    column->addWidget(m_secondEstimate);
    column->addStretch(1);
    m_goals = new GlanceGoals(this);
    m_picture = ui::named(new ResultPicture(this), "picResult");
    m_picture->setCaptionPlace(place);
}

void ResultGlance::addText(QWidget* text) {
    m_texts->addWidget(text);
    // The report's lines line up with the window's texts above them.
    if (const auto* label = qobject_cast<const QLabel*>(text))
        for (QLabel* line : {m_reading, m_band, m_remarks, m_outlook, m_bodyMass, m_secondEstimate})
            line->setAlignment((label->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
}

void ResultGlance::setSpacing(int pixels) {
    m_column->layout()->setSpacing(pixels);
}

void ResultGlance::setReport(const ResultReport& report) {
    m_reading->setText(ui::scoringText(report.reading));
    const auto showLines = [](QLabel* label, const std::vector<Phrase>& phrases) {
        QStringList lines;
        for (const Phrase& line : phrases)
            lines << ui::scoringText(line);
        label->setText(lines.join(u'\n'));
        label->setVisible(!lines.isEmpty());
    };
    showLines(m_band, report.band ? std::vector{*report.band} : std::vector<Phrase>{});
    m_band->setToolTip(report.band ? ui::scoringText(bandSource()) : QString());
    showLines(m_remarks, report.remarks);
    showLines(m_outlook, report.outlook.lines());
    showLines(m_bodyMass, report.estimates.bodyMass);
    showLines(m_secondEstimate, report.estimates.secondEstimate);
    m_goals->setEstimates(report.estimates);
    m_picture->setPicture(report.outlook.picture);
    arrange();
}

std::vector<ResultGlance::Shown> ResultGlance::shownTexts() const {
    const auto linesOf = [](const QLabel* label) {
        return [label] {
            return label->isHidden() ? QStringList()
                                     : label->text().split(u'\n', Qt::SkipEmptyParts);
        };
    };
    std::vector<Shown> shown;
    for (int i = 0; i < m_texts->count(); ++i)
        if (const auto* label = qobject_cast<const QLabel*>(m_texts->itemAt(i)->widget()))
            shown.push_back({m_texts->itemAt(i)->widget(), linesOf(label), true});
    for (QLabel* label : {m_reading, m_remarks, m_outlook, m_bodyMass, m_secondEstimate})
        shown.push_back({label, linesOf(label), false});
    shown.push_back(
        {m_picture, [this] { return QStringList{m_picture->accessibleName()}; }, false});
    // The goals' table is a view of its own, which a stop lying in it would take apart: the
    // goals are read over the notes beside them, before them.
    const auto* notes = static_cast<const QLabel*>(m_goals->notes());
    shown.push_back({m_goals->notes(),
                     [this, notes = linesOf(notes)] { return m_goals->spokenLines() + notes(); },
                     false});
    return shown;
}

QList<QWidget*> ResultGlance::readingStops() {
    qDeleteAll(m_stops);
    m_stops.clear();
    if (!readerActive())
        return {};
    for (const Shown& text : shownTexts())
        for (ReadingStop* stop : ReadingStop::over(text.text, text.lines))
            m_stops << stop;
    return m_stops;
}

QString ResultGlance::heardText() const {
    QStringList heard;
    for (const Shown& text : shownTexts())
        if (!text.windowsOwn)
            heard << text.lines();
    return heard.join(u'\n');
}

int ResultGlance::columnHeight(int width) const {
    const int height = m_column->heightForWidth(width);
    return height < 0 ? m_column->sizeHint().height() : height;
}

QSize ResultGlance::sizeHint() const {
    const QSize column = m_column->sizeHint(), picture = m_picture->sizeHint();
    return {column.width() + ui::px(kGlanceSizes.columnToPicture) + picture.width(),
            std::max(column.height(), picture.height())};
}

QSize ResultGlance::minimumSizeHint() const {
    const QSize column = m_column->minimumSizeHint(), picture = m_picture->minimumSizeHint();
    return {column.width() + ui::px(kGlanceSizes.columnToPicture) + picture.width(),
            std::max(column.height(), picture.height())};
}

void ResultGlance::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}

int ResultGlance::leastPictureWidth(const QRect& room) const {
    // Beside its caption the picture is as high as its natural height or the room, and takes at
    // least the width that keeps its caption within that height.
    const QSizeF natural = naturalSize(m_picture->picture());
    const int high = std::min(room.height(), qCeil(natural.height()));
    const int least = m_picture->minimumSizeHint().width();
    if (m_picture->captionPlace() == CaptionPlace::Beside) {
        const int drawn = qCeil(high * natural.width() / natural.height() + captionGap());
        return drawn + smallestFitting(1, room.width() - drawn, [&](int caption) {
                   return captionHeight(caption, m_picture->picture(), m_picture->font()) <= high;
               });
    }
    // A translation's caption may be longer: under the picture it takes the width that keeps
    // it within the room's height.
    if (!ui::translationShown())
        return least;
    return smallestFitting(least, std::max(least, room.width() / 2), [&](int width) {
        return m_picture->heightForWidth(width) <= room.height();
    });
}

void ResultGlance::fitTexts() {
    // All of the column, the picture's caption and the goals alike, a step smaller at a time,
    // until the column fits beside the least picture above the goals.
    QList<QWidget*> texts = m_column->findChildren<QWidget*>();
    texts.removeIf([](const QWidget* w) { return qobject_cast<const ReadingStop*>(w); });
    texts << m_picture << m_goals->texts();
    const int gap = ui::px(kGlanceSizes.columnToPicture);
    m_fitting = true;
    ui::shrinkUntil(texts, [&] {
        m_texts->invalidate();
        const QRect room = placeGoals(contentsRect());
        return columnHeight(room.width() - leastPictureWidth(room) - gap) <= room.height();
    });
    m_fitting = false;
}

QRect ResultGlance::placeGoals(QRect room) {
    if (m_goals->isHidden())
        return room;
    m_goals->layout()->invalidate();
    const int high = m_goals->heightForWidth(room.width());
    m_goals->setGeometry(room.left(), room.bottom() + 1 - high, room.width(), high);
    room.setBottom(room.bottom() - high - ui::px(kGlanceSizes.aboveGoals));
    return room;
}

void ResultGlance::arrange() {
    if (contentsRect().isEmpty() || m_fitting)
        return;
    // A translation's texts are longer, and so are a crowded result's: made smaller only where
    // they would not fit.
    fitTexts();
    const QRect room = placeGoals(contentsRect());
    const int gap = ui::px(kGlanceSizes.columnToPicture);
    const bool beside = m_picture->captionPlace() == CaptionPlace::Beside;
    const QSizeF natural = naturalSize(m_picture->picture());
    const int high = std::min(room.height(), qCeil(natural.height()));
    const int least = leastPictureWidth(room);
    const int most =
        std::max(least, std::min(m_picture->sizeHint().width(),
                                 room.width() - gap - ui::px(kGlanceSizes.narrowestText)));
    // The picture as wide as the column leaves it, whole, and without breaking the window's
    // texts into more lines than they take beside the least picture.
    const int texts = m_texts->heightForWidth(room.width() - least - gap);
    const int width = largestFitting(least, most, [&](int w) {
        const int column = room.width() - w - gap;
        return columnHeight(column) <= room.height() && m_texts->heightForWidth(column) <= texts &&
               (beside || m_picture->heightForWidth(w) <= room.height());
    });
    const int height = beside ? high : std::min(room.height(), m_picture->heightForWidth(width));
    m_picture->setGeometry(room.right() + 1 - width, room.top(), width, height);
    m_column->setGeometry(room.left(), room.top(), room.width() - width - gap, room.height());
}

} // namespace wellbox

#include "moc_resultglance.cpp"
