#include "app/application.h"
#include "app/calculatorfactory.h"
#include "app/endsignals.h"
#include "app/translations.h"
#include "platform/instanceguard.h"
#include "platform/platform.h"
#include "platform/qtmessagebox.h"
#include "platform/version.h"
#include "windows/helplinks.h"

#include <QApplication>
#include <QLocale>

#include <csignal>

int main(int argc, char* argv[]) {
    using namespace wellbox;

    // A file that may not grow (ulimit -f) fails a write, as a full disk does, rather than
    // ending the program. Caught, not ignored: the browser it opens inherits no ignored signal.
    std::signal(SIGXFSZ, [](int) {});
    EndSignals::catchSignals();

    const std::unique_ptr<QApplication> app = openDisplay(argc, argv);
    if (!app)
        return 1;
    const EndSignals ending;
    QApplication::setApplicationName(QStringLiteral("kestavo-wellbox"));
    QApplication::setApplicationVersion(QLatin1String(kVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral(WELLBOX_APP_ID));
    // LANGUAGE, else LC_ALL, LC_MESSAGES or LANG, as Qt reads them.
    const Translations translations(QLocale::system().uiLanguages());

    QtMessageBox messageBox;
    QtWebPageOpener webPageOpener;
    QtFileWriter fileWriter;
    QtSettingsStore settings(fileWriter);
    QtClock clock;
    QtSaveDialog saveDialog;
    QtPrintDialog printDialog(fileWriter);
    Platform platform{messageBox, webPageOpener, settings,  clock,
                      saveDialog, printDialog,   fileWriter};
    HelpLinks links(webPageOpener);
    LockFileInstanceGuard guard(
        LockFileInstanceGuard::defaultLockFilePath(QApplication::applicationName()));

    CalculatorWindows calculators;
    const auto mainWindow = startApplication(
        platform, guard, links,
        [&calculators](CalculatorKind kind, const WindowContext& context, MainWindow& shell) {
            return calculators.create(kind, context, shell);
        });
    // A signal during start-up has ended the dialog it came in: the program ends before its
    // event loop.
    if (!mainWindow || ending.exitCode())
        return ending.exitCode().value_or(0);
    const int status = QApplication::exec();
    return ending.exitCode().value_or(status);
}
