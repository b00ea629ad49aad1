#include "scoring/question.h"
#include "support/datarows.h"

#include <QRegularExpression>

#include <cmath>

using namespace wellbox;

class TstQuestion : public QObject {
    Q_OBJECT

private slots:
    // Each list as a quiz shows it in each unit, from measuredlists.tsv: no two entries alike,
    // and in mmol/L each entry's first number its mg/dL entry's divided by 38.67 and rounded, at
    // the same place in the list.
    void lists_data() { testing::addRowsFrom("measuredlists.tsv"); }
    void lists() {
        QFETCH(QString, calculator);
        QFETCH(int, question);
        QFETCH(QString, unit);
        QFETCH(QString, entries);
        const Question& asked =
            (calculator == "heart attack" ? modHeartAttack::HeartAttackQuestions
                                          : modCholesterolCalculator::CholesterolQuestions)
                .at(std::size_t(question - 1));
        const CholesterolUnit shownIn = testing::cholesterolUnit(unit);
        QStringList shown;
        for (int position = 0; position < int(asked.answers.size()); ++position)
            shown << QString::fromStdString(answerPhrase(asked, position, shownIn).english());
        QCOMPARE(shown.join(u'|'), entries);
        QCOMPARE(QSet<QString>(shown.begin(), shown.end()).size(), shown.size());
        QFETCH(QString, label);
        QCOMPARE(QString::fromStdString(std::string(answerUnit(asked, shownIn))), label);

        const QRegularExpression firstNumber("[0-9.]+");
        for (int position = 0; position < int(shown.size()); ++position) {
            const std::string_view entry = asked.answers[std::size_t(position)];
            const QString mg =
                firstNumber.match(QString::fromUtf8(entry.data(), qsizetype(entry.size())))
                    .captured();
            const QString mmol = firstNumber.match(shown[position]).captured();
            if (label != "mmol/L")
                continue;
            const int decimals = int(mmol.size() - mmol.indexOf('.') - 1);
            QCOMPARE(mmol, QString::number(mg.toDouble() / 38.67, 'f', decimals));
        }
    }

    // "0" is the only entry that stands for a value not given.
    void notGiven() {
        for (const auto* questions : {&modHeartAttack::HeartAttackQuestions,
                                      &modCholesterolCalculator::CholesterolQuestions})
            for (const Question& question : *questions)
                for (std::size_t i = 0; i < question.answers.size(); ++i)
                    QCOMPARE(wellbox::notGiven(question, int(i)),
                             question.measured && question.answers[i] == "0");
    }
};

QTEST_APPLESS_MAIN(TstQuestion)
#include "tst_question.moc"
