#include "heart/modheartattack.h"

#include <QtTest>

using namespace wellbox::modHeartAttack;
using wellbox::Sex;

Q_DECLARE_METATYPE(wellbox::Sex)

namespace {

using Answers = std::array<int, 6>;

const QString Start = "Your Risk of Suffering from A Heart Attack in the Next 10 Years is ";

} // namespace

class TstModHeartAttack : public QObject {
    Q_OBJECT

private slots:
    // The row name is the question text, which starts with its number; its answers with points.
    void answerPoints_data() {
        QTest::addColumn<QString>("men");
        QTest::addColumn<QString>("women"); // null: as for men
        QTest::newRow("1. Are you a smoker?") << "Yes:4 No:0" << QString();
        QTest::newRow("2. Are you a diabetic?") << "Yes:3 No:0" << QString("Yes:6 No:0");
        QTest::newRow("3. What is your systolic blood pressure?")
            << "0:0 98:-2 105:-1 113:0 121:1 130:2 140:3 150:4 161:5 173:8 186:0" << QString();
        QTest::newRow("4. What is your total Cholesterol value?")
            << "0:0 139:-3 152:-2 167:-1 183:0 200:1 220:2 240:3 263:4 289:5 316:6 331:0"
            << QString();
        QTest::newRow("5. What is your HDL Cholesterol (High Density Lipoprotein) value?")
            << "0:0 25:7 27:6 30:5 33:4 36:3 39:2 43:1 47:0 51:-1 58:-2 61:-3 67:-4 74:-5 "
               "81:-6 88:-7"
            << QString();
        QTest::newRow(
            "6. Does your doctor think that you suffer from left ventricular hypertrophy?")
            << "Yes:9 No:0" << QString();
    }
    void answerPoints() {
        const int question = QTest::currentDataTag()[0] - '0';
        QFETCH(QString, men);
        QFETCH(QString, women);
        const wellbox::Question& q = HeartAttackQuestions[static_cast<std::size_t>(question - 1)];
        QCOMPARE(q.text, QTest::currentDataTag());
        const auto pointsOf = [&](Sex sex) {
            QStringList out;
            for (std::size_t a = 0; a < q.answers.size(); ++a)
                out << QString::fromUtf8(q.answers[a]) + ':' +
                           QString::number(::answerPoints(question, int(a), sex));
            return out.join(' ');
        };
        QCOMPARE(pointsOf(Sex::Male), men);
        QCOMPARE(pointsOf(Sex::Female), women.isNull() ? men : women);
        for (const int outside : {-1, int(q.answers.size())})
            QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                                     ::answerPoints(question, outside, Sex::Male));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ::answerPoints(0, 0, Sex::Male)); // no such
    }

    // Ages 30 to 74, one value per year; 29 and 75 lie outside the table and earn nothing.
    void agePoints_data() {
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<QString>("points");
        QTest::newRow("men") << Sex::Male
                             << "-2 -1 0 0 1 2 2 3 3 4 5 5 6 6 7 7 8 8 9 9 10 10 11 11 11 12 12 13 "
                                "13 13 14 14 15 15 15 16 16 16 17 17 17 18 18 18 19";
        QTest::newRow("women") << Sex::Female
                               << "-12 -11 -9 -8 -6 -5 -4 -3 -2 -1 0 1 2 2 3 4 4 5 5 6 6 7 7 8 8 "
                                  "8 9 9 9 9 9 10 10 10 10 10 10 10 11 11 11 11 11 11 11";
    }
    void agePoints() {
        QFETCH(Sex, sex);
        QFETCH(QString, points);
        QStringList actual;
        for (int age = 29; age <= 75; ++age)
            actual << QString::number(::agePoints(std::int16_t(age), sex));
        QCOMPARE(actual.join(' '), "0 " + points + " 0");
    }

    // The percentages of the risk sentence, one per total from the first total of the row.
    void riskSentence_data() {
        QTest::addColumn<int>("firstTotal");
        QTest::addColumn<QString>("percents");
        QTest::newRow("-1 to 1, below the table") << -1 << "1,1,1";
        QTest::newRow("2-21") << 2 << "2,2,2,3,3,4,4,5,6,6,7,8,9,10,12,13,14,16,18,19";
        QTest::newRow("22, no row: between 19 and 23") << 22 << "21";
        QTest::newRow("23-32") << 23 << "23,26,27,29,31,33,36,38,40,42";
        QTest::newRow("33 and 34, above the table") << 33 << "over 42,over 42";
    }
    void riskSentence() {
        QFETCH(int, firstTotal);
        QFETCH(QString, percents);
        const QStringList list = percents.split(',');
        for (int i = 0; i < list.size(); ++i)
            QCOMPARE(QString::fromStdString(::riskSentence(std::int16_t(firstTotal + i))),
                     Start + list[i] + " %");
    }

    // Whole records: the answer and age points add up; the sentence is that of the total.
    void score_data() {
        QTest::addColumn<int>("age");
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<int>("total");
        QTest::newRow("woman 30: No, No, 0, 0, 0, No")
            << 30 << Sex::Female << Answers{1, 1, 0, 0, 0, 1} << -12;
        QTest::newRow("man 50: Yes, No, 140, 240, 47, No")
            << 50 << Sex::Male << Answers{0, 1, 6, 7, 8, 1} << 20;
        QTest::newRow("highest man: 74, Yes, Yes, 173, 316, 25, Yes")
            << 74 << Sex::Male << Answers{0, 0, 9, 10, 1, 0} << 56;
    }
    void score() {
        QFETCH(int, age);
        QFETCH(Sex, sex);
        QFETCH(Answers, answers);
        QFETCH(int, total);
        const HeartAttackScore s = ScoreHeartAttackRisk({std::int16_t(age), sex, answers});
        QCOMPARE(s.total, total);
        QCOMPARE(s.sentence, ::riskSentence(s.total));
    }
};

QTEST_APPLESS_MAIN(TstModHeartAttack)
#include "tst_modheartattack.moc"
