#pragma once

#include "scoring/caloriestore.h"
#include "scoring/modcaloriecalculator.h"
#include "windows/calculatorwindow.h"

#include <array>
#include <optional>

class QComboBox;
class QGroupBox;
class QRadioButton;

namespace wellbox {

class FrameStack;
struct CalorieQuantityShape;

// `frmCalorieCalculatorMain`: sex, age, height and weight picked from lists, then Proceed
// keeps the weight, height and basal value in the calorie store and hands the entries on to the
// result window. This window is only hidden while the result window is up, so Back there finds
// every selection as the user left it.
class NoticeLabel;

class CalorieInputWindow final : public CalculatorWindow {
    Q_OBJECT
public:
    CalorieInputWindow(const WindowContext& context, modCalorieCalculator::CalorieStore& store,
                       QWidget* parent = nullptr);

signals:
    // Proceed found every entry it needs, worked out the basal value from them and kept it.
    void proceeded(const wellbox::modCalorieCalculator::CalorieEntries& entries);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Weight or height: a select frame with two unit options in front of an entry frame that
    // shows the lists of the chosen unit.
    struct QuantityArea {
        struct Unit {
            QRadioButton* option = nullptr;
            QGroupBox* frame = nullptr;
            QComboBox* whole = nullptr;
            QComboBox* tenths = nullptr;
        };
        const CalorieQuantityShape* shape = nullptr;
        FrameStack* frames = nullptr;
        FrameStack* unitFrames = nullptr;
        QGroupBox* selectFrame = nullptr;
        QGroupBox* enterFrame = nullptr;
        std::array<Unit, 2> units{};

        void chooseUnit(std::size_t index);
        void ok();
        void back();
        std::optional<std::size_t> chosenUnit() const;
        // The lists of the chosen unit as picked, with the unit.
        modCalorieCalculator::Entry chosenEntry() const;
    };

    QWidget* buildBody();
    QWidget* buildQuantityArea(const CalorieQuantityShape& shape, QuantityArea& area);
    QWidget* buildSimpleArea(const char* frameName, const QString& caption, const char* labelName,
                             const QString& labelCaption, QComboBox* list);
    QComboBox* makeList(const char* name, QWidget* parent);
    void addProceedCommand();
    void fillLists();
    void selectFirstEntries();

    void proceed();

    QuantityArea m_weight;
    QuantityArea m_height;
    QComboBox* m_age = nullptr;
    // The introduction, told to a reader once as the window opens: the focus starts on
    // Proceed, which does not read it.
    NoticeLabel* m_introNotice = nullptr;
    QString m_introText;
    bool m_introTold = false;
    QComboBox* m_sex = nullptr;
    modCalorieCalculator::CalorieStore& m_store;
};

} // namespace wellbox
