// The quiz window's controls, made and placed for its subclasses.

#include "windows/quizwindow.h"

#include "result/resultsheet.h"
#include "widgets/numberbox.h"
#include "widgets/uistyle.h"
#include "windows/quizshapes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace wellbox {

QLabel* QuizWindow::addCaption(Step step, const QString& name, const QString& text) {
    QLabel* label = makeQuizLabel(name, text, m_frames.at(step));
    if (step == Result)
        m_sheet->addGlanceText(label, ui::px(kQuizSizes.resultSpacing));
    else
        m_layouts.at(step)->addWidget(label);
    return label;
}

QLabel* QuizWindow::addResultLabel(const QString& name) {
    QLabel* label = makeQuizLabel(name, QString(), m_frames.at(Result), ui::FontRole::Strong);
    // A strip in the theme's own colours, so that it reads as well under a dark one.
    label->setForegroundRole(QPalette::Text);
    label->setBackgroundRole(QPalette::AlternateBase);
    label->setAutoFillBackground(true);
    m_resultLabels.append(label);
    m_sheet->addGlanceText(label, ui::px(kQuizSizes.resultSpacing));
    return label;
}

QLabel* QuizWindow::addDetailRow(const QString& labelName, const QString& labelText,
                                 QWidget* control, const QString& unitName,
                                 const QString& unitText) {
    QWidget* frame = m_frames.at(PersonalDetails);
    if (!m_detailGrid) {
        m_detailGrid = new QGridLayout;
        m_detailGrid->setHorizontalSpacing(ui::px(kQuizSizes.detailColumnSpacing));
        m_detailGrid->setColumnStretch(1, 1);
        m_layouts.at(PersonalDetails)->addSpacing(ui::px(kQuizSizes.gapAboveDetails));
        m_layouts.at(PersonalDetails)->addLayout(m_detailGrid);
    }
    const int row = m_detailRows++;
    QLabel* label = makeQuizLabel(labelName, labelText, frame, ui::FontRole::Strong);
    label->setWordWrap(false);
    m_detailGrid->addWidget(label, row, 0);
    // A reader names a control by the label whose buddy it is, before its own name: a control
    // of a quantity is named by itself, with its unit.
    if (unitName.isEmpty())
        label->setBuddy(control);
    // The unit follows its control closely, whatever the width of the other rows.
    auto* field = new QHBoxLayout;
    field->setSpacing(ui::px(kQuizSizes.unitSpacing));
    field->addWidget(control);
    QLabel* unit = nullptr;
    if (!unitName.isEmpty()) {
        unit = makeQuizLabel(unitName, unitText, frame);
        unit->setWordWrap(false);
        field->addWidget(unit);
    }
    setDetailUnit(control, labelText, unit, unitText);
    field->addStretch(1);
    m_detailGrid->addLayout(field, row, 1);
    return unit;
}

void QuizWindow::setDetailUnit(QWidget* control, const QString& labelText, QLabel* unit,
                               const QString& unitText) {
    if (unit)
        unit->setText(unitText);
    // Read by the label before it, with the unit after it. Qt on Linux reads a list by its
    // value and names it by the label whose buddy it is.
    control->setAccessibleName(unitText.isEmpty() ? labelText
                                                  : tr("%1, %2").arg(labelText, unitText));
}

NumberBox* QuizWindow::makeNumberBox(const QString& name) {
    auto* box = new NumberBox(m_frames.at(PersonalDetails));
    box->setObjectName(name);
    box->setFont(ui::font(ui::FontRole::Text));
    box->setFixedWidth(ui::px(kQuizSizes.numberBoxWidth));
    connect(box, &NumberBox::refused, this,
            [this] { showMessage(tr("Only numbers are accepted")); });
    return box;
}

QComboBox* QuizWindow::makeList(const QString& name, const QStringList& entries) {
    auto* list = new QComboBox(m_frames.at(PersonalDetails));
    list->setObjectName(name);
    list->setFont(ui::font(ui::FontRole::Text));
    list->addItems(entries);
    qsizetype longest = 0;
    for (const QString& entry : entries)
        longest = std::max(longest, entry.size());
    list->setMinimumContentsLength(
        static_cast<int>(std::max<qsizetype>(longest, kListMinimumCharacters)) +
        kListSpareCharacters);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setCurrentIndex(0);
    return list;
}

} // namespace wellbox
