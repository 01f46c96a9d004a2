#pragma once

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/window.h>

#include <functional>

namespace tessaly {

// The shell's uses of the tab bar (control 1 of the main window), served by the self-drawn tab
// bar (tabbar/main_tab_bar_wx.h); the shell calls nothing else of it.

// Fills the shared tab bar defaults from the system colours, once at start-up. Their BackColor
// becomes the window background when the main window's bar is created.
void fillTabBarDefaults();

// Creates control 1 at (5, 42, 285 x 28) in the main window with tabs "Parameters" and "Flags",
// tab 0 selected. `onSelectionChanged` must be called with the newly selected tab's text
// whenever the user selects another tab. Returns the control; the caller registers it as
// control 1 and leaves its user data (Registry::data(1)) to the tab bar.
wxWindow* createMainTabBar(wxWindow* parent, const wxFont& font,
                           std::function<void(const wxString& tabText)> onSelectionChanged);

// Enables or disables the "Flags" tab (index 1) of control 1.
void setFlagsTabDisabled(bool disabled);

// Selects the next (step 1) or previous (step -1) enabled tab of control 1 and returns its text;
// empty when there is no other tab to go to.
wxString stepTab(int step);

}  // namespace tessaly
