#pragma once

#include <wx/font.h>

#include "tabbar/tabbar_model.h"

namespace tessaly {

// The tab bars' fonts by handle: the core keeps handles, the window layer the fonts.
// Returns the handle of an equal font already known, or of a newly kept copy (handles from 1).
FontHandle tabBarFontHandle(const wxFont& font);

// The font of a handle; the toolkit's default control font for a handle it does not know.
wxFont tabBarFont(FontHandle handle);

}  // namespace tessaly
