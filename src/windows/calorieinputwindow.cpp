#include "windows/calorieinputwindow.h"

#include "result/scoringtext.h"
#include "scoring/modcaloriecalculator.h"
#include "widgets/accessibility.h"
#include "widgets/framestack.h"
#include "widgets/noticelabel.h"
#include "widgets/stepbutton.h"
#include "widgets/textfit.h"
#include "widgets/uistyle.h"
#include "windows/calorieinputshapes.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QTimer>
#include <QVBoxLayout>

namespace wellbox {

namespace calc = modCalorieCalculator;

namespace {

constexpr char kIntroText[] = QT_TRANSLATE_NOOP(
    "wellbox::CalorieInputWindow",
    "Kestavo Calorie Calculator helps you get a basic idea about your daily calorie needs. This "
    "is a general guideline and takes into account your height, weight, gender and activity "
    "levels.");

// Wide enough for "1000"; measuring every entry of the long lists would slow the opening.
constexpr int kListCharacters = 4;

// Sizes in twips (15 to a pixel).
constexpr struct {
    int bodyMargin; // left and right
    int bodySpacing;
    int areaSpacing;
    int areaMinimumWidth;
    int frameMarginSide;
    int frameMarginTop;
    int frameMarginBottom;
    int okBackSpacing;
} kCalorieInputSizes{
    .bodyMargin = 120,
    .bodySpacing = 60,
    .areaSpacing = 90,
    .areaMinimumWidth = 5250,
    .frameMarginSide = 120,
    .frameMarginTop = 30,
    .frameMarginBottom = 60,
    .okBackSpacing = 30,
};

QMargins frameMargins() {
    return {ui::px(kCalorieInputSizes.frameMarginSide), ui::px(kCalorieInputSizes.frameMarginTop),
            ui::px(kCalorieInputSizes.frameMarginSide),
            ui::px(kCalorieInputSizes.frameMarginBottom)};
}

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

QGroupBox* makeFrame(const char* name, const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    // Opaque, so the frame in front hides the one stacked behind it.
    frame->setAutoFillBackground(true);
    return frame;
}

} // namespace

CalorieInputWindow::CalorieInputWindow(const WindowContext& context, calc::CalorieStore& store,
                                       QWidget* parent)
    : CalculatorWindow(context, CalculatorKind::CalorieMain, parent)
    , m_store(store) {
    surround(buildBody());
    addProceedCommand();

    fillLists();
    selectFirstEntries();
    m_weight.back();
    m_height.back();
}

QWidget* CalorieInputWindow::buildBody() {
    auto* body = new QWidget(this);
    body->setFont(ui::font(ui::FontRole::Text));

    auto* intro = ui::named(new QLabel(tr(kIntroText), body), "Label4");
    intro->setWordWrap(true);
    intro->setAlignment(Qt::AlignCenter);
    auto* getStarted =
        ui::named(new QLabel(tr("Enter the required details and get started!"), body), "Label5");
    getStarted->setAlignment(Qt::AlignCenter);
    getStarted->setFont(ui::font(ui::FontRole::Strong));
    m_introText = intro->text() + u'\n' + getStarted->text();
    m_introNotice = ui::named(new NoticeLabel(body), "lblIntroNotice");

    m_age = makeList("cmbAge", body);
    m_sex = makeList("cmbGender", body);
    const std::array<QWidget*, 4> areas{
        buildQuantityArea(kWeight, m_weight),
        buildSimpleArea("Frame1", tr("Enter Your Age"), "Label1", tr("Age"), m_age),
        buildQuantityArea(kHeight, m_height),
        buildSimpleArea("Frame3", tr("Enter Your Sex"), "Label3", tr("Sex"), m_sex),
    };
    // Four areas of one size, whichever needs the most room.
    QSize areaSize(ui::px(kCalorieInputSizes.areaMinimumWidth), 0);
    for (QWidget* area : areas)
        areaSize = areaSize.expandedTo(area->sizeHint());
    auto* grid = new QGridLayout;
    grid->setSpacing(ui::px(kCalorieInputSizes.areaSpacing));
    for (std::size_t i = 0; i < areas.size(); ++i) {
        areas[i]->setFixedSize(areaSize);
        grid->addWidget(areas[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    // The areas decide the window's width, and the introduction keeps to its English lines.
    ui::keepEnglishHeight(intro, 2 * areaSize.width() + grid->spacing(), kIntroText);

    auto* proceedButton = ui::named(new StepButton(tr("&Proceed"), body), "cmdCalculate");
    auto* exitButton = ui::named(new QPushButton(tr("&Exit"), body), "cmdExit");
    connect(proceedButton, &QPushButton::clicked, this, &CalorieInputWindow::proceed);
    connect(exitButton, &QPushButton::clicked, this, &CalorieInputWindow::unload);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(proceedButton, 3);
    buttons->addWidget(exitButton, 1);

    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(ui::px(kCalorieInputSizes.bodyMargin), 0,
                               ui::px(kCalorieInputSizes.bodyMargin), 0);
    column->setSpacing(ui::px(kCalorieInputSizes.bodySpacing));
    column->addWidget(intro);
    column->addWidget(getStarted);
    column->addLayout(grid);
    column->addLayout(buttons);
    return body;
}

QWidget* CalorieInputWindow::buildQuantityArea(const CalorieQuantityShape& shape,
                                               QuantityArea& area) {
    area.shape = &shape;
    area.frames = new FrameStack;
    area.selectFrame = makeFrame(shape.selectName, tr(shape.selectCaption), area.frames);
    area.enterFrame = makeFrame(shape.enterName, tr(shape.enterCaption), area.frames);

    auto* framed = new QVBoxLayout(area.selectFrame);
    framed->setContentsMargins(frameMargins());
    QWidget* options = unlabelledColumn(area.selectFrame);
    framed->addWidget(options);
    area.unitFrames = new FrameStack(area.enterFrame);
    for (std::size_t i = 0; i < shape.units.size(); ++i) {
        const CalorieUnitShape& unitShape = shape.units[i];
        QuantityArea::Unit& unit = area.units[i];
        unit.option =
            ui::named(new QRadioButton(tr(unitShape.optionCaption), options), unitShape.optionName);
        options->layout()->addWidget(unit.option);
        // An option becoming checked opens the entry frame, however it comes about (a click, a
        // key, a reader's action); so does a click on the unit already chosen, so that it can
        // be changed after OK.
        connect(unit.option, &QRadioButton::toggled, this, [&area, i](bool checked) {
            if (checked)
                area.chooseUnit(i);
        });
        connect(unit.option, &QRadioButton::clicked, this, [&area, i] { area.chooseUnit(i); });

        unit.frame = makeFrame(unitShape.frameName, tr(unitShape.frameCaption), area.unitFrames);
        unit.whole = makeList(unitShape.wholeName, unit.frame);
        unit.tenths = makeList(unitShape.tenthsName, unit.frame);
        // Read by the unit: the frame's caption is said already as the panel around them.
        unit.whole->setAccessibleName(unit.option->text());
        unit.tenths->setAccessibleName(tr("%1, tenths").arg(unit.option->text()));
        // Qt on Linux names a list by its value and labels both lists by the frame, so the
        // tenths list says what it holds in its description.
        unit.tenths->setAccessibleDescription(tr(unitShape.tenthsDescription));
        auto* lists = new QHBoxLayout(unit.frame);
        lists->setContentsMargins(frameMargins());
        lists->addWidget(unit.whole, 3);
        lists->addWidget(unit.tenths, 2);
        area.unitFrames->addMember(unit.frame);
    }

    auto* ok = ui::named(new StepButton(tr("OK"), area.enterFrame), shape.okName);
    auto* back = ui::named(new StepButton(tr("Back"), area.enterFrame), shape.backName);
    connect(ok, &QPushButton::clicked, this, [&area] { area.ok(); });
    connect(back, &QPushButton::clicked, this, [&area] { area.back(); });
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(ui::px(kCalorieInputSizes.okBackSpacing));
    buttons->addWidget(ok);
    buttons->addWidget(back);
    auto* entry = new QHBoxLayout(area.enterFrame);
    entry->setContentsMargins(frameMargins());
    entry->addWidget(area.unitFrames, 1);
    entry->addLayout(buttons);

    // Both frames take the same rectangle; the one in front is seen.
    area.frames->addMember(area.selectFrame);
    area.frames->addMember(area.enterFrame);
    return area.frames;
}

QWidget* CalorieInputWindow::buildSimpleArea(const char* frameName, const QString& caption,
                                             const char* labelName, const QString& labelCaption,
                                             QComboBox* list) {
    QGroupBox* frame = makeFrame(frameName, caption, nullptr);
    auto* label = ui::named(new QLabel(labelCaption, frame), labelName);
    list->setParent(frame);
    list->setAccessibleName(label->text());
    label->setBuddy(list);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(frameMargins());
    row->addStretch(1);
    row->addWidget(label);
    row->addWidget(list, 2);
    row->addStretch(1);
    return frame;
}

QComboBox* CalorieInputWindow::makeList(const char* name, QWidget* parent) {
    auto* list = ui::named(new QComboBox(parent), name);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(kListCharacters);
    return list;
}

void CalorieInputWindow::showEvent(QShowEvent* event) {
    CalculatorWindow::showEvent(event);
    if (!m_introTold && readerActive()) {
        m_introTold = true;
        QTimer::singleShot(0, m_introNotice, [this] { m_introNotice->tellReader(m_introText); });
    }
}

void CalorieInputWindow::addProceedCommand() {
    connect(addFileCommand(tr("&Proceed"), "mnuProceed"), &QAction::triggered, this,
            &CalorieInputWindow::proceed);
}

void CalorieInputWindow::fillLists() {
    const QStringList tenths = texts(kTenths);
    for (const QuantityArea* area : {&m_weight, &m_height}) {
        for (std::size_t i = 0; i < area->units.size(); ++i) {
            fill(area->units[i].whole, wholeNumbers({0, area->shape->units[i].wholeLast}));
            fill(area->units[i].tenths, tenths);
        }
    }
    fill(m_age, wholeNumbers({calc::YoungestAge, calc::OldestAge}));
    QStringList sexes;
    // The first entry is the one read as male.
    for (const std::string_view sex : SexNames)
        sexes.append(ui::scoringText(sex));
    fill(m_sex, sexes);
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
        context().platform.messageBox.show(this, tr("Plese Select Both Your Height And Weight"),
                                           MessageIcon::Information, MessageButtons::Ok);
    };
    if (!m_weight.chosenUnit() || !m_height.chosenUnit())
        return refuse();
    // The lists hold their numbers in order, from the first: a position is its number.
    const calc::CalorieEntries entries{
        .sex = m_sex->currentIndex() == 0 ? Sex::Male : Sex::Female,
        .age = static_cast<std::int16_t>(calc::YoungestAge + m_age->currentIndex()),
        .weight = m_weight.chosenEntry(),
        .height = m_height.chosenEntry()};
    const calc::BasalWorking working = calc::basalWorking(entries);
    // A weight or height of 0 is none given, and only absurd entries leave no basal need: a
    // requirement of 0 or below would be no answer.
    if (working.weightKg == 0.0 || working.heightCm == 0.0 || working.basal <= 0)
        return refuse();
    m_store.WeightKg = working.weightKg;
    m_store.HeightCm = working.heightCm;
    m_store.BasalCalories = working.basal;
    emit proceeded(entries);
}

void CalorieInputWindow::QuantityArea::chooseUnit(std::size_t index) {
    // The unit's lists first, so that the entry frame comes up with them in front.
    unitFrames->raiseMember(units[index].frame);
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i].frame->setVisible(i == index);
    frames->raiseMember(enterFrame);
}

void CalorieInputWindow::QuantityArea::ok() {
    frames->raiseMember(selectFrame);
}

void CalorieInputWindow::QuantityArea::back() {
    frames->raiseMember(selectFrame);
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

calc::Entry CalorieInputWindow::QuantityArea::chosenEntry() const {
    const std::size_t index = chosenUnit().value_or(0);
    return {static_cast<std::int16_t>(units[index].whole->currentIndex()),
            static_cast<std::int16_t>(units[index].tenths->currentIndex()),
            shape->units[index].unit};
}

} // namespace wellbox

#include "moc_calorieinputwindow.cpp"
