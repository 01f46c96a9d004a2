#pragma once

#include <wx/font.h>
#include <wx/window.h>

#include <functional>
#include <string>

#include "tabbar/tabbar_canvas_wx.h"

namespace tessaly {

// Start-up: fills the shared tab bar defaults from the system's button colours (made opaque)
// and the toolkit's default control font. Call once, before any tab bar exists.
void initTabBarDefaults();

// Builds the main window's tab bar, control 1 at (5, 42, 285 x 28) in parent: sets the
// defaults' BackColor to the window background first, then creates the bar with BaseLine,
// the font, MinTabLength 139, tabs "Parameters" and "Flags" in grey 153 with black text, tab 0
// selected. onSelectionChanged gets the newly selected tab's text each time the user selects
// another tab.
TabBarCanvas* createMainWindowTabBar(
    wxWindow* parent, const wxFont& font,
    std::function<void(const std::string& tabText)> onSelectionChanged);

// Disables or enables the "Flags" tab of control 1 (the reader's call).
void setMainFlagsTabDisabled(bool disabled);

// Ctrl+Tab (step 1) and Ctrl+Shift+Tab (step -1): selects the next or previous enabled tab of
// control 1, going round, and returns its text; empty when no other tab can be selected.
std::string stepMainTab(int step);

}  // namespace tessaly
