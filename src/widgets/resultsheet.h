#pragma once

#include "platform/messagebox.h"
#include "scoring/resultreport.h"

#include <QWidget>

#include <array>

class QBoxLayout;
class QLabel;
class QPushButton;
class QTableWidget;

namespace wellbox {

struct Platform;
class ResultDocument;

// How a result was worked out and the means to keep it, for a window's result step: the
// table `tblBreakdown`, the notes `lblBreakdownNotes` on the model, and the buttons
// `cmdSavePdf`, `cmdPrint` and `cmdCopyResult`. It shows each result's report as it is;
// nothing here computes a number.
class ResultSheet : public QWidget {
    Q_OBJECT
public:
    // The notes go under the table with the buttons below them, or beside the buttons.
    enum class Arrangement { ButtonsBelowNotes, ButtonsBesideNotes };

    // `calculator` names the result in what is kept; a failed save is told with `icon`, as the
    // window's other messages are.
    ResultSheet(Platform& platform, const QString& calculator, MessageIcon icon,
                Arrangement arrangement, QWidget* parent = nullptr);

    void setReport(ResultReport report);
    const ResultReport& report() const { return m_report; }

    // A button of the window's own put first in the row of buttons, dressed as the sheet's
    // buttons are then dressed like it.
    void addLeadingButton(QPushButton* button);
    // The buttons follow `previous` in the Tab order, and the table follows them.
    void followInTabOrder(QWidget* previous);
    // Fixes the table's height to its headings and this many rows; the rest scrolls.
    void showRows(int rows);
    // Keeps room for this many lines of notes before there are any, so that the window is
    // laid out for them when it is first shown.
    void reserveNoteLines(int lines);
    // Scrolls the row the result is read from into view.
    void scrollToResult();

    void savePdf();
    void print();
    void copyResult();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ResultDocument document() const;
    // Has a reader hear the cell the table's focus is on.
    void announceCurrentCell() const;

    Platform& m_platform;
    QString m_calculator;
    MessageIcon m_icon;
    QTableWidget* m_table = nullptr;
    QLabel* m_notes = nullptr;
    QBoxLayout* m_buttonRow = nullptr;
    std::array<QPushButton*, 3> m_buttons{};
    ResultReport m_report;
};

} // namespace wellbox
