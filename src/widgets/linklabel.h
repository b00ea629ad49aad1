#pragma once

#include <QLabel>

namespace wellbox {

// A label that answers clicks and, when asked, pointer moves; it shows the caption the way a
// label shows one ("&&" as "&").
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& caption, QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    void setUnderlined(bool underlined);
    bool isUnderlined() const { return font().underline(); }

signals:
    void clicked();
    void pointerMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace wellbox
