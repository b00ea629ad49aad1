#include "calorie/calorieinputwindow.h"

#include "app/uistyle.h"
#include "calorie/calorieresultwindow.h"
#include "calorie/caloriestore.h"
#include "calorie/modcaloriecalculator.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace wellbox {

namespace calc = modCalorieCalculator;

struct CalorieListRange {
    int first;
    int last;
};

struct CalorieUnitSpec {
    const char* optionName;
    const char* optionCaption;
    const char* frameName;
    const char* frameCaption;
    const char* wholeName;
    CalorieListRange whole;
    const char* tenthsName;
    double (*toStoredUnit)(double); // to kilograms or centimetres
};

struct CalorieQuantitySpec {
    const char* selectName;
    const char* selectCaption;
    const char* enterName;
    const char* enterCaption;
    const char* okName;
    const char* backName;
    std::array<CalorieUnitSpec, 2> units;
};

namespace {

double asIs(double value) {
    return value;
}

constexpr CalorieQuantitySpec kWeight{
    "fraSelectWeight",
    "Select Category To Measure Weight",
    "fraEnterWeight",
    "Enter Weight",
    "cmdOkWeight",
    "cmdBackWeight",
    {{
        {"optKG",
         "Kilograms",
         "fraInKilogram",
         "In Kilogram",
         "cmbKG",
         {0, 500},
         "cmbPointKG",
         asIs},
        {"optPound",
         "Pounds",
         "fraInPound",
         "In Pound",
         "cmbPound",
         {0, 1000},
         "cmbPointPound",
         calc::poundsToKg},
    }},
};

constexpr CalorieQuantitySpec kHeight{
    "fraSelectHeight",
    "Select Category To Measure Height",
    "fraEnterHeight",
    "Enter Height",
    "cmdOKHeight",
    "cmdBackHeight",
    {{
        {"optMeter",
         "Meters",
         "fraInMeter",
         "In Meter",
         "cmbMeter",
         {0, 10},
         "cmbPointMeter",
         calc::metersToCm},
        {"optInches",
         "Inches",
         "fraInInches",
         "In Inches",
         "cmbInches",
         {0, 500},
         "cmbPointInches",
         calc::inchesToCm},
    }},
};

constexpr CalorieListRange kAgeYears{1, 120};
constexpr std::array kTenths{".0", ".1", ".2", ".3", ".4", ".5", ".6", ".7", ".8", ".9"};
// The first entry is the one read as male.
constexpr std::array kSexes{"Male", "Female"};

constexpr char kIntroText[] =
    "Kestavo Calorie Calculator helps you get a basic idea about your daily calorie needs. This "
    "is a general guideline and takes into account your height, weight, gender and activity "
    "levels.";
constexpr char kGetStartedText[] = "Enter the required details and get started!";
constexpr char kMissingUnitMessage[] = "Plese Select Both Your Height And Weight";

// Wide enough for "1000"; measuring every entry of the long lists would slow the opening.
constexpr int kListCharacters = 4;
constexpr int kAreaSpacing = 6;
constexpr int kAreaMinimumWidth = 350;
constexpr QMargins kFrameMargins{8, 2, 8, 4};

QStringList wholeNumbers(CalorieListRange range) {
    QStringList items;
    items.reserve(range.last - range.first + 1);
    for (int n = range.first; n <= range.last; ++n)
        items.append(QString::number(n));
    return items;
}

template <std::size_t N> QStringList texts(const std::array<const char*, N>& items) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(N));
    for (const char* item : items)
        list.append(QString::fromLatin1(item));
    return list;
}

// A plain string list model holds thousands of entries far more cheaply than the combo box's
// own item model.
void fill(QComboBox* list, const QStringList& items) {
    const QSignalBlocker quiet(list);
    list->setModel(new QStringListModel(items, list));
}

QGroupBox* makeFrame(const char* name, const char* caption, QWidget* parent) {
    auto* frame = new QGroupBox(QString::fromLatin1(caption), parent);
    frame->setObjectName(QString::fromLatin1(name));
    // Opaque, so the frame in front hides the one stacked behind it.
    frame->setAutoFillBackground(true);
    return frame;
}

double readLists(const QComboBox* whole, const QComboBox* tenths) {
    return calc::readWholeAndTenths(whole->currentText().toStdString(),
                                    tenths->currentText().toStdString());
}

} // namespace

CalorieInputWindow::CalorieInputWindow(const WindowContext& context, QWidget* parent)
    : CalculatorWindow(context, CalculatorKind::CalorieMain, parent) {
    buildFrame(Frame::CalorieInput, buildBody());
    addProceedCommand();

    fillLists();
    selectFirstEntries();
    m_weight.selectFrame->raise();
    m_height.selectFrame->raise();
    m_weight.back();
    m_height.back();
}

QWidget* CalorieInputWindow::buildBody() {
    auto* body = new QWidget(this);
    body->setFont(ui::verdana(8.25));

    auto* intro = ui::named(new QLabel(QString::fromLatin1(kIntroText), body), "Label4");
    intro->setWordWrap(true);
    intro->setAlignment(Qt::AlignCenter);
    auto* getStarted = ui::named(new QLabel(QString::fromLatin1(kGetStartedText), body), "Label5");
    getStarted->setAlignment(Qt::AlignCenter);
    getStarted->setFont(ui::verdana(8.25, ui::FontStyle::Bold));

    m_age = makeList("cmbAge", body);
    m_sex = makeList("cmbGender", body);
    const std::array<QWidget*, 4> areas{
        buildQuantityArea(kWeight, m_weight),
        buildSimpleArea("Frame1", "Enter Your Age", "Label1", "Age", m_age),
        buildQuantityArea(kHeight, m_height),
        buildSimpleArea("Frame3", "Enter Your Sex", "Label3", "Sex", m_sex),
    };
    // Four areas of one size, whichever needs the most room.
    QSize areaSize(kAreaMinimumWidth, 0);
    for (QWidget* area : areas)
        areaSize = areaSize.expandedTo(area->sizeHint());
    auto* grid = new QGridLayout;
    grid->setSpacing(kAreaSpacing);
    for (std::size_t i = 0; i < areas.size(); ++i) {
        areas[i]->setFixedSize(areaSize);
        grid->addWidget(areas[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
    }

    auto* proceedButton =
        ui::named(new QPushButton(QStringLiteral("&Proceed"), body), "cmdCalculate");
    auto* exitButton = ui::named(new QPushButton(QStringLiteral("&Exit"), body), "cmdExit");
    connect(proceedButton, &QPushButton::clicked, this, &CalorieInputWindow::proceed);
    connect(exitButton, &QPushButton::clicked, this, &CalorieInputWindow::unload);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(proceedButton, 3);
    buttons->addWidget(exitButton, 1);

    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(8, 0, 8, 0);
    column->setSpacing(4);
    column->addWidget(intro);
    column->addWidget(getStarted);
    column->addLayout(grid);
    column->addLayout(buttons);
    return body;
}

QWidget* CalorieInputWindow::buildQuantityArea(const CalorieQuantitySpec& shape,
                                               QuantityArea& area) {
    area.shape = &shape;
    auto* stack = new QWidget;
    area.selectFrame = makeFrame(shape.selectName, shape.selectCaption, stack);
    area.enterFrame = makeFrame(shape.enterName, shape.enterCaption, stack);

    auto* options = new QVBoxLayout(area.selectFrame);
    options->setContentsMargins(kFrameMargins);
    auto* unitFrames = new QGridLayout;
    for (std::size_t i = 0; i < shape.units.size(); ++i) {
        const CalorieUnitSpec& unitSpec = shape.units[i];
        QuantityArea::Unit& unit = area.units[i];
        unit.option = ui::named(
            new QRadioButton(QString::fromLatin1(unitSpec.optionCaption), area.selectFrame),
            unitSpec.optionName);
        options->addWidget(unit.option);
        // Any click opens the entry frame, also on the unit already chosen, so it can be
        // changed after OK.
        connect(unit.option, &QRadioButton::clicked, this, [&area, i] { area.chooseUnit(i); });

        unit.frame = makeFrame(unitSpec.frameName, unitSpec.frameCaption, area.enterFrame);
        unit.whole = makeList(unitSpec.wholeName, unit.frame);
        unit.tenths = makeList(unitSpec.tenthsName, unit.frame);
        auto* lists = new QHBoxLayout(unit.frame);
        lists->setContentsMargins(kFrameMargins);
        lists->addWidget(unit.whole, 3);
        lists->addWidget(unit.tenths, 2);
        unitFrames->addWidget(unit.frame, 0, 0);
    }

    auto* ok = ui::named(new QPushButton(QStringLiteral("OK"), area.enterFrame), shape.okName);
    auto* back =
        ui::named(new QPushButton(QStringLiteral("Back"), area.enterFrame), shape.backName);
    connect(ok, &QPushButton::clicked, this, [&area] { area.ok(); });
    connect(back, &QPushButton::clicked, this, [&area] { area.back(); });
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(ok);
    buttons->addWidget(back);
    auto* entry = new QHBoxLayout(area.enterFrame);
    entry->setContentsMargins(kFrameMargins);
    entry->addLayout(unitFrames, 1);
    entry->addLayout(buttons);

    // Both frames take the same rectangle; the one raised last is seen.
    auto* overlay = new QGridLayout(stack);
    overlay->setContentsMargins(0, 0, 0, 0);
    overlay->addWidget(area.selectFrame, 0, 0);
    overlay->addWidget(area.enterFrame, 0, 0);
    return stack;
}

QWidget* CalorieInputWindow::buildSimpleArea(const char* frameName, const char* caption,
                                             const char* labelName, const char* labelCaption,
                                             QComboBox* list) {
    QGroupBox* frame = makeFrame(frameName, caption, nullptr);
    auto* label = ui::named(new QLabel(QString::fromLatin1(labelCaption), frame), labelName);
    list->setParent(frame);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(kFrameMargins);
    row->addStretch(1);
    row->addWidget(label);
    row->addWidget(list, 2);
    row->addStretch(1);
    return frame;
}

QComboBox* CalorieInputWindow::makeList(const char* name, QWidget* parent) {
    auto* list = ui::named(new QComboBox(parent), name);
    list->setEditable(false);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(kListCharacters);
    return list;
}

void CalorieInputWindow::addProceedCommand() {
    connect(addFileCommand("&Proceed", "mnuProceed"), &QAction::triggered, this,
            &CalorieInputWindow::proceed);
}

void CalorieInputWindow::fillLists() {
    const QStringList tenths = texts(kTenths);
    for (const QuantityArea* area : {&m_weight, &m_height}) {
        for (std::size_t i = 0; i < area->units.size(); ++i) {
            fill(area->units[i].whole, wholeNumbers(area->shape->units[i].whole));
            fill(area->units[i].tenths, tenths);
        }
    }
    fill(m_age, wholeNumbers(kAgeYears));
    fill(m_sex, texts(kSexes));
}

void CalorieInputWindow::selectFirstEntries() {
    m_sex->setCurrentIndex(0);
    m_age->setCurrentIndex(0);
    for (const QuantityArea* area : {&m_weight, &m_height}) {
        for (const QuantityArea::Unit& unit : area->units) {
            unit.whole->setCurrentIndex(0);
            unit.tenths->setCurrentIndex(0);
        }
    }
}

void CalorieInputWindow::proceed() {
    const auto refuse = [this] {
        context().platform.messageBox.show(this, QString::fromLatin1(kMissingUnitMessage),
                                           MessageIcon::Information, MessageButtons::Ok);
    };
    if (!m_weight.chosenUnit() || !m_height.chosenUnit())
        return refuse();
    const double weightKg = m_weight.chosenValue();
    const double heightCm = m_height.chosenValue();
    const bool male = m_sex->currentIndex() == 0;
    const double age = m_age->currentText().toDouble();
    const std::int16_t basal = calc::ComputeBasalCalories(male, weightKg, heightCm, age);
    // A weight or height of 0 is none given, and only absurd entries leave no basal need: a
    // requirement of 0 or below would be no answer.
    if (weightKg == 0.0 || heightCm == 0.0 || basal <= 0)
        return refuse();
    calc::CalorieStore& store = context().calorieStore;
    store.WeightKg = weightKg;
    store.HeightCm = heightCm;
    store.BasalCalories = basal;

    CalculatorHost& host = context().host;
    if (auto* result =
            qobject_cast<CalorieResultWindow*>(host.loadCalculator(CalculatorKind::CalorieDisplay)))
        result->prepare();
    host.hideCalculator(CalculatorKind::CalorieMain);
    host.showCalculator(CalculatorKind::CalorieDisplay);
    host.setWelcomePanelVisible(false);
}

void CalorieInputWindow::QuantityArea::chooseUnit(std::size_t index) {
    enterFrame->raise();
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i].frame->setVisible(i == index);
}

void CalorieInputWindow::QuantityArea::ok() {
    selectFrame->raise();
}

void CalorieInputWindow::QuantityArea::back() {
    selectFrame->raise();
    // Option buttons refuse to be cleared while they exclude each other.
    for (const Unit& unit : units) {
        unit.option->setAutoExclusive(false);
        unit.option->setChecked(false);
    }
    for (const Unit& unit : units)
        unit.option->setAutoExclusive(true);
}

std::optional<std::size_t> CalorieInputWindow::QuantityArea::chosenUnit() const {
    for (std::size_t i = 0; i < units.size(); ++i)
        if (units[i].option->isChecked())
            return i;
    return std::nullopt;
}

double CalorieInputWindow::QuantityArea::chosenValue() const {
    const std::size_t index = chosenUnit().value_or(0);
    return shape->units[index].toStoredUnit(readLists(units[index].whole, units[index].tenths));
}

} // namespace wellbox
