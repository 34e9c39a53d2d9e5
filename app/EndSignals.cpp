// A signal handler may do almost nothing: it writes the signal's number to a pipe, and a socket
// notifier reads it in the event loop.
#include "EndSignals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int Caught[] = {SIGTERM, SIGHUP, SIGINT, SIGQUIT};
int pipeEnds[2] = {-1, -1};

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const char byte = char(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

EndSignals::EndSignals(QObject *parent) : QObject(parent)
{
    // Without the pipe the signals keep their default action.
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    m_notifier->setEnabled(false);
    connect(m_notifier, &QSocketNotifier::activated, this, &EndSignals::readPipe);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : Caught)
        ::sigaction(signalNumber, &action, nullptr);
    // A write to a closed pipe or socket, the display's among them, then fails instead of ending the run.
    std::signal(SIGPIPE, SIG_IGN);
}

void EndSignals::listen()
{
    if (m_notifier)
        m_notifier->setEnabled(true);
}

EndSignals::~EndSignals()
{
    if (!m_notifier)
        return;
    for (const int signalNumber : Caught)
        std::signal(signalNumber, SIG_DFL);
    delete m_notifier;
    for (int &end : pipeEnds) {
        ::close(end);
        end = -1;
    }
}

void EndSignals::readPipe()
{
    char byte;
    while (::read(pipeEnds[0], &byte, 1) == 1)
        emit received(byte);
}
