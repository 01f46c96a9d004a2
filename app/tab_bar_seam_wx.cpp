// Stand-in for the self-drawn tab bar: a plain canvas of the tab bar's place and size, so the
// main window has its final layout. The Parameters page is shown and no tab can be chosen yet.
#include "app/tab_bar_seam_wx.h"

#include "app/main_layout.h"

namespace tessaly {

void fillTabBarDefaults(const wxColour& /*windowBackground*/) {}

wxWindow* createMainTabBar(wxWindow* parent, const wxFont& font,
                           std::function<void(const wxString&)> /*onSelectionChanged*/) {
    const Rect r = findControlDesign(main_window::kTabBar)->rect;
    auto* canvas =
        new wxWindow(parent, wxID_ANY, wxPoint(r.x, r.y), wxSize(r.width, r.height), wxBORDER_NONE);
    canvas->SetFont(font);
    canvas->SetBackgroundColour(parent->GetBackgroundColour());
    return canvas;
}

void setFlagsTabDisabled(bool /*disabled*/) {}

}  // namespace tessaly
