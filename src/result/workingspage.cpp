#include "result/workingspage.h"

#include "result/scoringtext.h"
#include "widgets/uistyle.h"

#include <QBoxLayout>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableWidget>

#include <array>

namespace wellbox {

namespace {

// Sizes in twips (15 to a pixel).
constexpr struct {
    int rowPadding;  // above and below the text of a table row
    int notesBeside; // the width of the notes where they stand beside the table
    int leastNotes;  // the least width they are made narrower to, for a table that needs it
    int notesStep;   // what the notes' width is changed by at a time
} kWorkingsSizes{
    .rowPadding = 60,
    .notesBeside = 2700,
    .leastNotes = 1800,
    .notesStep = 60,
};

// The shares of its own size the table's text is tried at, one after another, where its rows
// would not all be in view; smaller would no longer read.
constexpr std::array<qreal, 5> kTableShares{1, 0.95, 0.9, 0.85, 0.8};

// The widths tried for the question column, in parts of what the points leave, where the
// question and the answer both wrap.
constexpr int kColumnParts = 32;

QTableWidgetItem* workingsCell(const Phrase& text) {
    auto* item = new QTableWidgetItem(ui::scoringText(text));
    item->setToolTip(item->text()); // whole, where the column cuts it short
    return item;
}

} // namespace

WorkingsPage::WorkingsPage(int margin, QWidget* parent)
    : QWidget(parent) {
    ui::named(this, "tabWorkings");
    m_table = ui::named(new QTableWidget(0, 3, this), "tblBreakdown");
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table; the arrow keys walk it cell by cell.
    m_table->setTabKeyNavigation(false);
    m_table->setFont(ui::font(ui::FontRole::Text));
    m_table->verticalHeader()->hide();
    // A long question wraps in its column, and its row grows to show it whole.
    m_table->setWordWrap(true);
    // fit() gives the rows and columns their sizes, for the width the table has.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->viewport()->installEventFilter(this);

    m_notes = ui::named(new QLabel(this), "lblBreakdownNotes");
    m_notes->setTextFormat(Qt::PlainText);
    m_notes->setWordWrap(true);
    m_notes->setFont(ui::font(ui::FontRole::Text));
    m_notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_layout = new QBoxLayout(QBoxLayout::TopToBottom, this);
    m_layout->setContentsMargins(margin, margin, margin, margin);
    m_layout->addWidget(m_table, 1);
    m_layout->addWidget(m_notes, 0, Qt::AlignTop);
}

void WorkingsPage::setReport(const ResultReport& report) {
    // The headings first, while there are no rows whose size they would work out again.
    m_table->setRowCount(0);
    m_table->setHorizontalHeaderLabels({ui::scoringText(report.headings[0]),
                                        ui::scoringText(report.headings[1]),
                                        ui::scoringText(report.headings[2])});
    m_table->setRowCount(static_cast<int>(report.rows.size()));
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const ReportRow& row = report.rows[static_cast<std::size_t>(r)];
        m_table->setItem(r, 0, workingsCell(row.item));
        m_table->setItem(r, 1, workingsCell(row.answer));
        QTableWidgetItem* points = workingsCell(row.points);
        points->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(r, 2, points);
    }
    // The row the result is read from, and the total it reads.
    m_lastApart = static_cast<int>(report.resultRow);
    m_firstApart = static_cast<int>(report.totalRow.value_or(report.resultRow));
    QStringList notes;
    for (const Phrase& note : report.notes)
        notes << ui::scoringText(note);
    m_notes->setText(notes.join(u' '));
    setApart();
    // A page not shown is laid out when it shows: until then it has no room of its own, and a
    // layout for none would try every size there is.
    m_fitted = false;
    if (isVisible())
        fit();
}

void WorkingsPage::fit() {
    // Sizing the table resizes it, which would start this again.
    if (m_fitting)
        return;
    const QScopedValueRollback fitting(m_fitting, true);
    m_fitted = true;
    const auto fittedViewport =
        qScopeGuard([this] { m_fittedViewport = m_table->viewport()->size(); });
    if (!m_ownTableFont)
        m_ownTableFont = m_table->font();
    // The notes under the table while every row fits above them, else beside it, then beside
    // it as narrow as their text still fits the page's height; at each place the table's text a
    // step smaller at a time. A table still too long then scrolls.
    for (const NotesPlace place : {NotesPlace::Below, NotesPlace::Beside, NotesPlace::Narrow}) {
        placeNotes(place);
        for (const qreal share : kTableShares) {
            QFont font = *m_ownTableFont;
            font.setPointSizeF(font.pointSizeF() * share);
            m_table->setFont(font);
            if (layOutRows(m_table->contentsRect().width()))
                return;
        }
    }
    layOutRows(m_table->contentsRect().width() - m_table->verticalScrollBar()->sizeHint().width());
}

void WorkingsPage::placeNotes(NotesPlace place) {
    // A page not shown has not been given the room its pages share; it is measured in it.
    if (const auto* pages = qobject_cast<QStackedWidget*>(parentWidget()))
        if (const QWidget* shown = pages->currentWidget(); shown && shown != this)
            setGeometry(shown->geometry());
    const bool beside = place != NotesPlace::Below;
    m_layout->setDirection(beside ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    int width = beside ? ui::px(kWorkingsSizes.notesBeside) : 0;
    if (beside) {
        // As wide as they are made, or wider where their text would be taller than the page,
        // or as narrow as it still fits it.
        const QMargins margins = m_layout->contentsMargins();
        const int height = contentsRect().height() - margins.top() - margins.bottom();
        const auto fits = [&](int notes) { return m_notes->heightForWidth(notes) <= height; };
        const int step = ui::px(kWorkingsSizes.notesStep);
        while (!fits(width) && 2 * width < this->width())
            width += step;
        while (place == NotesPlace::Narrow && width - step >= ui::px(kWorkingsSizes.leastNotes) &&
               fits(width - step))
            width -= step;
    }
    m_notes->setMinimumWidth(width);
    m_notes->setMaximumWidth(beside ? width : QWIDGETSIZE_MAX);
    m_layout->invalidate();
    m_layout->activate();
}

bool WorkingsPage::layOutRows(int room) {
    QHeaderView* columns = m_table->horizontalHeader();
    QHeaderView* rows = m_table->verticalHeader();
    rows->setMinimumSectionSize(m_table->fontMetrics().height() +
                                ui::px(kWorkingsSizes.rowPadding) / 2);
    setApart();
    std::array<int, 3> natural{};
    for (int c = 0; c < m_table->columnCount(); ++c) {
        m_table->resizeColumnToContents(c);
        natural[static_cast<std::size_t>(c)] = columns->sectionSize(c);
    }
    // The points or calories never wrap; the question and the answer share what they leave.
    const int rest = std::max(0, room - natural[2]);
    columns->resizeSection(2, natural[2]);
    const auto rowsHeight = [&](int question) {
        columns->resizeSection(0, question);
        columns->resizeSection(1, rest - question);
        m_table->resizeRowsToContents();
        return rows->length();
    };
    // Each as wide as its widest cell where both fit; else the share that leaves the rows least
    // tall, one of them whole where it takes no more than half and that is as good.
    int best = rest - natural[1];
    if (natural[0] + natural[1] > rest) {
        if (2 * natural[1] > rest)
            best = 2 * natural[0] <= rest ? natural[0] : rest / 2;
        int least = rowsHeight(best);
        for (int part = 1; part < kColumnParts; ++part)
            if (const int height = rowsHeight(rest * part / kColumnParts); height < least) {
                least = height;
                best = rest * part / kColumnParts;
            }
    }
    rowsHeight(best);
    return rows->length() + columns->sizeHint().height() + 2 * m_table->frameWidth() <=
           m_table->height();
}

void WorkingsPage::setApart() {
    QFont bold = m_table->font();
    bold.setBold(true);
    for (int r = m_firstApart; r <= m_lastApart; ++r)
        for (int c = 0; c < m_table->columnCount(); ++c)
            if (QTableWidgetItem* item = m_table->item(r, c))
                item->setFont(bold);
}

bool WorkingsPage::eventFilter(QObject* watched, QEvent* event) {
    // Laid out again for the size the table is shown at, unless laid out for it already.
    if (watched == m_table->viewport() && event->type() == QEvent::Resize &&
        !(m_fitted && m_table->viewport()->size() == m_fittedViewport))
        fit();
    return QWidget::eventFilter(watched, event);
}

void WorkingsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_fitted)
        fit();
}

} // namespace wellbox

#include "moc_workingspage.cpp"
