// The preview window: opened, reused, sized; the status bar; the code-editor module.
#include <wx/display.h>
#include <wx/statusbr.h>
#include <wx/stc/stc.h>

#include "preview_fixture.h"

namespace tessaly::test {
namespace {

using WindowTest = PreviewTest;

TEST_F(WindowTest, AWindowLineOpensThePreviewWindowWithItsTitleSizeAndShortcuts) {
    read(
        "OpenWindow(#Main, 30, 40, 320, 170, \"Log in\", #PB_Window_SystemMenu)\n"
        "ButtonGadget(#OK, 10, 10, 80, 28, \"OK\")\n");
    ASSERT_NE(frame(), nullptr);
    EXPECT_EQ(frame()->GetTitle(), "Log in");
    EXPECT_EQ(frame()->GetClientSize(), wxSize(320, 170));
    EXPECT_EQ(element("#Main").Gadget, preview_.previewWindow());
    EXPECT_GE(preview_.previewWindow(), Registry::kFirstAllocated);
    ASSERT_EQ(host_.shortcutWindows.size(), 1u);
    EXPECT_EQ(host_.shortcutWindows[0], frame());
    ASSERT_EQ(host_.adopted.size(), 1u);
    EXPECT_EQ(host_.adopted[0], frame());
    EXPECT_TRUE(frame()->IsShown());
}

TEST_F(WindowTest, IgnoredWidthAndHeightCoverThePrimaryDesktopFromItsCorner) {
    read("OpenWindow(#W, 100, 100, #PB_Ignore, #pb_ignore, \"Full\")\n");
    const wxSize desktop = wxDisplay(0u).GetGeometry().GetSize();
    EXPECT_EQ(frame()->GetClientSize(), desktop);
    // Reused with the ignored size: moved to the corner as well.
    frame()->Move(50, 50);
    read("OpenWindow(#W, 100, 100, #PB_Ignore, #PB_Ignore, \"Full\")\n");
    EXPECT_EQ(frame()->GetPosition(), wxPoint(0, 0));
    EXPECT_EQ(frame()->GetClientSize(), desktop);
    // Only one of them ignored: that one takes the default window's size.
    read("OpenWindow(#W, 0, 0, #PB_Ignore, 200, \"Half\")\n");
    EXPECT_EQ(frame()->GetClientSize(), wxSize(800, 200));
}

TEST_F(WindowTest, TheWindowFlagsNamedInTheLineGiveTheFrameAndAReusedWindowKeepsThem) {
    read("OpenWindow(#W, 0, 0, 300, 200, \"F\", #PB_Window_SystemMenu | #pb_window_sizegadget)\n");
    EXPECT_TRUE(frame()->HasFlag(wxCAPTION));
    EXPECT_TRUE(frame()->HasFlag(wxCLOSE_BOX));
    EXPECT_TRUE(frame()->HasFlag(wxRESIZE_BORDER));
    EXPECT_FALSE(frame()->HasFlag(wxMAXIMIZE_BOX));
    EXPECT_FALSE(frame()->HasFlag(wxMINIMIZE_BOX));
    read("OpenWindow(#W, 0, 0, 300, 200, \"F\", #PB_Window_BorderLess)\n");
    EXPECT_TRUE(frame()->HasFlag(wxCLOSE_BOX));
    EXPECT_EQ(frame()->GetClientSize(), wxSize(300, 200));
}

class BorderlessTest : public PreviewTest {};

TEST_F(BorderlessTest, ABorderlessWindowHasNoTitleBar) {
    read("OpenWindow(#W, 0, 0, 300, 200, \"F\", #PB_Window_BorderLess)\n");
    EXPECT_FALSE(frame()->HasFlag(wxCAPTION));
    EXPECT_EQ(frame()->GetClientSize(), wxSize(300, 200));
}

TEST_F(WindowTest, SizesThatAreNoNumbersTakeTheDefaultWindowSize) {
    // As a form designer writes it: the size in the procedure's variables.
    read(
        "OpenWindow(#W, x, y, width, height, \"Dialog\")\nButtonGadget(#B, 1, 1, 80, 25, \"b\")\n");
    EXPECT_EQ(frame()->GetClientSize(), wxSize(800, 600));
    read("OpenWindow(#W, 0, 0, 300, -5, \"Dialog\")\n");
    EXPECT_EQ(frame()->GetClientSize(), wxSize(300, 600));
}

TEST_F(WindowTest, ReadingTwiceKeepsTheSameWindowResizedWithTheNewTitle) {
    read("OpenWindow(#W, 0, 0, 300, 200, \"First\")\nButtonGadget(#B, 1, 1, 80, 25, \"b\")\n");
    wxFrame* first = frame();
    const int32_t number = preview_.previewWindow();
    const int32_t oldButton = element("#B").Gadget;
    read("OpenWindow(#W, 0, 0, 500, 400, \"Second\")\nButtonGadget(#B, 1, 1, 80, 25, \"b\")\n");
    EXPECT_EQ(frame(), first);
    EXPECT_EQ(preview_.previewWindow(), number);
    EXPECT_EQ(frame()->GetTitle(), "Second");
    EXPECT_EQ(frame()->GetClientSize(), wxSize(500, 400));
    EXPECT_EQ(registry_.control(oldButton), nullptr);  // the old control is gone
    EXPECT_NE(control("#B"), nullptr);
    EXPECT_EQ(host_.entries.size(), 2u);  // the picker was emptied first
    EXPECT_EQ(host_.adopted.size(), 1u);
}

TEST_F(WindowTest, CodeWithoutAWindowLineUsesTheDefaultWindowAndReusesIt) {
    read("ButtonGadget(#B, 10, 10, 80, 25, \"b\")\n");
    ASSERT_NE(frame(), nullptr);
    EXPECT_EQ(frame()->GetTitle(), "Tessaly");
    EXPECT_EQ(frame()->GetClientSize(), wxSize(800, 600));
    EXPECT_EQ(control("#B")->GetParent(), frame());
    ASSERT_EQ(host_.shortcutWindows.size(), 1u);  // the nudges work there too
    EXPECT_EQ(host_.shortcutWindows[0], frame());
    EXPECT_EQ(host_.entries.size(), 1u);  // no element for the default window
    wxFrame* first = frame();

    read("ButtonGadget(#C, 10, 10, 80, 25, \"c\")\n");
    EXPECT_EQ(frame(), first);  // no second, empty window left behind
    EXPECT_EQ(control("#C")->GetParent(), frame());

    // A window from a window line is reused too, at the default size with its own title.
    read("OpenWindow(#W, 0, 0, 200, 100, \"Own\")\n");
    read("TextGadget(#T, 0, 0, 50, 20, \"t\")\n");
    EXPECT_EQ(frame(), first);
    EXPECT_EQ(frame()->GetClientSize(), wxSize(800, 600));
}

TEST_F(WindowTest, EmptyCodeOpensNoWindowAndLeavesAnExistingOneEmpty) {
    read("");
    EXPECT_EQ(frame(), nullptr);
    EXPECT_EQ(preview_.previewWindow(), 0);
    read("ButtonGadget(#B, 10, 10, 80, 25, \"b\")\n");
    const int32_t button = element("#B").Gadget;
    read("; nothing here\n");
    ASSERT_NE(frame(), nullptr);
    EXPECT_EQ(registry_.control(button), nullptr);
    EXPECT_TRUE(host_.entries.empty());
}

TEST_F(WindowTest, StatusBarIsAddedEmptyAndTheFormKeepsItsInnerSize) {
    read("OpenWindow(#W, 0, 0, 400, 300, \"S\")\nCreateStatusBar(#Bar, WindowID(#W))\n");
    wxStatusBar* bar = frame()->GetStatusBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetStatusText(), "");
    EXPECT_EQ(element("#Bar").Gadget, registry_.controlNumber(bar));
    EXPECT_GE(element("#Bar").Gadget, Registry::kFirstAllocated);
    EXPECT_EQ(frame()->GetClientSize(), wxSize(400, 300));
    // A reading without the call leaves no status bar behind.
    read("OpenWindow(#W, 0, 0, 400, 300, \"S\")\n");
    EXPECT_EQ(frame()->GetStatusBar(), nullptr);
    EXPECT_EQ(frame()->GetClientSize(), wxSize(400, 300));
}

TEST_F(WindowTest, ScintillaElementsGetTheEditorFromTheModuleBesideTheProgram) {
    read(
        "OpenWindow(#W, 0, 0, 400, 300, \"S\")\n"
        "ScintillaGadget(#Code, 10, 20, 300, 200, 0)\n");
    EXPECT_TRUE(host_.messages.empty());
    auto* editor = dynamic_cast<wxStyledTextCtrl*>(control("#Code"));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->GetPosition(), wxPoint(10, 20));
    EXPECT_EQ(editor->GetSize(), wxSize(300, 200));
    EXPECT_TRUE(module_.ready());
}

class MissingModuleTest : public PreviewTest {
  protected:
    MissingModuleTest() : PreviewTest("/nonexistent/folder") {}
};

TEST_F(MissingModuleTest, EachScintillaElementReportsTheMissingModuleAndTheBuildGoesOn) {
    read(
        "OpenWindow(#W, 0, 0, 400, 300, \"S\")\n"
        "ScintillaGadget(#Code1, 10, 20, 300, 100, 0)\n"
        "ScintillaGadget(#Code2, 10, 130, 300, 100, 0)\n"
        "ButtonGadget(#After, 10, 240, 80, 25, \"after\")\n");
    ASSERT_EQ(host_.messages.size(), 2u);  // the second element tries again
    EXPECT_EQ(host_.messages[0].first, "Information");
    EXPECT_EQ(host_.messages[0].second, "Scintilla is not init");
    EXPECT_EQ(element("#Code1").Gadget, 0);
    EXPECT_EQ(element("#Code2").Gadget, 0);
    EXPECT_NE(control("#After"), nullptr);
    EXPECT_EQ(host_.entries.size(), 4u);
    EXPECT_FALSE(module_.ready());
}

}  // namespace
}  // namespace tessaly::test

namespace tessaly::test {
namespace {

TEST(PlaceholderPicture, TheEmbeddedJpegDecodesThroughTheJpegHandler) {
    const wxImage picture = decodePlaceholderPicture();
    ASSERT_TRUE(picture.IsOk());
    EXPECT_EQ(picture.GetSize(), wxSize(640, 360));
    EXPECT_NE(wxImage::FindHandler(wxBITMAP_TYPE_JPEG), nullptr);
    // A dark blue-grey panel: blue above red in the corner.
    EXPECT_GT(picture.GetBlue(5, 5), picture.GetRed(5, 5));
}

}  // namespace
}  // namespace tessaly::test
