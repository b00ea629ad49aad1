#include "heart/modheartattack.h"

#include <QtTest>

using namespace wellbox::modHeartAttack;
using wellbox::Sex;

Q_DECLARE_METATYPE(wellbox::Sex)

namespace {

using Answers = std::array<int, 6>;

const QString Start = "Your Risk of Suffering from A Heart Attack in the Next 10 Years is ";

// Every answer of the question with its points, as "answer:points ...".
QString answerPointsOf(int question, Sex sex) {
    QStringList out;
    const auto& answers = HeartAttackQuestions[static_cast<std::size_t>(question - 1)].answers;
    for (std::size_t a = 0; a < answers.size(); ++a)
        out << QString::fromUtf8(answers[a].data(), static_cast<qsizetype>(answers[a].size())) +
                   ':' + QString::number(answerPoints(question, static_cast<int>(a), sex));
    return out.join(' ');
}

} // namespace

class TstModHeartAttack : public QObject {
    Q_OBJECT

private slots:
    // The row name is the question text; positions just outside the list and question 0 throw.
    void answers_data() {
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("men");
        QTest::addColumn<QString>("women"); // null: as for men
        QTest::newRow("1. Are you a smoker?") << 1 << "Yes:4 No:0" << QString();
        QTest::newRow("2. Are you a diabetic?") << 2 << "Yes:3 No:0" << QString("Yes:6 No:0");
        QTest::newRow("3. What is your systolic blood pressure?")
            << 3 << "0:0 98:-2 105:-1 113:0 121:1 130:2 140:3 150:4 161:5 173:8 186:0" << QString();
        QTest::newRow("4. What is your total Cholesterol value?")
            << 4 << "0:0 139:-3 152:-2 167:-1 183:0 200:1 220:2 240:3 263:4 289:5 316:6 331:0"
            << QString();
        QTest::newRow("5. What is your HDL Cholesterol (High Density Lipoprotein) value?")
            << 5
            << "0:0 25:7 27:6 30:5 33:4 36:3 39:2 43:1 47:0 51:-1 58:-2 61:-3 67:-4 74:-5 81:-6 "
               "88:-7"
            << QString();
        QTest::newRow(
            "6. Does your doctor think that you suffer from left ventricular hypertrophy?")
            << 6 << "Yes:9 No:0" << QString();
    }
    void answers() {
        QFETCH(int, question);
        QFETCH(QString, men);
        QFETCH(QString, women);
        const wellbox::Question& q = HeartAttackQuestions[static_cast<std::size_t>(question - 1)];
        QCOMPARE(q.text, QTest::currentDataTag());
        QCOMPARE(answerPointsOf(question, Sex::Male), men);
        QCOMPARE(answerPointsOf(question, Sex::Female), women.isNull() ? men : women);
        for (const int outside : {-1, static_cast<int>(q.answers.size())})
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, answerPoints(question, outside, Sex::Male));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, answerPoints(0, 0, Sex::Male)); // no such
    }

    // Age points, one per year from the first age of the row.
    void agePoints_data() {
        QTest::addColumn<int>("firstAge");
        QTest::addColumn<QList<int>>("men");
        QTest::addColumn<QList<int>>("women");
        QTest::newRow("29, below the table") << 29 << QList<int>{0} << QList<int>{0};
        QTest::newRow("30-39") << 30 << QList<int>{-2, -1, 0, 0, 1, 2, 2, 3, 3, 4}
                               << QList<int>{-12, -11, -9, -8, -6, -5, -4, -3, -2, -1};
        QTest::newRow("40-49") << 40 << QList<int>{5, 5, 6, 6, 7, 7, 8, 8, 9, 9}
                               << QList<int>{0, 1, 2, 2, 3, 4, 4, 5, 5, 6};
        QTest::newRow("50-59") << 50 << QList<int>{10, 10, 11, 11, 11, 12, 12, 13, 13, 13}
                               << QList<int>{6, 7, 7, 8, 8, 8, 9, 9, 9, 9};
        QTest::newRow("60-69") << 60 << QList<int>{14, 14, 15, 15, 15, 16, 16, 16, 17, 17}
                               << QList<int>{9, 10, 10, 10, 10, 10, 10, 10, 11, 11};
        QTest::newRow("70-74, then 75 above the table")
            << 70 << QList<int>{17, 18, 18, 18, 19, 0} << QList<int>{11, 11, 11, 11, 11, 0};
    }
    void agePoints() {
        QFETCH(int, firstAge);
        QFETCH(QList<int>, men);
        QFETCH(QList<int>, women);
        for (int i = 0; i < men.size(); ++i) {
            const auto age = static_cast<std::int16_t>(firstAge + i);
            QCOMPARE(::agePoints(age, Sex::Male), men[i]);
            QCOMPARE(::agePoints(age, Sex::Female), women[i]);
        }
    }

    // The risk sentence's percentages, one per total from the first total of the row.
    void riskSentence_data() {
        QTest::addColumn<int>("firstTotal");
        QTest::addColumn<QString>("percents");
        QTest::newRow("0 and 1, below the table") << 0 << "1,1";
        QTest::newRow("2-11") << 2 << "2,2,2,3,3,4,4,5,6,6";
        QTest::newRow("12-21") << 12 << "7,8,9,10,12,13,14,16,18,19";
        QTest::newRow("22, no row: between 19 and 23") << 22 << "21";
        QTest::newRow("23-32") << 23 << "23,26,27,29,31,33,36,38,40,42";
        QTest::newRow("33, above the table") << 33 << "over 42";
    }
    void riskSentence() {
        QFETCH(int, firstTotal);
        QFETCH(QString, percents);
        const QStringList list = percents.split(',');
        for (int i = 0; i < list.size(); ++i) {
            const auto total = static_cast<std::int16_t>(firstTotal + i);
            QCOMPARE(QString::fromStdString(::riskSentence(total)), Start + list[i] + " %");
        }
    }

    // Whole records: the sum of the answer and age points, and its sentence.
    void score_data() {
        QTest::addColumn<int>("age");
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("percent");
        QTest::newRow("woman 30: No, No, 0, 0, 0, No")
            << 30 << Sex::Female << Answers{1, 1, 0, 0, 0, 1} << -12 << "1";
        QTest::newRow("man 50: Yes, No, 140, 240, 47, No")
            << 50 << Sex::Male << Answers{0, 1, 6, 7, 8, 1} << 20 << "18";
        QTest::newRow("highest man: 74, Yes, Yes, 173, 316, 25, Yes")
            << 74 << Sex::Male << Answers{0, 0, 9, 10, 1, 0} << 56 << "over 42";
    }
    void score() {
        QFETCH(int, age);
        QFETCH(Sex, sex);
        QFETCH(Answers, answers);
        QFETCH(int, total);
        QFETCH(QString, percent);
        const HeartAttackScore s =
            ScoreHeartAttackRisk({static_cast<std::int16_t>(age), sex, answers});
        QCOMPARE(s.total, total);
        QCOMPARE(QString::fromStdString(s.sentence), Start + percent + " %");
    }
};

QTEST_APPLESS_MAIN(TstModHeartAttack)
#include "tst_modheartattack.moc"
