#include "app/preview_placement_wx.h"

#include <wx/display.h>
#include <wx/utils.h>

#include <cstdlib>

#include "app/window_placement.h"

namespace tessaly {

namespace {

// How far from where the program put it a window must be to count as moved by the user: the
// window manager may shift a window a little as it frames it.
constexpr int kMoveTolerance = 12;

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
    if (!preview || preview != window_) return;
    before_ = preview->GetPosition();
    // Somewhere else than where the program put it: the user moved it, and it keeps its place.
    if (placedAt_ && (std::abs(before_->x - placedAt_->x) > kMoveTolerance ||
                      std::abs(before_->y - placedAt_->y) > kMoveTolerance)) {
        userMoved_ = true;
    }
}

void PreviewPlacer::afterReading(wxTopLevelWindow* main, wxTopLevelWindow* preview) {
    if (!main || !preview || preview == main) return;
    if (preview != window_) {
        window_ = preview;
        userMoved_ = false;
        placedAt_.reset();
    }
    if (userMoved_ && before_) preview->Move(*before_);
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
    if (!(placed.preview == p)) preview->Move(placed.preview.x, placed.preview.y);
    if (!(placed.main == m)) main->Move(placed.main.x, placed.main.y);
    placedAt_ = preview->GetPosition();
}

}  // namespace tessaly
