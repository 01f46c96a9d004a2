// Window tests run inside one wxWidgets application on the display that the test runner gives.
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp());
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(wxArgc, wxArgv)) {
        fprintf(stderr, "ui_tests: cannot open the display\n");
        return 1;
    }
    wxTheApp->CallOnInit();
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
