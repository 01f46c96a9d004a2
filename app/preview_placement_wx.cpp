#include "app/preview_placement_wx.h"

#include <wx/display.h>
#include <wx/time.h>
#include <wx/utils.h>

#include "app/window_placement.h"

namespace tessaly {

namespace {

// How long the window manager may take to answer a placement with moves of its own.
constexpr int kSettleMs = 1500;

Rect rectOf(const wxRect& r) {
    return {r.x, r.y, r.width, r.height};
}

wxRect desktopOf(const wxWindow* window) {
    const int display = wxDisplay::GetFromWindow(window);
    return display == wxNOT_FOUND ? wxGetClientDisplayRect()
                                  : wxDisplay(unsigned(display)).GetClientArea();
}

}  // namespace

void PreviewPlacer::beforeReading(wxTopLevelWindow* preview) {
    before_.reset();
    if (preview && preview == window_) before_ = preview->GetPosition();
    settleUntil_ = wxGetLocalTimeMillis() + kSettleMs;
}

void PreviewPlacer::watch(wxTopLevelWindow* preview) {
    if (preview == window_) return;
    window_ = preview;
    userMoved_ = false;
    // A move long after our own placement is the user's: that window then keeps its place.
    preview->Bind(wxEVT_MOVE, [this, preview](wxMoveEvent& event) {
        if (preview == window_ && wxGetLocalTimeMillis() > settleUntil_) userMoved_ = true;
        event.Skip();
    });
}

void PreviewPlacer::afterReading(wxTopLevelWindow* main, wxTopLevelWindow* preview) {
    if (!main || !preview || preview == main) return;
    watch(preview);
    if (userMoved_ && before_) preview->Move(*before_);
    settleUntil_ = wxGetLocalTimeMillis() + kSettleMs;
    place(main, preview);
    // The frames' sizes are known once the window manager has framed them.
    preview->CallAfter([this, main, preview] {
        if (preview == window_) place(main, preview);
    });
}

void PreviewPlacer::place(wxTopLevelWindow* main, wxTopLevelWindow* preview) {
    const Rect desktop = rectOf(desktopOf(preview));
    const Rect m = rectOf(main->GetScreenRect());
    const Rect p = rectOf(preview->GetScreenRect());
    const WindowPlacement placed =
        placeWindows(desktop, m, p, !userMoved_, isCentredOn(desktop, p));
    settleUntil_ = wxGetLocalTimeMillis() + kSettleMs;
    if (!(placed.preview == p)) preview->Move(placed.preview.x, placed.preview.y);
    if (!(placed.main == m)) main->Move(placed.main.x, placed.main.y);
}

}  // namespace tessaly
