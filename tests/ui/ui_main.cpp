// Starts the toolkit once for all window tests; each test builds and destroys its windows.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) return 1;
    wxTheApp->CallOnInit();
    wxInitAllImageHandlers();
    const int result = RUN_ALL_TESTS();
    wxEntryCleanup();
    return result;
}
