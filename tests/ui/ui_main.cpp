// Window tests run inside one wxWidgets application on the display that the test runner gives.
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>

#include <gtest/gtest.h>

#include "app/message_box_wx.h"

namespace {

// A toolkit assertion fails the running test instead of opening a dialog that nobody closes.
void failOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
    ADD_FAILURE() << "toolkit assertion " << cond << " in " << func << " (" << file << ":" << line
                  << "): " << msg;
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    wxSetAssertHandler(failOnAssert);
    wxApp::SetInstance(new wxApp());
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(wxArgc, wxArgv)) {
        fprintf(stderr, "ui_tests: cannot open the display\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    // A message box would wait for a click that never comes; a test that expects one replaces
    // this function with its own.
    tessaly::setMessageBoxFunction([](const std::string& title, const std::string& text) {
        fprintf(stderr, "ui_tests: message box \"%s\": %s\n", title.c_str(), text.c_str());
    });
    int status = 0;
    {
        wxEventLoop loop;
        wxEventLoopActivator active(&loop);
        status = RUN_ALL_TESTS();
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    return status;
}
