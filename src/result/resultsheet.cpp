#include "result/resultsheet.h"

#include "result/resultglance.h"
#include "result/scoringtext.h"
#include "result/workingspage.h"
#include "widgets/accessibility.h"
#include "widgets/noticelabel.h"
#include "widgets/textfit.h"
#include "widgets/uistyle.h"

#include <QAccessible>
#include <QApplication>
#include <QBoxLayout>
#include <QFocusEvent>
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
    int pageMargin;   // inside the frame of the pages
    int aboveButtons; // between the pages and the buttons; the tabs hang from the pages
    int betweenButtons;
    int buttonsToTabs; // the least room between the last button and the tabs
} kSheetSizes{
    .pageMargin = 60,
    .aboveButtons = 30,
    .betweenButtons = 90,
    .buttonsToTabs = 240,
};

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
    // Drawn with their base along the pages' lower edge (as Qt draws a tab bar out of document
    // mode), the chosen tab open to its page, so that they read as the pages' tabs and not as
    // more buttons.
    m_tabs->setShape(QTabBar::RoundedSouth);
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
    m_workings = new WorkingsPage(margin);
    m_table = m_workings->table();
    m_table->setAccessibleName(tr("How the result was worked out"));
    m_table->installEventFilter(this);
    m_pages->addWidget(m_workings);
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

void ResultSheet::setReport(ResultReport report) {
    m_report = std::move(report);
    m_workings->setReport(m_report);
    m_glance->setReport(m_report);
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

void ResultSheet::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
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
