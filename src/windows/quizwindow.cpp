#include "windows/quizwindow.h"

#include "result/resultsheet.h"
#include "result/scoringtext.h"
#include "widgets/accessibility.h"
#include "widgets/framestack.h"
#include "widgets/numberbox.h"
#include "widgets/stepbutton.h"
#include "widgets/uistyle.h"
#include "windows/quizshapes.h"

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

constexpr std::array<const char*, 3> kStepCaptions{
    QT_TRANSLATE_NOOP("wellbox::QuizWindow", "Personal Details"),
    QT_TRANSLATE_NOOP("wellbox::QuizWindow", "Questions"),
    QT_TRANSLATE_NOOP("wellbox::QuizWindow", "Result")};

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
    m_questionNo = makeQuizLabel(QStringLiteral("lblQuestionNo"), tr("Question No"), questionsFrame,
                                 ui::FontRole::Strong);
    m_question = makeQuizLabel(QStringLiteral("lblQuestion"), QString(), questionsFrame);
    m_answers = new QComboBox(questionsFrame);
    m_answers->setObjectName(QStringLiteral("cboAnswer_Option"));
    m_answers->setFont(ui::font(ui::FontRole::Text));
    qsizetype longest = 0;
    for (const Question& question : m_questions)
        for (const std::string_view answer : question.answers)
            longest = std::max(longest, ui::scoringText(answer).size());
    m_answers->setMinimumContentsLength(static_cast<int>(longest) + kListSpareCharacters);
    m_answers->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_answerUnit = makeQuizLabel(QStringLiteral("lblUnit"), QString(), questionsFrame);
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
    keepOwnName(m_sheet);
    resultLayout->addWidget(m_sheet, 1);
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
