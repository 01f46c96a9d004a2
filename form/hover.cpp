#include "form/hover.h"

namespace tessaly {

PointerPosition clientPointer(int32_t x, int32_t y, int32_t width, int32_t height) {
    if (x < 0 || y < 0 || x >= width || y >= height) return {-1, -1};
    return {x, y};
}

HoverHit hoverScan(const ElementList& list, PointerPosition pointer, const GadgetRectOf& rectOf) {
    HoverHit hit;
    if (pointer == PointerPosition{-1, -1}) return hit;
    for (const sElement& e : list) {
        if (e.Sort != kSortGadget || e.Gadget == 0) continue;
        const std::optional<GadgetRect> r = rectOf(e.Gadget);
        if (!r) continue;
        if (pointer.x >= r->left && pointer.x <= r->left + r->width && pointer.y >= r->top &&
            pointer.y <= r->top + r->height) {
            hit.index = e.Index;
            hit.name = e.Parameters.empty() ? std::string() : e.Parameters.front().Value;
        }
    }
    return hit;
}

std::string hoverStatusText(PointerPosition pointer, std::string_view name) {
    std::string text = " X: " + std::to_string(pointer.x) + " / Y: " + std::to_string(pointer.y);
    if (!name.empty()) {
        text += " - ";
        text += name;
    }
    return text;
}

void HoverTracker::forget() {
    known_ = false;
    hovered_ = HoverHit{};
}

std::optional<std::string> HoverTracker::update(PointerPosition pointer, const ElementList& list,
                                                const GadgetRectOf& rectOf) {
    if (known_ && pointer == last_) return std::nullopt;
    known_ = true;
    last_ = pointer;
    hovered_ = hoverScan(list, pointer, rectOf);
    return hoverStatusText(pointer, hovered_.name);
}

}  // namespace tessaly
