#include "cholesterol/modcholesterolcalculator.h"

#include <QtTest>

#include <map>

using namespace wellbox::modCholesterolCalculator;
using wellbox::Sex;
using Answers = std::array<int, 6>;

// "<160", "50-59", "<130", "<120", no medicines, no smoking: none of them earns points.
static constexpr Answers Neutral{0, 1, 0, 0, 1, 1};

static CholesterolResult score(int age, Sex sex, const Answers& answers = Neutral) {
    return ScoreCholesterolRisk({std::int16_t(age), sex, answers});
}

// A table as its runs: "key:value" wherever the value changes from one key to the next.
template <typename Value> static QString runs(int key, int last, Value value) {
    QStringList out;
    for (QString previous; key <= last; ++key)
        if (const QString v = value(key); v != previous)
            out << QString::number(key) + ':' + (previous = v);
    return out.join('|');
}

class TstModCholesterolCalculator : public QObject {
    Q_OBJECT

private slots:
    // The row name is the question text; its answers, those of the first three with their
    // category word.
    void questions_data() {
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("answers");
        QTest::newRow("Choose your Current Total Cholesterol Level.")
            << 0
            << "<160 Optimum|160-199 Borderline High|200-239 Borderline High|"
               "240-279 Borderline High|280+ High";
        QTest::newRow("Choose your Current HDL Cholesterol Level.")
            << 1 << "60+ Optimum|50-59 Borderline High|40-49 Borderline High|<40 High";
        QTest::newRow("Choose your Current LDL Cholesterol Level.")
            << 2 << "<130 Optimum|130-159 Borderline High|160> High";
        QTest::newRow("Choose Systolic Blood Pressure.")
            << 3 << "<120|120-129|130-139|140-159|160+";
        QTest::newRow("Do you take Blood Pressure Medicines?") << 4 << "Yes|No";
        QTest::newRow("Do you smoke?") << 5 << "Yes|No";
    }
    void questions() {
        QFETCH(int, question);
        QFETCH(QString, answers);
        const wellbox::Question& q = CholesterolQuestions[std::size_t(question)];
        QCOMPARE(q.text, QTest::currentDataTag());
        QStringList actual;
        Answers chosen = Neutral;
        for (int& a = chosen[std::size_t(question)] = 0; a < int(q.answers.size()); ++a) {
            const CholesterolResult r = score(40, Sex::Male, chosen);
            const std::array words{r.totalCategory, r.hdlCategory, r.ldlCategory, std::string()};
            actual << (q.answers[std::size_t(a)] + (question < 3 ? " " : "") +
                       words[std::size_t(std::min(question, 3))])
                          .c_str();
        }
        // One past the end of the list is refused, never read.
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, score(40, Sex::Male, chosen));
        QCOMPARE(actual.join('|'), answers);
    }

    // By age, what each answer to the question adds to the no-points answers, men's and after
    // a slash women's where they differ (-1: the age points themselves).
    void points_data() {
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("runs");
        QTest::newRow("age points")
            << -1 << "20:-9/-7|35:-4/-3|40:0|45:3|50:6|55:8|60:10|65:11/12|70:12/14|75:13/16";
        QTest::newRow("total cholesterol, <160 to 280+")
            << 0
            << "20:0 4 7 9 11/0 4 8 11 13|40:0 3 5 6 8/0 3 6 8 10|50:0 2 3 4 5/0 2 4 5 7|"
               "60:0 1 1 2 3/0 1 2 3 4|70:0 0 0 1 1/0 1 1 2 2";
        QTest::newRow("HDL, 60+ to <40") << 1 << "20:-1 0 1 2";
        QTest::newRow("LDL, <130 to 160>") << 2 << "20:0 0 0";
        QTest::newRow("systolic, <120 to 160+") << 3 << "20:0 0 1 1 2/0 1 2 3 4";
        QTest::newRow("systolic, treated") << 3 << "20:0 1 2 2 3/0 3 4 5 6";
        QTest::newRow("smoking, Yes and No")
            << 5 << "20:8 0/9 0|40:5 0/7 0|50:3 0/4 0|60:1 0/2 0|70:1 0";
    }
    void points() {
        QFETCH(int, question);
        QFETCH(QString, runs);
        Answers base = Neutral;
        base[4] = QString(QTest::currentDataTag()).endsWith("treated") ? 0 : 1;
        const auto added = [&](int age, Sex sex) {
            QStringList out{QString::number(score(age, sex, base).points)};
            Answers answers = base;
            for (int& a = answers[std::size_t(std::max(question, 0))] = 0;
                 question >= 0 && a < int(CholesterolQuestions[question].answers.size()); ++a)
                out << QString::number(score(age, sex, answers).points - out[0].toInt());
            return (question < 0 ? out : out.mid(1)).join(' ');
        };
        QCOMPARE(::runs(YoungestAge, OldestAge,
                        [&](int age) {
                            const QString men = added(age, Sex::Male);
                            const QString women = added(age, Sex::Female);
                            return men == women ? men : men + '/' + women;
                        }),
                 runs);
    }

    // The risk text of each total that some person of the sex reaches, "none" for the others.
    void risk_data() {
        QTest::addColumn<QString>("runs");
        QTest::newRow("men") << "-11:none|-10:<1%|0:1%|5:2%|7:3%|8:4%|9:5%|10:6%|11:8%|12:10%|"
                                "13:12%|14:16%|15:20%|16:25%|17:>=30%|22:none";
        QTest::newRow("women") << "-11:none|-8:<1%|9:1%|13:2%|15:3%|16:4%|17:5%|18:6%|19:8%|"
                                  "20:11%|21:14%|22:17%|23:22%|24:27%|25:>=30%";
    }
    void risk() {
        QFETCH(QString, runs);
        const Sex sex = QTest::currentDataTag() == QLatin1String("men") ? Sex::Male : Sex::Female;
        std::map<int, QString> reached;
        for (int age = YoungestAge; age <= OldestAge; ++age)
            for (int i = 0; i < 5 * 4 * 5 * 2 * 2; ++i)
                reached[score(age, sex, {i % 5, i / 5 % 4, 0, i / 20 % 5, i / 100 % 2, i / 200})
                            .points] =
                    QString::fromStdString(
                        score(age, sex, {i % 5, i / 5 % 4, 0, i / 20 % 5, i / 100 % 2, i / 200})
                            .riskText);
        QCOMPARE(::runs(-11, 29, [&](int t) { return reached.contains(t) ? reached[t] : "none"; }),
                 runs);
    }

    // A man of 55: "<160", "40-49", "160>", "130-139", no medicines, no smoking: 8 + 0 + 1 + 1
    // points, 10, with one sentence for each category word. An age just outside the tables is
    // refused, never read.
    void sentences() {
        const std::array<std::string, 4> s = score(55, Sex::Male, {0, 2, 2, 2, 1, 1}).sentences;
        QCOMPARE(s[0], "Your Total Cholesterol Level is at a Optimum Level");
        QCOMPARE(s[1], "Your HDL 'Good' Cholesterol Level is at a Borderline High Level");
        QCOMPARE(s[2], "Your LDL 'Bad' Cholesterol Level is at a High Level");
        QCOMPARE(s[3], "Your Risk of Having a Heart Attack based on your Cholesterol Level in the "
                       "Next 10 Years is 6%");
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, score(19, Sex::Male));
    }
};

QTEST_APPLESS_MAIN(TstModCholesterolCalculator)
#include "tst_modcholesterolcalculator.moc"
