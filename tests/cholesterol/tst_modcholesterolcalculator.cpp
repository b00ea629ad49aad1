#include "cholesterol/modcholesterolcalculator.h"

#include <QtTest>

#include <map>

using namespace wellbox::modCholesterolCalculator;
using wellbox::Sex;

Q_DECLARE_METATYPE(wellbox::Sex)

namespace {

using Answers = std::array<int, 6>;

// "<160", "50-59", "<130", "<120", no medicines, no smoking: none of them earns points.
constexpr Answers Neutral{0, 1, 0, 0, 1, 1};

CholesterolResult score(int age, Sex sex, const Answers& answers) {
    return ScoreCholesterolRisk({static_cast<std::int16_t>(age), sex, answers});
}

// The points that each of the first count answers to the question adds to those of base.
QString added(int age, Sex sex, int question, int count, Answers base = Neutral) {
    QStringList out;
    for (int a = 0; a < count; ++a) {
        Answers answers = base;
        answers[static_cast<std::size_t>(question - 1)] = a;
        out << QString::number(score(age, sex, answers).points - score(age, sex, base).points);
    }
    return out.join(' ');
}

} // namespace

class TstModCholesterolCalculator : public QObject {
    Q_OBJECT

private slots:
    // The row name is the question text. Its answers, their category words (questions 1 to 3)
    // and the points each adds for a man of 40; positions just outside the list throw.
    void questions_data() {
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("points");
        QTest::newRow("Choose your Current Total Cholesterol Level.")
            << 1 << "<160|160-199|200-239|240-279|280+"
            << "Optimum|Borderline High|Borderline High|Borderline High|High"
            << "0 3 5 6 8";
        QTest::newRow("Choose your Current HDL Cholesterol Level.")
            << 2 << "60+|50-59|40-49|<40"
            << "Optimum|Borderline High|Borderline High|High"
            << "-1 0 1 2";
        QTest::newRow("Choose your Current LDL Cholesterol Level.")
            << 3 << "<130|130-159|160>"
            << "Optimum|Borderline High|High"
            << "0 0 0";
        QTest::newRow("Choose Systolic Blood Pressure.")
            << 4 << "<120|120-129|130-139|140-159|160+" << QString() << "0 0 1 1 2";
        QTest::newRow("Do you take Blood Pressure Medicines?")
            << 5 << "Yes|No" << QString() << "0 0";
        QTest::newRow("Do you smoke?") << 6 << "Yes|No" << QString() << "5 0";
    }
    void questions() {
        QFETCH(int, question);
        QFETCH(QString, answers);
        QFETCH(QString, words);
        QFETCH(QString, points);
        const auto q = static_cast<std::size_t>(question - 1);
        QCOMPARE(CholesterolQuestions[q].text, QTest::currentDataTag());
        QStringList texts;
        for (const std::string_view answer : CholesterolQuestions[q].answers)
            texts << QString::fromUtf8(answer);
        QCOMPARE(texts.join('|'), answers);
        QCOMPARE(added(40, Sex::Male, question, int(texts.size())), points);
        const std::array<std::string, 3> starts{"Your Total Cholesterol Level is at a ",
                                                "Your HDL 'Good' Cholesterol Level is at a ",
                                                "Your LDL 'Bad' Cholesterol Level is at a "};
        for (int a = 0; question <= 3 && a < texts.size(); ++a) {
            Answers chosen = Neutral;
            chosen[q] = a;
            const CholesterolResult r = score(40, Sex::Male, chosen);
            const std::string word = words.split('|')[a].toStdString();
            QCOMPARE((std::array{r.totalCategory, r.hdlCategory, r.ldlCategory}[q]), word);
            QCOMPARE(r.sentences[q], starts[q] + word + " Level");
        }
        for (const int outside : {-1, int(texts.size())}) {
            Answers chosen = Neutral;
            chosen[q] = outside;
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, score(40, Sex::Male, chosen));
        }
    }

    // Checked at the first and the last age of each band; 19 and 80 throw.
    void agePoints_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("men");
        QTest::addColumn<int>("women");
        QTest::newRow("20-34") << 20 << 34 << -9 << -7;
        QTest::newRow("35-39") << 35 << 39 << -4 << -3;
        QTest::newRow("40-44") << 40 << 44 << 0 << 0;
        QTest::newRow("45-49") << 45 << 49 << 3 << 3;
        QTest::newRow("50-54") << 50 << 54 << 6 << 6;
        QTest::newRow("55-59") << 55 << 59 << 8 << 8;
        QTest::newRow("60-64") << 60 << 64 << 10 << 10;
        QTest::newRow("65-69") << 65 << 69 << 11 << 12;
        QTest::newRow("70-74") << 70 << 74 << 12 << 14;
        QTest::newRow("75-79") << 75 << 79 << 13 << 16;
    }
    void agePoints() {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, men);
        QFETCH(int, women);
        for (const int age : {first, last}) {
            QCOMPARE(score(age, Sex::Male, Neutral).points, men);
            QCOMPARE(score(age, Sex::Female, Neutral).points, women);
        }
        for (const int age : {19, 80})
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument, score(age, Sex::Female, Neutral));
    }

    // Points of the five total cholesterol answers, then of smoking, at both ends of each band.
    void decadePoints_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("men");
        QTest::addColumn<QString>("women");
        QTest::newRow("20-39") << 20 << 39 << "0 4 7 9 11 / 8"
                               << "0 4 8 11 13 / 9";
        QTest::newRow("40-49") << 40 << 49 << "0 3 5 6 8 / 5"
                               << "0 3 6 8 10 / 7";
        QTest::newRow("50-59") << 50 << 59 << "0 2 3 4 5 / 3"
                               << "0 2 4 5 7 / 4";
        QTest::newRow("60-69") << 60 << 69 << "0 1 1 2 3 / 1"
                               << "0 1 2 3 4 / 2";
        QTest::newRow("70-79") << 70 << 79 << "0 0 0 1 1 / 1"
                               << "0 1 1 2 2 / 1";
    }
    void decadePoints() {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QString, men);
        QFETCH(QString, women);
        for (const int age : {first, last}) {
            QCOMPARE(added(age, Sex::Male, 1, 5) + " / " + added(age, Sex::Male, 6, 1), men);
            QCOMPARE(added(age, Sex::Female, 1, 5) + " / " + added(age, Sex::Female, 6, 1), women);
        }
    }

    // Points of the systolic answers "<120" to "160+", without and with medicines.
    void bloodPressurePoints_data() {
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<QString>("untreated");
        QTest::addColumn<QString>("treated");
        QTest::newRow("men") << Sex::Male << "0 0 1 1 2"
                             << "0 1 2 2 3";
        QTest::newRow("women") << Sex::Female << "0 1 2 3 4"
                               << "0 3 4 5 6";
    }
    void bloodPressurePoints() {
        QFETCH(Sex, sex);
        QFETCH(QString, untreated);
        QFETCH(QString, treated);
        QCOMPARE(added(40, sex, 4, 5), untreated);
        QCOMPARE(added(40, sex, 4, 5, {0, 1, 0, 0, 0, 1}), treated);
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
                const Answers a{i % 5, i / 5 % 4, 0, i / 20 % 5, i / 100 % 2, i / 200};
                const CholesterolResult r = score(age, sex, a);
                reached.insert({r.points, r});
            }
        QCOMPARE(reached.begin()->first, lowest.first());
        QCOMPARE(reached.rbegin()->first, lowest.last() - 1);
        QCOMPARE(int(reached.size()), lowest.last() - lowest.first()); // no total left out
        const QStringList risks = texts.split(' ');
        for (const auto& [total, r] : reached) {
            const auto row = std::upper_bound(lowest.begin(), lowest.end(), total) - lowest.begin();
            QCOMPARE(QString::fromStdString(r.riskText), risks[row - 1]);
            QCOMPARE(r.sentences[3], "Your Risk of Having a Heart Attack based on your "
                                     "Cholesterol Level in the Next 10 Years is " +
                                         r.riskText);
        }
    }

    // The published worked examples.
    void workedExamples_data() {
        QTest::addColumn<int>("age");
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<int>("points");
        QTest::newRow("man 55: 8 + 4 + 1 + 1")
            << 55 << Sex::Male << Answers{3, 2, 1, 2, 1, 1} << 14;
        QTest::newRow("woman 45, treated smoker: 3 + 6 + 0 + 5 + 7")
            << 45 << Sex::Female << Answers{2, 1, 0, 3, 0, 0} << 21;
        QTest::newRow("woman 45, untreated smoker: 3 + 6 + 0 + 3 + 7")
            << 45 << Sex::Female << Answers{2, 1, 0, 3, 1, 0} << 19;
        QTest::newRow("man 20, best answers")
            << 20 << Sex::Male << Answers{0, 0, 0, 0, 1, 1} << -10;
    }
    void workedExamples() {
        QFETCH(int, age);
        QFETCH(Sex, sex);
        QFETCH(Answers, answers);
        QFETCH(int, points);
        QCOMPARE(score(age, sex, answers).points, points);
    }
};

QTEST_APPLESS_MAIN(TstModCholesterolCalculator)
#include "tst_modcholesterolcalculator.moc"
