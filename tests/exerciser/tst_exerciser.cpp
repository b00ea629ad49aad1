#include "exerciser.h"

#include <QTest>

using wellbox::testing::Exerciser;

// Seeds and action counts come from the environment so that a long run, or the replay of a
// failing seed, needs no rebuild:
//   WELLBOX_EXERCISER_SEEDS=7,8,9 WELLBOX_EXERCISER_ACTIONS=100000 tst_exerciser
class TestExerciser : public QObject {
    Q_OBJECT

    static inline QtMessageHandler s_defaultHandler = nullptr;

private slots:
    void initTestCase() {
        // The offscreen platform warns each time a fixed-size window is shown; thousands of
        // those lines would bury a real report.
        s_defaultHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.contains(QLatin1String("propagateSizeHints")))
                    s_defaultHandler(type, context, message);
            });
    }

    void randomActionsKeepTheRules_data() {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("actions");
        const QByteArray seeds = qgetenv("WELLBOX_EXERCISER_SEEDS");
        const int actions = qEnvironmentVariableIsSet("WELLBOX_EXERCISER_ACTIONS")
                                ? qEnvironmentVariableIntValue("WELLBOX_EXERCISER_ACTIONS")
                                : 1000;
        const QList<QByteArray> list =
            seeds.isEmpty() ? QList<QByteArray>{"1", "2", "3"} : seeds.split(',');
        for (const QByteArray& seed : list)
            QTest::newRow(("seed " + seed).constData()) << seed.trimmed().toUInt() << actions;
    }

    void randomActionsKeepTheRules() {
        QFETCH(unsigned, seed);
        QFETCH(int, actions);
        Exerciser exerciser(seed);
        if (!exerciser.run(actions)) {
            qWarning().noquote() << "Seed" << seed << "broke a rule after"
                                 << exerciser.actions().size() << "actions:";
            for (const QString& action : exerciser.actions())
                qWarning().noquote() << "  " << action;
            QFAIL(qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(exerciser.failure())));
        }
        // Restarting after the main window was closed is noted as an action of its own.
        QVERIFY(exerciser.actions().size() >= actions);
    }
};

QTEST_MAIN(TestExerciser)
#include "tst_exerciser.moc"
