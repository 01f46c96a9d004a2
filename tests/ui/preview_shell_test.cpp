// The live preview inside the program: readings through the shell, hover and click selection.
#include <wx/choice.h>
#include <wx/frame.h>
#include <wx/uiaction.h>

#include <gtk/gtk.h>

#include <fstream>
#include <iterator>

#include "app/main_layout.h"
#include "form/live_preview_wx.h"
#include "form/preview_rules.h"
#include "ui/registry_wx.h"
#include "ui_support.h"

namespace tessaly::test {
namespace {

using namespace main_window;

constexpr const char* kNested =
    "OpenWindow(#W, 0, 0, 400, 300, \"Nested\")\n"
    "ContainerGadget(#Box, 20, 20, 200, 150)\n"
    "ButtonGadget(#Inner, 10, 20, 100, 30, \"Inner\")\n"
    "CloseGadgetList()\n"
    "ButtonGadget(#Outer, 300, 10, 80, 30, \"Outer\")\n";

class PreviewShellTest : public ShellTest {
  protected:
    wxFrame* preview() {
        return dynamic_cast<wxFrame*>(Registry::instance().window(shell->previewWindow()));
    }
    wxString status() { return control(kStatusLine)->GetLabel(); }
    wxChoice* picker() { return static_cast<wxChoice*>(control(kPicker)); }
    // Screen position of a point of the preview's client area.
    wxPoint at(int x, int y) { return preview()->ClientToScreen(wxPoint(x, y)); }
    void showPreview() {
        ASSERT_NE(preview(), nullptr);
        pumpUntil([this] { return preview()->IsShownOnScreen(); });
        pumpFor(50);
    }
};

TEST_F(PreviewShellTest, AReadingBuildsThePreviewAndFillsThePicker) {
    startShell(std::string(kNested));
    showPreview();
    EXPECT_EQ(preview()->GetTitle(), "Nested");
    ASSERT_EQ(picker()->GetCount(), 4u);
    EXPECT_EQ(picker()->GetString(0), "#W :: OpenWindow");
    EXPECT_EQ(picker()->GetString(2), "#Inner :: ButtonGadget");
    EXPECT_EQ(picker()->GetSelection(), 0);
    for (unsigned i = 0; i < picker()->GetCount(); ++i) {
        const auto listIndex = int32_t(reinterpret_cast<intptr_t>(picker()->GetClientData(i)));
        EXPECT_EQ(shell->elements()[listIndex].Index, int32_t(i));
    }
    const sElement& inner = shell->elements()[2];
    wxWindow* button = Registry::instance().control(inner.Gadget);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetParent(), Registry::instance().control(shell->elements()[1].Gadget));
}

TEST_F(PreviewShellTest, AHugeFormShowsItsFirstGadgetsListsEveryElementAndSaysSo) {
    std::string form;
    const int count = LivePreview::kMaxGadgets + 10;
    for (int i = 0; i < count; ++i)
        form += "ButtonGadget(#B" + std::to_string(i) + ", 1, 1, 9, 9, \"\")\n";
    startShell(form);
    EXPECT_NE(shell->elements()[LivePreview::kMaxGadgets - 1].Gadget, 0);
    EXPECT_EQ(shell->elements()[LivePreview::kMaxGadgets].Gadget, 0);
    EXPECT_EQ(status(), " Only the first 2000 gadgets are shown");
    // Every element is in the picker, and in the list it pops up.
    ASSERT_EQ(picker()->GetCount(), unsigned(count));
    GtkTreeModel* rows = gtk_combo_box_get_model(GTK_COMBO_BOX(picker()->GetHandle()));
    EXPECT_EQ(gtk_tree_model_iter_n_children(rows, nullptr), count);
}

TEST_F(PreviewShellTest, HoverNamesTheNestedGadgetByItsPositionInItsContainer) {
    startShell(std::string(kNested));
    showPreview();
    // The inner button is seen at 30..130, 40..70 in the window (10, 20 in its container): there
    // it is named, over the container and the button the later element wins.
    EXPECT_TRUE(shell->hoverAt(at(120, 60).x, at(120, 60).y));
    EXPECT_EQ(status(), " X: 120 / Y: 60 - #Inner");
    EXPECT_EQ(shell->hover().index, 2);
    // Where the button's rectangle would be if it were not in the container: the container.
    EXPECT_TRUE(shell->hoverAt(at(25, 30).x, at(25, 30).y));
    EXPECT_EQ(status(), " X: 25 / Y: 30 - #Box");
    // Edges count; outside the client area both coordinates are -1 and nothing is named.
    EXPECT_TRUE(shell->hoverAt(at(380, 40).x, at(380, 40).y));
    EXPECT_EQ(status(), " X: 380 / Y: 40 - #Outer");
    EXPECT_TRUE(shell->hoverAt(at(400, 40).x, at(400, 40).y));
    EXPECT_EQ(status(), " X: -1 / Y: -1");
    EXPECT_EQ(shell->hover().index, -1);
}

TEST_F(PreviewShellTest, ClickingTheActivePreviewSelectsTheHoveredElement) {
    startShell(std::string(kNested));
    showPreview();
    preview()->Raise();
    ASSERT_TRUE(pumpUntil([this] { return preview()->IsActive(); }));
    edits.calls.clear();
    wxUIActionSimulator sim;
    sim.MouseMove(at(340, 25));
    pumpFor(60);
    sim.MouseClick();
    EXPECT_TRUE(pumpUntil([this] { return !edits.calls.empty(); }));
    EXPECT_EQ(edits.calls, (std::vector<std::string>{"show 4"}));
    EXPECT_EQ(picker()->GetSelection(), 3);
    EXPECT_EQ(shell->elements().currentIndex(), 4);
    EXPECT_EQ(status(), " X: 340 / Y: 25 - #Outer");
}

// The poll beats while the preview window is active and the pointer moves, and follows it on its
// own; with the pointer still, or the main window active, it does not beat at all, so a still
// program does no work.
TEST_F(PreviewShellTest, TheHoverPollBeatsOnlyWhileThePreviewIsActive) {
    startShell(std::string(kNested));
    showPreview();
    preview()->Raise();
    ASSERT_TRUE(pumpUntil([this] { return preview()->IsActive(); }));
    wxUIActionSimulator sim;
    sim.MouseMove(at(120, 60));
    EXPECT_TRUE(pumpUntil([this] { return status() == " X: 120 / Y: 60 - #Inner"; })) << status();
    EXPECT_TRUE(pumpUntil([this] { return !shell->hoverPollRunning(); }));  // the pointer rests
    sim.MouseMove(at(121, 60));
    EXPECT_TRUE(pumpUntil([this] { return status() == " X: 121 / Y: 60 - #Inner"; })) << status();

    shell->mainWindow()->Raise();
    ASSERT_TRUE(pumpUntil([this] { return shell->mainWindow()->IsActive(); }));
    EXPECT_TRUE(pumpUntil([this] { return !shell->hoverPollRunning(); }));
    sim.MouseMove(at(340, 25));
    pumpFor(100);
    EXPECT_EQ(status(), " X: 121 / Y: 60");  // not followed, but #Inner was left

    // Back to the preview: the poll beats again and catches up with the pointer.
    preview()->Raise();
    ASSERT_TRUE(pumpUntil([this] { return preview()->IsActive(); }));
    EXPECT_TRUE(pumpUntil([this] { return status() == " X: 340 / Y: 25 - #Outer"; })) << status();
}

// A real click on each gadget kind, native widgets that keep their presses to themselves
// included, selects that gadget.
TEST_F(PreviewShellTest, AClickSelectsEveryKindOfGadget) {
    std::ifstream in(TESSALY_SOURCE_DIR "/examples/every_gadget.pb", std::ios::binary);
    startShell(std::string(std::istreambuf_iterator<char>(in), {}));
    showPreview();
    // The main window stays on top: out of the way, or it takes the clicks.
    preview()->Move(0, 0);
    shell->mainWindow()->Move(0, 720);
    preview()->Raise();
    ASSERT_TRUE(pumpUntil([this] { return preview()->IsActive(); }));
    wxUIActionSimulator sim;
    std::vector<std::string> missed;
    int clicked = 0;
    for (int i = 0; i < shell->elements().count(); ++i) {
        const sElement& e = shell->elements()[i];
        const PreviewKind kind = previewKindOf(e.KeyWord);
        // Containers are covered by what they hold; a splitter by its two children.
        if (e.Sort != kSortGadget || kind == PreviewKind::Container || kind == PreviewKind::Panel ||
            kind == PreviewKind::ScrollArea || kind == PreviewKind::Splitter) {
            continue;
        }
        // Without the code-editor module a scintilla gadget has no control.
        if (e.Gadget < Registry::kFirstAllocated) continue;
        wxWindow* w = control(e.Gadget);
        edits.calls.clear();
        // Near the top-left corner: a frame gadget's middle is covered by the gadget in it.
        sim.MouseMove(w->ClientToScreen(
            wxPoint(std::min(6, w->GetSize().x / 2), std::min(10, w->GetSize().y / 2))));
        pumpFor(40);
        sim.MouseClick();
        ++clicked;
        const std::string expected = "show " + std::to_string(i);
        if (!pumpUntil([&] { return !edits.calls.empty(); }, 1000) || edits.calls[0] != expected) {
            missed.push_back(e.KeyWord + (edits.calls.empty() ? " nothing" : " " + edits.calls[0]) +
                             " want " + expected + " hover " + shell->hover().name);
        }
        sim.Char(WXK_ESCAPE);  // closes a drop-down that the click opened
        pumpFor(40);
    }
    EXPECT_GE(clicked, 30);
    EXPECT_TRUE(missed.empty()) << ::testing::PrintToString(missed);
}

TEST_F(PreviewShellTest, GadgetsOnAHiddenPanelTabAreNotThere) {
    startShell(
        std::string("OpenWindow(#W, 0, 0, 300, 200, \"T\")\n"
                    "PanelGadget(#P, 10, 10, 250, 150)\n"
                    "AddGadgetItem(#P, -1, \"One\")\n"
                    "ButtonGadget(#A, 10, 10, 80, 30, \"A\")\n"
                    "AddGadgetItem(#P, -1, \"Two\")\n"
                    "ButtonGadget(#B, 10, 10, 80, 30, \"B\")\n"
                    "CloseGadgetList()\n"));
    showPreview();
    wxWindow* a = control(shell->elements()[3].Gadget);
    ASSERT_NE(a, nullptr);
    const wxPoint middle = a->ClientToScreen(wxPoint(40, 15));
    shell->hoverAt(middle.x, middle.y);
    EXPECT_EQ(shell->hover().name, "#A");
}

TEST_F(PreviewShellTest, ALoneGadgetKeepsItsOwnPlaceAndSize) {
    startShell(
        std::string("OpenWindow(#W, 0, 0, 400, 300, \"T\")\n"
                    "ButtonGadget(#B, 20, 30, 100, 25, \"Press\")\n"));
    showPreview();
    preview()->SetClientSize(420, 320);  // the window is laid out again
    pumpUntil([this] { return preview()->GetClientSize() == wxSize(420, 320); });
    pumpFor(50);
    EXPECT_EQ(control(shell->elements()[1].Gadget)->GetRect(), wxRect(20, 30, 100, 25));
}

TEST_F(PreviewShellTest, AWindowInAProcedureTakesItsDefaultsAndAReusedWindowItsNewTitle) {
    std::ifstream in(TESSALY_SOURCE_DIR "/examples/dialog.pb", std::ios::binary);
    startShell(std::string(std::istreambuf_iterator<char>(in), {}));
    showPreview();
    EXPECT_EQ(preview()->GetClientSize(), wxSize(320, 170));
    EXPECT_EQ(preview()->GetTitle(), "Log in");
    memory.text = "OpenWindow(#W, 0, 0, 200, 100, \"Second\")\n";
    shell->paste();
    EXPECT_EQ(preview()->GetTitle(), "Second");
    EXPECT_EQ(preview()->GetClientSize(), wxSize(200, 100));
}

TEST_F(PreviewShellTest, TheMainWindowMovesBesideAPreviewItCovers) {
    startShell(std::string("OpenWindow(#W, 0, 0, 300, 200, \"Left\")\n"));
    showPreview();
    const wxRect preview = this->preview()->GetScreenRect();
    const wxRect main = shell->mainWindow()->GetScreenRect();
    EXPECT_FALSE(preview.Intersects(main)) << "preview " << preview.x << "," << preview.width
                                           << " main " << main.x << "," << main.width;
    EXPECT_GE(main.x, preview.GetRight());
}

TEST_F(PreviewShellTest, ChoosingInThePickerMakesTheElementCurrent) {
    startShell(std::string(kNested));
    EXPECT_EQ(shell->elements().currentIndex(), 0);
    picker()->SetSelection(2);
    wxCommandEvent choice(wxEVT_CHOICE, picker()->GetId());
    choice.SetEventObject(picker());
    choice.SetInt(2);
    picker()->GetEventHandler()->ProcessEvent(choice);
    EXPECT_EQ(shell->elements().currentIndex(), 2);
    EXPECT_EQ(edits.calls.back(), "show 2");
}

TEST_F(PreviewShellTest, PasteReadsAgainIntoTheSameWindowAndForgetsTheOldHover) {
    startShell(std::string(kNested));
    showPreview();
    wxFrame* first = preview();
    // The hover timer may have got there first: an earlier test left the real pointer at this
    // very spot. Only the outcome is checked.
    shell->hoverAt(at(340, 25).x, at(340, 25).y);
    EXPECT_EQ(shell->hover().index, 3);
    memory.text = "TextGadget(#Label, 330, 20, 60, 20, \"x\")\n";
    shell->paste();
    EXPECT_EQ(status().Find("#Outer"), wxNOT_FOUND);  // the old form is named no more
    EXPECT_EQ(preview(), first);                      // reused, no empty window left behind
    EXPECT_EQ(preview()->GetTitle(), "Tessaly");      // not the title of the form it showed
    ASSERT_EQ(picker()->GetCount(), 1u);
    EXPECT_EQ(shell->hover().index, -1);
    showPreview();  // the window manager may still be placing the resized window
    // The same place, the new gadget.
    shell->hoverAt(at(340, 25).x, at(340, 25).y);
    EXPECT_EQ(status(), " X: 340 / Y: 25 - #Label");
}

}  // namespace
}  // namespace tessaly::test
