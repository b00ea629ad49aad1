#pragma once

// Drives a risk quiz window the way a user does: opened from the launcher, typed into, picked
// from, clicked. What a step "is" is read from the screen: the frame that covers the middle.

#include "quiz/quizwindow.h"
#include "support/appfixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <QList>

namespace wellbox::testing {

// Launcher button indexes.
inline constexpr int kCholesterolButton = 1;
inline constexpr int kDiabetesButton = 2;
inline constexpr int kHeartButton = 3;

class QuizDriver {
public:
    QuizDriver(AppFixture& fixture, int launcherButton)
        : fixture(fixture)
        , window(fixture.launch(launcherButton)) {
        QApplication::setActiveWindow(&fixture.window);
    }

    template <typename T = QWidget> T* get(const QString& name) const {
        return window ? window->findChild<T*>(name) : nullptr;
    }

    QLineEdit* box(const char* name) const { return get<QLineEdit>(QString::fromLatin1(name)); }
    QComboBox* list(const char* name) const { return get<QComboBox>(QString::fromLatin1(name)); }
    QString caption(const QString& labelName) const {
        const QLabel* label = get<QLabel>(labelName);
        return label ? label->text() : QStringLiteral("<no %1>").arg(labelName);
    }

    void type(const char* boxName, const QString& text) const {
        QTest::keyClicks(box(boxName), text);
    }

    void click(const char* buttonName) const {
        QTest::mouseClick(get<QAbstractButton>(QString::fromLatin1(buttonName)), Qt::LeftButton);
    }

    QString firstBox() const { return box("txtAge") ? "txtAge" : "txtName"; }

    QStringList validDetails() const {
        return box("txtAge") ? QStringList{"45"} : QStringList{"Ann", "0", "150"};
    }

    // Fills the personal details: {age, sex row} or {name, height row, weight}.
    void fill(const QStringList& details) const {
        const bool age = box("txtAge");
        type(age ? "txtAge" : "txtName", details.value(0));
        list(age ? "cboSex" : "cboHeight")->setCurrentIndex(details.value(1).toInt());
        if (!age)
            type("txtWeight", details.value(2));
    }

    void start(const QStringList& details) const {
        fill(details);
        click("cmdNext");
    }

    // With details every check accepts, on to `step` by the first answers.
    void goTo(int step) const {
        if (step > 0)
            start(validDetails());
        while (step == 2 && stepInView() == 1)
            click("cmdNextQuestion");
    }

    // Picks each answer by its position and presses Next Question after each.
    void answer(const QList<int>& positions) const {
        for (const int position : positions) {
            list("cboAnswer_Option")->setCurrentIndex(position);
            click("cmdNextQuestion");
        }
    }

    // The index of the step frame in view, or -1 when none covers the middle of the steps.
    int stepInView() const {
        const QGroupBox* first = get<QGroupBox>(QStringLiteral("fraStep_0"));
        if (!first)
            return -1;
        QWidget* steps = first->parentWidget();
        const QPoint middle = first->geometry().center();
        for (QWidget* w = steps->childAt(middle); w && w != steps; w = w->parentWidget())
            if (w->objectName().startsWith(QLatin1String("fraStep_")))
                return w->objectName().mid(8).toInt();
        return -1;
    }

    QWidget* focus() const { return QApplication::focusWidget(); }
    QString focusName() const { return focus() ? focus()->objectName() : QString(); }

    AppFixture& fixture;
    CalculatorWindow* window;
};

} // namespace wellbox::testing
