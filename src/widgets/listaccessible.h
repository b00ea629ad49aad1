#pragma once

#include <QAccessibleWidget>
#include <QList>

class QComboBox;

namespace wellbox {

// A drop-down list as a screen reader needs it on Linux. Qt 6.4 gives a reader nothing to read
// a closed list's value from (no selection, no text) and tells it of a new value only by events
// that Orca drops as redundant for a list, so a reader heard the label alone and no arrow key.
// Here the value reads as the list's text, the current entry is the list's child, and the entry
// that becomes current while the list has the focus is announced as the focus, as an open list
// announces its entries.
class ListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ListAccessible(QComboBox* list);
    ~ListAccessible() override;
    ListAccessible(const ListAccessible&) = delete;
    ListAccessible& operator=(const ListAccessible&) = delete;

    // The entry at a row of the list, made on first asking.
    QAccessibleInterface* entry(int row) const;
    // Tells a reader that the current entry has the focus.
    void announceCurrent() const;

    QString text(QAccessible::Text t) const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& action) override;

    // The value as read-only text, so that a reader reads it where it reads a list's value.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override;

private:
    QComboBox* list() const;

    mutable QList<QAccessible::Id> m_entries;
};

} // namespace wellbox
