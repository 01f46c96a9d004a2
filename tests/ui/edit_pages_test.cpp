// The Parameters and Flags pages inside the program: commits, focus colours, nudges and the
// preview following them, with the real shell, pages, writer and preview.
#include <wx/choice.h>
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include "ui/main_controls.h"
#include "ui/registry_wx.h"
#include "ui/utf8_wx.h"
#include "ui_support.h"

namespace tessaly::test {
namespace {

using namespace main_window;

constexpr const char* kForm =
    "; the form\r\n"
    "OpenWindow(#W, 10, 10, 400, 300, \"Form\")\r\n"
    "ButtonGadget(#A, 10, 10, 100, 30, \"A\")\r\n"
    "  ButtonGadget(btn, 10, 50, 100, 30, \"B\", #PB_Button_Toggle | #Mine) ; keep me\r\n"
    "last line\r\n";

class EditPagesTest : public ShellTest {
  protected:
    void SetUp() override {
        realPages = true;
        startShell(std::string(kForm));
        preview()->Move(0, 0);
        shell->mainWindow()->Move(420, 0);
        pumpFor(50);
    }
    wxFrame* preview() {
        return dynamic_cast<wxFrame*>(Registry::instance().window(shell->previewWindow()));
    }
    wxTextCtrl* field(int number) { return static_cast<wxTextCtrl*>(control(number)); }
    std::string code() { return fromWx(static_cast<wxTextCtrl*>(control(kCodeView))->GetValue()); }
    wxWindow* gadget(int listIndex) { return control(shell->elements()[listIndex].Gadget); }
    // The rectangle the selection frame's bars cover beside a control, empty when there is none.
    wxRect selectionFrameAround(wxWindow* w) {
        wxRect covered;
        for (wxWindow* sibling : w->GetParent()->GetChildren()) {
            if (sibling->GetBackgroundColour() == wxColour(255, 0, 160) && sibling->IsShown()) {
                covered =
                    covered.IsEmpty() ? sibling->GetRect() : covered.Union(sibling->GetRect());
            }
        }
        return covered;
    }
    // Chooses a picker entry as the user does: the element is shown, the name field focused.
    void choose(int entry) {
        auto* picker = static_cast<wxChoice*>(control(kPicker));
        picker->SetSelection(entry);
        wxCommandEvent event(wxEVT_CHOICE, picker->GetId());
        event.SetEventObject(picker);
        picker->GetEventHandler()->ProcessEvent(event);
        shell->mainWindow()->Raise();
        pumpUntil([&] { return wxWindow::FindFocus() == control(kNameField); });
    }
    // Types into a field and leaves it for another, as Tab would.
    void typeAndLeave(int number, const char* text, int next) {
        field(number)->SetFocus();
        ASSERT_TRUE(pumpUntil([&] { return wxWindow::FindFocus() == control(number); }));
        field(number)->ChangeValue(text);
        control(next)->SetFocus();
        ASSERT_TRUE(pumpUntil([&] { return wxWindow::FindFocus() == control(next); }));
    }
};

TEST_F(EditPagesTest, ACommitRewritesExactlyOneLineAndTheControlFollows) {
    choose(1);  // #A
    EXPECT_EQ(field(kWidthField)->GetValue(), "100");
    field(kWidthField)->SetFocus();
    ASSERT_TRUE(pumpUntil([&] { return wxWindow::FindFocus() == control(kWidthField); }));
    EXPECT_EQ(field(kWidthField)->GetBackgroundColour(), wxColour(209, 209, 209));
    field(kWidthField)->ChangeValue("150");
    control(kXField)->SetFocus();
    ASSERT_TRUE(pumpUntil([&] { return wxWindow::FindFocus() == control(kXField); }));
    EXPECT_EQ(field(kWidthField)->GetBackgroundColour(), wxColour(252, 252, 252));

    std::string expected = kForm;
    const std::string before = "ButtonGadget(#A, 10, 10, 100, 30, \"A\")";
    expected.replace(expected.find(before), before.size(),
                     "ButtonGadget(#A, 10, 10, 150, 30, \"A\")");
    EXPECT_EQ(code(), expected);
    EXPECT_EQ(gadget(1)->GetSize().x, 150);
    EXPECT_EQ(gadget(1)->GetPosition(), wxPoint(10, 10));
}

TEST_F(EditPagesTest, LookingAtAnElementChangesNothing) {
    choose(2);  // btn: an identifier that normalising would turn into #btn
    EXPECT_EQ(field(kNameField)->GetValue(), "btn");
    control(kXField)->SetFocus();
    pumpUntil([&] { return wxWindow::FindFocus() == control(kXField); });
    choose(1);
    EXPECT_EQ(code(), kForm);
}

TEST_F(EditPagesTest, TheNameFieldCommitsTheIdentifierAndThePickerEntry) {
    choose(2);
    typeAndLeave(kNameField, "", kXField);
    EXPECT_NE(code().find("  ButtonGadget(#PB_Any, 10, 50, 100, 30, \"B\", "
                          "#PB_Button_Toggle | #Mine) ; keep me\r\n"),
              std::string::npos);
    EXPECT_EQ(field(kNameField)->GetValue(), "#PB_Any");
    EXPECT_EQ(Registry::instance().data(kAnyNumberSwitch), 1);
    EXPECT_EQ(static_cast<wxChoice*>(control(kPicker))->GetStringSelection(),
              "#PB_Any :: ButtonGadget");
}

TEST_F(EditPagesTest, NudgesMoveThePreviewControlByOnePixel) {
    choose(1);
    shell->onShortcut(kWindow, 3);  // Ctrl+Right
    shell->onShortcut(kWindow, 6);  // Alt+Down
    EXPECT_EQ(gadget(1)->GetPosition(), wxPoint(11, 10));
    EXPECT_EQ(gadget(1)->GetSize(), wxSize(100, 31));
    EXPECT_NE(code().find("\r\nButtonGadget(#A, 11, 10, 100, 31, \"A\")\r\n"), std::string::npos);
    // The frame follows, 2 pixels around the control; the code view shows the line.
    EXPECT_EQ(selectionFrameAround(gadget(1)), wxRect(9, 8, 104, 35));
    EXPECT_EQ(static_cast<wxTextCtrl*>(control(kCodeView))->GetStringSelection(),
              "ButtonGadget(#A, 11, 10, 100, 31, \"A\")");
    EXPECT_EQ(field(kXField)->GetValue(), "11");
}

TEST_F(EditPagesTest, TheWindowElementResizesThePreviewWindowWithoutMovingIt) {
    choose(0);
    const wxPoint place = preview()->GetPosition();
    typeAndLeave(kWidthField, "360", kFirstParameterField);
    typeAndLeave(kXField, "200", kYField);
    EXPECT_EQ(preview()->GetClientSize(), wxSize(360, 300));
    EXPECT_EQ(preview()->GetPosition(), place);
    EXPECT_NE(code().find("OpenWindow(#W, 200, 10, 360, 300, \"Form\")"), std::string::npos);
}

TEST_F(EditPagesTest, TickingAFlagRewritesTheFlagsAndKeepsTheUsersOwn) {
    choose(2);
    auto* flags = static_cast<wxListCtrl*>(control(kFlagList));
    ASSERT_EQ(flags->GetItemCount(), 5);
    EXPECT_TRUE(flags->IsItemChecked(4));  // #PB_Button_Toggle
    EXPECT_EQ(code(), kForm);              // filling the list changed nothing
    flags->CheckItem(2, true);             // #PB_Button_Default
    // The line's own " | " stays the separator.
    EXPECT_NE(code().find("#PB_Button_Default | #PB_Button_Toggle | #Mine) ; keep me"),
              std::string::npos);
}

TEST_F(EditPagesTest, UndoAndRedoRestoreLinePreviewAndPages) {
    choose(1);
    shell->onShortcut(kWindow, 3);  // Ctrl+Right twice: one step
    shell->onShortcut(kWindow, 3);
    typeAndLeave(kWidthField, "120", kXField);
    EXPECT_NE(code().find("ButtonGadget(#A, 12, 10, 120, 30"), std::string::npos);
    shell->onShortcut(kWindow, 9);  // Ctrl+Z: the width
    EXPECT_NE(code().find("ButtonGadget(#A, 12, 10, 100, 30"), std::string::npos);
    EXPECT_EQ(gadget(1)->GetSize().x, 100);
    EXPECT_EQ(field(kWidthField)->GetValue(), "100");
    shell->onShortcut(kWindow, 9);  // the two nudges: the line exactly as it was read
    EXPECT_EQ(code(), kForm);
    EXPECT_EQ(gadget(1)->GetPosition(), wxPoint(10, 10));
    shell->onShortcut(kWindow, 10);  // Ctrl+Y
    EXPECT_EQ(gadget(1)->GetPosition(), wxPoint(12, 10));
    shell->onShortcut(kWindow, 9);
    shell->onShortcut(kWindow, 3);  // a nudge after an undo starts from what the undo restored
    EXPECT_EQ(gadget(1)->GetPosition(), wxPoint(11, 10));
    EXPECT_NE(code().find("ButtonGadget(#A, 11, 10, 100, 30"), std::string::npos);

    // A name commit comes back with its switch and picker entry, a flag change with its ticks.
    choose(2);
    typeAndLeave(kNameField, "", kXField);
    auto* flags = static_cast<wxListCtrl*>(control(kFlagList));
    flags->CheckItem(2, true);
    EXPECT_NE(code().find("ButtonGadget(#PB_Any, 10, 50, 100, 30, \"B\", #PB_Button_Default | "),
              std::string::npos);
    shell->onShortcut(kWindow, 9);
    EXPECT_FALSE(flags->IsItemChecked(2));
    EXPECT_NE(code().find("ButtonGadget(#PB_Any, 10, 50, 100, 30, \"B\", #PB_Button_Toggle | "),
              std::string::npos);
    shell->onShortcut(kWindow, 9);
    EXPECT_NE(code().find("  ButtonGadget(btn, 10, 50, 100, 30"), std::string::npos);
    EXPECT_EQ(field(kNameField)->GetValue(), "btn");
    EXPECT_EQ(Registry::instance().data(kAnyNumberSwitch), 0);
    EXPECT_EQ(static_cast<wxChoice*>(control(kPicker))->GetStringSelection(),
              "btn :: ButtonGadget");

    // A Paste is a step too: undo brings back the code before it and reads it.
    const std::string before = code();
    memory.text = "ButtonGadget(#Z, 1, 2, 3, 4, \"Z\")\n";
    shell->paste();
    shell->onShortcut(kWindow, 9);
    EXPECT_EQ(code(), before);
    EXPECT_EQ(static_cast<wxChoice*>(control(kPicker))->GetCount(), 3u);
}

TEST_F(EditPagesTest, ATextTooLongForItsFieldIsShownNotEditedAndNeverWritten) {
    const std::string text = "StringGadget(#S, 1, 2, 3, 4, \"" + std::string(70000, 'x') + "\")";
    shell->readCode("OpenWindow(#W, 0, 0, 200, 100, \"T\")\n" + text + "\n");
    choose(1);
    EXPECT_FALSE(field(kFirstParameterField)->IsEditable());
    choose(0);  // looking changes nothing, whatever the toolkit cut
    EXPECT_EQ(code(), "OpenWindow(#W, 0, 0, 200, 100, \"T\")\n" + text + "\n");
}

}  // namespace
}  // namespace tessaly::test
