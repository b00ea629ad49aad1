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

class TstModCholesterolCalculator : public QObject {
    Q_OBJECT

private slots:
    // A question's row is named by its text and holds its answers, those of the first three
    // with the category word that their sentence carries. Every row then gives a table as its
    // runs, "key:value" wherever the value changes from one key to the next, men's value first
    // and after a slash the women's where it differs: for a question, by age, what each answer
    // adds to the no-points answers (blood pressure: untreated,treated); the age points by age;
    // the risk text by total, "none" where no person of the sex reaches that total.
    void tables_data() {
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("runs");
        QTest::newRow("Choose your Current Total Cholesterol Level.")
            << 0
            << "<160 Optimum|160-199 Borderline High|200-239 Borderline High|"
               "240-279 Borderline High|280+ High"
            << "20:0 4 7 9 11/0 4 8 11 13|40:0 3 5 6 8/0 3 6 8 10|50:0 2 3 4 5/0 2 4 5 7|"
               "60:0 1 1 2 3/0 1 2 3 4|70:0 0 0 1 1/0 1 1 2 2";
        QTest::newRow("Choose your Current HDL Cholesterol Level.")
            << 1 << "60+ Optimum|50-59 Borderline High|40-49 Borderline High|<40 High"
            << "20:-1 0 1 2";
        QTest::newRow("Choose your Current LDL Cholesterol Level.")
            << 2 << "<130 Optimum|130-159 Borderline High|160> High"
            << "20:0 0 0";
        QTest::newRow("Choose Systolic Blood Pressure.")
            << 3 << "<120|120-129|130-139|140-159|160+"
            << "20:0,0 0,1 1,2 1,2 2,3/0,0 1,3 2,4 3,5 4,6";
        QTest::newRow("Do you take Blood Pressure Medicines?") << 4 << "Yes|No"
                                                               << "20:0 0";
        QTest::newRow("Do you smoke?") << 5 << "Yes|No"
                                       << "20:8 0/9 0|40:5 0/7 0|50:3 0/4 0|60:1 0/2 0|70:1 0";
        QTest::newRow("age points")
            << -1 << ""
            << "20:-9/-7|35:-4/-3|40:0|45:3|50:6|55:8|60:10|65:11/12|70:12/14|75:13/16";
        QTest::newRow("men's risk")
            << -1 << ""
            << "-11:none|-10:<1%|0:1%|5:2%|7:3%|8:4%|9:5%|10:6%|11:8%|12:10%|13:12%|14:16%|15:20%|"
               "16:25%|17:>=30%|22:none";
        QTest::newRow("women's risk")
            << -1 << ""
            << "-11:none|-8:<1%|9:1%|13:2%|15:3%|16:4%|17:5%|18:6%|19:8%|20:11%|21:14%|22:17%|"
               "23:22%|24:27%|25:>=30%|29:none";
    }
    void tables() {
        QFETCH(int, question);
        QFETCH(QString, answers);
        QFETCH(QString, runs);
        const QString tag = QTest::currentDataTag();
        int key = YoungestAge, last = OldestAge;
        std::function<QString(int, Sex)> value = [](int age, Sex sex) {
            return QString::number(score(age, sex).points);
        };
        std::map<int, QString> reached;
        if (question >= 0) {
            const auto q = std::size_t(question);
            QCOMPARE(CholesterolQuestions[q].text, QTest::currentDataTag());
            const int count = int(CholesterolQuestions[q].answers.size());
            QStringList actual;
            Answers with = Neutral;
            for (with[q] = 0; with[q] < count; ++with[q]) {
                const CholesterolResult r = score(40, Sex::Male, with);
                const std::array words{r.totalCategory, r.hdlCategory, r.ldlCategory,
                                       std::string()};
                actual << QString::fromUtf8(CholesterolQuestions[q].answers[std::size_t(with[q])]) +
                              ' ' + words[std::min(q, std::size_t(3))].c_str();
            }
            // One step past the list's end is refused, never read.
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, score(40, Sex::Male, with));
            QCOMPARE(actual.join('|').remove(QRegularExpression(" (?=\\||$)")), answers);
            value = [=](int age, Sex sex) mutable {
                QStringList added;
                for (with[q] = 0; with[q] < count; ++with[q]) {
                    QStringList byTreatment;
                    for (int medicines = 1; medicines >= (q == 3 ? 0 : 1); --medicines) {
                        Answers base = Neutral, answer = with;
                        base[4] = medicines;
                        answer[4] = q == 4 ? with[4] : medicines;
                        byTreatment << QString::number(score(age, sex, answer).points -
                                                       score(age, sex, base).points);
                    }
                    added << byTreatment.join(',');
                }
                return added.join(' ');
            };
        } else if (tag.endsWith("risk")) {
            const Sex sex = tag.startsWith("men") ? Sex::Male : Sex::Female;
            for (int age = YoungestAge; age <= OldestAge; ++age)
                for (int i = 0; i < 5 * 4 * 5 * 2 * 2; ++i) {
                    const CholesterolResult r =
                        score(age, sex, {i % 5, i / 5 % 4, 0, i / 20 % 5, i / 100 % 2, i / 200});
                    reached[r.points] = QString::fromStdString(r.riskText);
                }
            key = -11;
            last = 29;
            value = [&](int total, Sex) {
                return reached.contains(total) ? reached[total] : "none";
            };
        }
        QStringList actual;
        for (QString previous; key <= last; ++key) {
            const QString men = value(key, Sex::Male), women = value(key, Sex::Female);
            if (const QString v = men == women ? men : men + '/' + women; v != previous)
                actual << QString::number(key) + ':' + (previous = v);
        }
        QCOMPARE(actual.join('|'), runs);
    }

    // A man of 55: "<160", "40-49", "160>", "130-139", no medicines, no smoking: 8 + 0 + 1 + 1
    // points, 10, with a sentence for each category word. An age just outside the tables is
    // refused, never read.
    void sentences() {
        const std::array<std::string, 4> s = score(55, Sex::Male, {0, 2, 2, 2, 1, 1}).sentences;
        QCOMPARE(
            QString::fromStdString(s[0] + '|' + s[1] + '|' + s[2] + '|' + s[3]),
            "Your Total Cholesterol Level is at a Optimum Level|Your HDL 'Good' Cholesterol "
            "Level is at a Borderline High Level|Your LDL 'Bad' Cholesterol Level is at a High "
            "Level|Your Risk of Having a Heart Attack based on your Cholesterol Level in the "
            "Next 10 Years is 6%");
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, score(19, Sex::Male));
    }
};

QTEST_APPLESS_MAIN(TstModCholesterolCalculator)
#include "tst_modcholesterolcalculator.moc"
