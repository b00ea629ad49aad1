#include "windows/agequizwindow.h"

#include "widgets/numberbox.h"

#include <QComboBox>

namespace wellbox {

AgeQuizWindow::AgeQuizWindow(const WindowContext& context, CalculatorKind kind,
                             std::span<const Question> questions, const Intro& intro, Limits limits)
    : QuizWindow(context, kind, questions)
    , m_limits(limits) {
    addCaption(PersonalDetails, intro.firstName, intro.firstText);
    addCaption(PersonalDetails, intro.secondName, intro.secondText);
    m_ageBox = makeNumberBox(QStringLiteral("txtAge"));
    addDetailRow(QStringLiteral("lblLabel_0"), tr("Enter Age"), m_ageBox);
    m_sexList = makeList(QStringLiteral("cboSex"), {tr("Male"), tr("Female")});
    addDetailRow(QStringLiteral("lblLabel_1"), tr("Select Sex"), m_sexList);
}

void AgeQuizWindow::finishAgeSteps(const QString& startCaption) {
    finishSteps(startCaption, m_ageBox);
}

bool AgeQuizWindow::validateDetails() {
    return validateAge(
        m_ageBox, m_limits.lower, m_limits.upper,
        tr("Your age must be between %1 and %2").arg(m_limits.lower).arg(m_limits.upper));
}

void AgeQuizWindow::captureDetails() {
    m_age = m_ageBox->value();
    // Exactly the text of the male entry is a man; any other text counts as a woman.
    m_sex = m_sexList->currentText() == tr("Male") ? Sex::Male : Sex::Female;
}

void AgeQuizWindow::resetDetails() {
    m_ageBox->clear();
    m_sexList->setCurrentIndex(0);
}

} // namespace wellbox
