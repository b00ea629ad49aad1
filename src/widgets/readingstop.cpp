#include "widgets/readingstop.h"

#include "widgets/accessibility.h"

#include <QEvent>

namespace wellbox {

ReadingStop::ReadingStop(QWidget* over, std::function<QString()> line)
    : QWidget(over)
    , m_line(std::move(line)) {
    installAccessibility();
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(over->rect());
    over->installEventFilter(this);
    show();
}

QList<ReadingStop*> ReadingStop::over(QWidget* text, const std::function<QStringList()>& lines) {
    QList<ReadingStop*> stops;
    for (qsizetype i = 0; i < lines().size(); ++i)
        stops << new ReadingStop(text, [lines, i] { return lines().value(i); });
    return stops;
}

bool ReadingStop::event(QEvent* event) {
    // A stop without words is no stop: Tab passes it.
    if (event->type() == QEvent::FocusIn && m_line().isEmpty())
        focusNextChild();
    return QWidget::event(event);
}

bool ReadingStop::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize)
        setGeometry(static_cast<QWidget*>(watched)->rect());
    return QWidget::eventFilter(watched, event);
}

} // namespace wellbox

#include "moc_readingstop.cpp"
