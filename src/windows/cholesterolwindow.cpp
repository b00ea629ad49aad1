#include "windows/cholesterolwindow.h"

#include "result/scoringtext.h"
#include "scoring/modcholesterolcalculator.h"

#include <QLabel>

namespace wellbox {

namespace {

AgeQuizWindow::Setup cholesterolSetup() {
    return {
        .kind = CalculatorKind::Cholesterol,
        .questions = modCholesterolCalculator::CholesterolQuestions,
        .limits = {modCholesterolCalculator::YoungestAge, modCholesterolCalculator::OldestAge},
        .introName = QStringLiteral("lblCaption_0"),
        .introText = CholesterolWindow::tr(
            "Kestavo Free Cholesterol Risk Calculator is a simple health tool that calculates "
            "your cholesterol levels and the risk of having a heart attack based on your "
            "cholesterol levels. A high cholesterol level is a major risk factor for heart "
            "attacks. Take the quiz and know your cholesterol level."),
        .followName = QStringLiteral("lblCaption_1"),
        .closingName = QStringLiteral("lblCaption_2"),
        .closingText = CholesterolWindow::tr(
            "Kestavo Free Cholesterol Risk Calculator aims to act as a guideline in helping you "
            "know about the effect of cholesterol levels on your heart. Take preventive measures "
            "if you are in the high risk zone."),
        .resultNames = {QStringLiteral("lblResult_0"), QStringLiteral("lblResult_1"),
                        QStringLiteral("lblResult_2"), QStringLiteral("lblResult_3")},
        .startCaption = CholesterolWindow::tr("Take the Cholesterol Risk &Quiz"),
    };
}

} // namespace

CholesterolWindow::CholesterolWindow(const WindowContext& context)
    : AgeQuizWindow(context, cholesterolSetup()) {}

void CholesterolWindow::showResult() {
    const modCholesterolCalculator::CholesterolResult result =
        modCholesterolCalculator::ScoreCholesterolRisk(quizAnswers());
    for (qsizetype i = 0; i < results().size(); ++i)
        results().at(i)->setText(ui::scoringText(result.sentences.at(static_cast<std::size_t>(i))));
    showReport(modCholesterolCalculator::cholesterolReport(quizAnswers(), result));
}

} // namespace wellbox

#include "moc_cholesterolwindow.cpp"
