#include "calorie/calorieresultwindow.h"

#include "app/uistyle.h"
#include "calorie/caloriestore.h"
#include "calorie/modcaloriecalculator.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace wellbox {

namespace {

namespace calc = modCalorieCalculator;

struct ActivityOption {
    const char* name;
    const char* caption;
    calc::ActivityLevel level;
};

// Top to bottom; Calculate takes the first one selected in this order.
constexpr std::array<ActivityOption, 5> kActivities{{
    {"optOne", "Sedentary", calc::ActivityLevel::Sedentary},
    {"optTwo", "Light Activity for 2 Days per Week", calc::ActivityLevel::Light},
    {"optThree", "Moderate Activity for 4 Days per Week", calc::ActivityLevel::Moderate},
    {"optFour", "High Activity for 6 Days per Week", calc::ActivityLevel::High},
    {"optFive", "Higher Activity Levels", calc::ActivityLevel::Higher},
}};

struct ResultLabel {
    const char* name;
    const char* text;
    ui::FontStyle style;
};

constexpr std::array<ResultLabel, 3> kResultLabels{{
    {"Label3", "The results of Kestavo Free Calorie Calculator are displayed below",
     ui::FontStyle::Bold},
    {"Label4",
     "Know the calories in your diet and cut down calories or add calories to your diet "
     "accordingly",
     ui::FontStyle::Regular},
    {"Label2", "Required Calories For Your Daily Activity", ui::FontStyle::Bold},
}};

// As wide as the input window, so the adverts keep to two lines and the window does not jump.
constexpr int kBodyMinimumWidth = 722;
// Both frames take this one width, so the frame in front covers the other completely.
constexpr int kFrameWidth = 560;

} // namespace

CalorieResultWindow::CalorieResultWindow(const WindowContext& context, QWidget* parent)
    : CalculatorWindow(context, CalculatorKind::CalorieDisplay, parent) {
    buildFrame(Frame::CalorieResult, buildBody());
    addBackCommand();
}

QWidget* CalorieResultWindow::buildBody() {
    auto* body = new QWidget(this);
    body->setFont(ui::verdana(8.25));
    body->setMinimumWidth(kBodyMinimumWidth);

    // Both frames take the same rectangle; the one raised last is seen.
    auto* stack = new QWidget(body);
    auto* overlay = new QGridLayout(stack);
    overlay->setContentsMargins(0, 0, 0, 0);
    overlay->addWidget(buildActivityFrame(), 0, 0, Qt::AlignHCenter);
    overlay->addWidget(buildResultFrame(), 0, 0, Qt::AlignHCenter);

    auto* exitButton = ui::named(new QPushButton(QStringLiteral("&Exit"), body), "cmdExit");
    auto* backButton = ui::named(new QPushButton(QStringLiteral("&Back"), body), "cmdBack");
    connect(exitButton, &QPushButton::clicked, this, &CalorieResultWindow::exit);
    connect(backButton, &QPushButton::clicked, this, &CalorieResultWindow::back);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(exitButton);
    buttons->addWidget(backButton);
    buttons->addStretch(1);

    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(8, 0, 8, 0);
    column->addWidget(stack, 1);
    column->addLayout(buttons);
    return body;
}

QWidget* CalorieResultWindow::buildActivityFrame() {
    m_activityFrame = ui::named(new QGroupBox(QStringLiteral("Select Your Daily Activity")),
                                "fraSelectDailyActivity");
    m_activityFrame->setAutoFillBackground(true);
    m_activityFrame->setFixedWidth(kFrameWidth);
    auto* column = new QVBoxLayout(m_activityFrame);
    for (std::size_t i = 0; i < kActivities.size(); ++i) {
        m_activities[i] = ui::named(
            new QRadioButton(QString::fromLatin1(kActivities[i].caption), m_activityFrame),
            kActivities[i].name);
        column->addWidget(m_activities[i]);
    }
    auto* calculateButton = ui::named(
        new QPushButton(QStringLiteral("Calculate My Required Calories"), m_activityFrame),
        "cmdCalculate");
    connect(calculateButton, &QPushButton::clicked, this, &CalorieResultWindow::calculate);
    // Without an activity there is nothing to calculate, and the store holds no answer for
    // these entries; the first choice makes it available.
    calculateButton->setEnabled(false);
    for (QRadioButton* activity : m_activities)
        connect(activity, &QRadioButton::toggled, calculateButton,
                [calculateButton] { calculateButton->setEnabled(true); });
    column->addWidget(calculateButton);
    return m_activityFrame;
}

QWidget* CalorieResultWindow::buildResultFrame() {
    m_resultFrame = ui::named(new QFrame, "fraResult");
    m_resultFrame->setAutoFillBackground(true);
    m_resultFrame->setFixedWidth(kFrameWidth);
    auto* column = new QVBoxLayout(m_resultFrame);
    column->addStretch(1);
    for (const ResultLabel& text : kResultLabels) {
        auto* label =
            ui::named(new QLabel(QString::fromLatin1(text.text), m_resultFrame), text.name);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setFont(ui::verdana(8.25, text.style));
        column->addWidget(label);
    }
    m_requiredCalories = ui::named(new QLabel(m_resultFrame), "lblRequireCalories");
    m_requiredCalories->setAlignment(Qt::AlignCenter);
    m_requiredCalories->setFont(ui::verdana(18, ui::FontStyle::Bold));
    column->addWidget(m_requiredCalories);
    column->addStretch(1);
    return m_resultFrame;
}

void CalorieResultWindow::addBackCommand() {
    connect(addFileCommand("&Back", "mnuFileBack"), &QAction::triggered, this,
            &CalorieResultWindow::back);
}

void CalorieResultWindow::prepare() {
    m_activityFrame->raise();
}

void CalorieResultWindow::calculate() {
    calc::CalorieStore& store = context().calorieStore;
    for (std::size_t i = 0; i < kActivities.size(); ++i) {
        if (m_activities[i]->isChecked()) {
            store.RequiredCalories =
                calc::ComputeRequiredCalories(store.BasalCalories, kActivities[i].level);
            break;
        }
    }
    m_requiredCalories->setText(
        QString::fromStdString(calc::requiredCaloriesText(store.RequiredCalories)));
    // Nothing brings the activity choice back: another choice goes through Back and Proceed.
    m_resultFrame->raise();
}

void CalorieResultWindow::back() {
    // Unloading deletes this window later; the host outlives it.
    CalculatorHost& host = context().host;
    unload();
    host.loadCalculator(CalculatorKind::CalorieMain);
    host.showCalculator(CalculatorKind::CalorieMain);
    host.setWelcomePanelVisible(false);
}

void CalorieResultWindow::exit() {
    // The input window stays hidden and loaded; the launcher closes it next time.
    unload();
}

} // namespace wellbox
