#include <wx/button.h>
#include <wx/choice.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "app/main_layout.h"
#include "ui_support.h"

namespace tessaly::test {
namespace {

using namespace main_window;

class ShortcutTest : public ShellTest {
  protected:
    // Activates a window and puts the keyboard focus into `focus`.
    void focusIn(wxTopLevelWindow* window, wxWindow* focus) {
        window->Raise();
        ASSERT_TRUE(pumpUntil([&] { return window->IsActive(); })) << "window not activated";
        focus->SetFocus();
        ASSERT_TRUE(pumpUntil([&] { return wxWindow::FindFocus() == focus; })) << "no focus";
    }
    // Starts on empty code and forgets the page reset of that first reading.
    void startEmpty() {
        startShell(std::string());
        edits.calls.clear();
    }
    void press(int key, int modifiers = wxMOD_NONE) {
        wxUIActionSimulator sim;
        sim.Char(key, modifiers);
        pumpFor(100);
    }
    wxFrame* openPreviewWindow() {
        auto* preview =
            new wxFrame(nullptr, wxID_ANY, "Tessaly", wxPoint(50, 50), wxSize(300, 200));
        preview->SetClientSize(300, 200);
        const int number = Registry::instance().addWindow(preview);
        shell->setPreviewWindow(number);
        shell->adoptWindow(preview);
        preview->Show();
        pumpUntil([&] { return preview->IsShownOnScreen(); });
        pumpFor(50);
        return preview;
    }
    wxString status() { return control(kStatusLine)->GetLabel(); }
};

TEST_F(ShortcutTest, EscapeInTheMainWindowQuitsAndKeepsTheClipboard) {
    startEmpty();
    focusIn(shell->mainWindow(), control(kNameField));
    press(WXK_ESCAPE);
    EXPECT_TRUE(pumpUntil([&] { return ended; }));
    EXPECT_EQ(memory.kept, 1);
    EXPECT_TRUE(edits.calls.empty());
}

TEST_F(ShortcutTest, ClosingTheMainWindowQuits) {
    startShell(std::string());
    shell->mainWindow()->Close();
    EXPECT_TRUE(pumpUntil([&] { return ended; }));
    EXPECT_EQ(memory.kept, 1);
}

TEST_F(ShortcutTest, NudgeShortcutsReachThePagesWhileATextFieldHasTheFocus) {
    startEmpty();
    focusIn(shell->mainWindow(), control(kXField));
    const struct {
        int key, modifiers;
    } keys[] = {{WXK_UP, wxMOD_CONTROL},   {WXK_DOWN, wxMOD_CONTROL}, {WXK_RIGHT, wxMOD_CONTROL},
                {WXK_LEFT, wxMOD_CONTROL}, {WXK_UP, wxMOD_ALT},       {WXK_DOWN, wxMOD_ALT},
                {WXK_RIGHT, wxMOD_ALT},    {WXK_LEFT, wxMOD_ALT}};
    std::vector<std::string> expected;
    for (int item = 1; item <= 8; ++item) {
        press(keys[item - 1].key, keys[item - 1].modifiers);
        expected.insert(expected.end(), {"nudge " + std::to_string(item), "write", "apply"});
    }
    EXPECT_EQ(edits.calls, expected);
    EXPECT_FALSE(ended);
    // The keys did not reach the field as text or caret moves that changed it.
    EXPECT_EQ(control(kXField)->GetLabel(), "");
}

TEST_F(ShortcutTest, EscapeInThePreviewWindowDoesNothing) {
    startEmpty();
    wxFrame* preview = openPreviewWindow();
    shell->installShortcuts(preview);
    auto* button = new wxButton(preview, wxID_ANY, "OK", wxPoint(10, 10), wxSize(80, 30));
    focusIn(preview, button);
    press(WXK_ESCAPE);
    EXPECT_FALSE(ended);
    EXPECT_TRUE(edits.calls.empty());
    press(WXK_RIGHT, wxMOD_CONTROL);
    EXPECT_EQ(edits.calls, (std::vector<std::string>{"nudge 3", "write", "apply"}));
    // Closing the preview window ends the program.
    preview->Close();
    EXPECT_TRUE(pumpUntil([&] { return ended; }));
}

TEST_F(ShortcutTest, HoverFollowsTheMainWindowBeforeAnyPreviewExists) {
    startShell(std::string());
    wxFrame* frame = shell->mainWindow();
    const wxPoint origin = frame->ClientToScreen(wxPoint(0, 0));
    EXPECT_TRUE(shell->hoverAt(origin.x + 10, origin.y + 20));
    EXPECT_EQ(status(), " X: 10 / Y: 20");
    EXPECT_FALSE(shell->hoverAt(origin.x + 10, origin.y + 20));  // still: no work
    EXPECT_TRUE(shell->hoverAt(origin.x + 11, origin.y + 20));
    EXPECT_EQ(status(), " X: 11 / Y: 20");
    EXPECT_TRUE(shell->hoverAt(origin.x - 1, origin.y + 20));
    EXPECT_EQ(status(), " X: -1 / Y: -1");
}

TEST_F(ShortcutTest, HoverNamesTheGadgetUnderThePointerInThePreview) {
    startShell(std::string());
    wxFrame* preview = openPreviewWindow();
    auto* button = new wxButton(preview, wxID_ANY, "OK", wxPoint(40, 30), wxSize(80, 30));
    const int32_t number = Registry::instance().addControl(button);
    sElement& e = shell->elements().append();
    e.Sort = kSortGadget;
    e.Gadget = number;
    e.Index = 4;
    e.Parameters.push_back({"#Gadget", "#Button_OK", kTypePlain, 1});
    pumpFor(50);
    const wxPoint origin = preview->ClientToScreen(wxPoint(0, 0));
    EXPECT_TRUE(shell->hoverAt(origin.x + 50, origin.y + 35));
    EXPECT_EQ(status(), " X: 50 / Y: 35 - #Button_OK");
    EXPECT_EQ(shell->hover().index, 4);
    EXPECT_TRUE(shell->hoverAt(origin.x + 5, origin.y + 5));
    EXPECT_EQ(status(), " X: 5 / Y: 5");
    EXPECT_EQ(shell->hover().index, -1);
}

TEST_F(ShortcutTest, ClickingAGadgetInTheActivePreviewSelectsItsElement) {
    startShell(
        std::string("ButtonGadget(#A, 1, 2, 3, 4, \"a\")\n"
                    "ButtonGadget(#B, 1, 2, 3, 4, \"b\")\n"));
    wxFrame* preview = openPreviewWindow();
    auto* button = new wxButton(preview, wxID_ANY, "B", wxPoint(40, 30), wxSize(80, 30));
    shell->elements()[1].Gadget = Registry::instance().addControl(button);
    focusIn(preview, button);
    edits.calls.clear();
    wxUIActionSimulator sim;
    sim.MouseMove(button->ClientToScreen(wxPoint(20, 10)));
    pumpFor(60);
    sim.MouseClick();
    EXPECT_TRUE(pumpUntil([&] { return !edits.calls.empty(); }));
    EXPECT_EQ(edits.calls, (std::vector<std::string>{"show 1"}));
    EXPECT_EQ(static_cast<wxChoice*>(control(kPicker))->GetSelection(), 1);
    EXPECT_EQ(status(), " X: 60 / Y: 40 - #B");
    // A press on the window's background, over no gadget, selects nothing.
    edits.calls.clear();
    EXPECT_FALSE(shell->selectAt(preview->ClientToScreen(wxPoint(5, 150)).x,
                                 preview->ClientToScreen(wxPoint(5, 150)).y));
    EXPECT_TRUE(edits.calls.empty());
}

TEST_F(ShortcutTest, TheTimerWritesThePointerPositionOverTheActiveWindow) {
    startShell(std::string());
    focusIn(shell->mainWindow(), control(kNameField));
    const wxPoint target = shell->mainWindow()->ClientToScreen(wxPoint(30, 40));
    wxUIActionSimulator sim;
    sim.MouseMove(target);
    EXPECT_TRUE(pumpUntil([&] { return status() == " X: 30 / Y: 40"; }));
}

TEST_F(ShortcutTest, ChoosingInThePickerShowsTheElementAndFocusesTheNameField) {
    startShell(
        std::string("OpenWindow(#W, 0, 0, 100, 100, \"T\")\n"
                    "ButtonGadget(#A, 1, 2, 3, 4, \"a\")\n"
                    "ButtonGadget(#B, 1, 2, 3, 4, \"b\")\n"));
    EXPECT_EQ(edits.calls, (std::vector<std::string>{"reset", "show 0"}));
    focusIn(shell->mainWindow(), control(kCopyButton));
    auto* picker = static_cast<wxChoice*>(control(kPicker));
    picker->SetSelection(2);
    wxCommandEvent choice(wxEVT_CHOICE, picker->GetId());
    choice.SetEventObject(picker);
    choice.SetInt(2);
    picker->GetEventHandler()->ProcessEvent(choice);
    EXPECT_EQ(edits.calls.back(), "show 2");
    EXPECT_TRUE(pumpUntil([&] { return wxWindow::FindFocus() == control(kNameField); }));
}

TEST_F(ShortcutTest, TabSelectionSwitchesThePages) {
    startShell(std::string());
    shell->showPageOfTab("Flags");
    EXPECT_FALSE(control(kParametersPage)->IsShown());
    EXPECT_TRUE(control(kFlagsPage)->IsShown());
    shell->showPageOfTab("Something else");
    EXPECT_TRUE(control(kFlagsPage)->IsShown());
    shell->showPageOfTab("Parameters");
    EXPECT_TRUE(control(kParametersPage)->IsShown());
    EXPECT_FALSE(control(kFlagsPage)->IsShown());
}

TEST_F(ShortcutTest, AReadingDestroysOnlyPreviewControls) {
    startShell(std::string());
    shell->destroyGadget(kCodeView);
    shell->destroyGadget(0);
    EXPECT_NE(control(kCodeView), nullptr);
    EXPECT_NE(control(kPicker), nullptr);
    auto* extra = new wxButton(shell->mainWindow(), wxID_ANY, "x");
    const int32_t number = Registry::instance().addControl(extra);
    shell->destroyGadget(number);
    EXPECT_FALSE(Registry::instance().isLiveControl(number));
}

TEST_F(ShortcutTest, EditorUpdatePutsTheCodeOnTheClipboardPastesAndQuits) {
    memory.text = "ButtonGadget(1, 2, 3, 4, 5, \"Old\")";
    startShell(std::nullopt, nullptr, "77");
    EXPECT_EQ(memory.text, "");  // emptied before the editor's copy, which the fake does not do
    shell->readCode("ButtonGadget(1, 2, 3, 4, 5)");
    // The variable is read again at IDE Update and its value used.
    editorVariable = "$58";
    shell->ideUpdate();
    EXPECT_EQ(editor.calls, (std::vector<std::string>{"copy 77", "paste 88"}));
    EXPECT_EQ(memory.text, "ButtonGadget(1, 2, 3, 4, 5)");
    EXPECT_TRUE(ended);
}

TEST_F(ShortcutTest, EditorUpdateDoesNothingOnceTheVariableReadsZero) {
    startShell(std::nullopt, nullptr, "77");
    editorVariable = "";
    shell->ideUpdate();
    EXPECT_EQ(editor.calls, (std::vector<std::string>{"copy 77"}));
    EXPECT_FALSE(ended);
}

TEST_F(ShortcutTest, AnEditorHandleWithoutAWayToReachTheEditorKeepsTheClipboardMode) {
    editor.reachable = false;
    memory.text = "ButtonGadget(1, 2, 3, 4, 5, \"Kept\")";
    startShell(std::nullopt, nullptr, "77");
    EXPECT_TRUE(editor.calls.empty());
    EXPECT_EQ(memory.text, "ButtonGadget(1, 2, 3, 4, 5, \"Kept\")");  // not emptied
    EXPECT_TRUE(control(kPasteButton)->IsShown());
    EXPECT_FALSE(control(kIdeUpdateButton)->IsShown());
    EXPECT_EQ(dynamic_cast<wxTextCtrl*>(control(kCodeView))->GetValue(),
              "ButtonGadget(1, 2, 3, 4, 5, \"Kept\")");
    shell->ideUpdate();
    EXPECT_FALSE(ended);
}

}  // namespace
}  // namespace tessaly::test
