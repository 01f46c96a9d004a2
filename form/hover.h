#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "form/model.h"

namespace tessaly {

// A control's rectangle as its own parent reports it: position relative to that parent, outer size.
struct GadgetRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// The rectangle of a live control, nothing for a number that names no live control.
using GadgetRectOf = std::function<std::optional<GadgetRect>(int32_t gadget)>;

struct PointerPosition {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const PointerPosition&) const = default;
};

// The pointer relative to a client area of width x height: both coordinates -1 when the pointer
// is left of or above it, or at or beyond its width or height.
PointerPosition clientPointer(int32_t x, int32_t y, int32_t width, int32_t height);

// The gadget under the pointer: picker index and identifier, -1 and empty when none.
struct HoverHit {
    int32_t index = -1;
    std::string name;
};

// Walks the whole list; every gadget element with a live control whose rectangle holds (x, y),
// edges included, is a hit, and the last hit in list order wins (a gadget inside a container
// comes after the container). A pointer outside the client area (-1, -1) hits nothing.
HoverHit hoverScan(const ElementList& list, PointerPosition pointer, const GadgetRectOf& rectOf);

// The status line: " X: x / Y: y", then " - name" when a gadget is hovered.
std::string hoverStatusText(PointerPosition pointer, std::string_view name);

// Hover state between two polls: the last pointer position and what lay under it.
class HoverTracker {
  public:
    // Scans when the pointer moved since the last call and returns the new status text;
    // returns nothing when it stands still (no status update is due).
    std::optional<std::string> update(PointerPosition pointer, const ElementList& list,
                                      const GadgetRectOf& rectOf);
    // Drops what was hovered and the last position, so the next update scans again. Called after
    // a reading: the old picker indices are gone.
    void forget();
    const HoverHit& hovered() const { return hovered_; }
    PointerPosition lastPointer() const { return last_; }

  private:
    PointerPosition last_;  // the status line starts as " X: 0 / Y: 0"
    bool known_ = true;
    HoverHit hovered_;
};

}  // namespace tessaly
