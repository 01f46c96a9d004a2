#include "app/stop_signals.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessaly {
namespace {

// Each case runs in a child process: the handlers are process-wide and a signal is for good.
int statusOfChildThatRaises(int signalNumber, int times) {
    const pid_t pid = fork();
    if (pid == 0) {
        installStopSignalHandlers();
        const bool before = stopRequested();
        for (int i = 0; i < times; ++i) raise(signalNumber);
        _exit(!before && stopRequested() ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

TEST(StopSignals, OneSignalIsOnlyRecordedASecondEndsTheProcess) {
    for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        const int once = statusOfChildThatRaises(signalNumber, 1);
        EXPECT_TRUE(WIFEXITED(once) && WEXITSTATUS(once) == 0) << signalNumber;
        const int twice = statusOfChildThatRaises(signalNumber, 2);
        EXPECT_TRUE(WIFSIGNALED(twice) && WTERMSIG(twice) == signalNumber) << signalNumber;
    }
}

}  // namespace
}  // namespace tessaly
