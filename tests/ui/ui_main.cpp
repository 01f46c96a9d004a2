// Entry point of the window tests: starts wxWidgets without a main window, runs the tests.
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/init.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "ui_support.h"

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

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) return 1;
    wxTheApp->CallOnInit();
    wxSetAssertHandler(tessaly::test::countAssert);
    const int rc = RUN_ALL_TESTS();
    wxEntryCleanup();
    return rc;
}
