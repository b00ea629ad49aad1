#pragma once

#include "widgets/calculatorhost.h"

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
    // The calculator caption `index` opens, if any.
    static std::optional<CalculatorKind> captionOpens(int index);

signals:
    void captionClicked(int index);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeCaptions();

    std::array<LinkLabel*, kCaptionCount> m_captions{};
};

} // namespace wellbox
