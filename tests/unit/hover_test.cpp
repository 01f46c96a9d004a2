#include "app/hover.h"

#include <gtest/gtest.h>

#include <map>

namespace tessaly {
namespace {

sElement& addGadget(ElementList& list, int32_t gadget, int32_t index, const char* name,
                    int32_t sort = kSortGadget) {
    sElement& e = list.append();
    e.Gadget = gadget;
    e.Index = index;
    e.Sort = sort;
    e.Parameters.push_back({"#Gadget", name, kTypePlain, 1});
    return e;
}

struct Fixture {
    ElementList list;
    std::map<int32_t, Rect> rects;
    int calls = 0;
    GadgetRect rectOf() {
        return [this](int32_t g) -> std::optional<Rect> {
            ++calls;
            const auto it = rects.find(g);
            if (it == rects.end()) return std::nullopt;
            return it->second;
        };
    }
};

TEST(Hover, ClippingOutsideTheClientAreaGivesMinusOneForBoth) {
    const struct {
        int32_t x, y, ex, ey;
    } cases[] = {{0, 0, 0, 0},     {99, 49, 99, 49}, {100, 10, -1, -1},
                 {10, 50, -1, -1}, {-1, 10, -1, -1}, {10, -5, -1, -1}};
    for (const auto& c : cases) {
        int32_t x = c.x;
        int32_t y = c.y;
        clipToClient(x, y, 100, 50);
        EXPECT_EQ(x, c.ex) << c.x << "," << c.y;
        EXPECT_EQ(y, c.ey) << c.x << "," << c.y;
    }
}

TEST(Hover, LastHitInListOrderWinsAndEdgesCount) {
    Fixture f;
    addGadget(f.list, 100001, 1, "#Container");
    addGadget(f.list, 100002, 2, "#Button");
    f.rects[100001] = {10, 10, 100, 100};
    f.rects[100002] = {20, 20, 30, 10};
    HoverState s;
    EXPECT_TRUE(updateHover(s, 50, 30, f.list, f.rectOf()));
    EXPECT_EQ(s.name, "#Button");
    EXPECT_EQ(s.index, 2);
    EXPECT_TRUE(updateHover(s, 110, 110, f.list, f.rectOf()));  // right-bottom edge included
    EXPECT_EQ(s.name, "#Container");
    EXPECT_TRUE(updateHover(s, 111, 110, f.list, f.rectOf()));
    EXPECT_EQ(s.name, "");
    EXPECT_EQ(s.index, -1);
}

TEST(Hover, StillPointerDoesNoWork) {
    Fixture f;
    addGadget(f.list, 100001, 0, "#A");
    f.rects[100001] = {0, 0, 10, 10};
    HoverState s;
    ASSERT_TRUE(updateHover(s, 5, 5, f.list, f.rectOf()));
    const int callsAfterFirst = f.calls;
    EXPECT_FALSE(updateHover(s, 5, 5, f.list, f.rectOf()));
    EXPECT_EQ(f.calls, callsAfterFirst);
    EXPECT_TRUE(updateHover(s, 6, 5, f.list, f.rectOf()));
}

TEST(Hover, StartPositionIsZeroZeroSoTheFirstUpdateThereIsNoWork) {
    Fixture f;
    HoverState s;
    EXPECT_FALSE(updateHover(s, 0, 0, f.list, f.rectOf()));
}

TEST(Hover, SkipsNonGadgetsDeadControlsAndZeroNumbersAndKeepsTheCurrentElement) {
    Fixture f;
    addGadget(f.list, 100001, 0, "#Window", kSortWindow);
    addGadget(f.list, 0, 1, "#NoControl");
    addGadget(f.list, 100003, 2, "#Dead");
    addGadget(f.list, 100004, 3, "#Item", kSortPositional);
    for (int32_t g : {100001, 100004}) f.rects[g] = {0, 0, 50, 50};
    f.list.select(2);
    HoverState s;
    EXPECT_TRUE(updateHover(s, 5, 5, f.list, f.rectOf()));
    EXPECT_EQ(s.index, -1);
    EXPECT_EQ(f.list.currentIndex(), 2);
}

TEST(Hover, StatusLineText) {
    EXPECT_EQ(statusLineText(0, 0, ""), " X: 0 / Y: 0");
    EXPECT_EQ(statusLineText(-1, -1, ""), " X: -1 / Y: -1");
    EXPECT_EQ(statusLineText(12, 345, "#Button_OK"), " X: 12 / Y: 345 - #Button_OK");
}

TEST(Hover, OutsideTheClientAreaNothingIsHoveredEvenAtNegativePlaces) {
    Fixture f;
    addGadget(f.list, 100001, 3, "#Off");
    f.rects[100001] = {-10, -10, 30, 30};  // covers -1/-1
    HoverState s;
    EXPECT_TRUE(updateHover(s, 5, 5, f.list, f.rectOf()));
    EXPECT_EQ(s.index, 3);
    EXPECT_TRUE(updateHover(s, -1, -1, f.list, f.rectOf()));
    EXPECT_EQ(s.index, -1);
    EXPECT_EQ(s.name, "");
}

TEST(Hover, ForgettingMakesTheSamePlaceScanAgain) {
    Fixture f;
    addGadget(f.list, 100001, 0, "#Old");
    f.rects[100001] = {0, 0, 10, 10};
    HoverState s;
    EXPECT_TRUE(updateHover(s, 5, 5, f.list, f.rectOf()));
    forgetHover(s);
    EXPECT_EQ(s.index, -1);
    EXPECT_EQ(s.name, "");
    f.list[0].Parameters[0].Value = "#New";  // a new reading at the same place
    EXPECT_TRUE(updateHover(s, 5, 5, f.list, f.rectOf()));
    EXPECT_EQ(s.name, "#New");
}

}  // namespace
}  // namespace tessaly
