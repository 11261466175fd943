// A temporary file that Ctrl-C, a kill or a closed terminal (SIGINT, SIGTERM,
// SIGHUP) removes before the program ends by that signal, as it would have
// without the handler. One file at a time: the batch writes one output.
#pragma once

#include <csignal>

namespace orvanta::cli {

// Handles the three signals from now on; one the program was started with
// ignored (nohup, a background job) stays ignored.
void removeTemporaryOnSignal();

// While alive, the three signals wait, so a file is never there without its
// name kept for the handler, nor its name kept after it was renamed or removed.
class SignalsHeld {
public:
    SignalsHeld();
    ~SignalsHeld();
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t m_previous{};
};

// The file a signal removes; false when the name is too long to keep. Call
// with the signals held.
[[nodiscard]] bool setTemporaryFile(const char* path);
void forgetTemporaryFile();

} // namespace orvanta::cli
