#include "widgets/accessibility.h"

#include "widgets/framestack.h"
#include "widgets/linklabel.h"
#include "widgets/listaccessible.h"
#include "widgets/noticelabel.h"
#include "widgets/readingstop.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace wellbox {

namespace {

// A pane of widgets lying on one another, of which a reader finds only the one in view.
class OneInViewAccessible : public QAccessibleWidget {
public:
    explicit OneInViewAccessible(QWidget* pane)
        : QAccessibleWidget(pane, QAccessible::Pane) {}

    int childCount() const override { return inView() ? 1 : 0; }

    QAccessibleInterface* child(int index) const override {
        QWidget* shown = inView();
        return index == 0 && shown ? QAccessible::queryAccessibleInterface(shown) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        QWidget* shown = inView();
        return child && shown && child->object() == shown ? 0 : -1;
    }

protected:
    virtual QWidget* inView() const = 0;
};

// Covered members stay shown for the sighted user (see FrameStack); a reader walking the tree
// must not find them, so the stack names only the member in front as its child.
class FrameStackAccessible : public OneInViewAccessible {
public:
    explicit FrameStackAccessible(FrameStack* stack)
        : OneInViewAccessible(stack) {}

    // Only a name of its own: Qt would lend a stack the caption of a frame it lies in, and a
    // reader then says that frame twice.
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? widget()->accessibleName() : QAccessibleWidget::text(t);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        QList<QPair<QAccessibleInterface*, QAccessible::Relation>> found =
            QAccessibleWidget::relations(match);
        found.removeIf(
            [](const auto& relation) { return relation.second.testFlag(QAccessible::Label); });
        return found;
    }

private:
    QWidget* inView() const override {
        QWidget* front = static_cast<FrameStack*>(widget())->front();
        return front && !front->isHidden() ? front : nullptr;
    }
};

// A label that opens a page or a window reads as a link, with a page's address as description,
// and can be pressed from the reader.
class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        return isLink() ? QAccessible::Link : QAccessible::StaticText;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = isLink();
        return state;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (isLink())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && isLink())
            label()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    LinkLabel* label() const { return static_cast<LinkLabel*>(widget()); }
    bool isLink() const { return label()->isLink(); }
};

// The client area holds the calculator windows and shows nothing of its own; a reader that
// took it for a pane of layers said "layered pane" whenever a calculator window opened.
class ClientAreaAccessible : public QAccessibleWidget {
public:
    explicit ClientAreaAccessible(QMdiArea* area)
        : QAccessibleWidget(area, QAccessible::Client) {}

    int childCount() const override { return static_cast<int>(windows().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QMdiSubWindow*> all = windows();
        return index >= 0 && index < all.size() ? QAccessible::queryAccessibleInterface(all[index])
                                                : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(windows().indexOf(child->object())) : -1;
    }

private:
    QList<QMdiSubWindow*> windows() const {
        return static_cast<QMdiArea*>(widget())->subWindowList();
    }
};

// Pages of which one is in view (a result's glance and workings): a pane holding that page. Qt
// made them a layered pane, which a reader names on the way into a page's first control.
class PagesAccessible : public OneInViewAccessible {
public:
    explicit PagesAccessible(QStackedWidget* pages)
        : OneInViewAccessible(pages) {}

private:
    QWidget* inView() const override {
        return static_cast<QStackedWidget*>(widget())->currentWidget();
    }
};

// A notice reads as a notification by what it says: its text, or the words it has for a reader
// alone.
class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(NoticeLabel* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto* notice = static_cast<const NoticeLabel*>(widget());
        return notice->accessibleName().isEmpty() ? notice->text() : notice->accessibleName();
    }
};

// A line of text reached by Tab, read only.
class ReadingStopAccessible : public QAccessibleWidget {
public:
    explicit ReadingStopAccessible(ReadingStop* stop)
        : QAccessibleWidget(stop, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<const ReadingStop*>(widget())->line()
                                      : QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }
};

// What the platform last told Qt's activation observers; listening from the first widget that
// installs the suite's interfaces.
class ReaderWatch : public QAccessible::ActivationObserver {
public:
    ReaderWatch() { QAccessible::installActivationObserver(this); }
    ~ReaderWatch() override { QAccessible::removeActivationObserver(this); }
    ReaderWatch(const ReaderWatch&) = delete;
    ReaderWatch& operator=(const ReaderWatch&) = delete;

    void accessibilityActiveChanged(bool active) override { m_active = active; }
    bool active() const { return m_active; }

private:
    bool m_active = false;
};

// Marks a widget that a reader must not find named after the frame it lies in (keepOwnName).
constexpr char kOwnNameOnly[] = "wellboxOwnNameOnly";

// A plain widget with only a name of its own, where Qt would lend it its frame's title.
class OwnNameAccessible : public QAccessibleWidget {
public:
    explicit OwnNameAccessible(QWidget* widget)
        : QAccessibleWidget(widget) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? widget()->accessibleName() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* suiteInterfaces(const QString& className, QObject* object) {
    if (className == QLatin1String(QWidget::staticMetaObject.className()) &&
        object->property(kOwnNameOnly).toBool())
        return new OwnNameAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1String(FrameStack::staticMetaObject.className()))
        return new FrameStackAccessible(static_cast<FrameStack*>(object));
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()))
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    if (className == QLatin1String(QComboBox::staticMetaObject.className()))
        return new ListAccessible(static_cast<QComboBox*>(object));
    if (className == QLatin1String(QMdiArea::staticMetaObject.className()))
        return new ClientAreaAccessible(static_cast<QMdiArea*>(object));
    if (className == QLatin1String(NoticeLabel::staticMetaObject.className()))
        return new NoticeAccessible(static_cast<NoticeLabel*>(object));
    if (className == QLatin1String(ReadingStop::staticMetaObject.className()))
        return new ReadingStopAccessible(static_cast<ReadingStop*>(object));
    if (className == QLatin1String(QStackedWidget::staticMetaObject.className()))
        return new PagesAccessible(static_cast<QStackedWidget*>(object));
    return nullptr;
}

const ReaderWatch& readerWatch() {
    static ReaderWatch watch;
    return watch;
}

} // namespace

void installAccessibility() {
    static const bool installed = (QAccessible::installFactory(suiteInterfaces), true);
    static_cast<void>(installed);
    readerWatch();
}

bool readerActive() {
    return QAccessible::isActive() || readerWatch().active();
}

void refocusForReader(QWidget* window, QWidget* preferred) {
    if (!readerActive())
        return;
    QTimer::singleShot(0, window, [window, preferred = QPointer<QWidget>(preferred)] {
        if (const QWidget* focus = QApplication::focusWidget(); focus && focus->window() == window)
            return;
        if (preferred && (preferred->focusPolicy() & Qt::TabFocus) && preferred->isVisible() &&
            preferred->isEnabled()) {
            preferred->setFocus(Qt::OtherFocusReason);
            return;
        }
        for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
                w->setFocus(Qt::TabFocusReason);
                return;
            }
    });
}

void keepOwnName(QWidget* widget) {
    widget->setProperty(kOwnNameOnly, true);
}

QWidget* unlabelledColumn(QGroupBox* frame) {
    auto* column = new QWidget(frame);
    keepOwnName(column);
    (new QVBoxLayout(column))->setContentsMargins(0, 0, 0, 0);
    return column;
}

void announce(QWidget* control, const QString& description) {
    control->setAccessibleDescription(description);
    if (control->hasFocus()) {
        QAccessibleEvent focus(control, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

} // namespace wellbox
