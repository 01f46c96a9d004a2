#pragma once

#include <wx/dc.h>
#include <wx/window.h>

#include <cstdint>

namespace tessaly {

// Draws the 14 x 14 check box centred in (x, y, width, height) into a DC that the caller holds
// open, pixel for pixel as checkBoxSteps() describes.
void drawCheckBox(wxDC& dc, int32_t x, int32_t y, int32_t width, int32_t height, bool ticked);

// Makes `canvas` a switch: it paints the check box over its whole area, ticked while the
// registry data of control `number` is 1. Call setSwitchState() to change it.
void makeSwitchCanvas(wxWindow* canvas, int32_t number);

// Stores the switch state (0 or 1) as the control's data and redraws it.
void setSwitchState(int32_t number, bool ticked);

}  // namespace tessaly
