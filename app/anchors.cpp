#include "app/anchors.h"

namespace tessaly {

void AnchorTable::anchor(int32_t window, int32_t gadget, Rect rect, int32_t windowWidth,
                         int32_t windowHeight, uint8_t lockLeft, uint8_t lockTop, uint8_t lockRight,
                         uint8_t lockBottom) {
    AnchorEntry& e = entries_.emplace_back();
    e.window = window;
    e.gadget = gadget;
    e.left = rect.x;
    e.top = rect.y;
    e.rightMargin = windowWidth - rect.x - rect.width;
    e.bottomMargin = windowHeight - rect.y - rect.height;
    e.width = rect.width;
    e.height = rect.height;
    e.lockLeft = lockLeft;
    e.lockTop = lockTop;
    e.lockRight = lockRight;
    e.lockBottom = lockBottom;
}

std::vector<AnchorPlacement> AnchorTable::relay(int32_t window, int32_t width,
                                                int32_t height) const {
    std::vector<AnchorPlacement> out;
    for (const AnchorEntry& e : entries_) {
        if (e.window != window) continue;
        AnchorPlacement& p = out.emplace_back();
        p.gadget = e.gadget;
        // Unlocked on both sides of an axis, a control follows the far edge with its size.
        p.x = width - e.rightMargin - e.width;
        p.y = height - e.bottomMargin - e.height;
        if (e.lockLeft == 1) p.x = e.left;
        if (e.lockTop == 1) p.y = e.top;
        if (e.lockRight == 1) p.width = width - p.x - e.rightMargin;
        if (e.lockBottom == 1) p.height = height - p.y - e.bottomMargin;
    }
    return out;
}

}  // namespace tessaly
