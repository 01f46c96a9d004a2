#pragma once

#include <cstdint>

#include "app/anchors.h"

namespace tessaly {

// Where the main window and the preview window go so that the main window, which stays on top,
// hides as little of the preview as it can. All rectangles are outer (frame) rectangles in screen
// pixels.
struct WindowPlacement {
    Rect main;
    Rect preview;
};

// Places the two windows on `desktop` (the work area). The rules, in order:
// - windows that do not overlap stay where they are;
// - the main window moves beside the preview (right, else left), then above or below it, where
//   the desktop has room for it there;
// - when the preview may move (the user has not moved it) and the desktop is wide (or tall)
//   enough for both, the preview moves as little as needed to make room; a centred preview is
//   centred again together with the main window;
// - otherwise the desktop is too small: the preview goes to the desktop's top-left corner (when
//   it may move) and the main window to the right or bottom edge, whichever leaves the preview's
//   title bar uncovered and more of the preview in sight.
// Pure; called by the shell after every reading.
WindowPlacement placeWindows(const Rect& desktop, const Rect& main, const Rect& preview,
                             bool previewMayMove, bool previewCentred);

// Whether the preview's rectangle is centred on the desktop (within a pixel or two of rounding),
// as a window of a centred window line is.
bool isCentredOn(const Rect& desktop, const Rect& window);

// The part of `window` that `cover` hides, in square pixels.
int64_t coveredArea(const Rect& window, const Rect& cover);

}  // namespace tessaly
