<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>wellbox::AboutDialog</name>
    <message>
        <location filename="../src/app/aboutdialog.cpp" line="+115"/>
        <source>Includes the Calorie, Diabetes Risk, Cholesterol Risk and Heart Attack Risk Calculator. These tools are indicative of standards to be maintained for healthy living. © Kestavo, %1. All rights reserved.</source>
        <translation>Enthält den Kalorienrechner und die Rechner für Diabetes-, Cholesterin- und Herzinfarktrisiko. Diese Werkzeuge zeigen Richtwerte für eine gesunde Lebensweise. © Kestavo, %1. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Click here to visit us at %1</source>
        <translation>Klicken Sie hier, um uns auf %1 zu besuchen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>wellbox::AgeQuizWindow</name>
    <message>
        <location filename="../src/windows/agequizwindow.cpp" line="+19"/>
        <source>Follow the questions and know in advance if you need to take precautions with respect to your health.</source>
        <translation>Beantworten Sie die Fragen und erfahren Sie rechtzeitig, ob Sie für Ihre Gesundheit vorsorgen sollten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter Age</source>
        <translation>Alter eingeben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select Sex</source>
        <translation>Geschlecht wählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cholesterol in</source>
        <translation>Cholesterin in</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Your age must be between %1 and %2</source>
        <translation>Ihr Alter muss zwischen %1 und %2 liegen</translation>
    </message>
</context>
<context>
    <name>wellbox::Application</name>
    <message>
        <location filename="../src/app/application.cpp" line="+84"/>
        <source>Application is already running</source>
        <translation>Die Anwendung läuft bereits</translation>
    </message>
</context>
<context>
    <name>wellbox::CalculatorWindow</name>
    <message>
        <location filename="../src/windows/calculatorkind.h" line="+71"/>
        <location line="+3"/>
        <source>Kestavo Calorie Calculator</source>
        <translation>Kestavo Kalorienrechner</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Kestavo Cholesterol Risk Calculator</source>
        <translation>Kestavo Cholesterinrisiko-Rechner</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Kestavo Diabetes Risk Calculator</source>
        <translation>Kestavo Diabetesrisiko-Rechner</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Kestavo Heart Attack Risk Calculator</source>
        <translation>Kestavo Herzinfarktrisiko-Rechner</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Versehen Sie diese Software mit der Marke Ihrer Website. Steigern Sie Treue und Besucherzahlen Ihrer Website. Setzen Sie hier Name &amp;&amp;  Link Ihrer Website ein. Einzelheiten unter „Hilfe“.    Klicken Sie hier für mehr zum Co-Branding.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>Versehen Sie diese Software mit der Marke Ihrer Website. Steigern Sie Treue und Besucherzahlen Ihrer Website. Setzen Sie hier Name &amp;&amp;  Link Ihrer Website ein. Einzelheiten unter „Hilfe“. Klicken Sie hier für mehr zum Co-Branding.</translation>
    </message>
</context>
<context>
    <name>wellbox::CalorieInputWindow</name>
    <message>
        <location filename="../src/windows/calorieinputshapes.h" line="+41"/>
        <source>Select Category To Measure Weight</source>
        <translation>Einheit für das Gewicht wählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter Weight</source>
        <translation>Gewicht eingeben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kilograms</source>
        <translation>Kilogramm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In Kilogram</source>
        <translation>In Kilogramm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tenths of a kilogram</source>
        <translation>Zehntel Kilogramm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pounds</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In Pound</source>
        <translation>In Pfund</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tenths of a pound</source>
        <translation>Zehntel Pfund</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Select Category To Measure Height</source>
        <translation>Einheit für die Größe wählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter Height</source>
        <translation>Größe eingeben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In Meter</source>
        <translation>In Meter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tenths of a meter</source>
        <translation>Zehntel Meter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In Inches</source>
        <translation>In Zoll</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tenths of an inch</source>
        <translation>Zehntel Zoll</translation>
    </message>
    <message>
        <location filename="../src/windows/calorieinputwindow.cpp" line="+31"/>
        <source>Kestavo Calorie Calculator helps you get a basic idea about your daily calorie needs. This is a general guideline and takes into account your height, weight, gender and activity levels.</source>
        <translation>Der Kestavo Kalorienrechner gibt Ihnen eine erste Vorstellung von Ihrem täglichen Kalorienbedarf. Er ist ein allgemeiner Richtwert und berücksichtigt Ihre Größe, Ihr Gewicht, Ihr Geschlecht und Ihre körperliche Aktivität.</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Enter the required details and get started!</source>
        <translation>Geben Sie die nötigen Angaben ein und legen Sie los!</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Enter Your Age</source>
        <translation>Ihr Alter angeben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter Your Sex</source>
        <translation>Ihr Geschlecht angeben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+114"/>
        <source>&amp;Proceed</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <location line="-113"/>
        <source>&amp;Exit</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>%1, tenths</source>
        <translation>%1, Zehntel</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Plese Select Both Your Height And Weight</source>
        <translation>Bitte wählen Sie sowohl Ihre Größe als auch Ihr Gewicht aus</translation>
    </message>
</context>
<context>
    <name>wellbox::CalorieResultWindow</name>
    <message>
        <location filename="../src/windows/calorieresultwindow.cpp" line="+50"/>
        <source>The results of Kestavo Free Calorie Calculator are displayed below</source>
        <translation>Die Ergebnisse des kostenlosen Kestavo Kalorienrechners sehen Sie unten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Know the calories in your diet and cut down calories or add calories to your diet accordingly</source>
        <translation>Kennen Sie die Kalorien Ihrer Ernährung und nehmen Sie entsprechend weniger oder mehr Kalorien zu sich</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>&amp;Exit</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+83"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location line="-60"/>
        <source>Select Your Daily Activity</source>
        <translation>Ihre tägliche Aktivität wählen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Calculate My Required Calories</source>
        <translation>Meinen Kalorienbedarf berechnen</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>wellbox::CholesterolWindow</name>
    <message>
        <location filename="../src/windows/cholesterolwindow.cpp" line="+18"/>
        <source>Kestavo Free Cholesterol Risk Calculator is a simple health tool that calculates your cholesterol levels and the risk of having a heart attack based on your cholesterol levels. A high cholesterol level is a major risk factor for heart attacks. Take the quiz and know your cholesterol level.</source>
        <translation>Der kostenlose Kestavo Cholesterinrisiko-Rechner ist ein einfaches Gesundheitswerkzeug, das Ihre Cholesterinwerte und Ihr darauf beruhendes Herzinfarktrisiko berechnet. Ein hoher Cholesterinspiegel ist ein wichtiger Risikofaktor für Herzinfarkte. Machen Sie das Quiz und erfahren Sie Ihren Cholesterinwert.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Kestavo Free Cholesterol Risk Calculator aims to act as a guideline in helping you know about the effect of cholesterol levels on your heart. Take preventive measures if you are in the high risk zone.</source>
        <translation>Der kostenlose Kestavo Cholesterinrisiko-Rechner soll Ihnen als Richtwert dienen, die Wirkung Ihrer Cholesterinwerte auf Ihr Herz einzuschätzen. Beugen Sie vor, wenn Sie im Hochrisikobereich liegen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Take the Cholesterol Risk &amp;Quiz</source>
        <translation>&amp;Quiz zum Cholesterinrisiko starten</translation>
    </message>
</context>
<context>
    <name>wellbox::DiabetesWindow</name>
    <message>
        <location filename="../src/windows/diabeteswindow.cpp" line="+34"/>
        <source>Diabetes is a very serious disease that can lead to a lot of complications if left untreated. This can lead to heart disease, strokes, kidney failure and amputations.</source>
        <translation>Diabetes ist eine sehr ernste Krankheit, die unbehandelt zu vielen Komplikationen führen kann. Sie kann Herzkrankheiten, Schlaganfälle, Nierenversagen und Amputationen zur Folge haben.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kestavo Diabetes Risk Calculator helps you understand this disease better and take precaution on time.</source>
        <translation>Der Kestavo Diabetesrisiko-Rechner hilft Ihnen, diese Krankheit besser zu verstehen und rechtzeitig vorzusorgen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Enter Name</source>
        <translation>Name eingeben</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+32"/>
        <source>Enter Height</source>
        <translation>Größe eingeben</translation>
    </message>
    <message>
        <location line="-31"/>
        <location line="+32"/>
        <source>feet/inches</source>
        <translation>Fuß/Zoll</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+30"/>
        <source>Enter Weight</source>
        <translation>Gewicht eingeben</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+30"/>
        <source>pounds</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Feet and pounds</source>
        <translation>Fuß und Pfund</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centimetres and kilograms</source>
        <translation>Zentimeter und Kilogramm</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Take the Diabetes Risk Test</source>
        <translation>&amp;Test zum Diabetesrisiko starten</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>centimetres</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>kilograms</source>
        <translation>Kilogramm</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Please enter your name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please enter your weight</source>
        <translation>Bitte geben Sie Ihr Gewicht ein</translation>
    </message>
</context>
<context>
    <name>wellbox::FileWriter</name>
    <message>
        <location filename="../src/platform/filewriter.cpp" line="+47"/>
        <source>It is a folder, not a file, and was left as it was</source>
        <translation>Es ist ein Ordner, keine Datei, und blieb unverändert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is a named pipe, not a file, and was left as it was</source>
        <translation>Es ist eine benannte Pipe, keine Datei, und blieb unverändert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is a device, not a file, and was left as it was</source>
        <translation>Es ist ein Gerät, keine Datei, und blieb unverändert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is a socket, not a file, and was left as it was</source>
        <translation>Es ist ein Socket, keine Datei, und blieb unverändert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is a link, not a file, and was left as it was</source>
        <translation>Es ist eine Verknüpfung, keine Datei, und blieb unverändert</translation>
    </message>
</context>
<context>
    <name>wellbox::GlanceGoals</name>
    <message>
        <location filename="../src/result/glancegoals.cpp" line="+42"/>
        <source>Calories a day to keep, lose or gain weight</source>
        <translation>Kalorien pro Tag, um das Gewicht zu halten, ab- oder zuzunehmen</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>wellbox::HeartAttackWindow</name>
    <message>
        <location filename="../src/windows/heartattackwindow.cpp" line="+18"/>
        <source>Kestavo Free Heart Attack Risk Calculator is a simple health tool that calculates your risk of having a heart attack based on your lifestyle.</source>
        <translation>Der kostenlose Kestavo Herzinfarktrisiko-Rechner ist ein einfaches Gesundheitswerkzeug, das Ihr Herzinfarktrisiko aufgrund Ihrer Lebensweise berechnet.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kestavo Free Heart Attack Risk Calculator aims to act as a guideline in helping you know about your heart attack risks. Take preventive measures if you are in the high risk zone.</source>
        <translation>Der kostenlose Kestavo Herzinfarktrisiko-Rechner soll Ihnen als Richtwert dienen, Ihr Herzinfarktrisiko einzuschätzen. Beugen Sie vor, wenn Sie im Hochrisikobereich liegen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Take the Heart Attack Risk &amp;Quiz</source>
        <translation>&amp;Quiz zum Herzinfarktrisiko starten</translation>
    </message>
</context>
<context>
    <name>wellbox::HelpLinks</name>
    <message>
        <location filename="../src/windows/helplinks.cpp" line="+47"/>
        <source>Join the Kestavo health forum at %1/forum</source>
        <translation>Diskutieren Sie mit im Kestavo-Gesundheitsforum unter %1/forum</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software ganz mit der Marke Ihrer Website. </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Click here for more details.</source>
        <translation>Klicken Sie hier für weitere Einzelheiten.</translation>
    </message>
</context>
<context>
    <name>wellbox::MainWindow</name>
    <message>
        <location filename="../src/windows/calculatorkind.h" line="+39"/>
        <source>Calorie Calculator</source>
        <translation>Kalorienrechner</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Diabetes Risk Calculator</source>
        <translation>Diabetesrisiko-Rechner</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Cholesterol Risk Calculator</source>
        <translation>Cholesterinrisiko-Rechner</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Heart Attack Risk Calculator</source>
        <translation>Herzinfarktrisiko-Rechner</translation>
    </message>
    <message>
        <location filename="../src/app/mainwindow.cpp" line="+234"/>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>wellbox::QuizWindow</name>
    <message>
        <location filename="../src/windows/quizwindow.cpp" line="+27"/>
        <source>Personal Details</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Questions</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Question No</source>
        <translation>Frage Nr.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Next &amp;Question</source>
        <translation>&amp;Nächste Frage</translation>
    </message>
    <message>
        <location line="+151"/>
        <location filename="../src/windows/quizwindowcontrols.cpp" line="+82"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location filename="../src/windows/quizwindowcontrols.cpp" line="+9"/>
        <source>Only numbers are accepted</source>
        <translation>Es sind nur Zahlen erlaubt</translation>
    </message>
    <message>
        <location filename="../src/windows/quizwindow.cpp" line="-105"/>
        <source>&amp;Main Screen</source>
        <translation>&amp;Startseite</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Please enter your age</source>
        <translation>Bitte geben Sie Ihr Alter ein</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Question %1 of %2</source>
        <translation>Frage %1 von %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1.</source>
        <translation>%1+ {1.?}</translation>
    </message>
</context>
<context>
    <name>wellbox::ResultDocument</name>
    <message>
        <location filename="../src/result/resultdocument.cpp" line="+88"/>
        <source>%1… (shortened from %2 characters)</source>
        <translation>%1… (gekürzt, %2 Zeichen lang)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Your result</source>
        <translation>Ihr Ergebnis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How it compares</source>
        <translation>Im Vergleich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>What would change it</source>
        <translation>Was es ändern würde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How it was worked out</source>
        <translation>So wurde gerechnet</translation>
    </message>
</context>
<context>
    <name>wellbox::ResultPicture</name>
    <message>
        <location filename="../src/result/resultpicturepaint.cpp" line="+216"/>
        <source>Basal</source>
        <translation>Grundumsatz</translation>
    </message>
</context>
<context>
    <name>wellbox::ResultSheet</name>
    <message>
        <location filename="../src/result/resultsheet.cpp" line="+35"/>
        <source>Save as &amp;PDF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P&amp;rint...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy Result</source>
        <translation>Ergebnis &amp;kopieren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>At a glance</source>
        <translation>Auf einen Blick</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How it was worked out</source>
        <translation>So wurde gerechnet</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 von %3</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>How the result was worked out</source>
        <translation>Wie das Ergebnis berechnet wurde</translation>
    </message>
    <message>
        <location filename="../src/result/resultsheetkeeping.cpp" line="+58"/>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+6"/>
        <source>Not saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+10"/>
        <source>The PDF could not be saved as %1: %2</source>
        <translation>Das PDF konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Printed</source>
        <translation>Gedruckt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Not printed</source>
        <translation>Nicht gedruckt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>The save dialog could not be opened: %1</source>
        <translation>Der Dialog zum Speichern ließ sich nicht öffnen: %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The print dialog could not be opened: %1</source>
        <translation>Der Dialog zum Drucken ließ sich nicht öffnen: %1</translation>
    </message>
</context>
<context>
    <name>wellbox::Scoring</name>
    <message>
        <location filename="../src/scoring/modcaloriecalculator.h" line="+19"/>
        <source>Sedentary</source>
        <translation>Überwiegend sitzend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light Activity for 2 Days per Week</source>
        <translation>Leichte Aktivität an 2 Tagen pro Woche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moderate Activity for 4 Days per Week</source>
        <translation>Mäßige Aktivität an 4 Tagen pro Woche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High Activity for 6 Days per Week</source>
        <translation>Hohe Aktivität an 6 Tagen pro Woche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Higher Activity Levels</source>
        <translation>Noch höhere Aktivität</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Required Calories For Your Daily Activity</source>
        <translation>Kalorienbedarf für Ihre tägliche Aktivität</translation>
    </message>
    <message>
        <location filename="../src/scoring/modcholesterolcalculator.cpp" line="+143"/>
        <source>Optimum</source>
        <translation>Optimal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Borderline High</source>
        <translation>Grenzwertig hoch</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Your Total Cholesterol Level is at a %1 Level</source>
        <translation>Ihr Gesamtcholesterin liegt im Bereich „%1“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your HDL &apos;Good&apos; Cholesterol Level is at a %1 Level</source>
        <translation>Ihr HDL-Cholesterin („gutes“ Cholesterin) liegt im Bereich „%1“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your LDL &apos;Bad&apos; Cholesterol Level is at a %1 Level</source>
        <translation>Ihr LDL-Cholesterin („schlechtes“ Cholesterin) liegt im Bereich „%1“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your Risk of Having a Heart Attack based on your Cholesterol Level in the Next 10 Years is %1</source>
        <translation>Ihr Risiko, aufgrund Ihres Cholesterins in den nächsten 10 Jahren einen Herzinfarkt zu erleiden, beträgt %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Choose your Current Total Cholesterol Level.</source>
        <translation>Wählen Sie Ihr aktuelles Gesamtcholesterin.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose your Current HDL Cholesterol Level.</source>
        <translation>Wählen Sie Ihr aktuelles HDL-Cholesterin.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose your Current LDL Cholesterol Level.</source>
        <translation>Wählen Sie Ihr aktuelles LDL-Cholesterin.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose Systolic Blood Pressure.</source>
        <translation>Wählen Sie Ihren systolischen Blutdruck.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you take Blood Pressure Medicines?</source>
        <translation>Nehmen Sie Medikamente gegen Bluthochdruck?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you smoke?</source>
        <translation>Rauchen Sie?</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>A man of %1 with total cholesterol %2, HDL %3, LDL %4 and systolic blood pressure %5, who takes no blood pressure medicines and does not smoke</source>
        <translation>Ein Mann von %1 Jahren mit Gesamtcholesterin %2, HDL %3, LDL %4 und systolischem Blutdruck %5, der keine Blutdruckmedikamente nimmt und nicht raucht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A woman of %1 with total cholesterol %2, HDL %3, LDL %4 and systolic blood pressure %5, who takes no blood pressure medicines and does not smoke</source>
        <translation>Eine Frau von %1 Jahren mit Gesamtcholesterin %2, HDL %3, LDL %4 und systolischem Blutdruck %5, die keine Blutdruckmedikamente nimmt und nicht raucht</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>%1: lower than the %2 of the low-risk person; for HDL, higher is better</source>
        <translation>%1: niedriger als die %2 der Person mit risikoarmen Antworten; beim HDL ist höher besser</translation>
    </message>
    <message>
        <location filename="../src/scoring/moddiabetesriskcalculator.cpp" line="+14"/>
        <source>Less than 45 years old</source>
        <translation>Jünger als 45 Jahre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Between 45 to 64 years old</source>
        <translation>Zwischen 45 und 64 Jahre alt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>65 years old or more</source>
        <translation>65 Jahre oder älter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Score is: %1</source>
        <translation>Ihre Punktzahl: %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Very Low Risk</source>
        <translation>Sehr geringes Risiko</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0 to 2</source>
        <translation>0 bis 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You are at a Very Low Risk of having Type 2 Diabetes now.</source>
        <translation>Ihr Risiko, jetzt Typ-2-Diabetes zu haben, ist sehr gering.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Low Risk</source>
        <translation>Geringes Risiko</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3 to 9</source>
        <translation>3 bis 9</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You are at a Low Risk of having Type 2 Diabetes now.</source>
        <translation>Ihr Risiko, jetzt Typ-2-Diabetes zu haben, ist gering.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High Risk</source>
        <translation>Hohes Risiko</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>10 or more</source>
        <translation>10 oder mehr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You are at a High Risk of having Type 2 Diabetes now. Please consult your doctor.</source>
        <translation>Ihr Risiko, jetzt Typ-2-Diabetes zu haben, ist hoch. Bitte suchen Sie Ihren Arzt auf.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>1. What is your age?</source>
        <translation>1. Wie alt sind Sie?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2. Do you have any brother or sister suffering from diabetes?</source>
        <translation>2. Hat einer Ihrer Brüder oder eine Ihrer Schwestern Diabetes?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>3. Do you exercise for atleast 3 times week for atleast 30 minutes per day?</source>
        <translation>3. Treiben Sie mindestens 3-mal pro Woche jeweils mindestens 30 Minuten Sport?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>4. Are you a woman who gave birth to a baby who weighed 9 pounds or more at birth?</source>
        <translation>4. Sind Sie eine Frau, die ein Kind mit einem Geburtsgewicht von 9 Pfund (etwa 4 kg) oder mehr zur Welt gebracht hat?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>5. Do you have any parent (father or mother) suffering from diabetes?</source>
        <translation>5. Hat ein Elternteil (Vater oder Mutter) Diabetes?</translation>
    </message>
    <message>
        <location line="+178"/>
        <source>%1 kg or less (under the chart&apos;s %2 pounds for %3)</source>
        <translation>%1 kg oder weniger (unter den %2 Pfund der Tabelle für %3)</translation>
    </message>
    <message>
        <location filename="../src/scoring/moddiabetesriskcalculator.h" line="+43"/>
        <source>P. S: Kindly consult your physician before taking any drastic steps.</source>
        <translation>P. S.: Bitte sprechen Sie mit Ihrem Arzt, bevor Sie einschneidende Schritte unternehmen.</translation>
    </message>
    <message>
        <location filename="../src/scoring/modheartattack.cpp" line="+91"/>
        <source>Your Risk of Suffering from A Heart Attack in the Next 10 Years is %1</source>
        <translation>Ihr Risiko, in den nächsten 10 Jahren einen Herzinfarkt zu erleiden, beträgt %1</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>A man of %1 who does not smoke, is not diabetic, has systolic blood pressure %2, total cholesterol %3, HDL %4 and no hypertrophy</source>
        <translation>Ein Mann von %1 Jahren, der nicht raucht, kein Diabetiker ist und einen systolischen Blutdruck von %2, ein Gesamtcholesterin von %3, ein HDL von %4 und keine Hypertrophie hat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A woman of %1 who does not smoke, is not diabetic, has systolic blood pressure %2, total cholesterol %3, HDL %4 and no hypertrophy</source>
        <translation>Eine Frau von %1 Jahren, die nicht raucht, keine Diabetikerin ist und einen systolischen Blutdruck von %2, ein Gesamtcholesterin von %3, ein HDL von %4 und keine Hypertrophie hat</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+80"/>
        <source>%1 or more (scored as %2)</source>
        <translation>%1 oder mehr (gewertet wie %2)</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Above the range the score was made for, so the risk may be higher than shown: %1</source>
        <translation>Über dem Bereich, für den der Punktwert gemacht ist, daher kann das Risiko höher sein als gezeigt: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Not given, so the estimate took the reference value (0 points): %1</source>
        <translation>Nicht angegeben, daher nahm die Schätzung den Bezugswert (0 Punkte): %1</translation>
    </message>
    <message>
        <location line="+42"/>
        <location filename="../src/scoring/riskband.cpp" line="+24"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="-1"/>
        <location filename="../src/scoring/riskband.cpp" line="+2"/>
        <source>over %1 %</source>
        <translation>über %1 %</translation>
    </message>
    <message>
        <location line="-107"/>
        <source>1. Are you a smoker?</source>
        <translation>1. Rauchen Sie?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2. Are you a diabetic?</source>
        <translation>2. Haben Sie Diabetes?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3. What is your systolic blood pressure?</source>
        <translation>3. Wie hoch ist Ihr systolischer Blutdruck?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>4. What is your total Cholesterol value?</source>
        <translation>4. Wie hoch ist Ihr Gesamtcholesterin?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>5. What is your HDL Cholesterol (High Density Lipoprotein) value?</source>
        <translation>5. Wie hoch ist Ihr HDL-Cholesterin (High-Density-Lipoprotein)?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>6. Does your doctor think that you suffer from left ventricular hypertrophy?</source>
        <translation>6. Vermutet Ihr Arzt bei Ihnen eine linksventrikuläre Hypertrophie?</translation>
    </message>
    <message>
        <location filename="../src/scoring/question.h" line="+39"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location filename="../src/scoring/modcaloriecalculator.cpp" line="+98"/>
        <source>%1, rounded to %2</source>
        <translation>%1, gerundet auf %2</translation>
    </message>
    <message>
        <location filename="../src/scoring/calorieestimates.cpp" line="+18"/>
        <source>underweight</source>
        <translation>Untergewicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>normal weight</source>
        <translation>Normalgewicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>overweight</source>
        <translation>Übergewicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>obese</source>
        <translation>Adipositas</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 x %2 + %3 x %4 - %5 x %6 years + %7 = %8</source>
        <translation>%1 x %2 + %3 x %4 - %5 x %6 Jahre + %7 = %8</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 x %2 + %3 x %4 - %5 x %6 years - %7 = %8</source>
        <translation>%1 x %2 + %3 x %4 - %5 x %6 Jahre - %7 = %8</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Keep weight</source>
        <translation>Gewicht halten</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Lose %1 a week</source>
        <translation>%1 pro Woche abnehmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gain %1 a week</source>
        <translation>%1 pro Woche zunehmen</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/scoring/modcaloriecalculator.cpp" line="-45"/>
        <source>%1 pound</source>
        <translation>%1 Pfund</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Body mass index: none for a height of 0</source>
        <translation>Body-Mass-Index: keiner bei einer Größe von 0</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Body mass index %1; children&apos;s bands depend on age and sex (WHO growth references)</source>
        <translation>Body-Mass-Index %1; die Bereiche für Kinder hängen von Alter und Geschlecht ab (WHO-Wachstumsreferenzen)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Body mass index %1: %2 (WHO adult bands)</source>
        <translation>Body-Mass-Index %1: %2 (WHO-Bereiche für Erwachsene)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mifflin-St Jeor (1990), the equation dietitians now rate most accurate: %1 basal, %2 for this level. Both equations were made for adults.</source>
        <translation>Mifflin-St Jeor (1990), die Formel, die Ernährungsfachkräfte heute als die genaueste einstufen: %1 Grundumsatz, %2 für diese Stufe. Beide Formeln wurden für Erwachsene entwickelt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mifflin-St Jeor (1990), the equation dietitians now rate most accurate: %1 basal, %2 for this level</source>
        <translation>Mifflin-St Jeor (1990), die Formel, die Ernährungsfachkräfte heute als die genaueste einstufen: %1 Grundumsatz, %2 für diese Stufe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calories a day</source>
        <translation>Kalorien pro Tag</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 (the floor)</source>
        <translation>%1 (Untergrenze)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>By the rule of thumb of %1 calories a pound (Wishnofsky, 1958), which overstates the loss over months, as the body adapts.</source>
        <translation>Nach der Faustregel von %1 Kalorien pro Pfund (Wishnofsky, 1958), die die Abnahme über Monate überschätzt, weil sich der Körper anpasst.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>By the rule of thumb of %1 calories a kg (Wishnofsky, 1958), which overstates the loss over months, as the body adapts.</source>
        <translation>Nach der Faustregel von %1 Kalorien pro kg (Wishnofsky, 1958), die die Abnahme über Monate überschätzt, weil sich der Körper anpasst.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The floor for men, %1 calories a day (Harvard Health Publishing): eating less needs a doctor&apos;s advice.</source>
        <translation>Die Untergrenze für Männer, %1 Kalorien pro Tag (Harvard Health Publishing): Weniger zu essen erfordert ärztlichen Rat.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The floor for women, %1 calories a day (Harvard Health Publishing): eating less needs a doctor&apos;s advice.</source>
        <translation>Die Untergrenze für Frauen, %1 Kalorien pro Tag (Harvard Health Publishing): Weniger zu essen erfordert ärztlichen Rat.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Goal band: %1 to %2 calories a day, losing %3 to gaining %4 a week</source>
        <translation>Zielbereich: %1 bis %2 Kalorien pro Tag, von %3 Abnahme bis %4 Zunahme pro Woche</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>goal band: %1 to %2 calories a day, losing %3 to gaining %4 a week</source>
        <translation>Zielbereich: %1 bis %2 Kalorien pro Tag, von %3 Abnahme bis %4 Zunahme pro Woche</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../src/scoring/modcaloriecalculator.cpp" line="+117"/>
        <source>%1 x %2 = %3</source>
        <translation>%1 x %2 = %3</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Mifflin-St Jeor (1990), men</source>
        <translation>Mifflin-St Jeor (1990), Männer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mifflin-St Jeor (1990), women</source>
        <translation>Mifflin-St Jeor (1990), Frauen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mifflin-St Jeor, this level</source>
        <translation>Mifflin-St Jeor, diese Stufe</translation>
    </message>
    <message>
        <location filename="../src/scoring/modcholesterolcalculator.cpp" line="-94"/>
        <location filename="../src/scoring/modheartattack.cpp" line="+10"/>
        <source>smoking</source>
        <translation>Rauchen</translation>
    </message>
    <message>
        <location line="-2"/>
        <location filename="../src/scoring/modheartattack.cpp" line="+4"/>
        <source>systolic blood pressure</source>
        <translation>systolischem Blutdruck</translation>
    </message>
    <message>
        <location line="-202"/>
        <location filename="../src/scoring/modheartattack.cpp" line="-154"/>
        <source>total cholesterol %1</source>
        <translation>Gesamtcholesterin %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/scoring/modheartattack.cpp" line="+2"/>
        <source>HDL %1</source>
        <translation>HDL %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>LDL %1</source>
        <translation>LDL %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/scoring/modheartattack.cpp" line="-4"/>
        <source>systolic blood pressure %1</source>
        <translation>systolischer Blutdruck %1</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;%1%</source>
        <translation>&lt;%1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;=%1%</source>
        <translation>&gt;=%1%</translation>
    </message>
    <message>
        <location line="+82"/>
        <location filename="../src/scoring/modheartattack.cpp" line="+159"/>
        <source>total cholesterol</source>
        <translation>Gesamtcholesterin</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/scoring/modheartattack.cpp" line="+3"/>
        <source>HDL cholesterol</source>
        <translation>HDL-Cholesterin</translation>
    </message>
    <message>
        <location filename="../src/scoring/resultreport.cpp" line="+17"/>
        <source>If both were so: %1 (%2)</source>
        <translation>Bei beiden zusammen: %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If all three were so: %1 (%2)</source>
        <translation>Bei allen dreien zusammen: %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If all four were so: %1 (%2)</source>
        <translation>Bei allen vieren zusammen: %1 (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>If %1 were %2: %3 (%4)</source>
        <translation>Bei %1 %2: %3 (%4)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 point fewer</source>
        <translation>%1 Punkt weniger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 points fewer</source>
        <translation>%1 Punkte weniger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+1"/>
        <source>%1 in 100 %2</source>
        <translation>%1 von 100 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fewer than %1 in 100 %2</source>
        <translation>Weniger als %1 von 100 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fewer than %1 in 100 %2</source>
        <translation>weniger als %1 von 100 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>%1 or more in 100 %2</source>
        <translation>%1 oder mehr von 100 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>More than %1 in 100 %2</source>
        <translation>Mehr als %1 von 100 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>more than %1 in 100 %2</source>
        <translation>mehr als %1 von 100 %2</translation>
    </message>
    <message>
        <location filename="../src/scoring/moddiabetesriskcalculator.cpp" line="-258"/>
        <source>regular exercise</source>
        <translation>regelmäßigem Sport</translation>
    </message>
    <message>
        <location filename="../src/scoring/resultreport.cpp" line="+37"/>
        <source>men like you</source>
        <translation>Männern wie Ihnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>women like you</source>
        <translation>Frauen wie Ihnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>with low-risk answers</source>
        <translation>mit risikoarmen Antworten</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <location filename="../src/scoring/moddiabetesriskcalculator.cpp" line="+152"/>
        <source>score %1, %2</source>
        <translation>Punktzahl %1, %2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Score %1 on a scale of %2 to %3: %4 (%5)</source>
        <translation>Punktzahl %1 auf einer Skala von %2 bis %3: %4 (%5)</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Centimetres: the chart&apos;s inches x 2.54, rounded; kilograms: scored as the same mass in pounds (kg x 2.20462262185).</source>
        <translation>Zentimeter: die Zoll der Tabelle x 2,54, gerundet; Kilogramm: als dieselbe Masse in Pfund gewertet (kg x 2,20462262185).</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>under %1 pounds (the chart&apos;s weight for %2)</source>
        <translation>unter %1 Pfund (Tabellengewicht für %2)</translation>
    </message>
    <message>
        <location filename="../src/scoring/modcaloriecalculator.cpp" line="+56"/>
        <source>%1: %2 calories a day</source>
        <translation>%1: %2 Kalorien pro Tag</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The five levels: %1</source>
        <translation>Die fünf Stufen: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the five levels: %1</source>
        <translation>die fünf Stufen: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Basal calories: %1</source>
        <translation>Grundumsatz: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>basal calories: %1</source>
        <translation>Grundumsatz: %1</translation>
    </message>
    <message>
        <location filename="../src/scoring/resultreport.cpp" line="+26"/>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location filename="../src/scoring/resultreport.h" line="+64"/>
        <source>An estimate, not a diagnosis.</source>
        <translation>Eine Schätzung, keine Diagnose.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The score is meant for people without known heart disease.</source>
        <translation>Der Punktwert ist für Menschen ohne bekannte Herzerkrankung gedacht.</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Height</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <location filename="../src/scoring/resultreport.cpp" line="+4"/>
        <source>This calculator takes ages %1 to %2.</source>
        <translation>Dieser Rechner gilt für ein Alter von %1 bis %2 Jahren.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Model: %1, as used by this program.</source>
        <translation>Modell: %1, wie dieses Programm es verwendet.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The mmol/L entries are the mg/dL ones divided by 38.67 and rounded, so a value on a boundary may read one entry apart from its mg/dL reading.</source>
        <translation>Die Einträge in mmol/L sind die in mg/dL geteilt durch 38,67 und gerundet, daher kann ein Wert an einer Grenze einen Eintrag neben seinem Eintrag in mg/dL liegen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 point</source>
        <translation>%1 Punkt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 points</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Total %1: %2</source>
        <translation>Summe %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 (not given)</source>
        <translation>%1 (nicht angegeben)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Age and sex</source>
        <translation>Alter und Geschlecht</translation>
    </message>
    <message>
        <location filename="../src/scoring/modheartattack.cpp" line="+109"/>
        <source>Risk table</source>
        <translation>Risikotabelle</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the Framingham coronary risk point score</source>
        <translation>der Framingham-Punktwert für das koronare Risiko</translation>
    </message>
    <message>
        <location filename="../src/scoring/modcholesterolcalculator.cpp" line="+86"/>
        <source>%1 (treated column for blood pressure)</source>
        <translation>%1 (Spalte „behandelt“ beim Blutdruck)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (untreated column for blood pressure)</source>
        <translation>%1 (Spalte „unbehandelt“ beim Blutdruck)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Risk table for men</source>
        <translation>Risikotabelle für Männer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risk table for women</source>
        <translation>Risikotabelle für Frauen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the NCEP ATP III ten-year risk tables</source>
        <translation>die Zehn-Jahres-Risikotabellen des NCEP ATP III</translation>
    </message>
    <message>
        <location filename="../src/scoring/calorieestimates.cpp" line="-160"/>
        <location filename="../src/scoring/modcaloriecalculator.cpp" line="-183"/>
        <location filename="../src/scoring/moddiabetesriskcalculator.cpp" line="-140"/>
        <source>%1 pounds</source>
        <translation>%1 Pfund</translation>
    </message>
    <message>
        <location filename="../src/scoring/moddiabetesriskcalculator.cpp" line="+84"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Weight for height</source>
        <translation>Gewicht zur Größe</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>%1, %2 (points from %3 pounds)</source>
        <translation>%1, %2 (Punkte ab %3 Pfund)</translation>
    </message>
    <message>
        <location filename="../src/scoring/modcaloriecalculator.cpp" line="-7"/>
        <location filename="../src/scoring/moddiabetesriskcalculator.cpp" line="-75"/>
        <source>%1 cm</source>
        <translation>%1 cm</translation>
    </message>
    <message>
        <location filename="../src/scoring/moddiabetesriskcalculator.cpp" line="+78"/>
        <source>%1, %2 (%3 pounds; points from %4 pounds)</source>
        <translation>%1, %2 (%3 Pfund; Punkte ab %4 Pfund)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Score</source>
        <translation>Punktzahl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risk band</source>
        <translation>Risikobereich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scores %1</source>
        <translation>Punktzahlen %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Score %1; %2</source>
        <translation>Punktzahl %1; %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the American Diabetes Association&apos;s paper risk test</source>
        <translation>der Papier-Risikotest der American Diabetes Association</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This test asks no age in years: its first question takes every age.</source>
        <translation>Dieser Test fragt nicht nach dem Alter in Jahren: Seine erste Frage gilt für jedes Alter.</translation>
    </message>
    <message>
        <location filename="../src/scoring/calorieestimates.cpp" line="-2"/>
        <location filename="../src/scoring/modcaloriecalculator.cpp" line="-1"/>
        <location filename="../src/scoring/moddiabetesriskcalculator.cpp" line="-103"/>
        <source>%1 kg</source>
        <translation>%1 kg</translation>
    </message>
    <message>
        <location filename="../src/scoring/modcaloriecalculator.cpp" line="+7"/>
        <source>%1 lb</source>
        <translation>%1 lb</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 in</source>
        <translation>%1 Zoll</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 inch</source>
        <translation>%1 Zoll</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 inches</source>
        <translation>%1 Zoll</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 + %2 x %3 + %4 x %5 - %6 x %7 years = %8</source>
        <translation>%1 + %2 x %3 + %4 x %5 - %6 x %7 Jahre = %8</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Working</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calories</source>
        <translation>Kalorien</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Activity</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Basal calories, men</source>
        <translation>Grundumsatz, Männer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basal calories, women</source>
        <translation>Grundumsatz, Frauen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 (chosen)</source>
        <translation>%1 (gewählt)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the Harris-Benedict equations</source>
        <translation>die Harris-Benedict-Formeln</translation>
    </message>
    <message>
        <location filename="../src/scoring/sex.h" line="+15"/>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <location filename="../src/scoring/translatable.h" line="+138"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/scoring/question.cpp" line="+29"/>
        <source>&lt;%1</source>
        <translation>&lt;%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1-%2</source>
        <translation>%1-%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <location filename="../src/scoring/units.h" line="+35"/>
        <source>mm Hg</source>
        <translation>mm Hg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 mm Hg</source>
        <translation>%1 mm Hg</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>mg/dL</source>
        <translation>mg/dL</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 mg/dL</source>
        <translation>%1 mg/dL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mmol/L</source>
        <translation>mmol/L</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 mmol/L</source>
        <translation>%1 mmol/L</translation>
    </message>
    <message>
        <location filename="../src/scoring/riskband.cpp" line="-13"/>
        <source>lower risk</source>
        <translation>niedrigeres Risiko</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: lower risk (under 10 in 100)</source>
        <translation>%1: niedrigeres Risiko (unter 10 von 100)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>moderately high risk</source>
        <translation>mäßig hohes Risiko</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: moderately high risk (10 to 20 in 100)</source>
        <translation>%1: mäßig hohes Risiko (10 bis 20 von 100)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>high risk</source>
        <translation>hohes Risiko</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: high risk (over 20 in 100)</source>
        <translation>%1: hohes Risiko (über 20 von 100)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>under %1 %</source>
        <translation>unter %1 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 % or more</source>
        <translation>%1 % oder mehr</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Risk bands: the ten-year risk categories of the NCEP ATP III report (2002), under 10 %, 10 to 20 % and over 20 %.</source>
        <translation>Risikobereiche: die Zehn-Jahres-Risikokategorien des NCEP-ATP-III-Berichts (2002), unter 10 %, 10 bis 20 % und über 20 %.</translation>
    </message>
</context>
<context>
    <name>wellbox::SharedMenus</name>
    <message>
        <location filename="../src/windows/sharedmenus.cpp" line="+35"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Besuchen Sie uns online</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;About Software</source>
        <translation>&amp;Über die Software</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Make Money &amp;Online</source>
        <translation>Geld verdienen &amp;online</translation>
    </message>
    <message>
        <location filename="../src/windows/sharedmenus.h" line="+23"/>
        <source>Check for Software &amp;Update</source>
        <translation>Nach Software-&amp;Updates suchen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Check for Software Update</source>
        <translation>Nach &amp;Software-Updates suchen</translation>
    </message>
</context>
<context>
    <name>wellbox::UpdateReminder</name>
    <message>
        <location filename="../src/app/updatereminder.cpp" line="+98"/>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Möglicherweise ist ein Update für diese Software verfügbar<byte value="xd"/>Möchten Sie nach einem Update suchen?</translation>
    </message>
</context>
<context>
    <name>wellbox::WelcomePanel</name>
    <message>
        <location filename="../src/app/welcomepanel.cpp" line="+24"/>
        <source>Welcome to Kestavo Wellbox I</source>
        <translation>Willkommen bei Kestavo Wellbox I</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Welcome to the first edition of the Kestavo Wellbox! Learn more about your health related problems and take action before it&apos;s too late. Use these softwares as a guideline for better living!</source>
        <translation>Willkommen zur ersten Ausgabe der Kestavo Wellbox! Erfahren Sie mehr über Ihre gesundheitlichen Probleme und handeln Sie, bevor es zu spät ist. Nutzen Sie diese Programme als Richtschnur für ein besseres Leben!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kestavo Wellbox I includes the following programs</source>
        <translation>Kestavo Wellbox I enthält die folgenden Programme</translation>
    </message>
    <message>
        <location filename="../src/windows/calculatorkind.h" line="-22"/>
        <source>Calorie Calculator</source>
        <translation>Kalorienrechner</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Diabetes Risk Calculator</source>
        <translation>Diabetesrisiko-Rechner</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Cholesterol Risk Calculator</source>
        <translation>Cholesterinrisiko-Rechner</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Heart Attack Risk Calculator</source>
        <translation>Herzinfarktrisiko-Rechner</translation>
    </message>
</context>
</TS>
