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

    // The page the label opens; a reader is told it, and reads the label as a link.
    void setAddress(const QString& address);
    QString address() const { return m_address; }
    // A label that opens something other than a page reads as a link too.
    void setLink(bool link) { m_link = link; }
    bool isLink() const { return m_link || !m_address.isEmpty(); }
    // What a click does, for a reader that presses the link.
    void click() { emit clicked(); }
    // With a screen reader listening, Tab reaches the link and Enter or Space presses it;
    // without one it takes no focus, as before.
    void reachableByReader();

    // A label of fixed size is not measured: laying out its text is a good part of start-up.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();
    void pointerMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_pressed = false;
    QString m_address;
    bool m_link = false;
};

} // namespace wellbox
