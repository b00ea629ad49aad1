// A result sheet holding a worked example, and what keeping it must hold.

#pragma once

#include "platform/version.h"
#include "result/resultsheet.h"
#include "scoring/moddiabetesriskcalculator.h"
#include "scoring/modheartattack.h"
#include "support/platformfakes.h"

#include <QFile>
#include <QRegularExpression>

namespace wellbox::testing {

// The letters of a text in order, whatever the line breaks, columns and wrapping of a page, and
// the pictures among them; without their combining marks, which a PDF's text may place apart.
inline QString letters(QString text) {
    return text.normalized(QString::NormalizationForm_KD)
        .remove(QRegularExpression(R"([\s\p{M}])"))
        .remove(QChar::ObjectReplacementCharacter);
}

// What is kept of a man of 50, smoker, diabetic, systolic 140, total cholesterol 240, HDL 47:
// each detail, answer and point, the sentence as shown, the picture's caption, the comparison
// and what would change the result, the date (the fake clock's) and the version.
inline QString keptWorkedExample() {
    QFile file(WELLBOX_TEST_DATA "heartattackkept.txt");
    return file.open(QIODevice::ReadOnly)
               ? QString::fromUtf8(file.readAll()).replace("{version}", QLatin1String(kVersion))
               : "(not read)";
}

// The sheet of a window named as the heart attack window holding the worked example, or as the
// diabetes window holding a result for `name`, on fakes.
struct WorkedSheet : FakePlatform {
    const QString calculator;
    ResultSheet sheet;
    explicit WorkedSheet(const QString& name = {})
        : calculator(name.isEmpty() ? "Kestavo Heart Attack Risk Calculator"
                                    : "Kestavo Diabetes Risk Calculator")
        , sheet{platform, calculator, MessageIcon::Stop, CaptionPlace::Below} {
        fileWriter.onDisk = true;
        const modHeartAttack::HeartAttackAnswers in{50, Sex::Male, {0, 0, 6, 7, 8, 1}};
        namespace diabetes = modDiabetesRiskCalculator;
        const diabetes::DiabetesAnswers tested{0, 150, {0, 0, 0, 0, 0}};
        sheet.setReport(
            name.isEmpty()
                ? modHeartAttack::heartAttackReport(in, modHeartAttack::ScoreHeartAttackRisk(in))
                : diabetes::diabetesReport(name.toStdString(), tested,
                                           diabetes::ScoreDiabetesRisk(tested)));
    }
};

} // namespace wellbox::testing
