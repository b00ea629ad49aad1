#pragma once

#include <QWidget>

#include <functional>

namespace wellbox {

// A stop of Tab on a line of text that takes no focus of its own, for a screen reader: it lies
// over the text it reads, draws nothing and takes no click, and reads as read-only text with
// the words that `line` gives at the moment it is asked.
class ReadingStop : public QWidget {
    Q_OBJECT
public:
    ReadingStop(QWidget* over, std::function<QString()> line);

    QString line() const { return m_line(); }

    // Stops in the order given over what `lines` shows, one a line: an empty line
    // stands for none, and Tab passes its stop.
    static QList<ReadingStop*> over(QWidget* text, const std::function<QStringList()>& lines);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<QString()> m_line;
};

} // namespace wellbox
