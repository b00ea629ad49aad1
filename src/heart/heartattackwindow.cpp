#include "heart/heartattackwindow.h"

#include "heart/modheartattack.h"

#include <QLabel>

namespace wellbox {

namespace {

const AgeQuizWindow::Intro kIntro{
    QStringLiteral("lblCaption_0"),
    QStringLiteral("Kestavo Free Heart Attack Risk Calculator is a simple health tool that "
                   "calculates your risk of having a heart attack based on your lifestyle."),
    QStringLiteral("lblCaptionlblCaption_1"),
    QStringLiteral("Follow the questions and know in advance if you need to take precautions "
                   "with respect to your health."),
};

} // namespace

HeartAttackWindow::HeartAttackWindow(const WindowContext& context)
    : AgeQuizWindow(context, CalculatorKind::HeartAttack, modHeartAttack::HeartAttackQuestions,
                    kIntro, {30, 74}) {
    addCaption(Result, QStringLiteral("lblCaptionlblCaption_0"),
               QStringLiteral("Kestavo Free Heart Attack Risk Calculator aims to act as a "
                              "guideline in helping you know about your heart attack risks. Take "
                              "preventive measures if you are in the high risk zone."));
    m_result = addResultLabel(QStringLiteral("lblResult"));
    finishAgeSteps(QStringLiteral("Take the Heart Attack Risk &Quiz"));
}

void HeartAttackWindow::captureDetails() {
    AgeQuizWindow::captureDetails();
    m_score = 0;
}

void HeartAttackWindow::takeAnswer(int question, int position, const QString&) {
    m_score = static_cast<std::int16_t>(m_score +
                                        modHeartAttack::answerPoints(question, position, sex()));
}

void HeartAttackWindow::showResult() {
    m_score = static_cast<std::int16_t>(m_score + modHeartAttack::agePoints(age(), sex()));
    m_result->setText(QString::fromStdString(modHeartAttack::riskSentence(m_score)));
}

} // namespace wellbox
