#include "windows/heartattackwindow.h"

#include "result/scoringtext.h"
#include "scoring/modheartattack.h"

#include <QLabel>

namespace wellbox {

namespace {

AgeQuizWindow::Setup heartAttackSetup() {
    return {
        .kind = CalculatorKind::HeartAttack,
        .questions = modHeartAttack::HeartAttackQuestions,
        .limits = {modHeartAttack::YoungestAge, modHeartAttack::OldestAge},
        .introName = QStringLiteral("lblCaption_0"),
        .introText = HeartAttackWindow::tr(
            "Kestavo Free Heart Attack Risk Calculator is a simple health tool that calculates "
            "your risk of having a heart attack based on your lifestyle."),
        .followName = QStringLiteral("lblCaptionlblCaption_1"),
        .closingName = QStringLiteral("lblCaptionlblCaption_0"),
        .closingText = HeartAttackWindow::tr(
            "Kestavo Free Heart Attack Risk Calculator aims to act as a guideline in helping you "
            "know about your heart attack risks. Take preventive measures if you are in the high "
            "risk zone."),
        .resultNames = {QStringLiteral("lblResult")},
        .startCaption = HeartAttackWindow::tr("Take the Heart Attack Risk &Quiz"),
    };
}

} // namespace

HeartAttackWindow::HeartAttackWindow(const WindowContext& context)
    : AgeQuizWindow(context, heartAttackSetup()) {}

void HeartAttackWindow::showResult() {
    const modHeartAttack::HeartAttackScore score =
        modHeartAttack::ScoreHeartAttackRisk(quizAnswers());
    results().first()->setText(ui::scoringText(score.sentence));
    showReport(modHeartAttack::heartAttackReport(quizAnswers(), score));
}

} // namespace wellbox

#include "moc_heartattackwindow.cpp"
