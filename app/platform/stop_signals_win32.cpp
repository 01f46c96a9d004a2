#include "app/stop_signals.h"

#include <windows.h>

#include <atomic>

namespace tessaly {

namespace {

std::atomic<bool> stopEvent{false};

// Runs on a thread of its own that the system starts for the event.
BOOL WINAPI onConsoleEvent(DWORD event) {
    switch (event) {
        case CTRL_C_EVENT:
        case CTRL_BREAK_EVENT:
        case CTRL_CLOSE_EVENT:
        case CTRL_LOGOFF_EVENT:
        case CTRL_SHUTDOWN_EVENT:
            // Not answered yet: the system's own handler ends the process now.
            if (stopEvent.exchange(true)) return FALSE;
            // The system ends the process when a close, logoff or shutdown handler returns:
            // give the program's loop the time to quit as Escape does.
            if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) Sleep(5000);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

// The console's control events (Ctrl+C, Ctrl+Break, its window closed, logoff, shutdown) are
// Windows' stop signals. The window program has a console only when it was given one.
void installStopSignalHandlers() {
    SetConsoleCtrlHandler(&onConsoleEvent, TRUE);
}

bool stopRequested() {
    return stopEvent.load();
}

}  // namespace tessaly
