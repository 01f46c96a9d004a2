#include "edit/drag.h"

#include <algorithm>
#include <cstdlib>

#include "edit/pages.h"
#include "form/expression.h"

namespace tessaly {

namespace {

// The three lines of a box along one axis: its near edge, its centre and its far edge.
std::array<int32_t, 3> linesOf(const Box& b, bool vertical) {
    return vertical ? std::array<int32_t, 3>{b.x, b.x + b.width / 2, b.right()}
                    : std::array<int32_t, 3>{b.y, b.y + b.height / 2, b.bottom()};
}

// The shift that brings one of `mine` onto the nearest sibling line within reach.
std::optional<int32_t> guideSnap(const std::array<int32_t, 3>& mine,
                                 const std::vector<Box>& siblings, bool vertical) {
    std::optional<int32_t> best;
    for (const Box& s : siblings) {
        for (const int32_t theirs : linesOf(s, vertical)) {
            for (const int32_t m : mine) {
                const int32_t d = theirs - m;
                if (std::abs(d) <= kGuideReach && (!best || std::abs(d) < std::abs(*best))) {
                    best = d;
                }
            }
        }
    }
    return best;
}

// The grid line nearest to v, counted from `origin`.
int32_t gridSnap(int32_t v, int32_t origin) {
    const int64_t rel = int64_t(v) - origin;
    const int64_t half = kGridStep / 2;
    const int64_t down =
        rel >= -half ? (rel + half) / kGridStep : -((-rel - half + kGridStep - 1) / kGridStep);
    return int32_t(down * kGridStep + origin);
}

// An edge at v after snapping: to a sibling's line within reach, else to the grid.
int32_t snapEdge(int32_t v, const std::vector<Box>& siblings, bool vertical, const DragKeys& keys,
                 int32_t origin) {
    if (keys.guides) {
        if (const auto d = guideSnap({v, v, v}, siblings, vertical)) return v + *d;
    }
    return keys.grid ? gridSnap(v, origin) : v;
}

// One guide per line of `box` that a sibling shares, spanning both.
std::vector<Guide> guidesFor(const Box& box, const std::vector<Box>& siblings) {
    std::vector<Guide> guides;
    for (const bool vertical : {true, false}) {
        for (const int32_t line : linesOf(box, vertical)) {
            Guide g{vertical, line, vertical ? box.y : box.x,
                    vertical ? box.bottom() : box.right()};
            bool shared = false;
            for (const Box& s : siblings) {
                const auto theirs = linesOf(s, vertical);
                if (std::find(theirs.begin(), theirs.end(), line) == theirs.end()) continue;
                shared = true;
                g.from = std::min(g.from, vertical ? s.y : s.x);
                g.to = std::max(g.to, vertical ? s.bottom() : s.right());
            }
            const bool known = std::any_of(guides.begin(), guides.end(), [&](const Guide& o) {
                return o.vertical == vertical && o.at == line;
            });
            if (shared && !known) guides.push_back(g);
        }
    }
    return guides;
}

}  // namespace

std::array<Box, kHandles> handleBoxes(const Box& control, int32_t frame) {
    const int32_t half = frame / 2;
    const int32_t xs[3] = {control.x - half - (frame % 2), control.x + control.width / 2,
                           control.right() + half};
    const int32_t ys[3] = {control.y - half - (frame % 2), control.y + control.height / 2,
                           control.bottom() + half};
    // Clockwise from the top-left corner, as Handle counts them.
    static constexpr int kCol[kHandles] = {0, 1, 2, 2, 2, 1, 0, 0};
    static constexpr int kRow[kHandles] = {0, 0, 0, 1, 2, 2, 2, 1};
    std::array<Box, kHandles> boxes;
    for (int h = 0; h < kHandles; ++h) {
        boxes[size_t(h)] = Box{xs[kCol[h]] - kHandleSize / 2, ys[kRow[h]] - kHandleSize / 2,
                               kHandleSize, kHandleSize};
    }
    return boxes;
}

Handle handleAt(const Box& control, int32_t frame, int32_t px, int32_t py) {
    const auto boxes = handleBoxes(control, frame);
    // Corners first: on a small control they overlap the edges' handles.
    for (const int h : {0, 2, 4, 6, 1, 3, 5, 7}) {
        if (boxes[size_t(h)].contains(px, py)) return Handle(h);
    }
    return Handle::None;
}

DragKeys dragKeys(bool gridOn, bool alt, bool shift) {
    return DragKeys{gridOn && !alt, !alt, shift};
}

bool beyondThreshold(int32_t dx, int32_t dy) {
    return std::abs(dx) > kDragThreshold || std::abs(dy) > kDragThreshold;
}

void limitToBounds(DeltaRange& range, const Box& box, const Box& bounds) {
    range.minDx = std::max(range.minDx, std::min(0, bounds.x - box.x));
    range.maxDx = std::min(range.maxDx, std::max(0, bounds.right() - box.right()));
    range.minDy = std::max(range.minDy, std::min(0, bounds.y - box.y));
    range.maxDy = std::min(range.maxDy, std::max(0, bounds.bottom() - box.bottom()));
}

MoveResult dragMove(const DragScene& scene, int32_t pdx, int32_t pdy, const DragKeys& keys,
                    const DeltaRange& range) {
    bool freeX = true;
    bool freeY = true;
    if (keys.straight) {
        (std::abs(pdx) >= std::abs(pdy) ? freeY : freeX) = false;
    }
    MoveResult r;
    const Box& s = scene.start;
    if (freeX) {
        r.dx = pdx;
        const Box moved{s.x + pdx, s.y, s.width, s.height};
        const auto snap =
            keys.guides ? guideSnap(linesOf(moved, true), scene.siblings, true) : std::nullopt;
        if (snap) {
            r.dx += *snap;
        } else if (keys.grid) {
            r.dx = gridSnap(s.x + pdx, scene.gridOriginX) - s.x;
        }
    }
    if (freeY) {
        r.dy = pdy;
        const Box moved{s.x, s.y + pdy, s.width, s.height};
        const auto snap =
            keys.guides ? guideSnap(linesOf(moved, false), scene.siblings, false) : std::nullopt;
        if (snap) {
            r.dy += *snap;
        } else if (keys.grid) {
            r.dy = gridSnap(s.y + pdy, scene.gridOriginY) - s.y;
        }
    }
    r.dx = std::clamp(r.dx, std::min(range.minDx, 0), std::max(range.maxDx, 0));
    r.dy = std::clamp(r.dy, std::min(range.minDy, 0), std::max(range.maxDy, 0));
    if (keys.guides) {
        r.guides = guidesFor(Box{s.x + r.dx, s.y + r.dy, s.width, s.height}, scene.siblings);
    }
    return r;
}

ResizeResult dragResize(const DragScene& scene, Handle handle, int32_t pdx, int32_t pdy,
                        const DragKeys& keys) {
    const Box& s = scene.start;
    const Box& b = scene.bounds;
    const int h = int(handle);
    const bool left = h == 0 || h == 6 || h == 7;
    const bool right = h == 2 || h == 3 || h == 4;
    const bool top = h == 0 || h == 1 || h == 2;
    const bool bottom = h == 4 || h == 5 || h == 6;
    int32_t x0 = s.x, x1 = s.right(), y0 = s.y, y1 = s.bottom();
    if (left) {
        x0 = snapEdge(s.x + pdx, scene.siblings, true, keys, scene.gridOriginX);
        x0 = std::clamp(x0, std::min(b.x, s.x), x1 - kMinDragSize);
    }
    if (right) {
        x1 = snapEdge(s.right() + pdx, scene.siblings, true, keys, scene.gridOriginX);
        x1 = std::clamp(x1, x0 + kMinDragSize, std::max(b.right(), s.right()));
    }
    if (top) {
        y0 = snapEdge(s.y + pdy, scene.siblings, false, keys, scene.gridOriginY);
        y0 = std::clamp(y0, std::min(b.y, s.y), y1 - kMinDragSize);
    }
    if (bottom) {
        y1 = snapEdge(s.bottom() + pdy, scene.siblings, false, keys, scene.gridOriginY);
        y1 = std::clamp(y1, y0 + kMinDragSize, std::max(b.bottom(), s.bottom()));
    }
    ResizeResult r;
    r.box = Box{x0, y0, x1 - x0, y1 - y0};
    if (keys.guides) r.guides = guidesFor(r.box, scene.siblings);
    return r;
}

std::optional<GeometryTexts> geometryTexts(const sElement& element, int32_t dx, int32_t dy,
                                           int32_t dw, int32_t dh) {
    const int32_t deltas[4] = {dx, dy, dw, dh};
    GeometryTexts texts;
    for (size_t k = 0; k < 4; ++k) {
        if (deltas[k] == 0) continue;
        const size_t position = k + 1;
        if (position >= element.Parameters.size()) return std::nullopt;
        const sParameter& entry = element.Parameters[position];
        if (isWindowReference(entry)) return std::nullopt;
        texts[k] = offsetExpression(entry.Value, deltas[k]);
        if (!texts[k]) return std::nullopt;
    }
    return texts;
}

std::optional<GeometryTexts> nudgeTexts(const sElement& element, int32_t item) {
    const std::optional<Nudge> n = nudgeOf(item);
    if (!n) return std::nullopt;
    int32_t d[4] = {0, 0, 0, 0};
    d[n->position - 1] = n->step;
    return geometryTexts(element, d[0], d[1], d[2], d[3]);
}

void SelectionSet::toggle(int32_t element) {
    const auto at = std::find(members_.begin(), members_.end(), element);
    if (at != members_.end()) {
        members_.erase(at);
    } else {
        members_.push_back(element);
    }
}

void SelectionSet::replace(std::vector<int32_t> elements) {
    if (!elements.empty()) members_ = std::move(elements);
}

bool SelectionSet::contains(int32_t element) const {
    return std::find(members_.begin(), members_.end(), element) != members_.end();
}

}  // namespace tessaly
