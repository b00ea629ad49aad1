#pragma once

#include "scoring/question.h"
#include "windows/calculatorwindow.h"
#include "windows/unitoptions.h"

#include <array>
#include <optional>
#include <span>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace wellbox {

class FrameStack;
class NumberBox;
class ResultSheet;
struct ResultReport;

// The window every risk quiz shares: personal details, then one question at a time picked
// from a list, then the result; the three steps lie on top of each other and the one shown
// is the one raised. A calculator fills the first and last steps with its own controls and
// says, through the hooks below, how details are checked and kept and how answers count.
class QuizWindow : public CalculatorWindow {
    Q_OBJECT
public:
    enum Step { PersonalDetails = 0, Questions = 1, Result = 2 };

    // What Start, Next Question and Main Screen do when pressed.
    void start();
    void nextQuestion();
    void mainScreen();

protected:
    QuizWindow(const WindowContext& context, CalculatorKind kind,
               std::span<const Question> questions);

    // Building blocks for the calculator's own controls, added top to bottom to a step; on the
    // result step they are read at a glance, beside the picture.
    QLabel* addCaption(Step step, const QString& name, const QString& text);
    QLabel* addResultLabel(const QString& name);
    // A grid of label, control and optional unit rows on the first step; the unit's label, if
    // any.
    QLabel* addDetailRow(const QString& labelName, const QString& labelText, QWidget* control,
                         const QString& unitName = {}, const QString& unitText = {});
    // A detail row's unit changed: its label, and the control read with it.
    void setDetailUnit(QWidget* control, const QString& labelText, QLabel* unit,
                       const QString& unitText);
    // Two options beside Start that choose the units, after it in the Tab order; call before
    // finishSteps().
    UnitOptions* addUnitOptions(const QString& labelText,
                                const std::array<UnitOptions::Option, 2>& options,
                                std::size_t checked) {
        return m_unitOptions =
                   new UnitOptions(labelText, options, checked, m_frames.at(PersonalDetails));
    }
    NumberBox* makeNumberBox(const QString& name);
    QComboBox* makeList(const QString& name, const QStringList& entries);
    // Adds the Start and Main Screen buttons and the shared frame; call once, last.
    void finishSteps(const QString& startCaption, QWidget* firstDetail);

    // A stop box with one OK button, modal.
    void showMessage(const QString& text);
    // Refuses an empty or out-of-range age with a message and puts the focus back in the box.
    bool validateAge(NumberBox* box, int lower, int upper, const QString& rangeMessage);

    // Hooks of the flow, each called at its step.
    virtual bool validateDetails() = 0;
    virtual void captureDetails() = 0;
    // The answer to a question, both counted from 0 in their lists.
    virtual void takeAnswer(std::size_t question, int position) = 0;
    // Computes and shows the result once the last answer is taken.
    virtual void showResult() = 0;
    // Main Screen: empties boxes and selects the first entry of each list.
    virtual void resetDetails() = 0;
    // Shows how the result was worked out, under the result texts, and keeps it for saving,
    // printing and copying.
    void showReport(ResultReport report);
    // Whether the focus moves to Main Screen with the result, or stays where it was.
    virtual bool resultTakesFocus() const { return true; }
    // A question's answers as its list shows them, and the unit written after the list (none
    // but for values).
    virtual QStringList answerTexts(std::size_t question) const;
    virtual QString answerUnit(std::size_t) const { return {}; }

    void showEvent(QShowEvent* event) override;

private:
    void raiseStep(Step step);
    void showQuestion(std::size_t index);
    // The result sentences as one text, for a screen reader.
    QString resultText() const;

    std::span<const Question> m_questions;
    FrameStack* m_stack = nullptr;
    std::array<QWidget*, 3> m_frames{}; // the steps, each a group box
    std::array<QVBoxLayout*, 3> m_layouts{};
    QGridLayout* m_detailGrid = nullptr;
    int m_detailRows = 0;
    QLabel* m_questionNo = nullptr;
    QLabel* m_question = nullptr;
    QComboBox* m_answers = nullptr;
    QLabel* m_answerUnit = nullptr;
    QPushButton* m_nextQuestion = nullptr;
    UnitOptions* m_unitOptions = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_main = nullptr;
    ResultSheet* m_sheet = nullptr;
    QList<QLabel*> m_resultLabels;
    QWidget* m_firstDetail = nullptr;
    QWidget* m_body = nullptr;
    std::optional<std::size_t> m_current; // the question shown, from 0; none before Start
    bool m_shownOnce = false;
};

} // namespace wellbox
