#include "widgets/readerkeys.h"

#include "widgets/accessibility.h"

#include <QKeyEvent>

namespace wellbox {

SuiteApplication::SuiteApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
    // Listening for a reader from the start, so that readerActive() knows of one from then on.
    installAccessibility();
}

bool SuiteApplication::isReadersAltCopy(const QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    // The window system's own keys are spontaneous; the bridge's copies are not, but keep the
    // key's scan code, which keys made up in the program (and in tests) lack.
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (event->spontaneous() || key->nativeScanCode() == 0)
        return false;
    const Qt::KeyboardModifiers held = key->modifiers();
    // AltGr types letters of its own and Ctrl+Alt makes them on some keyboards: those stay.
    const bool alt = held.testFlag(Qt::AltModifier) && !held.testFlag(Qt::ControlModifier) &&
                     !held.testFlag(Qt::GroupSwitchModifier);
    return key->key() == Qt::Key_Alt || alt;
}

bool SuiteApplication::notify(QObject* receiver, QEvent* event) {
    if (isReadersAltCopy(event) && readerActive())
        return true;
    return QApplication::notify(receiver, event);
}

} // namespace wellbox

#include "moc_readerkeys.cpp"
