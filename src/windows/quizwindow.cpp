#include "windows/quizwindow.h"

#include "result/resultsheet.h"
#include "result/scoringtext.h"
#include "widgets/accessibility.h"
#include "widgets/framestack.h"
#include "widgets/numberbox.h"
#include "widgets/stepbutton.h"
#include "widgets/uistyle.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace wellbox {

namespace {

// Sizes in twips (15 to a pixel).
constexpr struct {
    // The steps share one place; its size keeps the whole window inside the main window's
    // client area without scroll bars.
    int stepWidth;
    int stepHeight;
    int stepMargin; // left and right
    int stepSpacing;
    int gapAboveNextQuestion;
    int gapAboveDetails;
    int gapAboveButton;
    int resultSpacing; // the result step holds more and packs it closer
    int resultMargin;  // left and right of the result step, which needs the room
    int resultBottom;  //
    int detailColumnSpacing;
    int unitSpacing;
    int numberBoxWidth;
    int unitOptionsGap; // between Start and the options beside it
    int buttonMinimumWidth;
    int buttonMinimumHeight;
    int buttonTextPadding; // beside a caption wider than the minimum
} kQuizSizes{
    .stepWidth = 11100,
    .stepHeight = 3870,
    .stepMargin = 90,
    .stepSpacing = 120,
    .gapAboveNextQuestion = 120,
    .gapAboveDetails = 60,
    .gapAboveButton = 90,
    .resultSpacing = 45,
    .resultMargin = 90,
    .resultBottom = 45,
    .detailColumnSpacing = 150,
    .unitSpacing = 120,
    .numberBoxWidth = 1800,
    .unitOptionsGap = 360,
    .buttonMinimumWidth = 2100,
    .buttonMinimumHeight = 420,
    .buttonTextPadding = 480,
};

// Lists are measured in characters: room beyond the longest entry, and the fewest shown.
constexpr int kListSpareCharacters = 2;
constexpr int kListMinimumCharacters = 8;

constexpr std::array<const char*, 3> kStepCaptions{
    QT_TRANSLATE_NOOP("wellbox::QuizWindow", "Personal Details"),
    QT_TRANSLATE_NOOP("wellbox::QuizWindow", "Questions"),
    QT_TRANSLATE_NOOP("wellbox::QuizWindow", "Result")};

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent,
                  ui::FontRole role = ui::FontRole::Text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(ui::font(role));
    return label;
}

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new StepButton(caption, parent);
    button->setObjectName(name);
    // Outside a dialog Qt leaves this off; with it a focused button answers Enter.
    button->setAutoDefault(true);
    button->setFont(ui::font(ui::FontRole::Strong));
    button->setMinimumHeight(ui::px(kQuizSizes.buttonMinimumHeight));
    const int textWidth = button->fontMetrics().horizontalAdvance(ui::labelText(caption));
    button->setMinimumWidth(std::max(ui::px(kQuizSizes.buttonMinimumWidth),
                                     textWidth + ui::px(kQuizSizes.buttonTextPadding)));
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return button;
}

} // namespace

QuizWindow::QuizWindow(const WindowContext& context, CalculatorKind kind,
                       std::span<const Question> questions)
    : CalculatorWindow(context, kind)
    , m_questions(questions) {
    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("quizSteps"));
    m_body->setFixedSize(ui::px(kQuizSizes.stepWidth), ui::px(kQuizSizes.stepHeight));
    auto* margins = new QVBoxLayout(m_body);
    margins->setContentsMargins(ui::px(kQuizSizes.stepMargin), 0, ui::px(kQuizSizes.stepMargin), 0);
    m_stack = new FrameStack(m_body);
    margins->addWidget(m_stack);
    for (std::size_t i = 0; i < m_frames.size(); ++i) {
        auto* frame = new QGroupBox(tr(kStepCaptions.at(i)), m_stack);
        frame->setObjectName(QStringLiteral("fraStep_%1").arg(i));
        frame->setFont(ui::font(ui::FontRole::Strong));
        // Opaque, so the frame on top hides the ones below it.
        frame->setAutoFillBackground(true);
        auto* layout = new QVBoxLayout(frame);
        layout->setSpacing(ui::px(kQuizSizes.stepSpacing));
        m_frames.at(i) = frame;
        m_layouts.at(i) = layout;
        m_stack->addMember(frame);
    }

    QWidget* questionsFrame = m_frames.at(Questions);
    m_questionNo = makeLabel(QStringLiteral("lblQuestionNo"), tr("Question No"), questionsFrame,
                             ui::FontRole::Strong);
    m_question = makeLabel(QStringLiteral("lblQuestion"), QString(), questionsFrame);
    m_answers = new QComboBox(questionsFrame);
    m_answers->setObjectName(QStringLiteral("cboAnswer_Option"));
    m_answers->setFont(ui::font(ui::FontRole::Text));
    qsizetype longest = 0;
    for (const Question& question : m_questions)
        for (const std::string_view answer : question.answers)
            longest = std::max(longest, ui::scoringText(answer).size());
    m_answers->setMinimumContentsLength(static_cast<int>(longest) + kListSpareCharacters);
    m_answers->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_answerUnit = makeLabel(QStringLiteral("lblUnit"), QString(), questionsFrame);
    m_answerUnit->setWordWrap(false);
    m_nextQuestion =
        makeButton(QStringLiteral("cmdNextQuestion"), tr("Next &Question"), questionsFrame);
    QVBoxLayout* questionsLayout = m_layouts.at(Questions);
    m_question->setBuddy(m_answers);
    questionsLayout->addWidget(m_questionNo);
    questionsLayout->addWidget(m_question);
    auto* answerRow = new QHBoxLayout;
    answerRow->setSpacing(ui::px(kQuizSizes.unitSpacing));
    answerRow->addWidget(m_answers);
    answerRow->addWidget(m_answerUnit);
    answerRow->addStretch(1);
    questionsLayout->addLayout(answerRow);
    questionsLayout->addSpacing(ui::px(kQuizSizes.gapAboveNextQuestion));
    questionsLayout->addWidget(m_nextQuestion);
    questionsLayout->addStretch(1);
    connect(m_nextQuestion, &QPushButton::clicked, this, &QuizWindow::nextQuestion);

    // The result and the means to keep it, through the window's own platform, which counts the
    // dialogs it opens; the calculator's texts go into it as they are added.
    QVBoxLayout* resultLayout = m_layouts.at(Result);
    const int margin = ui::px(kQuizSizes.resultMargin);
    resultLayout->setContentsMargins(margin, 0, margin, ui::px(kQuizSizes.resultBottom));
    m_sheet = new ResultSheet(CalculatorWindow::context().platform, windowTitle(),
                              MessageIcon::Stop, CaptionPlace::Below, m_frames.at(Result));
    resultLayout->addWidget(m_sheet, 1);
}

QLabel* QuizWindow::addCaption(Step step, const QString& name, const QString& text) {
    QLabel* label = makeLabel(name, text, m_frames.at(step));
    if (step == Result)
        m_sheet->addGlanceText(label, ui::px(kQuizSizes.resultSpacing));
    else
        m_layouts.at(step)->addWidget(label);
    return label;
}

QLabel* QuizWindow::addResultLabel(const QString& name) {
    QLabel* label = makeLabel(name, QString(), m_frames.at(Result), ui::FontRole::Strong);
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
    QLabel* label = makeLabel(labelName, labelText, frame, ui::FontRole::Strong);
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
        unit = makeLabel(unitName, unitText, frame);
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

void QuizWindow::finishSteps(const QString& startCaption, QWidget* firstDetail) {
    m_firstDetail = firstDetail;

    m_next = makeButton(QStringLiteral("cmdNext"), startCaption, m_frames.at(PersonalDetails));
    m_layouts.at(PersonalDetails)->addSpacing(ui::px(kQuizSizes.gapAboveButton));
    auto* startRow = new QHBoxLayout;
    startRow->addWidget(m_next, 0, Qt::AlignTop);
    if (m_unitOptions) {
        startRow->addSpacing(ui::px(kQuizSizes.unitOptionsGap));
        startRow->addWidget(m_unitOptions, 0, Qt::AlignTop);
        // After Start, so that the details keep their order and the box typed into first keeps
        // the focus; a choice is one Shift+Tab from it, Tab round.
        m_unitOptions->followInTabOrder(m_next);
    }
    startRow->addStretch(1);
    m_layouts.at(PersonalDetails)->addLayout(startRow);
    m_layouts.at(PersonalDetails)->addStretch(1);
    connect(m_next, &QPushButton::clicked, this, &QuizWindow::start);

    m_main = makeButton(QStringLiteral("cmdMain"), tr("&Main Screen"), m_frames.at(Result));
    connect(m_main, &QPushButton::clicked, this, &QuizWindow::mainScreen);
    m_sheet->addLeadingButton(m_main);
    m_sheet->followInTabOrder(m_main);

    surround(m_body);
    // Raised once everything is in place, so that nothing on the steps beneath is reached.
    raiseStep(PersonalDetails);
}

void QuizWindow::showEvent(QShowEvent* event) {
    CalculatorWindow::showEvent(event);
    // The box to type into first has the focus when the window opens.
    if (!m_shownOnce && m_firstDetail) {
        m_shownOnce = true;
        m_firstDetail->setFocus(Qt::OtherFocusReason);
    }
}

void QuizWindow::showMessage(const QString& text) {
    context().platform.messageBox.show(this, text, MessageIcon::Stop, MessageButtons::Ok);
}

bool QuizWindow::validateAge(NumberBox* box, int lower, int upper, const QString& rangeMessage) {
    if (box->text().isEmpty()) {
        showMessage(tr("Please enter your age"));
        box->setFocus();
        return false;
    }
    // Saturated, so an age of any length is simply out of range rather than wrapped.
    const int age = box->value();
    if (age < lower || age > upper) {
        showMessage(rangeMessage);
        box->clear();
        box->setFocus();
        return false;
    }
    return true;
}

void QuizWindow::start() {
    if (!validateDetails())
        return;
    captureDetails();
    m_current.reset();
    nextQuestion();
    raiseStep(Questions);
}

void QuizWindow::nextQuestion() {
    if (!m_current) {
        showQuestion(0);
        return;
    }
    const std::size_t current = *m_current;
    takeAnswer(current, m_answers->currentIndex());
    if (current + 1 < m_questions.size()) {
        showQuestion(current + 1);
        // A reader hears a new question only from a new focus (it cannot read a changed
        // description), so with one listening the focus goes to the list it is answered in.
        if (readerActive() && m_nextQuestion->hasFocus())
            m_answers->setFocus(Qt::OtherFocusReason);
        return;
    }
    showResult();
    if (resultTakesFocus())
        m_main->setFocus();
    raiseStep(Result);
    // Whatever has the focus on the result step is heard with the result.
    const QString result = resultText();
    announce(m_main, result);
    if (QWidget* focus = focusWidget(); focus && focus != m_main)
        announce(focus, result);
    m_sheet->tellGlance();
}

void QuizWindow::mainScreen() {
    // The focus before the boxes are emptied: a reader that hears the emptied box first takes
    // it as the focus without a word, and is then silent on the focus itself.
    raiseStep(PersonalDetails);
    m_firstDetail->setFocus();
    resetDetails();
}

QStringList QuizWindow::answerTexts(std::size_t question) const {
    QStringList texts;
    for (const std::string_view answer : m_questions[question].answers)
        texts << ui::scoringText(answer);
    return texts;
}

void QuizWindow::showQuestion(std::size_t index) {
    const Question& question = m_questions[index];
    m_questionNo->setText(tr("Question %1 of %2").arg(index + 1).arg(m_questions.size()));
    m_question->setText(ui::scoringText(question.text));
    m_answers->clear();
    m_answers->addItems(answerTexts(index));
    m_answers->setCurrentIndex(0);
    m_answerUnit->setText(answerUnit(index));
    m_current = index;
    // The list is read by its question, and described by its place and the unit of its values;
    // the new question is heard wherever the focus is.
    m_answers->setAccessibleName(m_question->text());
    announce(m_answers, m_answerUnit->text().isEmpty()
                            ? m_questionNo->text()
                            : tr("%1, %2").arg(m_questionNo->text(), m_answerUnit->text()));
    announce(m_nextQuestion, tr("%1. %2").arg(m_questionNo->text(), m_question->text()));
}

QString QuizWindow::resultText() const {
    // Each text a sentence of its own: the shown texts end without a full stop, and a reader
    // ran them together into one ("... Borderline High Level Your HDL ...").
    QStringList sentences;
    for (const QLabel* label : m_resultLabels) {
        const QString text = label->text().trimmed();
        if (text.isEmpty())
            continue;
        const bool ended = text.back() == u'.' || text.back() == u'!' || text.back() == u'?';
        sentences.append(ended ? text : tr("%1.").arg(text));
    }
    return sentences.join(u' ');
}

void QuizWindow::showReport(ResultReport report) {
    m_sheet->setReport(std::move(report));
}

void QuizWindow::raiseStep(Step step) {
    m_stack->raiseMember(m_frames.at(step));
}

} // namespace wellbox

#include "moc_quizwindow.cpp"
