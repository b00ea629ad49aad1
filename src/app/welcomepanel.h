#pragma once

#include "windows/calculatorkind.h"

#include <QWidget>

#include <array>
#include <optional>

namespace wellbox {

class LinkLabel;

// The welcome panel `picMain`: seven captions on black, four of which open a calculator.
// A caption that opens something is underlined while the pointer rests on it, until the
// pointer moves over the panel's background.
class WelcomePanel : public QWidget {
    Q_OBJECT
public:
    explicit WelcomePanel(QWidget* parent = nullptr);

    static constexpr int kCaptionCount = 7;

signals:
    // A caption was clicked; it names the calculator it opens, if any.
    void captionClicked(std::optional<wellbox::CalculatorKind> opens);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeCaptions();

    std::array<LinkLabel*, kCaptionCount> m_captions{};
};

} // namespace wellbox
