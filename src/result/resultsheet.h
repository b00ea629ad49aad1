#pragma once

#include "platform/messagebox.h"
#include "result/resultpicture.h"
#include "scoring/resultreport.h"

#include <QWidget>

#include <array>

class QBoxLayout;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTableWidget;

namespace wellbox {

struct Platform;
class NoticeLabel;
class ResultDocument;
class ResultGlance;
class WorkingsPage;

// A result step's result and the means to keep it, on two pages chosen by the tabs
// `tabResult`: "At a glance" (`tabAtAGlance`), the window's own result texts with the total and
// the row it reads, how the result compares and what would change it, beside its picture; and
// "How it was worked out" (`tabWorkings`), the table `tblBreakdown` with the notes
// `lblBreakdownNotes` on the model. The tabs share the bottom row with the buttons
// `cmdSavePdf`, `cmdPrint` and `cmdCopyResult`, which keep what the report holds. It shows
// each result's report as it is; nothing here computes a number.
class ResultSheet : public QWidget {
    Q_OBJECT
public:
    // `calculator` names the result in what is kept; a failed save is told with `icon`, as the
    // window's other messages are; `caption` says where the picture's caption goes.
    ResultSheet(Platform& platform, const QString& calculator, MessageIcon icon,
                CaptionPlace caption, QWidget* parent = nullptr);

    // Shows the report on both pages, and the page at a glance.
    void setReport(ResultReport report);
    const ResultReport& report() const { return m_report; }

    // A result text of the window's own, shown at a glance above the report's, in the order
    // added; `spacing` apart.
    void addGlanceText(QWidget* text, int spacing);
    // A button of the window's own put first in the row of buttons, dressed as the sheet's
    // buttons are then dressed like it.
    void addLeadingButton(QPushButton* button);
    // The buttons follow `previous` in the Tab order, then the tabs, then the table.
    void followInTabOrder(QWidget* previous);
    // Scrolls the row the result is read from into view.
    void scrollToResult();

    void savePdf();
    void print();
    void copyResult();

    // Has a reader hear the result at a glance once, after what the window tells of the
    // result itself.
    void tellGlance();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Makes the buttons' and tabs' captions smaller together where a translation's do not fit
    // the row.
    void fitButtonRow();
    ResultDocument document() const;
    // Has a reader hear the cell the table's focus is on.
    void announceCurrentCell() const;

    // Tells what a command did, beside the buttons, and gives the focus back to its button
    // once a dialog it opened has closed.
    void tellDone(QPushButton* button, const QString& done);
    void placeStatus();

    Platform& m_platform;
    QString m_calculator;
    MessageIcon m_icon;
    QTabBar* m_tabs = nullptr;
    QStackedWidget* m_pages = nullptr;
    ResultGlance* m_glance = nullptr;
    QTableWidget* m_table = nullptr;
    WorkingsPage* m_workings = nullptr;
    QBoxLayout* m_buttonRow = nullptr;
    std::array<QPushButton*, 3> m_buttons{};
    NoticeLabel* m_status = nullptr; // `lblStatus`: what the last of the buttons did
    ResultReport m_report;
};

} // namespace wellbox
