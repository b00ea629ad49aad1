#pragma once

#include <QLineEdit>

#include <cstdint>

namespace wellbox {

// A text box for a whole number: only the digits and Backspace may be typed, and text that
// arrives any other way (paste, drop, input method) is taken only when it is all digits and
// fits the box as a whole.
// Everything refused is reported through refused(), so the window can tell the user.
class NumberBox : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberBox(QWidget* parent = nullptr);

    // The number in the box, saturated at the 16-bit maximum so that no text can overflow it;
    // 0 for an empty box.
    std::int16_t value() const;

    // Saturating reading of a digits-only text ("030" is 30, "99999" is 32767).
    static std::int16_t toInt16(const QString& digits);

signals:
    void refused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

} // namespace wellbox
