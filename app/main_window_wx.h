#pragma once

#include <wx/colour.h>
#include <wx/frame.h>

#include <functional>

#include "app/anchors.h"
#include "app/main_layout.h"

namespace tessaly {

inline wxColour toColour(Rgb c) {
    return wxColour(c.r, c.g, c.b);
}

// Builds window 0 with every control of the main window at its designed place, registers them
// under their fixed numbers, fills `anchors` anew (the window still has its designed size) and
// leaves the window shown. `onTabSelected` is handed to the tab bar.
wxFrame* buildMainWindow(AnchorTable& anchors,
                         std::function<void(const wxString& tabText)> onTabSelected);

// Moves and sizes the anchored controls of `window` for its current inner size. A computed
// size of zero or less hides the control (the toolkit cannot show it and would complain);
// it shows again once the size is positive.
void relayWindow(const AnchorTable& anchors, int32_t window);

}  // namespace tessaly
