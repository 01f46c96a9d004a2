#include "form/hover.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace tessaly {
namespace {

sElement gadget(const std::string& name, int32_t number, int32_t index,
                int32_t sort = kSortGadget) {
    sElement e;
    e.Sort = sort;
    e.Gadget = number;
    e.Index = index;
    e.Parameters.push_back(sParameter{"Gadget", name, 21, 1});
    return e;
}

struct Fixture {
    ElementList list;
    std::map<int32_t, GadgetRect> rects;
    GadgetRectOf rectOf() const {
        return [this](int32_t n) -> std::optional<GadgetRect> {
            const auto it = rects.find(n);
            if (it == rects.end()) return std::nullopt;
            return it->second;
        };
    }
};

TEST(ClientPointer, InsideKeepsTheValuesOutsideGivesMinusOneForBoth) {
    EXPECT_EQ(clientPointer(0, 0, 100, 50), (PointerPosition{0, 0}));
    EXPECT_EQ(clientPointer(99, 49, 100, 50), (PointerPosition{99, 49}));
    EXPECT_EQ(clientPointer(100, 10, 100, 50), (PointerPosition{-1, -1}));
    EXPECT_EQ(clientPointer(10, 50, 100, 50), (PointerPosition{-1, -1}));
    EXPECT_EQ(clientPointer(-1, 10, 100, 50), (PointerPosition{-1, -1}));
    EXPECT_EQ(clientPointer(10, -3, 100, 50), (PointerPosition{-1, -1}));
    EXPECT_EQ(clientPointer(0, 0, 0, 0), (PointerPosition{-1, -1}));
}

TEST(HoverScan, TheLastHitInListOrderWinsSoANestedGadgetBeatsItsContainer) {
    Fixture f;
    f.list.append() = gadget("#Window", 100000, 0, kSortWindow);
    f.list.append() = gadget("#Container", 100001, 1);
    f.list.append() = gadget("#Button", 100002, 2);
    f.rects[100000] = {0, 0, 800, 600};
    f.rects[100001] = {50, 50, 200, 100};
    // The button's rectangle is relative to the container and is compared as it stands.
    f.rects[100002] = {10, 10, 80, 60};
    HoverHit hit = hoverScan(f.list, {60, 60}, f.rectOf());
    EXPECT_EQ(hit.index, 2);
    EXPECT_EQ(hit.name, "#Button");
    hit = hoverScan(f.list, {20, 20}, f.rectOf());
    EXPECT_EQ(hit.index, 2);  // inside the button's own rectangle, outside the container
    hit = hoverScan(f.list, {200, 120}, f.rectOf());
    EXPECT_EQ(hit.index, 1);
    EXPECT_EQ(hit.name, "#Container");
}

TEST(HoverScan, EdgesAreIncludedAndOneBeyondIsOutside) {
    Fixture f;
    f.list.append() = gadget("#B", 7, 0);
    f.rects[7] = {10, 20, 30, 40};
    EXPECT_EQ(hoverScan(f.list, {10, 20}, f.rectOf()).index, 0);
    EXPECT_EQ(hoverScan(f.list, {40, 60}, f.rectOf()).index, 0);
    EXPECT_EQ(hoverScan(f.list, {41, 60}, f.rectOf()).index, -1);
    EXPECT_EQ(hoverScan(f.list, {40, 61}, f.rectOf()).index, -1);
    EXPECT_EQ(hoverScan(f.list, {9, 20}, f.rectOf()).index, -1);
}

TEST(HoverScan, SkipsDeadControlsElementsWithoutObjectAndNonGadgets) {
    Fixture f;
    f.list.append() = gadget("#Gone", 5, 0);  // no live control
    f.list.append() = gadget("#None", 0, 1);  // no object
    f.list.append() = gadget("#Bar", 6, 2, kSortWindow);
    f.rects[6] = {0, 0, 100, 100};
    f.rects[0] = {0, 0, 100, 100};
    const HoverHit hit = hoverScan(f.list, {5, 5}, f.rectOf());
    EXPECT_EQ(hit.index, -1);
    EXPECT_EQ(hit.name, "");
}

TEST(HoverScan, OutsideTheClientAreaNothingIsHovered) {
    Fixture f;
    f.list.append() = gadget("#B", 7, 0);
    f.rects[7] = {-5, -5, 10, 10};  // covers -1/-1
    EXPECT_EQ(hoverScan(f.list, {-1, -1}, f.rectOf()).index, -1);
}

TEST(HoverStatusText, PositionThenNameWhenThereIsOne) {
    EXPECT_EQ(hoverStatusText({12, 34}, "#Button_OK"), " X: 12 / Y: 34 - #Button_OK");
    EXPECT_EQ(hoverStatusText({-1, -1}, ""), " X: -1 / Y: -1");
    EXPECT_EQ(hoverStatusText({0, 0}, ""), " X: 0 / Y: 0");
}

TEST(HoverTracker, WritesOnlyWhenThePointerMoves) {
    Fixture f;
    f.list.append() = gadget("#B", 7, 3);
    f.rects[7] = {0, 0, 10, 10};
    HoverTracker tracker;
    EXPECT_FALSE(tracker.update({0, 0}, f.list, f.rectOf()));  // starts at 0/0
    auto text = tracker.update({5, 5}, f.list, f.rectOf());
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, " X: 5 / Y: 5 - #B");
    EXPECT_EQ(tracker.hovered().index, 3);
    EXPECT_FALSE(tracker.update({5, 5}, f.list, f.rectOf()));
    text = tracker.update({6, 5}, f.list, f.rectOf());
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, " X: 6 / Y: 5 - #B");
    text = tracker.update({-1, -1}, f.list, f.rectOf());
    EXPECT_EQ(*text, " X: -1 / Y: -1");
    EXPECT_EQ(tracker.hovered().index, -1);
}

TEST(HoverTracker, ForgetMakesTheNextPollScanAgain) {
    Fixture f;
    f.list.append() = gadget("#B", 7, 0);
    f.rects[7] = {0, 0, 10, 10};
    HoverTracker tracker;
    tracker.update({5, 5}, f.list, f.rectOf());
    tracker.forget();
    EXPECT_EQ(tracker.hovered().index, -1);
    f.list[0].Parameters[0].Value = "#Renamed";
    const auto text = tracker.update({5, 5}, f.list, f.rectOf());
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, " X: 5 / Y: 5 - #Renamed");
}

}  // namespace
}  // namespace tessaly
