#include "widgets/stepbutton.h"

#include <QMouseEvent>

namespace wellbox {

StepButton::StepButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void StepButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // Taken, so that neither this button nor what lies under it acts a second time.
    event->accept();
}

} // namespace wellbox

#include "moc_stepbutton.cpp"
