#include "widgets/noticelabel.h"

#include "widgets/accessibility.h"

#include <QAccessible>

namespace wellbox {

NoticeLabel::NoticeLabel(QWidget* parent)
    : QLabel(parent) {
    installAccessibility();
    setTextFormat(Qt::PlainText);
    // Hidden while it has nothing to say: a reader would say an empty notification whenever
    // its window is shown.
    hide();
}

void NoticeLabel::tell(const QString& text) {
    setAccessibleName({});
    setText(text);
    comeIntoView();
}

void NoticeLabel::tellReader(const QString& text) {
    setText({});
    setAccessibleName(text);
    comeIntoView();
}

void NoticeLabel::comeIntoView() {
    // A reader says a notification as it comes into view, which showing it tells; one in view
    // already is told so again.
    if (isHidden()) {
        show();
        return;
    }
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void NoticeLabel::clear() {
    hide();
    setAccessibleName({});
    setText({});
}

} // namespace wellbox

#include "moc_noticelabel.cpp"
