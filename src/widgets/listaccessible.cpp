#include "widgets/listaccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace wellbox {

namespace {

constexpr char kAnnouncerName[] = "wellboxListAnnouncer";

// One entry of a list. Only the current one is seen, in the list's own place.
class ListEntry : public QAccessibleInterface {
public:
    ListEntry(QComboBox* list, int row)
        : m_list(list)
        , m_row(row) {}

    bool isValid() const override { return m_list && m_row < m_list->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_list ? m_list->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return m_list ? QAccessible::queryAccessibleInterface(m_list) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? m_list->itemText(m_row) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        return isCurrent() ? QRect(m_list->mapToGlobal(QPoint(0, 0)), m_list->size()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.focusable = true;
        state.selected = isCurrent();
        state.focused = isCurrent() && m_list->hasFocus();
        state.invisible = !isCurrent();
        return state;
    }

private:
    bool isCurrent() const { return isValid() && m_list->currentIndex() == m_row; }

    QPointer<QComboBox> m_list;
    int m_row;
};

// Tells a reader of the entry that becomes current while the list has the focus, and of the
// current entry again when a key that walks the list leaves it where it was.
class ListAnnouncer : public QObject {
public:
    explicit ListAnnouncer(QComboBox* list)
        : QObject(list)
        , m_list(list) {
        setObjectName(QString::fromLatin1(kAnnouncerName));
        list->installEventFilter(this);
        connect(list, &QComboBox::currentIndexChanged, this, [this] { announce(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_list && event->type() == QEvent::KeyPress &&
            walksList(static_cast<QKeyEvent*>(event)->key())) {
            const int before = m_list->currentIndex();
            QTimer::singleShot(0, this, [this, before] {
                if (m_list->currentIndex() == before)
                    announce();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static bool walksList(int key) {
        switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return false;
        }
    }

    void announce() const {
        // An open list announces its own entries.
        if (!m_list->hasFocus() || m_list->view()->isVisible())
            return;
        if (auto* list =
                dynamic_cast<ListAccessible*>(QAccessible::queryAccessibleInterface(m_list)))
            list->announceCurrent();
    }

    QComboBox* m_list;
};

} // namespace

ListAccessible::ListAccessible(QComboBox* list)
    : QAccessibleWidget(list, QAccessible::ComboBox) {
    if (!list->findChild<QObject*>(QString::fromLatin1(kAnnouncerName), Qt::FindDirectChildrenOnly))
        new ListAnnouncer(list);
}

ListAccessible::~ListAccessible() {
    for (const QAccessible::Id id : std::as_const(m_entries))
        if (id)
            QAccessible::deleteAccessibleInterface(id);
}

QComboBox* ListAccessible::list() const {
    return static_cast<QComboBox*>(widget());
}

QAccessibleInterface* ListAccessible::entry(int row) const {
    if (row < 0 || row >= list()->count())
        return nullptr;
    if (m_entries.size() <= row)
        m_entries.resize(row + 1);
    QAccessible::Id& id = m_entries[row];
    if (!id || !QAccessible::accessibleInterface(id))
        id = QAccessible::registerAccessibleInterface(new ListEntry(list(), row));
    return QAccessible::accessibleInterface(id);
}

void ListAccessible::announceCurrent() const {
    if (QAccessibleInterface* current = entry(list()->currentIndex())) {
        QAccessibleEvent focus(current, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

QString ListAccessible::text(QAccessible::Text t) const {
    // A list named by the suite (with its unit, where it holds quantities) reads by that name;
    // else as Qt names a list on Linux, by its value, and a reader takes the label from the
    // relations. A reader that found no label read a nameless list by its value twice.
    if (t == QAccessible::Name && !list()->accessibleName().isEmpty())
        return list()->accessibleName();
    if (t == QAccessible::Name || t == QAccessible::Value)
        return list()->currentText();
    return QAccessibleWidget::text(t);
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
ListAccessible::relations(QAccessible::Relation match) const {
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> found =
        QAccessibleWidget::relations(match);
    // A list with a name of its own is read by it alone: a reader puts a label first, and the
    // step's frame would be taken for one.
    if (!list()->accessibleName().isEmpty() && list()->accessibleName() != list()->currentText())
        found.removeIf(
            [](const auto& relation) { return relation.second.testFlag(QAccessible::Label); });
    return found;
}

QAccessible::State ListAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = list()->view()->isVisible();
    return state;
}

// A closed list shows one entry, and a reader looking for a list's value walks every child:
// with thousands of entries each arrival at a list would take seconds.
int ListAccessible::childCount() const {
    return list()->currentIndex() >= 0 ? 1 : 0;
}

QAccessibleInterface* ListAccessible::child(int index) const {
    return index == 0 ? entry(list()->currentIndex()) : nullptr;
}

int ListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child && child == entry(list()->currentIndex()) ? 0 : -1;
}

QAccessibleInterface* ListAccessible::childAt(int, int) const {
    return nullptr;
}

void* ListAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QStringList ListAccessible::actionNames() const {
    return {showMenuAction(), pressAction()};
}

void ListAccessible::doAction(const QString& action) {
    if (action == showMenuAction() || action == pressAction()) {
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    } else {
        QAccessibleWidget::doAction(action);
    }
}

QString ListAccessible::text(int start, int end) const {
    const QString value = list()->currentText();
    if (end < 0 || end > value.size())
        end = static_cast<int>(value.size());
    start = std::clamp(start, 0, end);
    return value.mid(start, end - start);
}

int ListAccessible::characterCount() const {
    return static_cast<int>(list()->currentText().size());
}

QString ListAccessible::attributes(int, int* start, int* end) const {
    *start = 0;
    *end = characterCount();
    return {};
}

} // namespace wellbox
