#pragma once

#include <QObject>

#include <optional>

class QSocketNotifier;

namespace wellbox {

// The signals by which a terminal, a desktop's logout or a service manager asks a program to
// end: SIGINT, SIGHUP, SIGTERM and SIGQUIT. Each ends the program as closing its main window
// does: every event loop is left, a dialog's too, and main() returns, so that the instance lock
// is released and no file is left half written. A second such signal ends it at once.
class EndSignals final : public QObject {
public:
    // Catches the signals from here on, before the application exists; one that comes before
    // an EndSignals does is acted on once it does.
    static void catchSignals();

    // Acts on the signals caught, in the event loop of the application, which must exist.
    EndSignals();
    ~EndSignals() override;

    // The status the program ends with after such a signal: 128 and the signal's number.
    std::optional<int> exitCode() const;

private:
    void received();

    QSocketNotifier* m_notifier = nullptr;
    int m_signal = 0;
};

} // namespace wellbox
