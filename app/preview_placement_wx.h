#pragma once

#include <wx/gdicmn.h>
#include <wx/longlong.h>
#include <wx/toplevel.h>

#include <optional>

namespace tessaly {

// Keeps the preview window in sight beside the main window, which stays on top of it: places both
// after every reading (see placeWindows), and leaves a preview window the user has moved where
// the user put it. The shell owns one and calls it around each reading.
class PreviewPlacer {
  public:
    // Before a reading: notes where the preview window is now.
    void beforeReading(wxTopLevelWindow* preview);
    // After a reading: puts a preview window the user had moved back where it was, then places
    // the main window (and, when the user has not moved it, the preview) so that it hides as
    // little of the preview as the desktop allows. Once more when the window manager has framed
    // the windows, whose frame sizes are only guessed before.
    void afterReading(wxTopLevelWindow* main, wxTopLevelWindow* preview);

  private:
    void place(wxTopLevelWindow* main, wxTopLevelWindow* preview, bool previewMayMove);

    wxTopLevelWindow* window_ = nullptr;  // the preview window placed last
    std::optional<wxPoint> before_;       // where it was when the reading started
    std::optional<wxPoint> placedAt_;     // where the program put it last
    bool userMoved_ = false;
    wxLongLong settleUntil_ = 0;  // until then the window manager may still be framing it
};

}  // namespace tessaly
