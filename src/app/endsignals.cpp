#include "app/endsignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace wellbox {

namespace {

constexpr std::array kEndSignals{SIGINT, SIGHUP, SIGTERM, SIGQUIT};

// The pipe from the signal handler to the event loop. A handler can reach nothing but what is
// global, and may do no more than write: this is the program's one global state.
int g_pipe[2] = {-1, -1};

void onSignal(int number) {
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

void handleWith(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    action.sa_flags = SA_RESTART;
    ::sigemptyset(&action.sa_mask);
    for (const int number : kEndSignals)
        ::sigaction(number, &action, nullptr);
}

} // namespace

void EndSignals::catchSignals() {
    // Closed in a browser the program starts, and never blocking the handler.
    if (g_pipe[0] < 0 && ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    handleWith(&onSignal);
}

EndSignals::EndSignals() {
    if (g_pipe[0] < 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EndSignals::received);
}

EndSignals::~EndSignals() = default;

std::optional<int> EndSignals::exitCode() const {
    return m_signal ? std::optional(128 + m_signal) : std::nullopt;
}

void EndSignals::received() {
    unsigned char byte = 0;
    while (::read(g_pipe[0], &byte, 1) == 1)
        if (!m_signal)
            m_signal = byte;
    if (!m_signal)
        return;
    handleWith(SIG_DFL);
    QCoreApplication::exit(*exitCode());
}

} // namespace wellbox
