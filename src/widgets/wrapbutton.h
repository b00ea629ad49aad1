#pragma once

#include <QPushButton>

namespace wellbox {

// A push button whose caption wraps onto more lines when the button is too narrow for it.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrapButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace wellbox
