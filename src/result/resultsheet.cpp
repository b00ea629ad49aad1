#include "result/resultsheet.h"

#include "result/resultglance.h"
#include "result/scoringtext.h"
#include "widgets/accessibility.h"
#include "widgets/noticelabel.h"
#include "widgets/textfit.h"
#include "widgets/uistyle.h"

#include <QAccessible>
#include <QApplication>
#include <QBoxLayout>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>

namespace wellbox {

namespace {

struct KeepButton {
    const char* name;
    const char* caption;
    void (ResultSheet::*action)();
};

// Left to right and in Tab order, after Main Screen or Back.
constexpr std::array<KeepButton, 3> kKeepButtons{{
    {"cmdSavePdf", QT_TRANSLATE_NOOP("wellbox::ResultSheet", "Save as &PDF..."),
     &ResultSheet::savePdf},
    {"cmdPrint", QT_TRANSLATE_NOOP("wellbox::ResultSheet", "P&rint..."), &ResultSheet::print},
    {"cmdCopyResult", QT_TRANSLATE_NOOP("wellbox::ResultSheet", "&Copy Result"),
     &ResultSheet::copyResult},
}};

// The pages, in the order of their tabs.
constexpr std::array<const char*, 2> kPageNames{
    QT_TRANSLATE_NOOP("wellbox::ResultSheet", "At a glance"),
    QT_TRANSLATE_NOOP("wellbox::ResultSheet", "How it was worked out")};

// Sizes in twips (15 to a pixel).
constexpr struct {
    int rowPadding;   // above and below the text of a table row
    int pageMargin;   // inside the frame of the pages
    int aboveButtons; // between the pages and the buttons; the tabs hang from the pages
    int noteLines;    // kept under the table before there are any notes
    int betweenButtons;
    int buttonsToTabs; // the least room between the last button and the tabs
} kSheetSizes{
    .rowPadding = 60,
    .pageMargin = 60,
    .aboveButtons = 30,
    .noteLines = 3,
    .betweenButtons = 90,
    .buttonsToTabs = 240,
};

// The least share of its own size the table's text is made where its rows would not all be in
// view.
constexpr qreal kLeastTableShare = 0.8;

} // namespace

ResultSheet::ResultSheet(Platform& platform, const QString& calculator, MessageIcon icon,
                         CaptionPlace caption, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_calculator(calculator)
    , m_icon(icon) {
    // The buttons come first among the sheet's controls, so that the first control in view on
    // the result is the first that keeps it.
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i] =
            ui::named(new QPushButton(tr(kKeepButtons[i].caption), this), kKeepButtons[i].name);
        m_buttons[i]->setAutoDefault(true);
        connect(m_buttons[i], &QPushButton::clicked, this, kKeepButtons[i].action);
    }
    // Over the room the row leaves between the buttons and the tabs, outside the row's layout,
    // so that the buttons and tabs keep their places and sizes.
    m_status = ui::named(new NoticeLabel(this), "lblStatus");
    m_status->setFont(ui::font(ui::FontRole::Text));
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_tabs = ui::named(new QTabBar(this), "tabResult");
    m_tabs->setShape(QTabBar::RoundedSouth);
    // Drawn with their base along the pages' lower edge, the chosen tab open to its page, so
    // that they read as the pages' tabs and not as more buttons.
    m_tabs->setDrawBase(true);
    m_tabs->setDocumentMode(false);
    m_tabs->setExpanding(false);
    m_tabs->setFont(ui::font(ui::FontRole::Text));
    // A reader hears where a tab stands among the pages, which Qt does not tell it.
    for (const char* page : kPageNames) {
        const int index = m_tabs->addTab(tr(page));
        m_tabs->setAccessibleTabName(
            index,
            tr("%1, %2 of %3").arg(m_tabs->tabText(index)).arg(index + 1).arg(kPageNames.size()));
    }
    m_pages = new QStackedWidget(this);
    m_pages->setFrameShape(QFrame::StyledPanel);
    m_glance = new ResultGlance(caption);
    const int margin = ui::px(kSheetSizes.pageMargin);
    m_glance->setContentsMargins(margin, margin, margin, margin);
    auto* glancePage = ui::named(new QWidget, "tabAtAGlance");
    auto* glanceLayout = new QVBoxLayout(glancePage);
    glanceLayout->setContentsMargins(0, 0, 0, 0);
    glanceLayout->addWidget(m_glance);
    m_pages->addWidget(glancePage);
    m_pages->addWidget(buildWorkings());
    // The pages take the room the window gives the result, which fixes its size.
    for (int i = 0; i < m_pages->count(); ++i)
        m_pages->widget(i)->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);

    connect(m_tabs, &QTabBar::currentChanged, m_pages, &QStackedWidget::setCurrentIndex);

    // The buttons a little under the pages, the tabs hanging from them at the right.
    m_buttonRow = new QHBoxLayout;
    m_buttonRow->setContentsMargins(0, ui::px(kSheetSizes.aboveButtons),
                                    ui::px(kSheetSizes.buttonsToTabs), 0);
    m_buttonRow->setSpacing(ui::px(kSheetSizes.betweenButtons));
    for (QPushButton* button : m_buttons)
        m_buttonRow->addWidget(button);
    m_buttonRow->addStretch(1);
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addLayout(m_buttonRow, 1);
    row->addWidget(m_tabs, 0, Qt::AlignTop);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_pages, 1);
    column->addLayout(row);
}

QWidget* ResultSheet::buildWorkings() {
    auto* page = ui::named(new QWidget, "tabWorkings");
    m_table = ui::named(new QTableWidget(0, 3, page), "tblBreakdown");
    m_table->setAccessibleName(tr("How the result was worked out"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table; the arrow keys walk it cell by cell.
    m_table->setTabKeyNavigation(false);
    m_table->setFont(ui::font(ui::FontRole::Text));
    m_table->verticalHeader()->hide();
    // A long question wraps in its column, and its row grows to show it whole.
    m_table->setWordWrap(true);
    m_table->verticalHeader()->setMinimumSectionSize(m_table->fontMetrics().height() +
                                                     ui::px(kSheetSizes.rowPadding));
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->installEventFilter(this);

    m_notes = ui::named(new QLabel(page), "lblBreakdownNotes");
    m_notes->setTextFormat(Qt::PlainText);
    m_notes->setWordWrap(true);
    m_notes->setFont(ui::font(ui::FontRole::Text));
    m_notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_notes->setMinimumHeight(kSheetSizes.noteLines * m_notes->fontMetrics().lineSpacing());

    auto* column = new QVBoxLayout(page);
    const int margin = ui::px(kSheetSizes.pageMargin);
    column->setContentsMargins(margin, margin, margin, margin);
    column->addWidget(m_table, 1);
    column->addWidget(m_notes);
    return page;
}

void ResultSheet::setReport(ResultReport report) {
    m_report = std::move(report);
    const auto cell = [](const Phrase& text) {
        auto* item = new QTableWidgetItem(ui::scoringText(text));
        item->setToolTip(item->text()); // whole, where the column cuts it short
        return item;
    };
    // The headings first, while there are no rows whose size they would work out again.
    m_table->setRowCount(0);
    m_table->setHorizontalHeaderLabels({ui::scoringText(m_report.headings[0]),
                                        ui::scoringText(m_report.headings[1]),
                                        ui::scoringText(m_report.headings[2])});
    m_table->setRowCount(static_cast<int>(m_report.rows.size()));
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const ReportRow& row = m_report.rows[static_cast<std::size_t>(r)];
        m_table->setItem(r, 0, cell(row.item));
        m_table->setItem(r, 1, cell(row.answer));
        QTableWidgetItem* points = cell(row.points);
        points->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(r, 2, points);
    }
    QStringList notes;
    for (const Phrase& note : m_report.notes)
        notes << ui::scoringText(note);
    m_notes->setText(notes.join(u' '));
    m_glance->setReport(m_report);
    fitTable();
    m_tabs->setCurrentIndex(0);
    m_status->clear();
    // A reader reaches every line at a glance after the tabs, in the order it is read; the
    // table of the other page follows them.
    QWidget* previous = m_tabs;
    for (QWidget* stop : m_glance->readingStops()) {
        QWidget::setTabOrder(previous, stop);
        previous = stop;
    }
}

void ResultSheet::tellGlance() {
    if (readerActive())
        m_status->tellReader(m_glance->heardText());
}

void ResultSheet::addGlanceText(QWidget* text, int spacing) {
    m_glance->setSpacing(spacing);
    m_glance->addText(text);
}

void ResultSheet::addLeadingButton(QPushButton* button) {
    m_buttonRow->insertWidget(0, button);
    for (QPushButton* keep : m_buttons) {
        keep->setFont(button->font());
        keep->setMinimumHeight(button->minimumHeight());
    }
}

void ResultSheet::followInTabOrder(QWidget* previous) {
    for (QPushButton* keep : m_buttons) {
        QWidget::setTabOrder(previous, keep);
        previous = keep;
    }
    QWidget::setTabOrder(previous, m_tabs);
    QWidget::setTabOrder(m_tabs, m_table);
}

void ResultSheet::setApart() {
    // The row the result is read from, and the total before it, in bold.
    QFont bold = m_table->font();
    bold.setBold(true);
    const auto row = static_cast<int>(m_report.resultRow);
    const bool afterTotal =
        row > 0 && m_report.rows[m_report.resultRow - 1].item.pattern() == report::TotalItem;
    for (int r = afterTotal ? row - 1 : row; r <= row; ++r)
        for (int c = 0; c < m_table->columnCount(); ++c)
            if (QTableWidgetItem* item = m_table->item(r, c))
                item->setFont(bold);
}

void ResultSheet::fitTable() {
    QHeaderView* columns = m_table->horizontalHeader();
    QHeaderView* rows = m_table->verticalHeader();
    const auto allInView = [&] {
        // Each column as wide as its widest cell where they all fit side by side, else the
        // questions wrap in what the others leave; a translation's answers and workings may be
        // long, and wrap as the questions do, in a column of the same width.
        for (int c = 0; c < m_table->columnCount(); ++c)
            columns->setSectionResizeMode(c, QHeaderView::ResizeToContents);
        m_table->resizeColumnsToContents();
        const bool wide = columns->length() <= m_table->viewport()->width();
        columns->setSectionResizeMode(0, QHeaderView::Stretch);
        if (!wide && ui::translationShown())
            columns->setSectionResizeMode(1, QHeaderView::Stretch);
        rows->setMinimumSectionSize(m_table->fontMetrics().height() +
                                    ui::px(kSheetSizes.rowPadding) / 2);
        setApart();
        m_table->resizeRowsToContents();
        return rows->length() + columns->height() + 2 * m_table->frameWidth() <= m_table->height();
    };
    // A step smaller at a time where every row would not be in view at once, but never so small
    // that it no longer reads; a table still too long then scrolls.
    if (!m_ownTableFont)
        m_ownTableFont = m_table->font();
    for (qreal share = 1; share >= kLeastTableShare; share -= 0.05) {
        QFont font = *m_ownTableFont;
        font.setPointSizeF(font.pointSizeF() * share);
        m_table->setFont(font);
        if (allInView())
            return;
    }
}

void ResultSheet::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (event->size() != event->oldSize())
        fitTable();
    QTimer::singleShot(0, this, &ResultSheet::placeStatus);
    if (ui::translationShown() && event->size().width() != event->oldSize().width())
        fitButtonRow();
}

void ResultSheet::fitButtonRow() {
    QList<QWidget*> captions{m_tabs};
    for (int i = 0; i < m_buttonRow->count(); ++i)
        if (QWidget* button = m_buttonRow->itemAt(i)->widget())
            captions << button;
    ui::shrinkUntil(captions, [this] {
        m_buttonRow->invalidate();
        return m_buttonRow->sizeHint().width() + m_tabs->sizeHint().width() <= width();
    });
}

void ResultSheet::scrollToResult() {
    if (QTableWidgetItem* row = m_table->item(static_cast<int>(m_report.resultRow), 0))
        m_table->scrollToItem(row);
}

bool ResultSheet::eventFilter(QObject* watched, QEvent* event) {
    // Qt tells a reader of the table's focus after that of its current cell, so a reader that
    // tabs into the table hears the table alone; the cell is told again once the table's turn
    // is over. A window that gives the table the focus itself has it read with the result in
    // its description, which the cell would cut short.
    if (watched == m_table && event->type() == QEvent::FocusIn && readerActive()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            QTimer::singleShot(0, this, [this] { announceCurrentCell(); });
    }
    return QWidget::eventFilter(watched, event);
}

void ResultSheet::announceCurrentCell() const {
    const QModelIndex current = m_table->currentIndex();
    if (!m_table->hasFocus() || !current.isValid())
        return;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(m_table);
    QAccessibleTableInterface* cells = table ? table->tableInterface() : nullptr;
    if (QAccessibleInterface* cell =
            cells ? cells->cellAt(current.row(), current.column()) : nullptr) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

} // namespace wellbox

#include "moc_resultsheet.cpp"
