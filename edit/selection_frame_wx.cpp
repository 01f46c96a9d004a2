#include "edit/selection_frame_wx.h"

#include <algorithm>
#include <cstdint>

#include <wx/toplevel.h>

namespace tessaly {

namespace {
constexpr int64_t kFar = 1 << 30;
}  // namespace

namespace {

const wxColour kFrameColour(255, 0, 160);

}  // namespace

void SelectionFrame::hide() {
    for (auto& bar : bars_) {
        if (bar) bar->Destroy();
        bar = nullptr;
    }
    control_ = nullptr;
}

void SelectionFrame::surround(wxWindow* control) {
    if (control == control_.get() && control) {
        follow();
        return;
    }
    hide();
    if (!control || control->IsTopLevel() || !control->GetParent()) return;
    control_ = control;
    for (auto& bar : bars_) {
        bar = new wxWindow(control->GetParent(), wxID_ANY, wxDefaultPosition, wxSize(1, 1),
                           wxBORDER_NONE);
        bar->SetBackgroundColour(kFrameColour);
        bar->Disable();  // a press on the frame goes to the window, as one beside the control
    }
    follow();
}

void SelectionFrame::follow() {
    wxWindow* control = control_.get();
    if (!control) {
        hide();
        return;
    }
    // In 64 bits and clamped to what a window can be placed at: a control at the far ends of the
    // coordinate range would make the frame's arithmetic overflow.
    const wxRect r = control->GetRect();
    const int64_t t = kThickness;
    const auto fit = [](int64_t v) { return int(std::clamp<int64_t>(v, -kFar, kFar)); };
    const int64_t x = r.x, y = r.y, w = r.width, h = r.height;
    const wxRect places[4] = {
        {fit(x - t), fit(y - t), fit(w + 2 * t), int(t)},  // top
        {fit(x - t), fit(y + h), fit(w + 2 * t), int(t)},  // bottom
        {fit(x - t), fit(y), int(t), fit(h)},              // left
        {fit(x + w), fit(y), int(t), fit(h)},              // right
    };
    for (size_t i = 0; i < bars_.size(); ++i) {
        if (!bars_[i]) continue;
        bars_[i]->SetSize(places[i]);
        bars_[i]->Show(control->IsShown());
        bars_[i]->Raise();
    }
}

}  // namespace tessaly
