#include "app/welcomepanel.h"

#include "widgets/linklabel.h"
#include "widgets/uistyle.h"

#include <QMouseEvent>
#include <QtMath>

namespace wellbox {

namespace {

struct CaptionRow {
    int index;
    const char* text;
    const QColor* colour;
    ui::FontRole font;
    std::optional<CalculatorKind> opens;
};

// The captions above the calculators', from top to bottom, with the index their object names
// carry.
constexpr std::array<CaptionRow, 3> kHeadRows{{
    {0, QT_TRANSLATE_NOOP("wellbox::WelcomePanel", "Welcome to Kestavo Wellbox I"), &ui::kCyan,
     ui::FontRole::Heading, std::nullopt},
    {1,
     QT_TRANSLATE_NOOP("wellbox::WelcomePanel",
                       "Welcome to the first edition of the Kestavo Wellbox! Learn more about "
                       "your health related problems and take action before it's too late. Use "
                       "these softwares as a guideline for better living!"),
     &ui::kRed, ui::FontRole::Strong, std::nullopt},
    {2,
     QT_TRANSLATE_NOOP("wellbox::WelcomePanel",
                       "Kestavo Wellbox I includes the following programs"),
     &ui::kCyan, ui::FontRole::Heading, std::nullopt},
}};
static_assert(kHeadRows.size() + kLauncherSlots == WelcomePanel::kCaptionCount);

// All captions from top to bottom: the head, then each calculator's in its slot.
std::array<CaptionRow, WelcomePanel::kCaptionCount> captionRows() {
    std::array<CaptionRow, WelcomePanel::kCaptionCount> rows{};
    std::ranges::copy(kHeadRows, rows.begin());
    for (const CalculatorDescriptor& calculator : kCalculators)
        if (const std::optional<LauncherEntry>& entry = calculator.launcher)
            rows.at(kHeadRows.size() + static_cast<std::size_t>(entry->slot)) = {
                entry->captionIndex, entry->caption, entry->captionColour, ui::FontRole::Heading,
                calculator.kind};
    return rows;
}

constexpr int kParagraphCaption = 1;

// Sizes and positions in twips (15 to a pixel).
constexpr struct {
    std::array<int, WelcomePanel::kCaptionCount> captionTops; // in the order of the rows above
    int paragraphWidth;
    int paragraphHeight;
    int captionMinimumHeight;
} kWelcomePanelSizes{
    .captionTops = {240, 840, 1920, 2640, 3480, 4320, 5160},
    .paragraphWidth = 8055,
    .paragraphHeight = 825,
    .captionMinimumHeight = 270,
};

} // namespace

WelcomePanel::WelcomePanel(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("picMain"));
    ui::setBackground(this, Qt::black);
    setMouseTracking(true);

    for (const CaptionRow& row : captionRows()) {
        auto* label = new LinkLabel(tr(row.text), this);
        label->setObjectName(QStringLiteral("lblCaption_%1").arg(row.index));
        label->setFont(ui::font(row.font));
        ui::setForeground(label, *row.colour);
        label->setAttribute(Qt::WA_TranslucentBackground);
        if (row.index == kParagraphCaption) {
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignCenter);
            label->setFixedSize(ui::px(kWelcomePanelSizes.paragraphWidth),
                                ui::px(kWelcomePanelSizes.paragraphHeight));
        } else {
            // As wide as its one line of text, measured without laying the text out.
            const QFontMetricsF metrics(label->font());
            label->setFixedSize(
                qCeil(metrics.horizontalAdvance(label->text())),
                std::max(qCeil(metrics.height()), ui::px(kWelcomePanelSizes.captionMinimumHeight)));
        }
        const std::optional<CalculatorKind> opens = row.opens;
        connect(label, &LinkLabel::clicked, this, [this, opens] { emit captionClicked(opens); });
        if (row.opens) {
            label->setLink(true);
            label->setCursor(Qt::PointingHandCursor);
            connect(label, &LinkLabel::pointerMoved, this, [label] { label->setUnderlined(true); });
        }
        m_captions.at(static_cast<std::size_t>(row.index)) = label;
    }
}

void WelcomePanel::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    for (LinkLabel* label : m_captions)
        label->setUnderlined(false);
}

void WelcomePanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeCaptions();
}

// Centred against the panel, which spans the client area, so they stay centred on resizing.
void WelcomePanel::placeCaptions() {
    const std::array<CaptionRow, kCaptionCount> rows = captionRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        LinkLabel* label = m_captions.at(static_cast<std::size_t>(rows[i].index));
        label->move(std::max(0, (width() - label->width()) / 2),
                    ui::px(kWelcomePanelSizes.captionTops[i]));
    }
}

} // namespace wellbox

#include "moc_welcomepanel.cpp"
