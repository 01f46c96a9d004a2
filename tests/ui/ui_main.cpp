// Window tests run inside one wxWidgets application on the display that the test runner gives.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) return 1;
    wxTheApp->CallOnInit();
    const int rc = RUN_ALL_TESTS();
    wxEntryCleanup();
    return rc;
}
