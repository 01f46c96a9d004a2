#include "edit/drag.h"

#include <gtest/gtest.h>

#include "form/model.h"

namespace tessaly {
namespace {

DragScene scene(Box start, std::vector<Box> siblings = {}) {
    DragScene s;
    s.start = start;
    s.bounds = Box{0, 0, 400, 300};
    s.siblings = std::move(siblings);
    return s;
}

TEST(DragHandles, CentredOnFrameCornersAndEdgesCornersWin) {
    const Box control{100, 50, 80, 20};
    const auto boxes = handleBoxes(control, 2);
    EXPECT_EQ(boxes[int(Handle::TopLeft)], (Box{96, 46, 7, 7}));       // centre 99, 49
    EXPECT_EQ(boxes[int(Handle::Right)], (Box{178, 57, 7, 7}));        // centre 181, 60
    EXPECT_EQ(boxes[int(Handle::BottomRight)], (Box{178, 68, 7, 7}));  // centre 181, 71
    EXPECT_EQ(handleAt(control, 2, 181, 71), Handle::BottomRight);
    EXPECT_EQ(handleAt(control, 2, 140, 48), Handle::Top);
    EXPECT_EQ(handleAt(control, 2, 140, 60), Handle::None);  // inside: a move, not a handle
    // On a control smaller than a handle the corners overlap the edges' handles and win.
    EXPECT_EQ(handleAt(Box{10, 10, 4, 4}, 2, 9, 9), Handle::TopLeft);
}

TEST(DragMove, PressOnlyBecomesADragBeyondTheThreshold) {
    EXPECT_FALSE(beyondThreshold(4, -4));
    EXPECT_TRUE(beyondThreshold(5, 0));
    EXPECT_TRUE(beyondThreshold(0, -5));
}

TEST(DragMove, GridGuidesShiftAndBounds) {
    const DragKeys grid = dragKeys(true, false, false);
    const DragKeys free = dragKeys(true, true, false);   // Alt held
    const DragKeys off = dragKeys(false, false, false);  // toggle off: guides still snap
    const DragKeys straight = dragKeys(true, false, true);
    const Box start{13, 20, 50, 20};  // off the grid: it lands on it once dragged
    const Box sibling{200, 100, 50, 30};
    const struct {
        const char* what;
        DragKeys keys;
        int pdx, pdy;
        int dx, dy;
        bool bounded = true;
    } cases[] = {
        {"grid: the corner lands on a 10-pixel line", grid, 40, 61, 37, 60},
        {"negative places round to the nearest line", grid, -30, -16, -33, -20, false},
        {"Alt suspends the grid", free, 40, 61, 40, 61},
        {"grid off", off, 40, 50, 40, 50},
        {"Shift keeps the larger axis", straight, 40, 12, 37, 0},
        {"Shift, vertical", straight, 3, -30, 0, -30, false},
        {"left edge within reach of the sibling's left", grid, 184, 0, 187, 0},
        {"guide beats grid: centre on centre", grid, 188, 4, 187, 0},
        {"the parent's edge stops the move", grid, -100, 500, -13, 260},
    };
    for (const auto& c : cases) {
        const DragScene s = scene(start, {sibling});
        DeltaRange range;
        if (c.bounded) limitToBounds(range, start, s.bounds);
        const MoveResult r = dragMove(s, c.pdx, c.pdy, c.keys, range);
        EXPECT_EQ(r.dx, c.dx) << c.what;
        EXPECT_EQ(r.dy, c.dy) << c.what;
    }
}

TEST(DragMove, GuidesShowSharedLinesOnceAndSpanBothBoxes) {
    const DragScene s = scene(Box{0, 0, 40, 20}, {Box{100, 200, 40, 10}, Box{100, 250, 60, 10}});
    const MoveResult r = dragMove(s, 98, 50, dragKeys(false, false, false), DeltaRange{});
    EXPECT_EQ(r.dx, 100);            // within reach of both siblings' left edges
    ASSERT_EQ(r.guides.size(), 3u);  // left edges (once), centres and right edges of the first
    EXPECT_EQ(r.guides[0], (Guide{true, 100, 50, 260}));
    EXPECT_EQ(r.guides[1], (Guide{true, 120, 50, 210}));
    EXPECT_EQ(r.guides[2], (Guide{true, 140, 50, 210}));
    // Alt: no snapping, no guides.
    EXPECT_TRUE(dragMove(s, 98, 50, dragKeys(true, true, false), DeltaRange{}).guides.empty());
}

TEST(DragMove, AGroupMovesByOneDeltaThatKeepsEveryMemberInside) {
    DeltaRange range;
    const Box bounds{0, 0, 400, 300};
    limitToBounds(range, Box{10, 10, 50, 20}, bounds);
    limitToBounds(range, Box{300, 250, 90, 40}, bounds);
    limitToBounds(range, Box{-20, 0, 50, 20}, bounds);  // beyond the edge already: may stay
    EXPECT_EQ(range.minDx, 0);
    EXPECT_EQ(range.maxDx, 10);
    EXPECT_EQ(range.minDy, 0);
    EXPECT_EQ(range.maxDy, 10);
}

TEST(DragResize, HandlesMoveTheirEdgesSnappedAndBounded) {
    const DragKeys grid = dragKeys(true, false, false);
    const Box start{20, 30, 100, 40};
    const struct {
        const char* what;
        Handle handle;
        int pdx, pdy;
        Box box;
    } cases[] = {
        {"a small pull rounds back", Handle::BottomRight, 4, 3, {20, 30, 100, 40}},
        {"bottom-right", Handle::BottomRight, 23, 12, {20, 30, 120, 50}},
        {"left edge keeps the right one", Handle::Left, -14, 99, {10, 30, 110, 40}},
        {"top edge", Handle::Top, 50, 12, {20, 40, 100, 30}},
        {"never below one pixel", Handle::Right, -500, 0, {20, 30, 1, 40}},
        {"never beyond the parent", Handle::BottomLeft, -100, 1000, {0, 30, 120, 270}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dragResize(scene(start), c.handle, c.pdx, c.pdy, grid).box, c.box) << c.what;
    }
    // Alt: the edge follows the pointer exactly.
    EXPECT_EQ(dragResize(scene(start), Handle::Right, 3, 0, dragKeys(true, true, false)).box,
              (Box{20, 30, 103, 40}));
}

sElement element(std::vector<std::string> values) {
    sElement e;
    for (std::string& v : values) e.Parameters.push_back({"", std::move(v), kTypePlain});
    return e;
}

TEST(DragTexts, DeltasOffsetTheValuesAsWritten) {
    const sElement e = element({"#B", "width - 110", "$10", "80", "#PB_Ignore"});
    auto texts = geometryTexts(e, 30, 6, 20, 0);
    ASSERT_TRUE(texts);
    EXPECT_EQ((*texts)[0], "width - 80");
    EXPECT_EQ((*texts)[1], "$16");
    EXPECT_EQ((*texts)[2], "100");
    EXPECT_FALSE((*texts)[3]);                                      // unchanged: not written
    EXPECT_FALSE(geometryTexts(e, 0, 0, 0, 5));                     // #PB_Ignore cannot be offset
    EXPECT_FALSE(geometryTexts(element({"#B", "1"}), 0, 1, 0, 0));  // no y entry
    texts = nudgeTexts(e, 8);                                       // Alt+Left: width - 1
    ASSERT_TRUE(texts);
    EXPECT_EQ((*texts)[2], "79");
}

TEST(DragSelection, CtrlTogglesBandReplacesFirstLeads) {
    SelectionSet s;
    s.selectOnly(4);
    s.toggle(7);
    s.toggle(2);
    EXPECT_EQ(s.members(), (std::vector<int32_t>{4, 7, 2}));
    s.toggle(4);
    EXPECT_EQ(s.first(), 7);
    EXPECT_TRUE(s.contains(2));
    EXPECT_FALSE(s.contains(4));
    s.replace({});  // a band around nothing keeps the selection
    EXPECT_EQ(s.size(), 2);
    s.replace({9, 10});
    EXPECT_EQ(s.members(), (std::vector<int32_t>{9, 10}));
}

}  // namespace
}  // namespace tessaly
