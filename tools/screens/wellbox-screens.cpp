// Pictures of the suite's steps as a user sees them, for looking at, not a test: each row of a
// table (name, then the steps taken from the main window as the tests write them) becomes
// OUT/name.png, the calculator window in front or else the main window, on the platform fakes.
// A name ending in .pdf keeps the result reached through Save as PDF instead, as OUT/name.
//
//   build/test/tools/screens/wellbox-screens OUT [tools/screens/steps.tsv]
//   LANGUAGE=de ..., WELLBOX_DARK=1 ... (a dark system theme), QT_SCALE_FACTOR=2 ...

#include "app/translations.h"
#include "support/appfixture.h"

#include <QDir>
#include <QFile>
#include <QPalette>
#include <QPushButton>
#include <QStyleHints>

#include <cstdio>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

QPalette darkPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x6d, 0xb5));
    return dark;
}

bool render(const QString& name, const QString& where, const QDir& out) {
    Reached shown(where);
    if (!shown.reached) {
        std::fprintf(stderr, "%s: a step could not be taken: %s\n", qPrintable(name),
                     qPrintable(where));
        return false;
    }
    QApplication::processEvents();
    if (name.endsWith(QStringLiteral(".pdf"))) {
        shown.app.saveDialog.answer = out.absoluteFilePath(name);
        shown.app.fileWriter.onDisk = true;
        auto* save = shown.app.find<QPushButton>(QStringLiteral("cmdSavePdf"));
        if (save)
            save->click();
        return save && QFile::exists(shown.app.saveDialog.answer);
    }
    QWidget* front = shown.app.activeCalculator();
    QWidget* picture = front ? front->parentWidget() : const_cast<MainWindow*>(&shown.app.window);
    return picture->grab().save(out.filePath(name + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: wellbox-screens OUT [steps.tsv]\n");
        return 2;
    }
    if (qEnvironmentVariableIntValue("WELLBOX_DARK"))
        QApplication::setPalette(darkPalette());
    const Translations translations(QLocale::system().uiLanguages());
    const QDir out(arguments.at(1));
    QDir().mkpath(out.path());
    QFile table(arguments.value(2, QStringLiteral(WELLBOX_SOURCE_DIR "/tools/screens/steps.tsv")));
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text))
        return 2;
    int failed = 0;
    for (const QString& line : QString::fromUtf8(table.readAll()).split(u'\n')) {
        const QStringList cells = line.split(u'\t');
        if (cells.size() == 2 && !line.startsWith(u'#'))
            failed += render(cells[0], cells[1], out) ? 0 : 1;
    }
    return failed ? 1 : 0;
}
