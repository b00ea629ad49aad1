#pragma once

#include <QPushButton>

namespace wellbox {

// A button that takes its window a step on (Start, Next Question, OK, Proceed, Back...), and so
// changes what is in view. Many people double-click buttons: a double click on a step button
// is one click (and the calculator window's DoubleClickGuard keeps its second click from what
// the first brought into view). Clicks further apart than a double click stay clicks of their
// own.
class StepButton : public QPushButton {
    Q_OBJECT
public:
    explicit StepButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace wellbox
