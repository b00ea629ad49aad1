#pragma once

#include <QLabel>

namespace wellbox {

// A short line that tells what a command did ("Copied"), shown where it stands and told to a
// screen reader as a notification when it changes, without taking the focus or asking for an
// answer.
class NoticeLabel : public QLabel {
    Q_OBJECT
public:
    explicit NoticeLabel(QWidget* parent = nullptr);

    // Shows `text` and has a reader say it.
    void tell(const QString& text);
    // Has a reader say `text` without showing it: what is in view already, said once more.
    void tellReader(const QString& text);
    void clear();

private:
    void comeIntoView();
};

} // namespace wellbox
