#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "app/anchors.h"
#include "form/model.h"

namespace tessaly {

// What the pointer is over, as the last hover update found it.
struct HoverState {
    int32_t lastX = 0;
    int32_t lastY = 0;
    int32_t index = -1;  // picker index of the hovered gadget, -1 for none
    std::string name;    // its identifier as written in the code, empty for none
};

// A control's rectangle in the preview window's client area, or nothing when the number names no
// live control or the control cannot be seen.
using GadgetRect = std::function<std::optional<Rect>(int32_t gadget)>;

// The pointer position relative to a client area of width x height: both -1 when it lies
// outside (left of or above it, or at or beyond its width or height).
void clipToClient(int32_t& x, int32_t& y, int32_t width, int32_t height);

// One hover update for the pointer at (x, y) (already clipped). Returns false and does nothing
// when the pointer has not moved; otherwise stores the position, finds the last gadget element
// in list order whose rectangle holds the point (edges included) and returns true. The list's
// current element is left as it was.
bool updateHover(HoverState& state, int32_t x, int32_t y, ElementList& list,
                 const GadgetRect& rectOf);

// Drops what was hovered and the last position, so that the next update scans again: after a
// reading the picker indices of the last hover name other elements.
void forgetHover(HoverState& state);

// The status line for a pointer position and hovered name: " X: x / Y: y" and " - name".
std::string statusLineText(int32_t x, int32_t y, const std::string& name);

}  // namespace tessaly
