#include "result/glancegoals.h"

#include "result/scoringtext.h"
#include "scoring/resultestimates.h"
#include "widgets/uistyle.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

namespace wellbox {

namespace {

constexpr struct {
    int tableToNotes; // in twips (15 to a pixel)
    int rowPadding;   // in twips, about a line of the table
    int headingLines; // a goal's words wrap to as many
    qreal pointSize;  // small print, as under a table
} kGoalSizes{.tableToNotes = 120, .rowPadding = 60, .headingLines = 2, .pointSize = 7.5};

QFont smallPrint() {
    QFont font = ui::font(ui::FontRole::Text);
    font.setPointSizeF(kGoalSizes.pointSize);
    return font;
}

QTableWidgetItem* cell(const Phrase& text) {
    auto* item = new QTableWidgetItem(ui::scoringText(text));
    item->setTextAlignment(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
    item->setToolTip(item->text());
    return item;
}

} // namespace

GlanceGoals::GlanceGoals(QWidget* parent)
    : QWidget(parent) {
    m_goals = ui::named(new QTableWidget(1, 0, this), "tblGoals");
    m_goals->setAccessibleName(tr("Calories a day to keep, lose or gain weight"));
    m_goals->setFont(smallPrint());
    m_goals->setFocusPolicy(Qt::NoFocus);
    m_goals->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_goals->setSelectionMode(QAbstractItemView::NoSelection);
    m_goals->setWordWrap(false);
    m_goals->setCornerButtonEnabled(false);
    m_goals->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_goals->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (QHeaderView* header : {m_goals->horizontalHeader(), m_goals->verticalHeader()})
        header->setHighlightSections(false);
    m_goals->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter |
                                                     Qt::Alignment(Qt::TextWordWrap));

    m_notes = ui::named(new QLabel(this), "lblGoalNotes");
    m_notes->setTextFormat(Qt::PlainText);
    m_notes->setWordWrap(true);
    m_notes->setFont(smallPrint());
    m_notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_notes->installEventFilter(this);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(ui::px(kGoalSizes.tableToNotes));
    row->addWidget(m_goals, 0, Qt::AlignTop);
    row->addWidget(m_notes, 1);
    hide();
}

void GlanceGoals::setEstimates(const ResultEstimates& estimates) {
    QStringList notes;
    for (const Phrase& note : estimates.goalNotes)
        notes << ui::scoringText(note);
    m_notes->setText(notes.join(u' '));
    m_goals->setColumnCount(0);
    m_goals->setVerticalHeaderLabels({ui::scoringText(estimates.goalHeadings[1])});
    m_goals->setColumnCount(static_cast<int>(estimates.goals.size()));
    for (int c = 0; c < m_goals->columnCount(); ++c) {
        const GoalLine& goal = estimates.goals[static_cast<std::size_t>(c)];
        m_goals->setHorizontalHeaderItem(c, cell(goal.goal));
        m_goals->setItem(0, c, cell(goal.calories));
    }
    fitTable();
    setVisible(!estimates.goals.empty());
}

QStringList GlanceGoals::spokenLines() const {
    QStringList lines;
    for (int c = 0; !isHidden() && c < m_goals->columnCount(); ++c)
        lines << tr("%1: %2").arg(m_goals->horizontalHeaderItem(c)->text(),
                                  m_goals->item(0, c)->text());
    return lines;
}

QWidget* GlanceGoals::notes() const {
    return m_notes;
}

QList<QWidget*> GlanceGoals::texts() const {
    return {m_notes};
}

bool GlanceGoals::eventFilter(QObject* watched, QEvent* event) {
    // The table's cells follow the notes' type, made smaller for a translation's texts; the
    // table keeps the fixed size its cells take.
    if (watched == m_notes && event->type() == QEvent::FontChange) {
        m_goals->setFont(m_notes->font());
        fitTable();
    }
    return QWidget::eventFilter(watched, event);
}

void GlanceGoals::fitTable() {
    QHeaderView* goals = m_goals->horizontalHeader();
    for (QHeaderView* header : {goals, m_goals->verticalHeader()})
        header->setFont(m_goals->font());
    // Each goal in two lines, in a column no wider than that and its calories need.
    const QFontMetrics metrics(m_goals->font());
    const int padding = 2 * metrics.averageCharWidth();
    const int high = metrics
                         .boundingRect(QRect(0, 0, 1000, 1000), 0,
                                       QStringList(kGoalSizes.headingLines, "x").join(u'\n'))
                         .height();
    int width = 2 * m_goals->frameWidth() + m_goals->verticalHeader()->sizeHint().width();
    for (int c = 0; c < m_goals->columnCount(); ++c) {
        const QString goal = m_goals->horizontalHeaderItem(c)->text();
        int column = metrics.horizontalAdvance(m_goals->item(0, c)->text());
        // Wrapped at a width; Qt leaves a word longer than that whole, past the edge.
        const auto wrapped = [&](int w) {
            return metrics.boundingRect(QRect(0, 0, w, 10 * high), Qt::TextWordWrap, goal).size();
        };
        for (QSize size = wrapped(column); size.height() > high || size.width() > column;
             size = wrapped(column))
            ++column;
        m_goals->setColumnWidth(c, column + padding);
        width += column + padding;
    }
    const int rowPadding = ui::px(kGoalSizes.rowPadding);
    goals->setFixedHeight(high + rowPadding);
    m_goals->setRowHeight(0, metrics.height() + rowPadding);
    m_goals->setFixedSize(width,
                          2 * m_goals->frameWidth() + goals->height() + m_goals->rowHeight(0));
}

} // namespace wellbox

#include "moc_glancegoals.cpp"
