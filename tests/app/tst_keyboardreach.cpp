#include "support/appfixture.h"
#include "widgets/framestack.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// One step of one window, reached by clicking the named controls in order after the launcher.
struct StepCase {
    const char* name;
    int launcherButton; // -1: no calculator, the welcome panel in front
    std::array<const char*, 6> clicks;
    const char* keptButton; // the button that keeps the focus under the raised frame, if any
};

constexpr std::array<StepCase, 14> kSteps{{
    {"welcome panel", -1, {}, nullptr},
    {"heart details", 3, {}, nullptr},
    {"heart questions", 3, {"cmdNext"}, "cmdNext"},
    {"cholesterol questions", 1, {"cmdNext"}, "cmdNext"},
    {"cholesterol result", 1, {"cmdNext", "cmdNextQuestion"}, "cmdNextQuestion"},
    {"diabetes details", 2, {}, nullptr},
    {"diabetes questions", 2, {"cmdNext"}, "cmdNext"},
    {"diabetes result", 2, {"cmdNext", "cmdNextQuestion"}, nullptr},
    {"calorie select frames", 0, {}, nullptr},
    {"calorie weight entry", 0, {"optKG"}, nullptr},
    {"calorie weight entry after OK", 0, {"optKG", "cmdOkWeight"}, "cmdOkWeight"},
    {"calorie both entries", 0, {"optPound", "optInches"}, nullptr},
    {"calorie activity", 0, {"optKG", "cmdOkWeight", "optMeter", "cmdCalculate"}, nullptr},
    {"calorie result",
     0,
     {"optKG", "optMeter", "cmdCalculate", "optOne", "cmdCalculate"},
     "cmdCalculate"},
}};

// What the user has entered in every control that is covered at the moment.
QMap<QWidget*, QVariant> coveredValues(const QWidget& window) {
    QMap<QWidget*, QVariant> values;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!FrameStack::isCovered(widget))
            continue;
        if (auto* box = qobject_cast<QLineEdit*>(widget))
            values.insert(box, box->text());
        else if (auto* list = qobject_cast<QComboBox*>(widget))
            values.insert(list, list->currentIndex());
        else if (auto* option = qobject_cast<QAbstractButton*>(widget);
                 option && option->isCheckable())
            values.insert(option, option->isChecked());
    }
    return values;
}

// The shown control of that name (the calorie windows both have a cmdCalculate).
QWidget* shown(const AppFixture& app, const char* name) {
    for (QWidget* widget : app.window.findChildren<QWidget*>(QString::fromLatin1(name)))
        if (widget->isVisible())
            return widget;
    return nullptr;
}

} // namespace

class TestKeyboardReach : public QObject {
    Q_OBJECT

private slots:
    void coveredControlsStayOutOfReach_data() {
        QTest::addColumn<int>("step");
        for (std::size_t i = 0; i < kSteps.size(); ++i)
            QTest::newRow(kSteps[i].name) << static_cast<int>(i);
    }

    // Tab and Shift+Tab all the way round; at every stop digits, letters and arrows are typed.
    // The focus only ever rests in view (or on the button that kept it), and nothing covered
    // changes.
    void coveredControlsStayOutOfReach() {
        QFETCH(int, step);
        const StepCase& c = kSteps.at(static_cast<std::size_t>(step));
        AppFixture app;
        QWidget* start = app.find(QStringLiteral("cmdSelectOption_0"));
        if (c.launcherButton >= 0)
            start = app.launch(c.launcherButton);
        for (const auto& [box, text] :
             {std::pair{"txtAge", "45"}, {"txtName", "Ann"}, {"txtWeight", "150"}})
            if (QWidget* widget = shown(app, box))
                QTest::keyClicks(widget, QString::fromLatin1(text));
        for (const char* name : {"cmbKG", "cmbPound", "cmbMeter", "cmbInches"})
            if (auto* list = app.find<QComboBox>(QString::fromLatin1(name)))
                list->setCurrentIndex(1); // a body, so Proceed goes on
        for (const char* name : c.clicks)
            if (name) // near the left edge, where an option button's circle is
                QTest::mouseClick(shown(app, name), Qt::LeftButton, {},
                                  QPoint(6, shown(app, name)->height() / 2));
        QVERIFY(app.messageBox.shown.isEmpty());
        QWidget* kept = c.keptButton ? shown(app, c.keptButton) : nullptr;
        if (kept)
            QCOMPARE(QApplication::focusWidget(), kept);
        else if (!QApplication::focusWidget())
            start->setFocus();

        const auto stops = app.window.findChildren<QWidget*>().size();
        for (const bool forward : {true, false}) {
            for (qsizetype i = 0; i < stops; ++i) {
                QTest::keyClick(QApplication::focusWidget(),
                                forward ? Qt::Key_Tab : Qt::Key_Backtab,
                                forward ? Qt::NoModifier : Qt::ShiftModifier);
                QWidget* focus = QApplication::focusWidget();
                QVERIFY2(focus == kept || !FrameStack::isCovered(focus),
                         qPrintable(focus->objectName()));
                const QMap<QWidget*, QVariant> before = coveredValues(app.window);
                for (const Qt::Key key : {Qt::Key_7, Qt::Key_K, Qt::Key_Down, Qt::Key_Up})
                    QTest::keyClick(QApplication::focusWidget(), key);
                const QMap<QWidget*, QVariant> after = coveredValues(app.window);
                for (auto it = before.cbegin(); it != before.cend(); ++it)
                    QVERIFY2(after.value(it.key(), it.value()) == it.value(),
                             qPrintable(it.key()->objectName()));
            }
        }
    }

    void keyboardAloneCompletesEveryCalculator_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("result");
        const auto row = [](const char* tag, const char* keys, const char* result) {
            QTest::newRow(tag) << QString::fromLatin1(keys).split(u' ') << result;
        };
        // Expected results worked out from the point tables by hand.
        row("heart attack, woman 45, not smoking, diabetic, hypertrophy: 4 + 6 + 9 = 19 points",
            "to:cmdSelectOption_3 Space type:45 Tab Down Alt+Q to:cboAnswer_Option Down Tab "
            "Enter Enter Enter Enter Enter Enter result:lblResult Space Alt+F menu:X",
            "Your Risk of Suffering from A Heart Attack in the Next 10 Years is 16 %");
        row("cholesterol, man 50, first answers: 6 - 1 + 3 = 8 points",
            "to:cmdSelectOption_1 Space type:50 Tab Backtab Alt+Q Alt+Q Alt+Q Alt+Q Alt+Q Alt+Q "
            "Alt+Q result:lblResult_3 Alt+F menu:X",
            "Your Risk of Having a Heart Attack based on your Cholesterol Level in the Next 10 "
            "Years is 4%");
        row("diabetes, 5'0'' and 180 lb, first answers: 5 + 3",
            "to:cmdSelectOption_2 Space type:Ann Tab Down Down Tab type:180 Alt+T Alt+Q Alt+Q "
            "Alt+Q Alt+Q Alt+Q result:lblResult_0 Alt+F menu:X",
            "Your Score is: 8");
        row("calorie, man 1, 2.1 lb, 1.2 m, light activity: basal 672 x 1.375",
            "to:cmdSelectOption_0 Space to:optKG Down Space to:cmbPound Down Down Tab Down "
            "to:cmdOkWeight Space to:optMeter Space to:cmbMeter Down Tab Down Down "
            "to:cmdOKHeight Enter Alt+P to:optOne Down Space to:cmdCalculate Space "
            "result:lblRequireCalories Alt+F menu:X",
            "924");
    }
    // Every calculator opened, answered to its result and left again without the mouse.
    void keyboardAloneCompletesEveryCalculator() {
        QFETCH(QStringList, keys);
        QFETCH(QString, result);
        AppFixture app;
        for (const QString& key : keys) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus, qPrintable(key));
            const QString argument = key.section(u':', 1);
            if (key.startsWith(u"to:")) {
                for (int i = 0; i < 80 && QApplication::focusWidget()->objectName() != argument;
                     ++i)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget()->objectName(), argument);
            } else if (key.startsWith(u"type:")) {
                QTest::keyClicks(focus, argument);
            } else if (key.startsWith(u"Alt+")) {
                QTest::keyClick(focus, Qt::Key(key.at(4).unicode()), Qt::AltModifier);
                QTest::qWait(150); // an access key shows its button pressed before it acts
            } else if (key.startsWith(u"menu:")) {
                QTRY_VERIFY(QApplication::activePopupWidget());
                QTest::keyClick(QApplication::activePopupWidget(),
                                Qt::Key(argument.at(0).unicode()));
            } else if (key.startsWith(u"result:")) {
                QCOMPARE(qobject_cast<QLabel*>(shown(app, qPrintable(argument)))->text(), result);
            } else {
                QTest::keyClick(focus, Qt::Key(QKeySequence(key)[0].key()),
                                key == u"Backtab" ? Qt::ShiftModifier : Qt::NoModifier);
            }
        }
        QVERIFY2(app.messageBox.shown.isEmpty(), qPrintable(app.messageBox.texts().join(u'|')));
        QCOMPARE(app.visibleCalculatorCount(), 0);
        QVERIFY(app.window.welcomePanelVisible());
    }
};

QTEST_MAIN(TestKeyboardReach)
#include "tst_keyboardreach.moc"
