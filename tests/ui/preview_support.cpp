// Helpers of the preview's window tests.
#include "preview_support.h"

#include <unistd.h>
#include <wx/app.h>
#include <wx/debug.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace tessaly::test {

namespace {
int gAsserts = 0;

void countAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                 const wxString& msg) {
    ++gAsserts;
    std::fprintf(stdout, "wx assertion failed: %s:%d %s: %s %s\n", file.utf8_str().data(), line,
                 func.utf8_str().data(), cond.utf8_str().data(), msg.utf8_str().data());
}
}  // namespace

// A failed toolkit assertion must never open a modal dialog in a test: it is counted and printed.
const bool gHandlerInstalled = [] {
    wxSetAssertHandler(countAssert);
    return true;
}();

int wxAssertCount() {
    return gAsserts;
}

void processPending() {
    for (int i = 0; i < 3; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxTheApp->Yield(true);
        wxTheApp->ProcessIdle();
    }
}

bool waitUntil(const std::function<bool()>& done, int ms) {
    wxStopWatch watch;
    while (!done() && watch.Time() < ms) {
        wxTheApp->Yield(true);
        wxMilliSleep(2);
    }
    return done();
}

StderrCapture::StderrCapture() {
    char name[] = "/tmp/tessaly_stderr_XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) return;
    path_ = name;
    std::fflush(stderr);
    saved_ = dup(2);
    dup2(fd, 2);
    close(fd);
}

StderrCapture::~StderrCapture() {
    finish();
}

std::string StderrCapture::finish() {
    if (saved_ < 0) return {};
    std::fflush(stderr);
    dup2(saved_, 2);
    close(saved_);
    saved_ = -1;
    std::ifstream in(path_);
    std::stringstream text;
    text << in.rdbuf();
    std::remove(path_.c_str());
    return text.str();
}

}  // namespace tessaly::test
