#pragma once

#include "result/resultpicture.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QVBoxLayout;

namespace wellbox {

class GlanceGoals;
struct ResultReport;

// A result at a glance: a column of the window's own result texts, then the total and the row
// it reads (`lblReading`), the risk's band (`lblBand`) and what its values mean (`lblRemarks`),
// then how it compares and what would change it (`lblOutlook`), then what other equations give
// (`lblBodyMass`, `lblSecondEstimate`), beside the result's picture (`picResult`); under both, the
// goals to lose or gain weight (GlanceGoals) where the result gives any. The picture takes what the
// column leaves, no more than its natural size, so that all of it shows whole without scrolling.
class ResultGlance : public QWidget {
    Q_OBJECT
public:
    explicit ResultGlance(CaptionPlace place, QWidget* parent = nullptr);

    // A window's own text, put in the column above the reading, in the order added.
    void addText(QWidget* text);
    // Gaps between the column's texts, as the window spaces its own.
    void setSpacing(int pixels);
    void setReport(const ResultReport& report);

    // With a screen reader listening, stops of Tab on every line shown, in reading order (the
    // window's texts, the column, the picture's caption, the goals), made anew; none without.
    QList<QWidget*> readingStops();
    // What a reader hears of the page after the window's own texts, a line each.
    QString heardText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The texts in reading order, each with the lines it shows.
    struct Shown {
        QWidget* text;
        std::function<QStringList()> lines;
        bool windowsOwn;
    };
    std::vector<Shown> shownTexts() const;
    void arrange();
    // Puts the goals at the bottom of `room`, and returns what is left above them.
    QRect placeGoals(QRect room);
    // The narrowest the picture may be in `room`, its caption whole.
    int leastPictureWidth(const QRect& room) const;
    // Makes the texts smaller where they would not fit.
    void fitTexts();
    // The column's height at a width, as laid out.
    int columnHeight(int width) const;

    QWidget* m_column = nullptr;
    QVBoxLayout* m_texts = nullptr;
    QLabel* m_reading = nullptr;
    QLabel* m_band = nullptr;
    QLabel* m_remarks = nullptr;
    QLabel* m_outlook = nullptr;
    QLabel* m_bodyMass = nullptr;
    QLabel* m_secondEstimate = nullptr;
    GlanceGoals* m_goals = nullptr;
    ResultPicture* m_picture = nullptr;
    QList<QWidget*> m_stops;
    bool m_fitting = false; // while a translation's texts are made to fit
};

} // namespace wellbox
