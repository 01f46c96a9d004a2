#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace tessaly {

// A control's rectangle: position relative to its parent, outer size.
struct Rect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const Rect&) const = default;
};

// One registered control: where it was and how far it was from the window's right and bottom
// edges when it was registered, and which of its four edges keep their distance.
struct AnchorEntry {
    int32_t window = 0;
    int32_t gadget = 0;
    int32_t left = 0;
    int32_t top = 0;
    int32_t rightMargin = 0;
    int32_t bottomMargin = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint8_t lockLeft = 0;
    uint8_t lockTop = 0;
    uint8_t lockRight = 0;
    uint8_t lockBottom = 0;
};

// Where re-lay puts one control. A size stays as it is when it is not set; a set size may be
// zero or negative, which the window layer shows as no visible size.
struct AnchorPlacement {
    int32_t gadget = 0;
    int32_t x = 0;
    int32_t y = 0;
    std::optional<int32_t> width;
    std::optional<int32_t> height;
};

// The anchor table of the program's windows, in registration order. Pure arithmetic: the window
// layer measures controls and applies the placements.
class AnchorTable {
  public:
    void clear() { entries_.clear(); }

    // Appends an entry for a control measured at `rect` while its window's inner size is
    // windowWidth x windowHeight. A lock counts only when it is exactly 1.
    void anchor(int32_t window, int32_t gadget, Rect rect, int32_t windowWidth,
                int32_t windowHeight, uint8_t lockLeft, uint8_t lockTop, uint8_t lockRight,
                uint8_t lockBottom);

    // The new place of every control registered for `window`, in table order, for the inner
    // size width x height.
    std::vector<AnchorPlacement> relay(int32_t window, int32_t width, int32_t height) const;

    const std::vector<AnchorEntry>& entries() const { return entries_; }

  private:
    std::vector<AnchorEntry> entries_;
};

}  // namespace tessaly
