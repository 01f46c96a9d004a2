// Helpers of the preview's window tests.
#include "preview_support.h"

#include <unistd.h>
#include <wx/app.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace tessaly::test {

void processPending() {
    for (int i = 0; i < 3; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxTheApp->Yield(true);
        wxTheApp->ProcessIdle();
    }
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
