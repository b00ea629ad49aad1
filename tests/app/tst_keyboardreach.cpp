#include "steps.h"

#include <QLabel>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// What the user has entered in every control covered at the moment: a box's text, a list's
// entry, an option's state.
QMap<QWidget*, QVariant> coveredValues(const QWidget& window) {
    QMap<QWidget*, QVariant> values;
    for (QWidget* widget : window.findChildren<QWidget*>())
        if (FrameStack::isCovered(widget))
            values.insert(widget, widget->metaObject()->userProperty().read(widget));
    return values;
}

} // namespace

class TestKeyboardReach : public QObject {
    Q_OBJECT

private slots:
    void coveredControlsStayOutOfReach_data() {
        QTest::addColumn<int>("step");
        for (std::size_t i = 0; i < kSteps.size(); ++i)
            if (kSteps[i].launcherButton != -2) // the About window holds no frames
                QTest::newRow(kSteps[i].name) << int(i);
    }

    // Tab and Shift+Tab all the way round, typing digits, letters and arrows at every stop: the
    // focus rests only in view (or on the button that kept it) and nothing covered changes.
    void coveredControlsStayOutOfReach() {
        QFETCH(int, step);
        ReachedStep reached(kSteps.at(std::size_t(step)));
        QVERIFY(reached.app.messageBox.shown.isEmpty());
        QWidget* const kept = QApplication::focusWidget();
        if (!kept)
            reached.start->setFocus();
        const auto stops = reached.app.window.findChildren<QWidget*>().size();
        for (const bool forward : {true, false}) {
            for (qsizetype i = 0; i < stops; ++i) {
                QTest::keyClick(QApplication::focusWidget(),
                                forward ? Qt::Key_Tab : Qt::Key_Backtab,
                                forward ? Qt::NoModifier : Qt::ShiftModifier);
                QWidget* focus = QApplication::focusWidget();
                QVERIFY2(focus == kept || !FrameStack::isCovered(focus),
                         qPrintable(focus->objectName()));
                const QMap<QWidget*, QVariant> before = coveredValues(reached.app.window);
                for (const Qt::Key key : {Qt::Key_7, Qt::Key_K, Qt::Key_Down, Qt::Key_Up})
                    QTest::keyClick(QApplication::focusWidget(), key);
                const QMap<QWidget*, QVariant> after = coveredValues(reached.app.window);
                for (auto it = before.cbegin(); it != before.cend(); ++it)
                    QVERIFY2(after.value(it.key(), *it) == *it, qPrintable(it.key()->objectName()));
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
            "Enter Enter Enter Enter Enter Enter result:lblResult Space Alt+F X",
            "Your Risk of Suffering from A Heart Attack in the Next 10 Years is 16 %");
        row("cholesterol, man 50, first answers: 6 - 1 + 3 = 8 points",
            "to:cmdSelectOption_1 Space type:50 Tab Shift+Tab Alt+Q Alt+Q Alt+Q Alt+Q Alt+Q Alt+Q "
            "Alt+Q result:lblResult_3 Alt+F X",
            "Your Risk of Having a Heart Attack based on your Cholesterol Level in the Next 10 "
            "Years is 4%");
        row("diabetes, 5'0'' and 180 lb, first answers: 5 + 3",
            "to:cmdSelectOption_2 Space type:Ann Tab Down Down Tab type:180 Alt+T Alt+Q Alt+Q "
            "Alt+Q Alt+Q Alt+Q result:lblResult_0 Alt+F X",
            "Your Score is: 8");
        row("calorie, man 1, 2.1 lb, 1.2 m, light activity: basal 672 x 1.375",
            "to:cmdSelectOption_0 Space to:optKG Down Space to:cmbPound Down Down Tab Down "
            "to:cmdOkWeight Space to:optMeter Space to:cmbMeter Down Tab Down Down "
            "to:cmdOKHeight Enter Alt+P to:optOne Down Space to:cmdCalculate Space "
            "result:lblRequireCalories Alt+F X",
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
            } else if (key.startsWith(u"result:")) {
                QCOMPARE(qobject_cast<QLabel*>(inView(app.window, qPrintable(argument)))->text(),
                         result);
            } else { // an open menu takes the key before the focus does
                const QKeyCombination press = QKeySequence(key)[0];
                QWidget* popup = QApplication::activePopupWidget();
                QTest::keyClick(popup ? popup : focus, press.key(), press.keyboardModifiers());
                if (press.keyboardModifiers() & Qt::AltModifier)
                    QTest::qWait(150); // an access key shows its button pressed before it acts
            }
        }
        QVERIFY2(app.messageBox.shown.isEmpty(), qPrintable(app.messageBox.texts().join(u'|')));
        QCOMPARE(app.visibleCalculatorCount(), 0);
        QVERIFY(app.window.welcomePanelVisible());
    }
};

QTEST_MAIN(TestKeyboardReach)
#include "tst_keyboardreach.moc"
