#pragma once

#include "scoring/question.h"
#include "windows/quizwindow.h"
#include "windows/unitchoices.h"

#include <cstdint>

namespace wellbox {

// A quiz whose personal details are an age within limits and a sex, and whose six answers are
// scored together at the end; the heart attack and cholesterol calculators differ only in
// their texts, names, limits and scoring.
class AgeQuizWindow : public QuizWindow {
    Q_OBJECT
public:
    // The youngest and oldest age accepted, as the calculator's scoring publishes them.
    struct Limits {
        std::int16_t lower;
        std::int16_t upper;
    };

    // What sets one age quiz apart, with the object names its texts carry.
    struct Setup {
        CalculatorKind kind;
        std::span<const Question, 6> questions;
        Limits limits;
        QString introName, introText;
        QString followName;               // the invitation to follow the questions, under the intro
        QString closingName, closingText; // above the result
        QStringList resultNames;
        QString startCaption;
    };

protected:
    AgeQuizWindow(const WindowContext& context, const Setup& setup);

    // The age and sex Start captured, and the answers taken since.
    const AgeQuizAnswers& quizAnswers() const { return m_quiz; }
    // The result labels, in the order of their names.
    const QList<QLabel*>& results() const { return m_results; }

    bool validateDetails() override;
    void captureDetails() override;
    void takeAnswer(std::size_t question, int position) override;
    void resetDetails() override;
    QStringList answerTexts(std::size_t question) const override;
    QString answerUnit(std::size_t question) const override;

private:
    // The cholesterol unit chosen on the first step, kept for the next start.
    void chooseUnit(CholesterolUnit unit);

    std::span<const Question, 6> m_questions;
    NumberBox* m_ageBox = nullptr;
    QComboBox* m_sexList = nullptr;
    QList<QLabel*> m_results;
    Limits m_limits;
    UnitChoices m_choices;
    CholesterolUnit m_unit;
    AgeQuizAnswers m_quiz{};
};

} // namespace wellbox
