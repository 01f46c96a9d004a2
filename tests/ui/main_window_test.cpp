#include <wx/button.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tooltip.h>
#include <wx/valtext.h>

#include "app/main_layout.h"
#include "ui_support.h"

namespace tessaly::test {
namespace {

using namespace main_window;

struct Expected {
    int32_t number;
    int32_t parent;  // -1 window, else page number
    int x, y, w, h;
    const char* text;
    const char* tip;
    bool shown;
};

// The main window as a user sees it right after start-up.
const Expected kControls[] = {
    {0, -1, 5, 10, 285, 24, "", "", true},
    {1, -1, 5, 42, 285, 28, "", "", true},
    {2, -1, 5, 70, 285, 490, "", "", true},
    {3, -1, 5, 70, 285, 490, "", "", false},
    {4, -1, 660, 573, 130, 20, "Tessaly, built by us", "", true},
    {5, 2, 10, 40, 100, 20, "", "", true},
    {6, 2, 10, 65, 100, 20, "", "", true},
    {7, 2, 10, 90, 100, 20, "", "", true},
    {8, 2, 10, 115, 100, 20, "", "", true},
    {9, 2, 10, 140, 100, 20, "", "", true},
    {10, 2, 10, 165, 100, 20, "", "", true},
    {11, 2, 10, 190, 100, 20, "", "", true},
    {12, 2, 10, 215, 100, 20, "", "", true},
    {13, 2, 10, 240, 100, 20, "", "", true},
    {14, 2, 10, 265, 100, 20, "", "", true},
    {15, 2, 120, 40, 100, 22, "", "", true},
    {16, 2, 120, 65, 100, 22, "", "", true},
    {17, 2, 120, 90, 100, 22, "", "", true},
    {18, 2, 120, 115, 100, 22, "", "", true},
    {19, 2, 120, 140, 100, 22, "", "", true},
    {20, 2, 120, 165, 100, 22, "", "", true},
    {21, 2, 120, 190, 100, 22, "", "", true},
    {22, 2, 120, 215, 100, 22, "", "", true},
    {23, 2, 120, 240, 100, 22, "", "", true},
    {24, 2, 120, 265, 100, 22, "", "", true},
    {25, 2, 225, 45, 15, 15, "", "#Pb_Any Yes or No", true},
    {26, -1, 295, 10, 500, 550, "", "", true},
    {27, -1, 190, 575, 15, 15, "", "View code Yes or No", true},
    {28, -1, 210, 573, 80, 20, "View code", "", true},
    {29, -1, 5, 570, 80, 22, "Paste", "Paste your code from memory", true},
    {30, -1, 90, 570, 80, 22, "Copy", "Copy your code to memory (Needless to select)", true},
    {31, -1, 5, 570, 80, 22, "IDE Update", "Update the selected code IDE", false},
    {32, 3, 0, 0, 285, 490, "", "", true},
    {33, 2, 0, 467, 285, 20, " X: 0 / Y: 0", "", true},
    {34, 2, 225, 170, 15, 15, "",
     "Ticked: written as a text in quotes. Unticked: written as code, as typed (a variable, a "
     "constant, an expression)",
     false},
};

wxString textOf(wxWindow* w) {
    if (auto* t = dynamic_cast<wxTextCtrl*>(w)) return t->GetValue();
    if (dynamic_cast<wxChoice*>(w) || dynamic_cast<wxPanel*>(w)) return {};
    return w->GetLabel();
}

wxString tipOf(wxWindow* w) {
    return w->GetToolTip() ? w->GetToolTip()->GetTip() : wxString();
}

class MainWindowTest : public ShellTest {};

TEST_F(MainWindowTest, EveryControlHasItsNumberPlaceTextTipAndVisibility) {
    startShell(std::string());
    for (const Expected& e : kControls) {
        SCOPED_TRACE("control " + std::to_string(e.number));
        wxWindow* w = control(e.number);
        ASSERT_NE(w, nullptr);
        wxWindow* parent = e.parent < 0 ? shell->mainWindow() : control(e.parent);
        EXPECT_EQ(w->GetParent(), parent);
        EXPECT_EQ(w->GetPosition(), wxPoint(e.x, e.y));
        EXPECT_EQ(w->GetSize(), wxSize(e.w, e.h));
        if (e.number != kStatusLine) {
            EXPECT_EQ(textOf(w), wxString::FromUTF8(e.text));
        }
        EXPECT_EQ(tipOf(w), wxString::FromUTF8(e.tip));
        EXPECT_EQ(w->IsShown(), e.shown);
    }
    EXPECT_EQ(statusAtStart, " X: 0 / Y: 0");
    EXPECT_EQ(control(35), nullptr);
}

TEST_F(MainWindowTest, KindsAndSettingsOfTheControls) {
    startShell(std::string());
    EXPECT_NE(dynamic_cast<wxChoice*>(control(kPicker)), nullptr);
    for (int32_t page : {kParametersPage, kFlagsPage}) {
        EXPECT_NE(dynamic_cast<wxPanel*>(control(page)), nullptr);
        EXPECT_TRUE(control(page)->HasFlag(wxBORDER_SIMPLE));
    }
    for (int32_t n = kFirstParameterLabel; n < kFirstParameterLabel + 10; ++n) {
        EXPECT_NE(dynamic_cast<wxStaticText*>(control(n)), nullptr) << n;
    }
    for (int32_t n = kNameField; n <= kFirstParameterField + 4; ++n) {
        auto* field = dynamic_cast<wxTextCtrl*>(control(n));
        ASSERT_NE(field, nullptr) << n;
        EXPECT_FALSE(field->IsMultiLine());
        // Positions take expressions and signs: no field filters what is typed.
        EXPECT_EQ(dynamic_cast<wxTextValidator*>(field->GetValidator()), nullptr) << n;
    }
    auto* code = dynamic_cast<wxTextCtrl*>(control(kCodeView));
    ASSERT_NE(code, nullptr);
    EXPECT_TRUE(code->IsMultiLine());
    EXPECT_FALSE(code->IsEditable());
    EXPECT_TRUE(code->HasFlag(wxTE_DONTWRAP));
    auto* flags = dynamic_cast<wxListCtrl*>(control(kFlagList));
    ASSERT_NE(flags, nullptr);
    EXPECT_TRUE(flags->InReportView());
    EXPECT_TRUE(flags->HasCheckBoxes());
    EXPECT_FALSE(flags->HasFlag(wxLC_SINGLE_SEL));
    ASSERT_EQ(flags->GetColumnCount(), 1);
    wxListItem column;
    column.SetMask(wxLIST_MASK_TEXT | wxLIST_MASK_WIDTH);
    flags->GetColumn(0, column);
    EXPECT_EQ(column.GetText(), "Flag(s)");
    EXPECT_EQ(column.GetWidth(), 280);
    for (int32_t n : {kPasteButton, kCopyButton, kIdeUpdateButton}) {
        EXPECT_NE(dynamic_cast<wxButton*>(control(n)), nullptr) << n;
    }
}

TEST_F(MainWindowTest, UserDataOfFieldsAndSwitches) {
    startShell(std::string());
    const Registry& r = Registry::instance();
    EXPECT_EQ(r.data(kNameField), 0);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(r.data(kXField + k), 1 + k);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(r.data(kFirstParameterField + k), 5 + k);
    EXPECT_EQ(r.data(kAnyNumberSwitch), 0);
    EXPECT_EQ(r.data(kViewCodeSwitch), 1);
}

TEST_F(MainWindowTest, ColoursOfWindowPagesLabelsFieldsAndCodeView) {
    startShell(std::string());
    const wxColour window(203, 203, 203), page(218, 218, 218), quiet(116, 116, 116),
        field(252, 252, 252), fieldText(83, 83, 83);
    EXPECT_EQ(shell->mainWindow()->GetBackgroundColour(), window);
    for (int32_t n : {kParametersPage, kFlagsPage})
        EXPECT_EQ(control(n)->GetBackgroundColour(), page);
    for (int32_t n = kFirstParameterLabel; n < kFirstParameterLabel + 10; ++n) {
        EXPECT_EQ(control(n)->GetForegroundColour(), quiet) << n;
        EXPECT_EQ(control(n)->GetBackgroundColour(), page) << n;
    }
    for (int32_t n = kNameField; n <= kFirstParameterField + 4; ++n) {
        EXPECT_EQ(control(n)->GetForegroundColour(), fieldText) << n;
        EXPECT_EQ(control(n)->GetBackgroundColour(), field) << n;
    }
    for (int32_t n : {kViewCodeLabel, kCreditLabel}) {
        EXPECT_EQ(control(n)->GetForegroundColour(), quiet) << n;
        EXPECT_EQ(control(n)->GetBackgroundColour(), window) << n;
    }
    EXPECT_EQ(control(kCodeView)->GetForegroundColour(), quiet);
    EXPECT_EQ(control(kCodeView)->GetBackgroundColour(), field);
}

TEST_F(MainWindowTest, WindowTitleSizeMinimumStaysOnTopAndFont) {
    startShell(std::string());
    wxFrame* frame = shell->mainWindow();
    EXPECT_EQ(Registry::instance().window(kWindow), frame);
    EXPECT_EQ(frame->GetTitle(), "Tessaly 0.87");
    EXPECT_EQ(frame->GetClientSize(), wxSize(800, 600));
    EXPECT_EQ(frame->GetMinClientSize(), wxSize(295, 400));
    // Shrunk as far as it goes, the inner size is the minimum, decorations and all.
    frame->SetSize(100, 100);
    pumpUntil([&] { return frame->GetClientSize().x < 800; });
    pumpFor(100);
    EXPECT_EQ(frame->GetClientSize(), wxSize(295, 400));
    frame->SetClientSize(800, 600);
    pumpUntil([&] { return frame->GetClientSize() == wxSize(800, 600); });
    EXPECT_TRUE(frame->HasFlag(wxSTAY_ON_TOP));
    EXPECT_TRUE(frame->HasFlag(wxRESIZE_BORDER));
    EXPECT_TRUE(frame->HasFlag(wxMAXIMIZE_BOX));
    EXPECT_TRUE(frame->HasFlag(wxMINIMIZE_BOX));
    // Centred on the screen, give or take the window manager's frame.
    const wxRect screen = wxGetClientDisplayRect();
    const wxRect outer = frame->GetScreenRect();
    EXPECT_NEAR(outer.x + outer.width / 2, screen.x + screen.width / 2, 20);
    EXPECT_NEAR(outer.y + outer.height / 2, screen.y + screen.height / 2, 40);

    const int points = fontPointSize(wxGetDisplayPPI().y);
    for (int32_t n :
         {kPicker, kFirstParameterLabel, kNameField, kXField, kStatusLine, kFlagList, kPasteButton,
          kCopyButton, kIdeUpdateButton, kViewCodeLabel, kCodeView, kCreditLabel}) {
        EXPECT_EQ(control(n)->GetFont().GetFaceName(), "Arial") << n;
        EXPECT_EQ(control(n)->GetFont().GetPointSize(), points) << n;
    }
}

TEST_F(MainWindowTest, CreditLineFitsItsBox) {
    startShell(std::string());
    const wxSize extent = control(kCreditLabel)->GetTextExtent(control(kCreditLabel)->GetLabel());
    EXPECT_LE(extent.x, 130);
    EXPECT_LE(extent.y, 20);
}

}  // namespace
}  // namespace tessaly::test
