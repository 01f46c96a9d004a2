#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "form/model.h"

namespace tessaly {

// Direct manipulation in the preview, as arithmetic: where the handles of the selection frame
// lie, when a press becomes a drag, where a moved or resized gadget lands (grid, guides, the
// parent's bounds), which texts its line gets, and the set of selected elements. The window
// layer measures controls, feeds pointer positions in and moves controls by the results.

inline constexpr int32_t kDragThreshold = 4;  // pixels the pointer travels before a press drags
inline constexpr int32_t kGridStep = 10;
inline constexpr int32_t kGuideReach = 5;  // a line this close to a sibling's line snaps to it
inline constexpr int32_t kHandleSize = 7;  // side of a handle square
inline constexpr int32_t kMinDragSize = 1;

// A rectangle in one parent's coordinates (a control's place and outer size).
struct Box {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t right() const { return x + width; }
    int32_t bottom() const { return y + height; }
    bool contains(int32_t px, int32_t py) const {
        return px >= x && py >= y && px < right() && py < bottom();
    }
    bool encloses(const Box& b) const {
        return b.x >= x && b.y >= y && b.right() <= right() && b.bottom() <= bottom();
    }
    bool operator==(const Box&) const = default;
};

// The eight handles, clockwise from the top-left corner.
enum class Handle {
    None = -1,
    TopLeft,
    Top,
    TopRight,
    Right,
    BottomRight,
    Bottom,
    BottomLeft,
    Left
};
inline constexpr int kHandles = 8;

// The handle squares around a control's box, centred on the corners and edge midpoints of the
// selection frame (which lies `frame` pixels outside the box).
std::array<Box, kHandles> handleBoxes(const Box& control, int32_t frame);
// The handle at a point, Handle::None when there is none.
Handle handleAt(const Box& control, int32_t frame, int32_t px, int32_t py);

// True once the pointer has travelled far enough from the press to make it a drag.
bool beyondThreshold(int32_t dx, int32_t dy);

// A helper line shown while dragging: a vertical line at x = `at` or a horizontal one at y = `at`,
// from `from` to `to` along it (parent coordinates).
struct Guide {
    bool vertical = true;
    int32_t at = 0;
    int32_t from = 0;
    int32_t to = 0;
    bool operator==(const Guide&) const = default;
};

// How far a group may move: every member stays within its parent (a member already beyond an
// edge may stay there but not go further out).
struct DeltaRange {
    int32_t minDx = INT32_MIN / 2;
    int32_t maxDx = INT32_MAX / 2;
    int32_t minDy = INT32_MIN / 2;
    int32_t maxDy = INT32_MAX / 2;
};
// Narrows `range` to what keeps `box` within `bounds`.
void limitToBounds(DeltaRange& range, const Box& box, const Box& bounds);

// What a drag sees at its start, in the parent's coordinates of the gadget pressed.
struct DragScene {
    Box start;                  // the gadget pressed (or whose handle was pressed)
    Box bounds;                 // its parent's area
    std::vector<Box> siblings;  // the gadgets beside it that do not move
    int32_t gridOriginX = 0;    // where the code's 0 lies: the grid is counted from there
    int32_t gridOriginY = 0;
};

struct DragKeys {
    bool grid = true;       // snap to the grid (off by the toggle on the main window)
    bool guides = true;     // snap to the siblings' lines and show guides
    bool straight = false;  // Shift: only horizontal or only vertical
};
// Alt held suspends all snapping for as long as it is held.
DragKeys dragKeys(bool gridOn, bool alt, bool shift);

// A move: the delta that the group moves by and the guides to show.
struct MoveResult {
    int32_t dx = 0;
    int32_t dy = 0;
    std::vector<Guide> guides;
};
// The pointer moved by (pdx, pdy) since the press. Shift keeps the larger of the two; a line of
// the moved box near a sibling's line snaps to it, else the box's corner snaps to the grid; the
// result stays within `range`.
MoveResult dragMove(const DragScene& scene, int32_t pdx, int32_t pdy, const DragKeys& keys,
                    const DeltaRange& range);

// A resize by a handle: the new box and the guides. The edges the handle holds follow the pointer,
// snap like a move and stay within the bounds; the box keeps at least kMinDragSize a side.
struct ResizeResult {
    Box box;
    std::vector<Guide> guides;
};
ResizeResult dragResize(const DragScene& scene, Handle handle, int32_t pdx, int32_t pdy,
                        const DragKeys& keys);

// The new texts of x, y, width and height (entries 1..4) for a change of place and size by these
// deltas, offset as the programmer wrote them (see offsetExpression()); an entry that does not
// change has no new text. Nothing when an entry that changes cannot take it (missing, a window
// reference, #PB_Ignore, out of range).
using GeometryTexts = std::array<std::optional<std::string>, 4>;
std::optional<GeometryTexts> geometryTexts(const sElement& element, int32_t dx, int32_t dy,
                                           int32_t dw, int32_t dh);

// The new texts of a Ctrl/Alt+arrow nudge (shortcut items 1..8) of one element, as geometryTexts.
std::optional<GeometryTexts> nudgeTexts(const sElement& element, int32_t item);

// The selected elements by list index, in the order they were selected; the first is the one the
// pages show.
class SelectionSet {
  public:
    void selectOnly(int32_t element) { members_.assign(1, element); }
    void clear() { members_.clear(); }
    // Ctrl+click: adds the element, or removes it when it is selected already.
    void toggle(int32_t element);
    // The band's choice; an empty choice leaves the selection as it was.
    void replace(std::vector<int32_t> elements);
    bool contains(int32_t element) const;
    int32_t first() const { return members_.empty() ? -1 : members_.front(); }
    int32_t size() const { return int32_t(members_.size()); }
    const std::vector<int32_t>& members() const { return members_; }

  private:
    std::vector<int32_t> members_;
};

}  // namespace tessaly
