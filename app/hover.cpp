#include "app/hover.h"

#include "form/form_names.h"

#include <limits>

namespace tessaly {

void clipToClient(int32_t& x, int32_t& y, int32_t width, int32_t height) {
    if (x < 0 || y < 0 || x >= width || y >= height) x = y = -1;
}

bool updateHover(HoverState& state, int32_t x, int32_t y, ElementList& list,
                 const GadgetRect& rectOf) {
    if (x == state.lastX && y == state.lastY) return false;
    state.lastX = x;
    state.lastY = y;
    state.name.clear();
    state.index = -1;
    // Outside the client area nothing is hovered, even a gadget placed at negative coordinates.
    if (x == -1 && y == -1) return true;
    KeepCurrent keep(list);
    // No early exit: a gadget made later (one inside a container) wins over the container.
    for (const sElement& e : list) {
        if (e.Gadget == 0 || e.Sort != kSortGadget) continue;
        const std::optional<Rect> r = rectOf(e.Gadget);
        if (!r) continue;
        if (x < r->x || x > r->x + r->width || y < r->y || y > r->y + r->height) continue;
        state.name = elementName(e);
        state.index = e.Index;
    }
    return true;
}

void forgetHover(HoverState& state) {
    state = HoverState{};
    state.lastX = state.lastY = std::numeric_limits<int32_t>::min();
}

std::string statusLineText(int32_t x, int32_t y, const std::string& name) {
    std::string text = " X: " + std::to_string(x) + " / Y: " + std::to_string(y);
    if (!name.empty()) text += " - " + name;
    return text;
}

}  // namespace tessaly
