#pragma once

#include "scoring/resultreport.h"

#include <QFont>
#include <QWidget>

#include <optional>

class QBoxLayout;
class QLabel;
class QTableWidget;

namespace wellbox {

// The page "How it was worked out" (`tabWorkings`): a report's rows in the table
// `tblBreakdown`, the total and the row the result is read from in bold, and the notes on the
// model `lblBreakdownNotes` under the table or beside it. It lays itself out so that every row
// is in view whole: the columns share the width, the notes move beside the table where its rows
// need the height, and the table's text is made smaller where it must.
class WorkingsPage : public QWidget {
    Q_OBJECT
public:
    // `margin` inside the page, in pixels.
    WorkingsPage(int margin, QWidget* parent = nullptr);

    void setReport(const ResultReport& report);
    QTableWidget* table() const { return m_table; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Lays the page out again for the room it has: on a new report once the page shows, and
    // whenever the table's viewport changes size.
    void fit();
    enum class NotesPlace { Below, Beside, Narrow };
    // The notes under the table, or beside it as wide as they are made or as narrow as their
    // text still fits the page's height.
    void placeNotes(NotesPlace place);
    // Sizes the columns to share `room` and the rows to their text; whether every row is then
    // in view.
    bool layOutRows(int room);
    void setApart();

    QTableWidget* m_table = nullptr;
    QLabel* m_notes = nullptr;
    QBoxLayout* m_layout = nullptr;
    int m_firstApart = 0; // the rows set apart, up to the last
    int m_lastApart = -1;
    std::optional<QFont> m_ownTableFont;
    bool m_fitting = false;
    bool m_fitted = false; // to the report and the viewport's size since
    QSize m_fittedViewport;
};

} // namespace wellbox
