#include "app/window_placement.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace tessaly {

namespace {

// Height of the strip at a window's top that holds its title bar.
constexpr int32_t kTitleStrip = 24;

int32_t right(const Rect& r) {
    return r.x + r.width;
}
int32_t bottom(const Rect& r) {
    return r.y + r.height;
}

// A coordinate that keeps a window of `size` inside [from, from + room) where it fits, else at
// `from`.
int32_t keepInside(int32_t value, int32_t size, int32_t from, int32_t room) {
    return std::max(from, std::min(value, from + room - size));
}

bool overlaps(const Rect& a, const Rect& b) {
    return coveredArea(a, b) > 0;
}

Rect at(Rect r, int32_t x, int32_t y) {
    r.x = x;
    r.y = y;
    return r;
}

// The main window beside (or above or below) the preview as it is, where the desktop has room.
std::optional<Rect> besidePreview(const Rect& d, const Rect& m, const Rect& p) {
    const int32_t y = keepInside(m.y, m.height, d.y, d.height);
    if (right(p) + m.width <= right(d)) return at(m, right(p), y);
    if (p.x - m.width >= d.x) return at(m, p.x - m.width, y);
    const int32_t x = keepInside(m.x, m.width, d.x, d.width);
    if (bottom(p) + m.height <= bottom(d)) return at(m, x, bottom(p));
    if (p.y - m.height >= d.y) return at(m, x, p.y - m.height);
    return std::nullopt;
}

// Side by side along one axis: the preview moves as little as it must (a centred one is centred
// with the main window), the main window goes next to it.
std::optional<WindowPlacement> makeRoom(const Rect& d, const Rect& m, const Rect& p, bool centred) {
    if (p.width + m.width <= d.width) {
        const int32_t py = keepInside(p.y, p.height, d.y, d.height);
        const int32_t my = keepInside(m.y, m.height, d.y, d.height);
        if (centred) {
            const int32_t left = d.x + (d.width - p.width - m.width) / 2;
            return WindowPlacement{at(m, left + p.width, my), at(p, left, py)};
        }
        const int32_t leftOfMain = right(d) - m.width - p.width;  // main on the right
        const int32_t rightOfMain = d.x + m.width;                // main on the left
        if (std::abs(p.x - leftOfMain) <= std::abs(rightOfMain - p.x)) {
            return WindowPlacement{at(m, right(d) - m.width, my), at(p, leftOfMain, py)};
        }
        return WindowPlacement{at(m, d.x, my), at(p, rightOfMain, py)};
    }
    if (p.height + m.height <= d.height) {
        const int32_t px = keepInside(p.x, p.width, d.x, d.width);
        const int32_t mx = keepInside(m.x, m.width, d.x, d.width);
        if (centred) {
            const int32_t top = d.y + (d.height - p.height - m.height) / 2;
            return WindowPlacement{at(m, mx, top + p.height), at(p, px, top)};
        }
        const int32_t aboveMain = bottom(d) - m.height - p.height;
        const int32_t belowMain = d.y + m.height;
        if (std::abs(p.y - aboveMain) <= std::abs(belowMain - p.y)) {
            return WindowPlacement{at(m, mx, bottom(d) - m.height), at(p, px, aboveMain)};
        }
        return WindowPlacement{at(m, mx, d.y), at(p, px, belowMain)};
    }
    return std::nullopt;
}

// How well a main window at `m` leaves `p` in sight: the title bar first, then the area.
int64_t sightScore(const Rect& p, const Rect& m) {
    const Rect title{p.x, p.y, p.width, std::min(kTitleStrip, p.height)};
    const bool titleFree = !overlaps(title, m);
    const int64_t area = int64_t(p.width) * p.height - coveredArea(p, m);
    return (titleFree ? (int64_t(1) << 40) : 0) + area;
}

}  // namespace

int64_t coveredArea(const Rect& window, const Rect& cover) {
    const int64_t w = int64_t(std::min(right(window), right(cover))) - std::max(window.x, cover.x);
    const int64_t h =
        int64_t(std::min(bottom(window), bottom(cover))) - std::max(window.y, cover.y);
    return w > 0 && h > 0 ? w * h : 0;
}

bool isCentredOn(const Rect& desktop, const Rect& window) {
    const int64_t dx =
        (2 * int64_t(window.x) + window.width) - (2 * int64_t(desktop.x) + desktop.width);
    const int64_t dy =
        (2 * int64_t(window.y) + window.height) - (2 * int64_t(desktop.y) + desktop.height);
    return std::abs(dx) <= 4 && std::abs(dy) <= 4;
}

WindowPlacement placeWindows(const Rect& desktop, const Rect& main, const Rect& preview,
                             bool previewMayMove, bool previewCentred) {
    if (!overlaps(main, preview)) return {main, preview};
    if (const std::optional<Rect> m = besidePreview(desktop, main, preview)) return {*m, preview};
    if (previewMayMove) {
        if (auto placed = makeRoom(desktop, main, preview, previewCentred)) return *placed;
    }
    // Too small for both: the preview in a corner, the main window at the edge that hides least.
    const Rect p = previewMayMove ? at(preview, desktop.x, desktop.y) : preview;
    const Rect candidates[] = {
        at(main, right(desktop) - main.width,
           keepInside(main.y, main.height, desktop.y, desktop.height)),
        at(main, keepInside(main.x, main.width, desktop.x, desktop.width),
           bottom(desktop) - main.height),
        at(main, desktop.x, keepInside(main.y, main.height, desktop.y, desktop.height)),
        at(main, keepInside(main.x, main.width, desktop.x, desktop.width), desktop.y),
    };
    Rect best = candidates[0];
    for (const Rect& c : candidates) {
        if (sightScore(p, c) > sightScore(p, best)) best = c;
    }
    return {best, p};
}

}  // namespace tessaly
