#include "cholesterol/modcholesterolcalculator.h"

#include <QtTest>

#include <map>

using namespace wellbox::modCholesterolCalculator;
using wellbox::Sex;
using Answers = std::array<int, 6>;

Q_DECLARE_METATYPE(wellbox::Sex)

// "<160", "50-59", "<130", "<120", no medicines, no smoking: none of them earns points.
static constexpr Answers Neutral{0, 1, 0, 0, 1, 1};

static CholesterolResult score(int age, Sex sex, const Answers& answers) {
    return ScoreCholesterolRisk({std::int16_t(age), sex, answers});
}

// The points that each of the first count answers to the question adds to those of base.
static QString added(int age, Sex sex, int question, int count, Answers base = Neutral) {
    QStringList out;
    Answers answers = base;
    for (answers[question - 1] = 0; answers[question - 1] < count; ++answers[question - 1])
        out << QString::number(score(age, sex, answers).points - score(age, sex, base).points);
    return out.join(' ');
}

class TstModCholesterolCalculator : public QObject {
    Q_OBJECT

private slots:
    // The row name is the question text; its answers, those of questions 1 to 3 with the
    // category word that their result sentence carries.
    void questions_data() {
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("answers");
        QTest::newRow("Choose your Current Total Cholesterol Level.")
            << 1
            << "<160 Optimum|160-199 Borderline High|200-239 Borderline High|"
               "240-279 Borderline High|280+ High";
        QTest::newRow("Choose your Current HDL Cholesterol Level.")
            << 2 << "60+ Optimum|50-59 Borderline High|40-49 Borderline High|<40 High";
        QTest::newRow("Choose your Current LDL Cholesterol Level.")
            << 3 << "<130 Optimum|130-159 Borderline High|160> High";
        QTest::newRow("Choose Systolic Blood Pressure.")
            << 4 << "<120|120-129|130-139|140-159|160+";
        QTest::newRow("Do you take Blood Pressure Medicines?") << 5 << "Yes|No";
        QTest::newRow("Do you smoke?") << 6 << "Yes|No";
    }
    void questions() {
        QFETCH(int, question);
        QFETCH(QString, answers);
        const auto q = std::size_t(question - 1);
        QCOMPARE(CholesterolQuestions[q].text, QTest::currentDataTag());
        const std::array<std::string, 3> starts{"Your Total Cholesterol Level is at a ",
                                                "Your HDL 'Good' Cholesterol Level is at a ",
                                                "Your LDL 'Bad' Cholesterol Level is at a "};
        QStringList actual;
        Answers chosen = Neutral;
        for (chosen[q] = 0; chosen[q] < int(CholesterolQuestions[q].answers.size()); ++chosen[q]) {
            actual << QString::fromUtf8(CholesterolQuestions[q].answers[std::size_t(chosen[q])]);
            const CholesterolResult r = score(40, Sex::Male, chosen);
            const std::array words{r.totalCategory, r.hdlCategory, r.ldlCategory};
            if (q < words.size()) {
                QCOMPARE(r.sentences[q], starts[q] + words[q] + " Level");
                actual.last() += ' ' + QString::fromStdString(words[q]);
            }
        }
        QCOMPARE(actual.join('|'), answers);
    }

    // The row name is the age band; its age points, then the points of the five total
    // cholesterol answers and of smoking, at the band's first and last age.
    void agePoints_data() {
        QTest::addColumn<QString>("men");
        QTest::addColumn<QString>("women");
        QTest::newRow("20-34") << "-9: 0 4 7 9 11, 8" << QString("-7: 0 4 8 11 13, 9");
        QTest::newRow("35-39") << "-4: 0 4 7 9 11, 8" << QString("-3: 0 4 8 11 13, 9");
        QTest::newRow("40-44") << "0: 0 3 5 6 8, 5" << QString("0: 0 3 6 8 10, 7");
        QTest::newRow("45-49") << "3: 0 3 5 6 8, 5" << QString("3: 0 3 6 8 10, 7");
        QTest::newRow("50-54") << "6: 0 2 3 4 5, 3" << QString("6: 0 2 4 5 7, 4");
        QTest::newRow("55-59") << "8: 0 2 3 4 5, 3" << QString("8: 0 2 4 5 7, 4");
        QTest::newRow("60-64") << "10: 0 1 1 2 3, 1" << QString("10: 0 1 2 3 4, 2");
        QTest::newRow("65-69") << "11: 0 1 1 2 3, 1" << QString("12: 0 1 2 3 4, 2");
        QTest::newRow("70-74") << "12: 0 0 0 1 1, 1" << QString("14: 0 1 1 2 2, 1");
        QTest::newRow("75-79") << "13: 0 0 0 1 1, 1" << QString("16: 0 1 1 2 2, 1");
    }
    void agePoints() {
        QFETCH(QString, men);
        QFETCH(QString, women);
        for (const QString& age : QString(QTest::currentDataTag()).split('-')) {
            const auto points = [&](Sex sex) {
                return QString::number(score(age.toInt(), sex, Neutral).points) + ": " +
                       added(age.toInt(), sex, 1, 5) + ", " + added(age.toInt(), sex, 6, 1);
            };
            QCOMPARE(points(Sex::Male), men);
            QCOMPARE(points(Sex::Female), women);
        }
    }

    // Points of each answer to HDL, LDL, systolic pressure, and systolic pressure with medicines.
    void otherPoints_data() {
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<QString>("points");
        QTest::newRow("men") << Sex::Male << "-1 0 1 2 | 0 0 0 | 0 0 1 1 2 | 0 1 2 2 3";
        QTest::newRow("women") << Sex::Female << "-1 0 1 2 | 0 0 0 | 0 1 2 3 4 | 0 3 4 5 6";
    }
    void otherPoints() {
        QFETCH(Sex, sex);
        QFETCH(QString, points);
        QCOMPARE(added(40, sex, 2, 4) + " | " + added(40, sex, 3, 3) + " | " +
                     added(40, sex, 4, 5) + " | " + added(40, sex, 4, 5, {0, 1, 0, 0, 0, 1}),
                 points);
    }

    // Every total that some person of the sex reaches, from the lowest to the highest, with its
    // risk text; a row of the table holds from its lowest total to the next row's.
    void risk_data() {
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<QList<int>>("lowest"); // and one past the highest total
        QTest::addColumn<QString>("texts");
        QTest::newRow("men, -10 to 21")
            << Sex::Male << QList<int>{-10, 0, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 22}
            << "<1% 1% 2% 3% 4% 5% 6% 8% 10% 12% 16% 20% 25% >=30%";
        QTest::newRow("women, -8 to 28")
            << Sex::Female << QList<int>{-8, 9, 13, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 29}
            << "<1% 1% 2% 3% 4% 5% 6% 8% 11% 14% 17% 22% 27% >=30%";
    }
    void risk() {
        QFETCH(Sex, sex);
        QFETCH(QList<int>, lowest);
        QFETCH(QString, texts);
        std::map<int, CholesterolResult> reached;
        for (int age = YoungestAge; age <= OldestAge; ++age)
            for (int i = 0; i < 5 * 4 * 5 * 2 * 2; ++i) {
                const CholesterolResult r =
                    score(age, sex, {i % 5, i / 5 % 4, 0, i / 20 % 5, i / 100 % 2, i / 200});
                reached.insert({r.points, r});
            }
        QCOMPARE(reached.begin()->first, lowest.first());
        QCOMPARE(int(reached.size()), lowest.last() - lowest.first()); // none left out
        for (const auto& [total, r] : reached) {
            const auto row = std::upper_bound(lowest.begin(), lowest.end(), total) - lowest.begin();
            QCOMPARE(QString::fromStdString(r.riskText), texts.split(' ')[row - 1]);
            QCOMPARE(r.sentences[3], "Your Risk of Having a Heart Attack based on your "
                                     "Cholesterol Level in the Next 10 Years is " +
                                         r.riskText);
        }
    }

    void refusesWhatNoWindowPasses() {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, score(19, Sex::Male, Neutral));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, score(80, Sex::Male, Neutral));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, score(40, Sex::Male, {5, 1, 0, 0, 1, 1}));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, score(40, Sex::Male, {0, 1, 0, 0, 1, -1}));
    }
};

QTEST_APPLESS_MAIN(TstModCholesterolCalculator)
#include "tst_modcholesterolcalculator.moc"
