// Left-button presses on the preview reach the selection, wherever they land in it.
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include "form/preview_press_wx.h"
#include "preview_support.h"

#include <gtest/gtest.h>

namespace tessaly::test {
namespace {

// Sends a press to a control the way the toolkit does: through its event handler chain.
void press(wxWindow* w, wxEventType type = wxEVT_LEFT_DOWN) {
    wxMouseEvent event(type);
    event.SetEventObject(w);
    w->GetEventHandler()->ProcessEvent(event);
}

TEST(PreviewPressFilter, PressesOnThePreviewAndItsNestedControlsAreSeen) {
    auto* preview = new wxFrame(nullptr, wxID_ANY, "preview");
    auto* box = new wxPanel(preview, wxID_ANY);
    auto* nested = new wxButton(box, wxID_ANY, "nested");
    auto* other = new wxFrame(nullptr, wxID_ANY, "main");
    auto* otherButton = new wxButton(other, wxID_ANY, "main button");
    int presses = 0;
    {
        PreviewPressFilter filter([preview] { return preview; }, [&presses] { ++presses; });
        press(nested);
        EXPECT_EQ(presses, 1);
        press(preview);  // the window's own background
        EXPECT_EQ(presses, 2);
        press(otherButton);               // another window
        press(nested, wxEVT_LEFT_UP);     // not a press
        press(nested, wxEVT_RIGHT_DOWN);  // another button
        EXPECT_EQ(presses, 2);
    }
    press(nested);  // the filter is gone with its object
    EXPECT_EQ(presses, 2);
    preview->Destroy();
    other->Destroy();
    processPending();
}

TEST(PreviewPressFilter, WithoutAPreviewWindowNothingIsSelected) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "main");
    int presses = 0;
    PreviewPressFilter filter([] { return nullptr; }, [&presses] { ++presses; });
    press(frame);
    EXPECT_EQ(presses, 0);
    frame->Destroy();
    processPending();
}

}  // namespace
}  // namespace tessaly::test
