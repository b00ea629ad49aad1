#pragma once

#include <QWidget>

#include <array>
#include <cstddef>

class QRadioButton;

namespace wellbox {

// Two options that choose the units a quiz is answered in, under a label that a reader hears
// with each: the first above the second, `checked` the one chosen.
class UnitOptions final : public QWidget {
    Q_OBJECT
public:
    struct Option {
        QString name;
        QString caption;
    };

    UnitOptions(const QString& labelText, const std::array<Option, 2>& options, std::size_t checked,
                QWidget* parent = nullptr);

    const std::array<QRadioButton*, 2>& buttons() const { return m_buttons; }
    // Puts the options after `previous` in the Tab order, which stops at the one chosen.
    void followInTabOrder(QWidget* previous);

signals:
    // The user chose the other option; a click on the one chosen changes nothing.
    void changed(std::size_t chosen);

private:
    std::array<QRadioButton*, 2> m_buttons{};
    std::size_t m_chosen;
};

} // namespace wellbox
