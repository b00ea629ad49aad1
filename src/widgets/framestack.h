#pragma once

#include <QWidget>

namespace wellbox {

// Frames (or labels) lying on one another in one place, of which only the one in front is
// seen. Members stay shown when covered, so a button under the front member keeps the focus
// and still answers Enter and Space; everything else in a covered member is out of reach:
// the pointer passes it by, Tab skips it, its access keys are off and no key changes it.
class FrameStack : public QWidget {
    Q_OBJECT
public:
    explicit FrameStack(QWidget* parent = nullptr);

    // Puts a member in the shared place, behind the members already there.
    void addMember(QWidget* member, Qt::Alignment alignment = {});
    // Brings a member to the front; the keyboard focus stays where it is.
    void raiseMember(QWidget* member);
    QWidget* front() const { return m_front; }

    // Whether a widget lies in a covered member of any stack that holds it.
    static bool isCovered(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateReach();

    QWidget* m_front = nullptr;
};

} // namespace wellbox
