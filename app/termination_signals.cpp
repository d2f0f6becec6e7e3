// Turns termination signals into an ordinary quit of the event loop. A
// signal handler may do almost nothing safely, so it only writes one byte to
// a socket that the event loop watches.
#include "termination_signals.h"

#include <QCoreApplication>

#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// [0] is written by the handler, [1] read by the event loop.
int signalSockets[2] = {-1, -1};

constexpr std::array<int, 3> HANDLED_SIGNALS = {SIGTERM, SIGINT, SIGHUP};

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (signalSockets[0] >= 0)
        return;  // one set of handlers per process
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSockets) != 0)
        return;
    notifier = std::make_unique<QSocketNotifier>(signalSockets[1], QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, &TerminationSignals::OnReadable);

    struct sigaction action = {};
    action.sa_handler = &TerminationSignals::OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : HANDLED_SIGNALS)
        ::sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    if (notifier == nullptr)
        return;
    for (const int signal : HANDLED_SIGNALS)
        std::signal(signal, SIG_DFL);
    notifier.reset();
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

void TerminationSignals::OnSignal(int)
{
    const char byte = 1;
    // Nothing can be done about a full socket here, and one byte is enough.
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
}

void TerminationSignals::OnReadable()
{
    char bytes[16];
    while (::read(signalSockets[1], bytes, sizeof bytes) > 0) {
    }
    QCoreApplication::quit();
}
