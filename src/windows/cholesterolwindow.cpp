#include "windows/cholesterolwindow.h"

#include "scoring/modcholesterolcalculator.h"
#include "scoring/resultreport.h"

#include <QLabel>

namespace wellbox {

namespace {

AgeQuizWindow::Intro intro() {
    return {
        QStringLiteral("lblCaption_0"),
        CholesterolWindow::tr("Kestavo Free Cholesterol Risk Calculator is a simple health tool "
                              "that calculates your cholesterol levels and the risk of having a "
                              "heart attack based on your cholesterol levels. A high cholesterol "
                              "level is a major risk factor for heart attacks. Take the quiz and "
                              "know your cholesterol level."),
        QStringLiteral("lblCaption_1"),
        CholesterolWindow::tr("Follow the questions and know in advance if you need to take "
                              "precautions with respect to your health."),
    };
}

} // namespace

CholesterolWindow::CholesterolWindow(const WindowContext& context)
    : AgeQuizWindow(context, CalculatorKind::Cholesterol,
                    modCholesterolCalculator::CholesterolQuestions, intro(),
                    {modCholesterolCalculator::YoungestAge, modCholesterolCalculator::OldestAge}) {
    addCaption(Result, QStringLiteral("lblCaption_2"),
               tr("Kestavo Free Cholesterol Risk Calculator aims to act as a guideline in "
                  "helping you know about the effect of cholesterol levels on your heart. Take "
                  "preventive measures if you are in the high risk zone."));
    for (std::size_t i = 0; i < m_results.size(); ++i)
        m_results.at(i) = addResultLabel(QStringLiteral("lblResult_%1").arg(i));
    finishAgeSteps(tr("Take the Cholesterol Risk &Quiz"));
}

void CholesterolWindow::captureDetails() {
    AgeQuizWindow::captureDetails();
    m_answers.fill(0);
}

void CholesterolWindow::takeAnswer(int question, int position, const QString&) {
    m_answers.at(static_cast<std::size_t>(question - 1)) = position;
}

void CholesterolWindow::showResult() {
    const modCholesterolCalculator::CholesterolAnswers answers{age(), sex(), m_answers};
    const modCholesterolCalculator::CholesterolResult result =
        modCholesterolCalculator::ScoreCholesterolRisk(answers);
    for (std::size_t i = 0; i < m_results.size(); ++i)
        m_results.at(i)->setText(QString::fromStdString(result.sentences.at(i)));
    showReport(modCholesterolCalculator::CholesterolReport(answers, result));
}

} // namespace wellbox
