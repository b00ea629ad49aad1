#include "windows/calorieresultwindow.h"

#include "result/resultsheet.h"
#include "result/scoringtext.h"
#include "scoring/caloriestore.h"
#include "scoring/modcaloriecalculator.h"
#include "scoring/resultreport.h"
#include "widgets/accessibility.h"
#include "widgets/framestack.h"
#include "widgets/stepbutton.h"
#include "widgets/textfit.h"
#include "widgets/uistyle.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace wellbox {

namespace {

namespace calc = modCalorieCalculator;

struct ActivityOption {
    const char* name;
    calc::ActivityLevel level;
};

// Top to bottom; Calculate takes the first one selected in this order.
constexpr std::array<ActivityOption, 5> kActivities{{
    {"optOne", calc::ActivityLevel::Sedentary},
    {"optTwo", calc::ActivityLevel::Light},
    {"optThree", calc::ActivityLevel::Moderate},
    {"optFour", calc::ActivityLevel::High},
    {"optFive", calc::ActivityLevel::Higher},
}};

struct ResultLabel {
    const char* name;
    const char* text;
    ui::FontRole font;
};

constexpr std::array<ResultLabel, 3> kResultLabels{{
    {"Label3",
     QT_TRANSLATE_NOOP("wellbox::CalorieResultWindow",
                       "The results of Kestavo Free Calorie Calculator are displayed below"),
     ui::FontRole::Strong},
    {"Label4",
     QT_TRANSLATE_NOOP(
         "wellbox::CalorieResultWindow",
         "Know the calories in your diet and cut down calories or add calories to your diet "
         "accordingly"),
     ui::FontRole::Text},
    {"Label2", nullptr, ui::FontRole::Strong}, // the requirement's heading, as it is kept
}};

// Sizes in twips (15 to a pixel).
constexpr struct {
    // As wide as the input window, so the adverts keep to two lines and the window does not jump.
    int bodyMinimumWidth;
    int bodyMargin; // left and right
    // Both frames take this one size, so the frame in front covers the other completely; the
    // result's decides the height.
    int frameWidth;
    int frameHeight;
    int framesToButtons;
    int resultMargin;  // around the result frame's contents, which need the room
    int resultSpacing; // between its texts
} kCalorieResultSizes{
    .bodyMinimumWidth = 10830,
    .bodyMargin = 120,
    .frameWidth = 10590,
    .frameHeight = 3645,
    .framesToButtons = 15,
    .resultMargin = 30,
    .resultSpacing = 30,
};

QString resultLabelText(const ResultLabel& label) {
    return label.text ? CalorieResultWindow::tr(label.text)
                      : ui::scoringText(calc::RequirementHeading);
}

} // namespace

CalorieResultWindow::CalorieResultWindow(const WindowContext& context, calc::CalorieStore& store,
                                         QWidget* parent)
    : CalculatorWindow(context, CalculatorKind::CalorieDisplay, parent)
    , m_store(store) {
    surround(buildBody());
    addBackCommand();
    // The result's buttons follow Back. Qt orders only controls that take the focus, which
    // covered ones do not: the result is in front while the order is set.
    m_frames->raiseMember(m_resultFrame);
    m_sheet->followInTabOrder(findChild<QPushButton*>(QStringLiteral("cmdBack")));
    m_frames->raiseMember(m_activityFrame);
}

QWidget* CalorieResultWindow::buildBody() {
    auto* body = new QWidget(this);
    body->setFont(ui::font(ui::FontRole::Text));
    body->setMinimumWidth(ui::px(kCalorieResultSizes.bodyMinimumWidth));

    // Both frames take the same rectangle; the one in front is seen.
    m_frames = new FrameStack(body);
    m_frames->addMember(buildActivityFrame(), Qt::AlignHCenter);
    m_frames->addMember(buildResultFrame(), Qt::AlignHCenter);

    auto* exitButton = ui::named(new QPushButton(tr("&Exit"), body), "cmdExit");
    auto* backButton = ui::named(new StepButton(tr("&Back"), body), "cmdBack");
    // The input window stays hidden and loaded; the launcher closes it next time.
    connect(exitButton, &QPushButton::clicked, this, &CalorieResultWindow::unload);
    connect(backButton, &QPushButton::clicked, this, &CalorieResultWindow::back);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(exitButton);
    buttons->addWidget(backButton);
    buttons->addStretch(1);

    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(ui::px(kCalorieResultSizes.bodyMargin), 0,
                               ui::px(kCalorieResultSizes.bodyMargin), 0);
    // Exit and Back as far apart as the style spaces them, the frames nearer to them.
    buttons->setSpacing(column->spacing());
    column->setSpacing(ui::px(kCalorieResultSizes.framesToButtons));
    column->addWidget(m_frames, 1);
    column->addLayout(buttons);
    return body;
}

QWidget* CalorieResultWindow::buildActivityFrame() {
    m_activityFrame =
        ui::named(new QGroupBox(tr("Select Your Daily Activity")), "fraSelectDailyActivity");
    m_activityFrame->setAutoFillBackground(true);
    m_activityFrame->setFixedWidth(ui::px(kCalorieResultSizes.frameWidth));
    auto* column = new QVBoxLayout(m_activityFrame);
    QWidget* options = unlabelledColumn(m_activityFrame);
    column->addWidget(options);
    for (std::size_t i = 0; i < kActivities.size(); ++i) {
        const auto level = static_cast<std::size_t>(kActivities[i].level);
        m_activities[i] =
            ui::named(new QRadioButton(ui::scoringText(calc::ActivityNames.at(level)), options),
                      kActivities[i].name);
        options->layout()->addWidget(m_activities[i]);
    }
    auto* calculateButton =
        ui::named(new StepButton(tr("Calculate My Required Calories"), options), "cmdCalculate");
    connect(calculateButton, &QPushButton::clicked, this, &CalorieResultWindow::calculate);
    // Without an activity there is nothing to calculate, and the store holds no answer for
    // these entries; the first choice makes it available.
    calculateButton->setEnabled(false);
    for (QRadioButton* activity : m_activities)
        connect(activity, &QRadioButton::toggled, calculateButton,
                [calculateButton] { calculateButton->setEnabled(true); });
    options->layout()->addWidget(calculateButton);
    return m_activityFrame;
}

QWidget* CalorieResultWindow::buildResultFrame() {
    m_resultFrame = ui::named(new QFrame, "fraResult");
    m_resultFrame->setAutoFillBackground(true);
    m_resultFrame->setFixedSize(ui::px(kCalorieResultSizes.frameWidth),
                                ui::px(kCalorieResultSizes.frameHeight));
    auto* column = new QVBoxLayout(m_resultFrame);
    const int margin = ui::px(kCalorieResultSizes.resultMargin);
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(ui::px(kCalorieResultSizes.resultSpacing));
    // The frame is low and wide: the bars' caption goes beside them.
    m_sheet = new ResultSheet(context().platform, windowTitle(), MessageIcon::Information,
                              CaptionPlace::Beside, m_resultFrame);
    // The first two texts head both pages; the requirement and its heading are read at a
    // glance, beside the bars.
    for (std::size_t i = 0; i < kResultLabels.size(); ++i) {
        const ResultLabel& text = kResultLabels.at(i);
        auto* label = ui::named(new QLabel(resultLabelText(text), m_resultFrame), text.name);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setFont(ui::font(text.font));
        if (i < 2) {
            // A translation's headings take no more lines than English's, which leaves the
            // workings their room.
            ui::keepEnglishHeight(label, ui::px(kCalorieResultSizes.frameWidth) - 2 * margin,
                                  text.text);
            column->addWidget(label);
        } else
            m_sheet->addGlanceText(label, ui::px(kCalorieResultSizes.resultSpacing));
    }
    m_requiredCalories = ui::named(new QLabel(m_resultFrame), "lblRequireCalories");
    m_requiredCalories->setAlignment(Qt::AlignCenter);
    m_requiredCalories->setFont(ui::font(ui::FontRole::Figure));
    m_sheet->addGlanceText(m_requiredCalories, ui::px(kCalorieResultSizes.resultSpacing));
    column->addWidget(m_sheet, 1);
    return m_resultFrame;
}

void CalorieResultWindow::addBackCommand() {
    connect(addFileCommand(tr("&Back"), "mnuFileBack"), &QAction::triggered, this,
            &CalorieResultWindow::back);
}

void CalorieResultWindow::prepare(const calc::CalorieEntries& entries) {
    m_entries = entries;
    m_frames->raiseMember(m_activityFrame);
}

void CalorieResultWindow::calculate() {
    QString activity;
    // In front before the report: Qt puts only controls that take the focus in the Tab order,
    // which covered ones do not, and a reader's stops at a glance follow the page tabs.
    m_frames->raiseMember(m_resultFrame);
    for (std::size_t i = 0; i < kActivities.size(); ++i) {
        if (m_activities[i]->isChecked()) {
            activity = m_activities[i]->text();
            const calc::RequirementWorking chosen =
                calc::ComputeRequiredCalories(m_store.BasalCalories, kActivities[i].level);
            m_store.RequiredCalories = chosen.calories;
            // Plain digits, a minus sign first when negative, whatever the language; shown
            // before the report, whose lines a reader reaches after it.
            m_requiredCalories->setText(QString::number(m_store.RequiredCalories));
            m_sheet->setReport(calc::calorieReport(m_entries, chosen));
            m_sheet->scrollToResult();
            break;
        }
    }
    // Nothing brings the activity choice back: another choice goes through Back and Proceed.
    // The button that kept the focus is heard with the requirement and its activity level.
    QString said = tr("%1: %2").arg(resultLabelText(kResultLabels[2]), m_requiredCalories->text());
    if (!activity.isEmpty())
        said = tr("%1, %2").arg(said, activity);
    if (QWidget* focus = focusWidget())
        announce(focus, said);
    m_sheet->tellGlance();
}

void CalorieResultWindow::back() {
    unload();
    emit backRequested();
}

} // namespace wellbox

#include "moc_calorieresultwindow.cpp"
