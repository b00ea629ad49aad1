#include "windows/agequizwindow.h"

#include "result/scoringtext.h"
#include "widgets/numberbox.h"

#include <QComboBox>
#include <QLabel>

namespace wellbox {

AgeQuizWindow::AgeQuizWindow(const WindowContext& context, const Setup& setup)
    : QuizWindow(context, setup.kind, setup.questions)
    , m_questions(setup.questions)
    , m_limits(setup.limits)
    , m_choices(context.platform.settings)
    , m_unit(m_choices.cholesterolUnit()) {
    addCaption(PersonalDetails, setup.introName, setup.introText);
    addCaption(PersonalDetails, setup.followName,
               tr("Follow the questions and know in advance if you need to take precautions "
                  "with respect to your health."));
    m_ageBox = makeNumberBox(QStringLiteral("txtAge"));
    addDetailRow(QStringLiteral("lblLabel_0"), tr("Enter Age"), m_ageBox);
    // "Male" first; captureDetails() reads the position.
    m_sexList = makeList(QStringLiteral("cboSex"),
                         {ui::scoringText(SexNames[0]), ui::scoringText(SexNames[1])});
    addDetailRow(QStringLiteral("lblLabel_1"), tr("Select Sex"), m_sexList);
    const UnitOptions* options = addUnitOptions(
        tr("Cholesterol in"),
        {{{QStringLiteral("optMgdl"), ui::scoringText(units::CholesterolUnits[0].name)},
          {QStringLiteral("optMmol"), ui::scoringText(units::CholesterolUnits[1].name)}}},
        static_cast<std::size_t>(m_unit));
    connect(options, &UnitOptions::changed, this,
            [this](std::size_t chosen) { chooseUnit(static_cast<CholesterolUnit>(chosen)); });
    addCaption(Result, setup.closingName, setup.closingText);
    for (const QString& name : setup.resultNames)
        m_results.append(addResultLabel(name));
    finishSteps(setup.startCaption, m_ageBox);
}

bool AgeQuizWindow::validateDetails() {
    return validateAge(
        m_ageBox, m_limits.lower, m_limits.upper,
        tr("Your age must be between %1 and %2").arg(m_limits.lower).arg(m_limits.upper));
}

void AgeQuizWindow::captureDetails() {
    // The list holds "Male" first; any other entry counts as a woman.
    m_quiz = {
        m_ageBox->value(), m_sexList->currentIndex() == 0 ? Sex::Male : Sex::Female, {}, m_unit};
}

void AgeQuizWindow::chooseUnit(CholesterolUnit unit) {
    m_unit = unit;
    m_choices.keep(unit);
}

QStringList AgeQuizWindow::answerTexts(std::size_t question) const {
    const Question& asked = m_questions[question];
    QStringList texts;
    for (int position = 0; position < static_cast<int>(asked.answers.size()); ++position)
        texts << ui::scoringText(answerPhrase(asked, position, m_quiz.unit));
    return texts;
}

QString AgeQuizWindow::answerUnit(std::size_t question) const {
    return ui::scoringText(wellbox::answerUnit(m_questions[question], m_quiz.unit));
}

void AgeQuizWindow::takeAnswer(std::size_t question, int position) {
    m_quiz.answers.at(question) = position;
}

void AgeQuizWindow::resetDetails() {
    m_ageBox->clear();
    m_sexList->setCurrentIndex(0);
}

} // namespace wellbox

#include "moc_agequizwindow.cpp"
