#include "cholesterol/modcholesterolcalculator.h"

#include <QtTest>

#include <optional>

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

// Points the answers earn above the age points.
int added(int age, Sex sex, const Answers& answers) {
    return score(age, sex, answers).points - score(age, sex, Neutral).points;
}

Answers with(int question, int answer, Answers answers = Neutral) {
    answers[static_cast<std::size_t>(question - 1)] = answer;
    return answers;
}

// Some person of the sex whose points come to the total.
std::optional<CholesterolResult> withTotal(Sex sex, int total) {
    for (int age = YoungestAge; age <= OldestAge; age += 5)
        for (int i = 0; i < 5 * 4 * 5 * 2 * 2; ++i) {
            const CholesterolResult r =
                score(age, sex, {i % 5, i / 5 % 4, 0, i / 20 % 5, i / 100 % 2, i / 200});
            if (r.points == total)
                return r;
        }
    return std::nullopt;
}

} // namespace

class TstModCholesterolCalculator : public QObject {
    Q_OBJECT

private slots:
    // The row name is the question text. For each answer: its category word and sentence, and
    // the points it adds for a man of 40; positions just outside the list throw.
    void answers_data() {
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QList<int>>("points");
        QTest::newRow("Choose your Current Total Cholesterol Level.")
            << 1 << "<160|160-199|200-239|240-279|280+"
            << "Optimum|Borderline High|Borderline High|Borderline High|High"
            << QList<int>{0, 3, 5, 6, 8};
        QTest::newRow("Choose your Current HDL Cholesterol Level.")
            << 2 << "60+|50-59|40-49|<40"
            << "Optimum|Borderline High|Borderline High|High" << QList<int>{-1, 0, 1, 2};
        QTest::newRow("Choose your Current LDL Cholesterol Level.")
            << 3 << "<130|130-159|160>"
            << "Optimum|Borderline High|High" << QList<int>{0, 0, 0};
        QTest::newRow("Choose Systolic Blood Pressure.")
            << 4 << "<120|120-129|130-139|140-159|160+" << QString() << QList<int>{0, 0, 1, 1, 2};
        QTest::newRow("Do you take Blood Pressure Medicines?")
            << 5 << "Yes|No" << QString() << QList<int>{0, 0};
        QTest::newRow("Do you smoke?") << 6 << "Yes|No" << QString() << QList<int>{5, 0};
    }
    void answers() {
        QFETCH(int, question);
        QFETCH(QString, answers);
        QFETCH(QString, words);
        QFETCH(QList<int>, points);
        const wellbox::Question& q = CholesterolQuestions[static_cast<std::size_t>(question - 1)];
        QCOMPARE(q.text, QTest::currentDataTag());
        const QStringList texts = answers.split('|'), categories = words.split('|');
        QCOMPARE(q.answers.size(), static_cast<std::size_t>(texts.size()));
        const std::array<std::string, 3> starts{"Your Total Cholesterol Level is at a ",
                                                "Your HDL 'Good' Cholesterol Level is at a ",
                                                "Your LDL 'Bad' Cholesterol Level is at a "};
        for (int a = 0; a < texts.size(); ++a) {
            QCOMPARE(q.answers[static_cast<std::size_t>(a)], texts[a].toStdString());
            QCOMPARE(added(40, Sex::Male, with(question, a)), points[a]);
            if (question > 3)
                continue;
            const CholesterolResult r = score(40, Sex::Male, with(question, a));
            const std::string word = categories[a].toStdString();
            const std::array<std::string, 3> categoryWords{r.totalCategory, r.hdlCategory,
                                                           r.ldlCategory};
            QCOMPARE(categoryWords[static_cast<std::size_t>(question - 1)], word);
            QCOMPARE(r.sentences[static_cast<std::size_t>(question - 1)],
                     starts[static_cast<std::size_t>(question - 1)] + word + " Level");
        }
        for (const int outside : {-1, static_cast<int>(texts.size())})
            QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                                     score(40, Sex::Male, with(question, outside)));
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

    // Points added by each total cholesterol answer and by smoking, in ten-year bands.
    void decadePoints_data() {
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QList<int>>("total");
        QTest::addColumn<int>("smoking");
        QTest::newRow("man 20-39") << Sex::Male << 20 << 39 << QList<int>{0, 4, 7, 9, 11} << 8;
        QTest::newRow("man 40-49") << Sex::Male << 40 << 49 << QList<int>{0, 3, 5, 6, 8} << 5;
        QTest::newRow("man 50-59") << Sex::Male << 50 << 59 << QList<int>{0, 2, 3, 4, 5} << 3;
        QTest::newRow("man 60-69") << Sex::Male << 60 << 69 << QList<int>{0, 1, 1, 2, 3} << 1;
        QTest::newRow("man 70-79") << Sex::Male << 70 << 79 << QList<int>{0, 0, 0, 1, 1} << 1;
        QTest::newRow("woman 20-39") << Sex::Female << 20 << 39 << QList<int>{0, 4, 8, 11, 13} << 9;
        QTest::newRow("woman 40-49") << Sex::Female << 40 << 49 << QList<int>{0, 3, 6, 8, 10} << 7;
        QTest::newRow("woman 50-59") << Sex::Female << 50 << 59 << QList<int>{0, 2, 4, 5, 7} << 4;
        QTest::newRow("woman 60-69") << Sex::Female << 60 << 69 << QList<int>{0, 1, 2, 3, 4} << 2;
        QTest::newRow("woman 70-79") << Sex::Female << 70 << 79 << QList<int>{0, 1, 1, 2, 2} << 1;
    }
    void decadePoints() {
        QFETCH(Sex, sex);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QList<int>, total);
        QFETCH(int, smoking);
        for (const int age : {first, last}) {
            for (int answer = 0; answer < total.size(); ++answer)
                QCOMPARE(added(age, sex, with(1, answer)), total[answer]);
            QCOMPARE(added(age, sex, with(6, 0)), smoking);
        }
    }

    // Points added by each systolic answer, from "<120" to "160+".
    void bloodPressurePoints_data() {
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<int>("medicines"); // 0 "Yes", 1 "No"
        QTest::addColumn<QList<int>>("points");
        QTest::newRow("men, untreated") << Sex::Male << 1 << QList<int>{0, 0, 1, 1, 2};
        QTest::newRow("men, treated") << Sex::Male << 0 << QList<int>{0, 1, 2, 2, 3};
        QTest::newRow("women, untreated") << Sex::Female << 1 << QList<int>{0, 1, 2, 3, 4};
        QTest::newRow("women, treated") << Sex::Female << 0 << QList<int>{0, 3, 4, 5, 6};
    }
    void bloodPressurePoints() {
        QFETCH(Sex, sex);
        QFETCH(int, medicines);
        QFETCH(QList<int>, points);
        for (int answer = 0; answer < points.size(); ++answer)
            QCOMPARE(added(40, sex, with(4, answer, with(5, medicines))), points[answer]);
    }

    // Checked at the lowest and the highest total of each row of the risk tables.
    void risk_data() {
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<int>("lowest");
        QTest::addColumn<int>("highest");
        QTest::addColumn<QString>("risk");
        const std::array<std::tuple<Sex, int, int, const char*>, 28> rows{{
            {Sex::Male, -10, -1, "<1%"},  {Sex::Male, 0, 4, "1%"},
            {Sex::Male, 5, 6, "2%"},      {Sex::Male, 7, 7, "3%"},
            {Sex::Male, 8, 8, "4%"},      {Sex::Male, 9, 9, "5%"},
            {Sex::Male, 10, 10, "6%"},    {Sex::Male, 11, 11, "8%"},
            {Sex::Male, 12, 12, "10%"},   {Sex::Male, 13, 13, "12%"},
            {Sex::Male, 14, 14, "16%"},   {Sex::Male, 15, 15, "20%"},
            {Sex::Male, 16, 16, "25%"},   {Sex::Male, 17, 21, ">=30%"},
            {Sex::Female, -8, 8, "<1%"},  {Sex::Female, 9, 12, "1%"},
            {Sex::Female, 13, 14, "2%"},  {Sex::Female, 15, 15, "3%"},
            {Sex::Female, 16, 16, "4%"},  {Sex::Female, 17, 17, "5%"},
            {Sex::Female, 18, 18, "6%"},  {Sex::Female, 19, 19, "8%"},
            {Sex::Female, 20, 20, "11%"}, {Sex::Female, 21, 21, "14%"},
            {Sex::Female, 22, 22, "17%"}, {Sex::Female, 23, 23, "22%"},
            {Sex::Female, 24, 24, "27%"}, {Sex::Female, 25, 28, ">=30%"},
        }};
        for (const auto& [sex, lowest, highest, risk] : rows)
            QTest::addRow("%s %d to %d: %s", sex == Sex::Male ? "man" : "woman", lowest, highest,
                          risk)
                << sex << lowest << highest << QString(risk);
    }
    void risk() {
        QFETCH(Sex, sex);
        QFETCH(int, lowest);
        QFETCH(int, highest);
        QFETCH(QString, risk);
        for (const int total : {lowest, highest}) {
            const std::optional<CholesterolResult> r = withTotal(sex, total);
            QVERIFY2(r, "no answers reach this total");
            QCOMPARE(r->sentences[3], "Your Risk of Having a Heart Attack based on your "
                                      "Cholesterol Level in the Next 10 Years is " +
                                          risk.toStdString());
        }
    }

    void workedExamples_data() {
        QTest::addColumn<int>("age");
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("risk");
        QTest::newRow("man 55: 8 + 4 + 1 + 1")
            << 55 << Sex::Male << Answers{3, 2, 1, 2, 1, 1} << 14 << QString("16%");
        QTest::newRow("woman 45, treated smoker: 3 + 6 + 0 + 5 + 7")
            << 45 << Sex::Female << Answers{2, 1, 0, 3, 0, 0} << 21 << QString("14%");
        QTest::newRow("woman 45, untreated smoker: 3 + 6 + 0 + 3 + 7")
            << 45 << Sex::Female << Answers{2, 1, 0, 3, 1, 0} << 19 << QString("8%");
        QTest::newRow("man 20, best answers")
            << 20 << Sex::Male << Answers{0, 0, 0, 0, 1, 1} << -10 << QString("<1%");
    }
    void workedExamples() {
        QFETCH(int, age);
        QFETCH(Sex, sex);
        QFETCH(Answers, answers);
        QFETCH(int, points);
        QFETCH(QString, risk);
        const CholesterolResult r = score(age, sex, answers);
        QCOMPARE(r.points, points);
        QCOMPARE(r.riskText, risk.toStdString());
    }
};

QTEST_APPLESS_MAIN(TstModCholesterolCalculator)
#include "tst_modcholesterolcalculator.moc"
