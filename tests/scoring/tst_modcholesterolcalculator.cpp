#include "scoring/modcholesterolcalculator.h"

#include <QTest>

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
    // with the category word that ends their result sentence. Each row then holds a table as
    // runs, "key:value" wherever the value changes from one key to the next, men's value first
    // and after a slash the women's where it differs: for a question, by age, what each answer
    // adds to the no-points answers (for the medicines question, what each blood pressure
    // answer adds when they are taken); the age points by age; the risk text by total, "none"
    // where no person of the sex reaches that total.
    void tables_data() {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("runs");
        QTest::newRow("Choose your Current Total Cholesterol Level.")
            << "<160 Optimum|160-199 Borderline High|200-239 Borderline High|"
               "240-279 Borderline High|280+ High"
            << 0
            << "20:0 4 7 9 11/0 4 8 11 13|40:0 3 5 6 8/0 3 6 8 10|50:0 2 3 4 5/0 2 4 5 7|"
               "60:0 1 1 2 3/0 1 2 3 4|70:0 0 0 1 1/0 1 1 2 2";
        QTest::newRow("Choose your Current HDL Cholesterol Level.")
            << "60+ Optimum|50-59 Borderline High|40-49 Borderline High|<40 High" << 1
            << "20:-1 0 1 2";
        QTest::newRow("Choose your Current LDL Cholesterol Level.")
            << "<130 Optimum|130-159 Borderline High|160> High" << 2 << "20:0 0 0";
        QTest::newRow("Choose Systolic Blood Pressure.")
            << "<120|120-129|130-139|140-159|160+" << 3 << "20:0 0 1 1 2/0 1 2 3 4";
        QTest::newRow("Do you take Blood Pressure Medicines?")
            << "Yes|No" << 4 << "20:0 1 2 2 3/0 3 4 5 6";
        QTest::newRow("Do you smoke?")
            << "Yes|No" << 5 << "20:8 0/9 0|40:5 0/7 0|50:3 0/4 0|60:1 0/2 0|70:1 0";
        QTest::newRow("age points")
            << "" << -1 << "20:-9/-7|35:-4/-3|40:0|45:3|50:6|55:8|60:10|65:11/12|70:12/14|75:13/16";
        QTest::newRow("men's risk")
            << "" << -2
            << "-11:none|-10:<1%|0:1%|5:2%|7:3%|8:4%|9:5%|10:6%|11:8%|12:10%|"
               "13:12%|14:16%|15:20%|16:25%|17:>=30%|22:none";
        QTest::newRow("women's risk")
            << "" << -2
            << "-11:none|-8:<1%|9:1%|13:2%|15:3%|16:4%|17:5%|18:6%|19:8%|20:11%|"
               "21:14%|22:17%|23:22%|24:27%|25:>=30%|29:none";
    }
    void tables() {
        QFETCH(QString, answers);
        QFETCH(int, question);
        QFETCH(QString, runs);
        const auto q = std::size_t(std::max(question, 0));
        if (question >= 0) {
            QCOMPARE(CholesterolQuestions[q].text, QTest::currentDataTag());
            QStringList actual;
            Answers a = Neutral;
            for (a[q] = 0; a[q] < int(CholesterolQuestions[q].answers.size()); ++a[q]) {
                actual << QString::fromUtf8(CholesterolQuestions[q].answers[std::size_t(a[q])]);
                // The sentence with its fixed parts taken away leaves the category word.
                const auto parts = QString("^Your %1 Cholesterol Level is at a | Level$");
                if (q < 3)
                    actual.last() +=
                        ' ' + QString::fromStdString(score(40, Sex::Male, a).sentences[q])
                                  .remove(QRegularExpression(parts.arg(
                                      std::array{"Total", "HDL 'Good'", "LDL 'Bad'"}[q])));
            }
            // One step past the list's end, or an age below the tables, is refused, never read.
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, score(40, Sex::Male, a));
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument, score(19, Sex::Male));
            QCOMPARE(actual.join('|'), answers);
        }
        QMap<int, QString> risk;
        for (int age = YoungestAge; question == -2 && age <= OldestAge; ++age)
            for (int i = 0; i < 5 * 4 * 5 * 2 * 2; ++i) {
                const Sex sex = QTest::currentDataTag()[0] == 'm' ? Sex::Male : Sex::Female;
                const CholesterolResult r =
                    score(age, sex, {i % 5, i / 5 % 4, 0, i / 20 % 5, i / 100 % 2, i / 200});
                risk[r.points] = QString::fromStdString(r.sentences[3])
                                     .remove("Your Risk of Having a Heart Attack based on your "
                                             "Cholesterol Level in the Next 10 Years is ");
            }
        const std::size_t v = q == 4 ? 3 : q; // for medicines, the blood pressure answers vary
        const Answers base{0, 1, 0, 0, q == 4 ? 0 : 1, 1};
        const auto value = [&](int key, Sex sex) {
            if (question < 0)
                return question == -1 ? QString::number(score(key, sex).points)
                                      : risk.value(key, "none");
            QStringList added;
            Answers a = base;
            for (a[v] = 0; a[v] < int(CholesterolQuestions[v].answers.size()); ++a[v])
                added << QString::number(score(key, sex, a).points - score(key, sex, base).points);
            return added.join(' ');
        };
        QStringList actual;
        QString previous;
        for (int key = question < -1 ? -11 : 20; key <= (question < -1 ? 29 : 79); ++key) {
            const QString men = value(key, Sex::Male), women = value(key, Sex::Female);
            if (const QString v = men == women ? men : men + '/' + women; v != previous)
                actual << QString::number(key) + ':' + (previous = v);
        }
        QCOMPARE(actual.join('|'), runs);
    }
};

QTEST_APPLESS_MAIN(TstModCholesterolCalculator)
#include "tst_modcholesterolcalculator.moc"
