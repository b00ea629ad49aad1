#include "widgets/linklabel.h"

#include "widgets/accessibility.h"
#include "widgets/uistyle.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace wellbox {

LinkLabel::LinkLabel(const QString& caption, QWidget* parent)
    : QLabel(parent) {
    installAccessibility();
    setCaption(caption);
    setMouseTracking(true);
}

void LinkLabel::setCaption(const QString& caption) {
    setText(ui::labelText(caption));
}

void LinkLabel::setAddress(const QString& address) {
    m_address = address;
    setAccessibleDescription(address);
}

void LinkLabel::setUnderlined(bool underlined) {
    QFont f = font();
    if (f.underline() == underlined)
        return;
    f.setUnderline(underlined);
    setFont(f);
}

QSize LinkLabel::sizeHint() const {
    return minimumSize() == maximumSize() ? minimumSize() : QLabel::sizeHint();
}

QSize LinkLabel::minimumSizeHint() const {
    return minimumSize() == maximumSize() ? minimumSize() : QLabel::minimumSizeHint();
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    // A click on a link is the link's alone; the strip it sits on must not act on it too.
    event->accept();
    if (click)
        emit clicked();
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    // Handled here, so the panel underneath does not take it as a move over its background.
    event->accept();
    emit pointerMoved();
}

void LinkLabel::reachableByReader() {
    if (readerActive())
        setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (hasFocus() && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        click();
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace wellbox

#include "moc_linklabel.cpp"
