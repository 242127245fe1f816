#include "shell/EndingSignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace strhaven {

#ifdef Q_OS_UNIX

namespace {

constexpr int Endings[] = {SIGTERM, SIGHUP, SIGINT};
int pipeEnds[2] = {-1, -1}; // written by the handler, read by the event loop

void onSignal(int signal)
{
    const int saved = errno;
    const char number = char(signal);
    // Nothing to do when the pipe is full: the ending is on its way.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &number, 1);
    errno = saved;
}

} // namespace

EndingSignals::EndingSignals(std::function<void(int)> ending, QObject* parent)
    : QObject(parent)
    , m_ending(std::move(ending))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeEnds) != 0)
        return;
    m_notifier = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EndingSignals::read);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : Endings)
        ::sigaction(signal, &action, nullptr);
}

EndingSignals::~EndingSignals()
{
    if (!m_notifier)
        return;
    struct sigaction usual {};
    usual.sa_handler = SIG_DFL;
    for (int signal : Endings)
        ::sigaction(signal, &usual, nullptr);
    delete m_notifier;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void EndingSignals::read()
{
    char number = 0;
    int last = 0;
    while (::read(pipeEnds[1], &number, 1) == 1)
        last = number;
    if (last)
        m_ending(last);
}

#else

EndingSignals::EndingSignals(std::function<void(int)> ending, QObject* parent)
    : QObject(parent)
    , m_ending(std::move(ending))
{
}

EndingSignals::~EndingSignals() = default;

void EndingSignals::read() {}

#endif

} // namespace strhaven
