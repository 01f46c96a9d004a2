#pragma once

class wxWindow;

namespace tessaly {

// Lets a drop-down list be as low as the layout asks. GTK themes give combo boxes more inner
// padding than a 24-pixel box holds, which cuts the bottom off the selected entry's text; this
// drops that padding for this one control. Does nothing on toolkits that size controls as asked.
void makeCompact(wxWindow* dropDown);

}  // namespace tessaly
