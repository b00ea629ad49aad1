#include "heart/modheartattack.h"

#include <QtTest>

using namespace wellbox::modHeartAttack;
using wellbox::Sex;

static const QString Start = "Your Risk of Suffering from A Heart Attack in the Next 10 Years is ";

class TstModHeartAttack : public QObject {
    Q_OBJECT

private slots:
    // The row name is the question text, which starts with its number: its answers with their
    // points, and after a slash the women's where they differ.
    void answerPoints_data() {
        QTest::addColumn<QString>("points");
        QTest::newRow("1. Are you a smoker?") << "Yes:4 No:0";
        QTest::newRow("2. Are you a diabetic?") << "Yes:3 No:0 / Yes:6 No:0";
        QTest::newRow("3. What is your systolic blood pressure?")
            << "0:0 98:-2 105:-1 113:0 121:1 130:2 140:3 150:4 161:5 173:8 186:0";
        QTest::newRow("4. What is your total Cholesterol value?")
            << "0:0 139:-3 152:-2 167:-1 183:0 200:1 220:2 240:3 263:4 289:5 316:6 331:0";
        QTest::newRow("5. What is your HDL Cholesterol (High Density Lipoprotein) value?")
            << "0:0 25:7 27:6 30:5 33:4 36:3 39:2 43:1 47:0 51:-1 58:-2 61:-3 67:-4 74:-5 81:-6 "
               "88:-7";
        QTest::newRow(
            "6. Does your doctor think that you suffer from left ventricular hypertrophy?")
            << "Yes:9 No:0";
    }
    void answerPoints() {
        QFETCH(QString, points);
        const int question = QTest::currentDataTag()[0] - '0';
        const wellbox::Question& q = HeartAttackQuestions[std::size_t(question - 1)];
        QCOMPARE(q.text, QTest::currentDataTag());
        QStringList men, women;
        for (int a = 0; a < int(q.answers.size()); ++a) {
            const QString answer = QString::fromUtf8(q.answers[std::size_t(a)]) + ':';
            men << answer + QString::number(::answerPoints(question, a, Sex::Male));
            women << answer + QString::number(::answerPoints(question, a, Sex::Female));
        }
        QCOMPARE(men.join(' ') + (men == women ? "" : " / " + women.join(' ')), points);
        for (const int outside : {-1, int(q.answers.size())})
            QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                                     ::answerPoints(question, outside, Sex::Male));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ::answerPoints(0, 0, Sex::Male)); // no such
    }

    // One value per year from 29 to 75: 29 and 75 lie outside the table and earn nothing.
    void agePoints_data() {
        QTest::addColumn<QString>("points");
        QTest::newRow("men") << "0 -2 -1 0 0 1 2 2 3 3 4 5 5 6 6 7 7 8 8 9 9 10 10 11 11 11 12 12 "
                                "13 13 13 14 14 15 15 15 16 16 16 17 17 17 18 18 18 19 0";
        QTest::newRow("women") << "0 -12 -11 -9 -8 -6 -5 -4 -3 -2 -1 0 1 2 2 3 4 4 5 5 6 6 7 7 8 "
                                  "8 8 9 9 9 9 9 10 10 10 10 10 10 10 11 11 11 11 11 11 11 0";
    }
    void agePoints() {
        QFETCH(QString, points);
        const Sex sex = QTest::currentDataTag() == QLatin1String("men") ? Sex::Male : Sex::Female;
        QStringList actual;
        for (int age = 29; age <= 75; ++age)
            actual << QString::number(::agePoints(std::int16_t(age), sex));
        QCOMPARE(actual.join(' '), points);
    }

    // The row name gives the first and the last total; the percentages their sentences end in.
    void riskSentence_data() {
        QTest::addColumn<QString>("percents");
        QTest::newRow("-1 to 1, below the table") << "1,1,1";
        QTest::newRow("2 to 21") << "2,2,2,3,3,4,4,5,6,6,7,8,9,10,12,13,14,16,18,19";
        QTest::newRow("22 to 22, no row: between 19 and 23") << "21";
        QTest::newRow("23 to 32") << "23,26,27,29,31,33,36,38,40,42";
        QTest::newRow("33 to 34, above the table") << "over 42,over 42";
    }
    void riskSentence() {
        QFETCH(QString, percents);
        const QStringList totals =
            QString(QTest::currentDataTag()).split(QRegularExpression("[ ,]"));
        QStringList actual;
        for (int total = totals[0].toInt(); total <= totals[2].toInt(); ++total)
            actual << QString::fromStdString(::riskSentence(std::int16_t(total))).remove(Start);
        QCOMPARE(actual.join(','), percents.replace(',', " %,") + " %");
    }

    // Whole records: the answer and age points add up, and the record gets its total's sentence.
    void wholeRecords() {
        // 50, "Yes", "No", "140", "240", "47", "No": 10 + 4 + 0 + 3 + 3 + 0 + 0.
        const HeartAttackScore man = ScoreHeartAttackRisk({50, Sex::Male, {0, 1, 6, 7, 8, 1}});
        QCOMPARE(man.total, 20);
        QCOMPARE(QString::fromStdString(man.sentence), Start + "18 %");
        const HeartAttackScore woman = ScoreHeartAttackRisk({30, Sex::Female, {1, 1, 0, 0, 0, 1}});
        QCOMPARE(woman.total, -12);
        QCOMPARE(QString::fromStdString(woman.sentence), Start + "1 %");
    }
};

QTEST_APPLESS_MAIN(TstModHeartAttack)
#include "tst_modheartattack.moc"
