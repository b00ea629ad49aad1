#include "windows/heartattackwindow.h"

#include "scoring/modheartattack.h"
#include "scoring/resultreport.h"

#include <QLabel>

namespace wellbox {

namespace {

AgeQuizWindow::Intro intro() {
    return {
        QStringLiteral("lblCaption_0"),
        HeartAttackWindow::tr("Kestavo Free Heart Attack Risk Calculator is a simple health tool "
                              "that calculates your risk of having a heart attack based on your "
                              "lifestyle."),
        QStringLiteral("lblCaptionlblCaption_1"),
        HeartAttackWindow::tr("Follow the questions and know in advance if you need to take "
                              "precautions with respect to your health."),
    };
}

} // namespace

HeartAttackWindow::HeartAttackWindow(const WindowContext& context)
    : AgeQuizWindow(context, CalculatorKind::HeartAttack, modHeartAttack::HeartAttackQuestions,
                    intro(), {modHeartAttack::YoungestAge, modHeartAttack::OldestAge}) {
    addCaption(Result, QStringLiteral("lblCaptionlblCaption_0"),
               tr("Kestavo Free Heart Attack Risk Calculator aims to act as a guideline in "
                  "helping you know about your heart attack risks. Take preventive measures if "
                  "you are in the high risk zone."));
    m_result = addResultLabel(QStringLiteral("lblResult"));
    finishAgeSteps(tr("Take the Heart Attack Risk &Quiz"));
}

void HeartAttackWindow::captureDetails() {
    AgeQuizWindow::captureDetails();
    m_answers.fill(0);
}

void HeartAttackWindow::takeAnswer(int question, int position, const QString&) {
    m_answers.at(static_cast<std::size_t>(question - 1)) = position;
}

void HeartAttackWindow::showResult() {
    const modHeartAttack::HeartAttackAnswers answers{age(), sex(), m_answers};
    const modHeartAttack::HeartAttackScore score = modHeartAttack::ScoreHeartAttackRisk(answers);
    m_result->setText(QString::fromStdString(score.sentence));
    showReport(modHeartAttack::HeartAttackReport(answers, score));
}

} // namespace wellbox
