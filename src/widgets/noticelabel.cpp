#include "widgets/noticelabel.h"

#include "widgets/accessibility.h"

#include <QAccessible>

namespace wellbox {

NoticeLabel::NoticeLabel(QWidget* parent)
    : QLabel(parent) {
    installAccessibility();
    setTextFormat(Qt::PlainText);
}

void NoticeLabel::tell(const QString& text) {
    setAccessibleName({});
    setText(text);
    // A reader says a notification as it comes into view; this one stays in view.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void NoticeLabel::tellReader(const QString& text) {
    setText({});
    setAccessibleName(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void NoticeLabel::clear() {
    setAccessibleName({});
    setText({});
}

} // namespace wellbox

#include "moc_noticelabel.cpp"
