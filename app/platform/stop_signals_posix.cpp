#include "app/stop_signals.h"

#include <signal.h>

#include <csignal>
#include <initializer_list>

namespace tessaly {

namespace {

volatile std::sig_atomic_t stopSignal = 0;

void onStopSignal(int signalNumber) {
    if (stopSignal != 0) {
        // Not answered yet: whoever sends it again wants the program gone now.
        signal(signalNumber, SIG_DFL);
        raise(signalNumber);
        return;
    }
    stopSignal = signalNumber;
}

}  // namespace

void installStopSignalHandlers() {
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) sigaction(signalNumber, &action, nullptr);
}

bool stopRequested() {
    return stopSignal != 0;
}

}  // namespace tessaly
