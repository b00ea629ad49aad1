#pragma once

#include <QWidget>

class QLabel;
class QTableWidget;

namespace wellbox {

struct ResultEstimates;

// What a result gives to lose or gain weight, at a glance: the table `tblGoals`, a goal to a
// column over its calories a day, so that it takes two lines, with the notes on how
// (`lblGoalNotes`) beside it. Hidden where the result gives no goals. Read only, as every text at
// a glance is: the table takes no focus.
class GlanceGoals : public QWidget {
    Q_OBJECT
public:
    explicit GlanceGoals(QWidget* parent = nullptr);

    void setEstimates(const ResultEstimates& estimates);

    // What a reader hears of the goals, a line each: the goals with their calories, the notes;
    // none where hidden.
    QStringList spokenLines() const;
    QWidget* notes() const;

    // The texts to make smaller with the rest for a translation's; the table follows them.
    QList<QWidget*> texts() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The table as high as its two lines and as wide as its cells, so that it never scrolls.
    void fitTable();

    QTableWidget* m_goals = nullptr;
    QLabel* m_notes = nullptr;
};

} // namespace wellbox
