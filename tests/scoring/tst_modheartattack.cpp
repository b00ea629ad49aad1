#include "scoring/modheartattack.h"

#include <QTest>

using namespace wellbox::modHeartAttack;
using wellbox::Sex;

static const QString Start = "Your Risk of Suffering from A Heart Attack in the Next 10 Years is ";

class TstModHeartAttack : public QObject {
    Q_OBJECT

private slots:
    // Each published table in one row, men's points first and after a slash the women's where
    // they differ. A question's row is named by its text, which starts with its number, and
    // holds its answers with their points. Ages run one year past the table at each end, where
    // they earn nothing. Risk: a total of 1 reads 1 %, 22 (no row) 21 %, between 19 and 23,
    // and 33 "over 42 %".
    void tables_data() {
        QTest::addColumn<QString>("values");
        QTest::newRow("1. Are you a smoker?") << "Yes:4,No:0";
        QTest::newRow("2. Are you a diabetic?") << "Yes:3/6,No:0";
        QTest::newRow("3. What is your systolic blood pressure?")
            << "0:0,98:-2,105:-1,113:0,121:1,130:2,140:3,150:4,161:5,173:8,186:0";
        QTest::newRow("4. What is your total Cholesterol value?")
            << "0:0,139:-3,152:-2,167:-1,183:0,200:1,220:2,240:3,263:4,289:5,316:6,331:0";
        QTest::newRow("5. What is your HDL Cholesterol (High Density Lipoprotein) value?")
            << "0:0,25:7,27:6,30:5,33:4,36:3,39:2,43:1,47:0,51:-1,58:-2,61:-3,67:-4,74:-5,81:-6,"
               "88:-7";
        QTest::newRow(
            "6. Does your doctor think that you suffer from left ventricular hypertrophy?")
            << "Yes:9,No:0";
        QTest::newRow("age points by year, 29 to 75")
            << "0,-2/-12,-1/-11,0/-9,0/-8,1/-6,2/-5,2/-4,3/-3,3/-2,4/-1,5/0,5/1,6/2,6/2,7/3,7/4,"
               "8/4,8/5,9/5,9/6,10/6,10/7,11/7,11/8,11/8,12/8,12/9,13/9,13/9,13/9,14/9,14/10,15/10,"
               "15/10,15/10,16/10,16/10,16/10,17/11,17/11,17/11,18/11,18/11,18/11,19/11,0";
        QTest::newRow("risk by total, 1 to 33")
            << "1 %,2 %,2 %,2 %,3 %,3 %,4 %,4 %,5 %,6 %,6 %,7 %,8 %,9 %,10 %,12 %,13 %,14 %,16 %,"
               "18 %,19 %,21 %,23 %,26 %,27 %,29 %,31 %,33 %,36 %,38 %,40 %,42 %,over 42 %";
    }
    void tables() {
        QFETCH(QString, values);
        const QString tag = QTest::currentDataTag();
        const auto bySex = [](auto points) {
            const int men = points(Sex::Male), women = points(Sex::Female);
            return QString::number(men) + (men == women ? "" : '/' + QString::number(women));
        };
        QStringList actual;
        if (tag.startsWith("age")) {
            for (auto age = std::int16_t(29); age <= 75; ++age)
                actual << bySex([age](Sex sex) { return agePoints(age, sex); });
        } else if (tag.startsWith("risk")) {
            for (auto total = std::int16_t(1); total <= 33; ++total)
                actual << QString::fromStdString(riskSentence(total)).remove(Start);
        } else {
            const int question = tag[0].digitValue();
            const wellbox::Question& q = HeartAttackQuestions[std::size_t(question - 1)];
            QCOMPARE(q.text, QTest::currentDataTag());
            const int count = int(q.answers.size());
            for (int a = 0; a < count; ++a)
                actual << QString::fromUtf8(q.answers[std::size_t(a)]) + ':' +
                              bySex([=](Sex sex) { return answerPoints(question, a, sex); });
            // One step past each end of the list is refused, never read.
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, answerPoints(question, -1, Sex::Male));
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, answerPoints(question, count, Sex::Male));
        }
        QCOMPARE(actual.join(','), values);
    }
};

QTEST_APPLESS_MAIN(TstModHeartAttack)
#include "tst_modheartattack.moc"
