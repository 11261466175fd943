#include "RemovedOnSignal.h"

#include <array>
#include <cerrno>
#include <climits>
#include <cstring>

#include <unistd.h>

namespace orvanta::cli {

namespace {

constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};

// The handler may only read a buffer that is already there: no allocation.
// Written only while the signals are held, so it is never read half-written.
char g_temporary[PATH_MAX] = {};

extern "C" void removeAndEnd(int signal)
{
    const int savedErrno = errno;
    if (g_temporary[0] != '\0') {
        ::unlink(g_temporary);
    }
    // The default action, so the parent sees the program ended by the signal.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    errno = savedErrno;
}

sigset_t handledSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kSignals) {
        sigaddset(&set, signal);
    }
    return set;
}

} // namespace

void removeTemporaryOnSignal()
{
    for (const int signal : kSignals) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) {
            continue;
        }
        struct sigaction action {};
        action.sa_handler = removeAndEnd;
        action.sa_mask = handledSignals(); // one removal at a time
        ::sigaction(signal, &action, nullptr);
    }
}

SignalsHeld::SignalsHeld()
{
    const sigset_t held = handledSignals();
    ::sigprocmask(SIG_BLOCK, &held, &m_previous);
}

SignalsHeld::~SignalsHeld()
{
    ::sigprocmask(SIG_SETMASK, &m_previous, nullptr);
}

bool setTemporaryFile(const char* path)
{
    const std::size_t length = std::strlen(path);
    if (length >= sizeof g_temporary) {
        return false;
    }
    std::memcpy(g_temporary, path, length + 1);
    return true;
}

void forgetTemporaryFile()
{
    g_temporary[0] = '\0';
}

} // namespace orvanta::cli
