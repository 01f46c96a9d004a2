#include "app/preview_placement_wx.h"

#include <wx/display.h>
#include <wx/time.h>
#include <wx/utils.h>

#include <cstdlib>

#include "app/window_placement.h"

namespace tessaly {

namespace {

// How far from where the program put it a window must be to count as moved by the user: the
// window manager may shift a window a little as it frames it.
constexpr int kMoveTolerance = 12;
// How long after a reading the window manager's framing of the windows is waited for.
constexpr int kSettleMs = 2000;

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
        // The frame's size is known only once the window manager has framed the window, which
        // it reports as a size or a move: the placement is looked at again then.
        const auto again = [this, main, preview](wxEvent& event) {
            if (preview == window_ && wxGetLocalTimeMillis() < settleUntil_) {
                preview->CallAfter([this, main, preview] {
                    // Only the main window moves now: the positions these events report may
                    // lag behind the moves asked for.
                    if (preview == window_) place(main, preview, false);
                });
            }
            event.Skip();
        };
        preview->Bind(wxEVT_SIZE, again);
        preview->Bind(wxEVT_MOVE, again);
    }
    if (userMoved_ && before_) preview->Move(*before_);
    settleUntil_ = wxGetLocalTimeMillis() + kSettleMs;
    place(main, preview, !userMoved_);
    placedAt_ = preview->GetPosition();
}

void PreviewPlacer::place(wxTopLevelWindow* main, wxTopLevelWindow* preview, bool previewMayMove) {
    const Rect desktop = rectOf(desktopOf(preview));
    const Rect m = rectOf(main->GetScreenRect());
    const Rect p = rectOf(preview->GetScreenRect());
    const WindowPlacement placed =
        placeWindows(desktop, m, p, previewMayMove, isCentredOn(desktop, p));
    if (!(placed.main == m)) main->Move(placed.main.x, placed.main.y);
    if (!(placed.preview == p)) preview->Move(placed.preview.x, placed.preview.y);
}

}  // namespace tessaly
