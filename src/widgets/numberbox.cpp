#include "widgets/numberbox.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QValidator>

#include <limits>

namespace wellbox {

namespace {

bool isDigits(const QString& text) {
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// As many characters as a line edit holds by default.
constexpr int kCapacity = 32767;

// Guards the paths the key filter never sees; QLineEdit undoes a refused change by itself and
// then reports it through inputRejected(). The capacity is checked here, not by QLineEdit, so a
// paste that does not fit is refused whole and reported once.
class DigitsValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return input.size() <= kCapacity && isDigits(input) ? Acceptable : Invalid;
    }
};

// Keys that move or delete without producing a character keep their usual effect.
bool isEditingKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Delete:
    case Qt::Key_Insert:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

// Whether the key would hand the box a character: printable text, or a control code such as
// Enter, Esc or Ctrl+C.
bool producesCharacter(const QKeyEvent* event) {
    if (!event->text().isEmpty())
        return true;
    const int key = event->key();
    if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde)
        return true;
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

} // namespace

NumberBox::NumberBox(QWidget* parent)
    : QLineEdit(parent) {
    setValidator(new DigitsValidator(this));
    // QLineEdit would cut a long paste to fit and report that apart from the validator.
    setMaxLength(std::numeric_limits<int>::max());
    // Queued, so the message comes after QLineEdit has finished undoing the refused change.
    connect(this, &QLineEdit::inputRejected, this, &NumberBox::refused, Qt::QueuedConnection);
}

std::int16_t NumberBox::toInt16(const QString& digits) {
    constexpr int kMax = std::numeric_limits<std::int16_t>::max();
    int value = 0;
    for (const QChar c : digits) {
        const int digit = c.unicode() - '0';
        if (digit < 0 || digit > 9)
            break;
        value = value * 10 + digit;
        if (value > kMax)
            return kMax;
    }
    return static_cast<std::int16_t>(value);
}

std::int16_t NumberBox::value() const {
    return toInt16(text());
}

void NumberBox::keyPressEvent(QKeyEvent* event) {
    // Alt with a letter is an access key that found no button, not a typed character; let it
    // go by unanswered rather than type it or complain about it.
    const Qt::KeyboardModifiers mods = event->modifiers();
    if ((mods & Qt::AltModifier) && !(mods & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    const int key = event->key();
    const QString typed = event->text();
    const bool digit = typed.size() == 1 && typed.at(0) >= QLatin1Char('0') &&
                       typed.at(0) <= QLatin1Char('9') &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (digit || key == Qt::Key_Backspace || isEditingKey(key) || !producesCharacter(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    emit refused();
}

// A drop is undone by the validator like a paste, but QLineEdit does not report it.
void NumberBox::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (data && data->hasText() && !isDigits(data->text())) {
        event->ignore();
        emit refused();
        return;
    }
    QLineEdit::dropEvent(event);
}

} // namespace wellbox

#include "moc_numberbox.cpp"
