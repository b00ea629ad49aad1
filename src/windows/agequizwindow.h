#pragma once

#include "scoring/sex.h"
#include "windows/quizwindow.h"

#include <cstdint>

namespace wellbox {

// A quiz whose personal details are an age within limits and a sex; the heart attack and
// cholesterol calculators both ask them the same way.
class AgeQuizWindow : public QuizWindow {
    Q_OBJECT
public:
    // The youngest and oldest age accepted, as the calculator's scoring publishes them.
    struct Limits {
        std::int16_t lower;
        std::int16_t upper;
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
    Sex sex() const { return m_sex; }

    bool validateDetails() override;
    void captureDetails() override;
    void resetDetails() override;

private:
    NumberBox* m_ageBox = nullptr;
    QComboBox* m_sexList = nullptr;
    Limits m_limits;
    std::int16_t m_age = 0;
    Sex m_sex = Sex::Male;
};

} // namespace wellbox
