#pragma once

#include "platform/messagebox.h"
#include "scoring/resultreport.h"

#include <QObject>
#include <QTableWidget>

#include <array>

class QLabel;
class QPushButton;

namespace wellbox {

struct Platform;
class ResultDocument;

// How a result was worked out and the means to keep it, for a window's result step: the
// table `tblBreakdown` with the model and its notes under it, and the buttons `cmdSavePdf`,
// `cmdPrint` and `cmdCopyResult`. The window lays them out and hands over each result's
// report; nothing here computes a number.
class ResultSheet : public QObject {
    Q_OBJECT
public:
    // The controls are made children of `step`; `window` names the calculator, and a failed
    // save is told with `icon`, as the window's other messages are.
    ResultSheet(Platform& platform, QWidget* window, QWidget* step, MessageIcon icon);

    QTableWidget* table() const { return m_table; }
    QLabel* notes() const { return m_notes; }
    const std::array<QPushButton*, 3>& buttons() const { return m_buttons; }

    void show(ResultReport report);
    // Fixes the table's height to its headings and this many rows; the rest scrolls.
    void showRows(int rows);
    // Keeps room for this many lines of notes before there are any, so that the window is
    // laid out for them when it is first shown.
    void reserveNoteLines(int lines);

    void savePdf();
    void print();
    void copyResult();

private:
    ResultDocument document() const;

    Platform& m_platform;
    QWidget* m_window;
    MessageIcon m_icon;
    QTableWidget* m_table = nullptr;
    QLabel* m_notes = nullptr;
    std::array<QPushButton*, 3> m_buttons{};
    ResultReport m_report;
};

} // namespace wellbox
