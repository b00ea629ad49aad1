#include "windows/diabeteswindow.h"

#include "result/scoringtext.h"
#include "scoring/moddiabetesriskcalculator.h"
#include "widgets/numberbox.h"
#include "widgets/uistyle.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace wellbox {

namespace {

namespace diabetes = modDiabetesRiskCalculator;

// Sizes in twips (15 to a pixel); the rest of the layout is the quiz window's.
constexpr struct {
    int nameBoxWidth;
} kDiabetesSizes{
    .nameBoxWidth = 3300,
};

} // namespace

DiabetesWindow::DiabetesWindow(const WindowContext& context)
    : QuizWindow(context, CalculatorKind::Diabetes, diabetes::DiabetesQuestions)
    , m_choices(context.platform.settings)
    , m_units(m_choices.bodyUnits()) {
    addCaption(PersonalDetails, QStringLiteral("lblCaption_0"),
               tr("Diabetes is a very serious disease that can lead to a lot of "
                  "complications if left untreated. This can lead to heart disease, "
                  "strokes, kidney failure and amputations."));
    addCaption(PersonalDetails, QStringLiteral("lblCaption_1"),
               tr("Kestavo Diabetes Risk Calculator helps you understand this "
                  "disease better and take precaution on time."));

    m_nameBox = new QLineEdit;
    m_nameBox->setObjectName(QStringLiteral("txtName"));
    m_nameBox->setFont(ui::font(ui::FontRole::Text));
    m_nameBox->setFixedWidth(ui::px(kDiabetesSizes.nameBoxWidth));
    addDetailRow(QStringLiteral("lblLabel_2"), tr("Enter Name"), m_nameBox);

    // Wide enough for the entries in either unit.
    QStringList heights;
    for (std::size_t row = 0; row < diabetes::DiabetesWeightChart.size(); ++row)
        heights << ui::scoringText(diabetes::heightPhrase(row, BodyUnits::Imperial))
                << ui::scoringText(diabetes::heightPhrase(row, BodyUnits::Metric));
    m_heightList = makeList(QStringLiteral("cboHeight"), heights);
    m_heightUnit = addDetailRow(QStringLiteral("lblLabel_1"), tr("Enter Height"), m_heightList,
                                QStringLiteral("lblLabel_4"), tr("feet/inches"));

    m_weightBox = makeNumberBox(QStringLiteral("txtWeight"));
    m_weightUnit = addDetailRow(QStringLiteral("lblLabel_0"), tr("Enter Weight"), m_weightBox,
                                QStringLiteral("lblLabel_3"), tr("pounds"));

    const UnitOptions* options =
        addUnitOptions(tr("Units"),
                       {{{QStringLiteral("optImperial"), tr("Feet and pounds")},
                         {QStringLiteral("optMetric"), tr("Centimetres and kilograms")}}},
                       static_cast<std::size_t>(m_units));
    connect(options, &UnitOptions::changed, this,
            [this](std::size_t chosen) { chooseUnits(static_cast<BodyUnits>(chosen)); });
    showUnits();

    for (std::size_t i = 0; i < m_results.size(); ++i)
        m_results.at(i) = addResultLabel(QStringLiteral("lblResult_%1").arg(i));
    m_results.at(2)->setText(ui::scoringText(diabetes::PhysicianNote));

    finishSteps(tr("&Take the Diabetes Risk Test"), m_nameBox);
}

void DiabetesWindow::showUnits() {
    const bool metric = m_units == BodyUnits::Metric;
    const int row = std::max(m_heightList->currentIndex(), 0);
    QStringList heights;
    for (std::size_t i = 0; i < diabetes::DiabetesWeightChart.size(); ++i)
        heights << ui::scoringText(diabetes::heightPhrase(i, m_units));
    m_heightList->clear();
    m_heightList->addItems(heights);
    m_heightList->setCurrentIndex(row);
    setDetailUnit(m_heightList, tr("Enter Height"), m_heightUnit,
                  metric ? tr("centimetres") : tr("feet/inches"));
    setDetailUnit(m_weightBox, tr("Enter Weight"), m_weightUnit,
                  metric ? tr("kilograms") : tr("pounds"));
}

void DiabetesWindow::chooseUnits(BodyUnits units) {
    m_units = units;
    m_choices.keep(units);
    showUnits();
}

bool DiabetesWindow::validateDetails() {
    // Any name will do, even one of spaces; only an empty box is refused.
    if (m_nameBox->text().isEmpty()) {
        showMessage(tr("Please enter your name"));
        m_nameBox->setFocus();
        return false;
    }
    if (m_weightBox->text().isEmpty()) {
        showMessage(tr("Please enter your weight"));
        m_weightBox->setFocus();
        return false;
    }
    return true;
}

void DiabetesWindow::captureDetails() {
    m_answers.heightRow = static_cast<std::size_t>(m_heightList->currentIndex());
    // Saturated: a weight past the 16-bit range is above every threshold, not negative.
    m_answers.weight = m_weightBox->value();
    m_answers.units = m_units;
    m_answers.answers.fill(0);
    m_name = m_nameBox->text();
}

void DiabetesWindow::takeAnswer(std::size_t question, int position) {
    m_answers.answers.at(question) = position;
}

void DiabetesWindow::showResult() {
    const diabetes::DiabetesResult result = diabetes::ScoreDiabetesRisk(m_answers);
    m_results.at(0)->setText(ui::scoringText(result.scoreSentence));
    m_results.at(1)->setText(ui::scoringText(result.riskSentence));
    showReport(diabetes::diabetesReport(m_name.toStdString(), m_answers, result));
}

void DiabetesWindow::resetDetails() {
    m_nameBox->clear();
    m_weightBox->clear();
    m_heightList->setCurrentIndex(0);
}

} // namespace wellbox

#include "moc_diabeteswindow.cpp"
