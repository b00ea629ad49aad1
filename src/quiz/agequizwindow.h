#pragma once

#include "quiz/quizwindow.h"

#include <cstdint>
#include <string>

namespace wellbox {

// A quiz whose personal details are an age within limits and a sex; the heart attack and
// cholesterol calculators both ask them the same way.
class AgeQuizWindow : public QuizWindow {
    Q_OBJECT
public:
    struct Limits {
        int lower;
        int upper;
    };

    // The two texts that introduce the calculator on the first step, with their names.
    struct Intro {
        QString firstName, firstText, secondName, secondText;
    };

protected:
    AgeQuizWindow(const WindowContext& context, CalculatorKind kind,
                  std::span<const Question> questions, const Intro& intro, Limits limits);

    // Adds the Start button; call after the result step is filled.
    void finishAgeSteps(const QString& startCaption);

    // What Start captured.
    std::int16_t age() const { return m_age; }
    const std::string& sex() const { return m_sex; }

    bool validateDetails() override;
    void captureDetails() override;
    void resetDetails() override;

private:
    NumberBox* m_ageBox = nullptr;
    QComboBox* m_sexList = nullptr;
    Limits m_limits;
    std::int16_t m_age = 0;
    std::string m_sex;
};

} // namespace wellbox
