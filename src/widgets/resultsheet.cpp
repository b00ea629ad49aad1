#include "widgets/resultsheet.h"

#include "platform/platform.h"
#include "widgets/accessibility.h"
#include "widgets/resultdocument.h"
#include "widgets/uistyle.h"

#include <QAccessible>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QTextDocument>
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

// Twips (15 to a pixel) above and below the text of a table row.
constexpr int kRowPadding = 60;

} // namespace

ResultSheet::ResultSheet(Platform& platform, const QString& calculator, MessageIcon icon,
                         Arrangement arrangement, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_calculator(calculator)
    , m_icon(icon) {
    m_table = ui::named(new QTableWidget(0, 3, this), "tblBreakdown");
    m_table->setAccessibleName(tr("How the result was worked out"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table; the arrow keys walk it cell by cell.
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    m_table->setFont(ui::font(ui::FontRole::Text));
    m_table->verticalHeader()->hide();
    // One line a row, so that most of a result shows without scrolling.
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() +
                                                     ui::px(kRowPadding));
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->installEventFilter(this);

    m_notes = ui::named(new QLabel(this), "lblBreakdownNotes");
    m_notes->setTextFormat(Qt::PlainText);
    m_notes->setWordWrap(true);
    m_notes->setFont(ui::font(ui::FontRole::Text));
    m_notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    reserveNoteLines(3);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_buttonRow = new QHBoxLayout;
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i] =
            ui::named(new QPushButton(tr(kKeepButtons[i].caption), this), kKeepButtons[i].name);
        m_buttons[i]->setAutoDefault(true);
        connect(m_buttons[i], &QPushButton::clicked, this, kKeepButtons[i].action);
    }
    if (arrangement == Arrangement::ButtonsBelowNotes) {
        column->addWidget(m_table, 1);
        column->addWidget(m_notes);
        for (QPushButton* button : m_buttons)
            m_buttonRow->addWidget(button);
        m_buttonRow->addStretch(1);
    } else {
        column->addWidget(m_table);
        m_buttonRow->addWidget(m_notes, 1);
        for (QPushButton* button : m_buttons)
            m_buttonRow->addWidget(button, 0, Qt::AlignTop);
    }
    column->addLayout(m_buttonRow);
}

void ResultSheet::setReport(ResultReport report) {
    m_report = std::move(report);
    const auto cell = [](const std::string& text) {
        auto* item = new QTableWidgetItem(QString::fromStdString(text));
        item->setToolTip(item->text()); // whole, where the column cuts it short
        return item;
    };
    m_table->clearContents();
    m_table->setRowCount(static_cast<int>(m_report.rows.size()));
    m_table->setHorizontalHeaderLabels({QString::fromStdString(m_report.headings[0]),
                                        QString::fromStdString(m_report.headings[1]),
                                        QString::fromStdString(m_report.headings[2])});
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const ReportRow& row = m_report.rows[static_cast<std::size_t>(r)];
        m_table->setItem(r, 0, cell(row.item));
        m_table->setItem(r, 1, cell(row.answer));
        QTableWidgetItem* points = cell(row.points);
        points->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(r, 2, points);
    }
    QStringList notes;
    for (const std::string& note : m_report.notes)
        notes << QString::fromStdString(note);
    m_notes->setText(notes.join(u' '));
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
    QWidget::setTabOrder(previous, m_table);
}

void ResultSheet::scrollToResult() {
    if (QTableWidgetItem* row = m_table->item(static_cast<int>(m_report.resultRow), 0))
        m_table->scrollToItem(row);
}

void ResultSheet::showRows(int rows) {
    const int frame = 2 * m_table->frameWidth();
    m_table->setFixedHeight(m_table->horizontalHeader()->sizeHint().height() +
                            rows * m_table->verticalHeader()->defaultSectionSize() + frame);
}

void ResultSheet::reserveNoteLines(int lines) {
    m_notes->setMinimumHeight(lines * m_notes->fontMetrics().lineSpacing());
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

ResultDocument ResultSheet::document() const {
    return {m_calculator, m_platform.clock.now(), m_report};
}

void ResultSheet::savePdf() {
    const ResultDocument doc = document();
    const QString proposed =
        QStringLiteral("%1 %2.pdf")
            .arg(doc.calculator(), m_platform.clock.today().toString(QStringLiteral("yyyy-MM-dd")));
    const QString path =
        m_platform.saveDialog.askFileName(this, proposed, tr("PDF documents (*.pdf)"));
    if (path.isEmpty())
        return;
    // Written beside the target, unbuffered so that no failed write goes untold, and renamed over
    // it only when whole: a failure leaves nothing.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && doc.writePdf(file) &&
        file.commit())
        return;
    m_platform.messageBox.show(
        this, tr("The PDF could not be saved as %1: %2").arg(path, file.errorString()), m_icon,
        MessageButtons::Ok);
}

void ResultSheet::print() {
    const std::unique_ptr<QTextDocument> printed = document().textDocument();
    const PrintResult result = m_platform.printDialog.print(this, *printed);
    if (!result.failedFile.isEmpty())
        m_platform.messageBox.show(
            this, tr("The PDF could not be saved as %1: %2").arg(result.failedFile, result.reason),
            m_icon, MessageButtons::Ok);
}

void ResultSheet::copyResult() {
    QApplication::clipboard()->setText(document().plainText());
}

} // namespace wellbox

#include "moc_resultsheet.cpp"
