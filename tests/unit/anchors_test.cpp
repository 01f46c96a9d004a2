#include "app/anchors.h"

#include <gtest/gtest.h>

#include <map>

#include "app/main_layout.h"

namespace tessaly {
namespace {

using namespace main_window;

// The main window's anchor table as the window registers it at its designed size.
AnchorTable mainTable() {
    AnchorTable table;
    for (const AnchorDesign& a : mainWindowAnchors()) {
        table.anchor(kWindow, a.gadget, findControlDesign(a.gadget)->rect, kInnerWidth,
                     kInnerHeight, a.lockLeft, a.lockTop, a.lockRight, a.lockBottom);
    }
    return table;
}

std::map<int32_t, AnchorPlacement> placements(const AnchorTable& table, int32_t w, int32_t h) {
    std::map<int32_t, AnchorPlacement> out;
    for (const AnchorPlacement& p : table.relay(kWindow, w, h)) out[p.gadget] = p;
    return out;
}

TEST(Anchors, MainWindowMarginsFollowFromTheDesignedRectangles) {
    const struct {
        int32_t gadget, right, bottom;
    } expected[] = {{kParametersPage, 510, 40}, {kFlagsPage, 510, 40},      {kFlagList, 515, 110},
                    {kViewCodeSwitch, 595, 10}, {kViewCodeLabel, 510, 7},   {kPasteButton, 715, 8},
                    {kCopyButton, 630, 8},      {kCodeView, 5, 40},         {kStatusLine, 515, 113},
                    {kCreditLabel, 10, 7},      {kIdeUpdateButton, 715, 8}, {kGridSwitch, 775, 141},
                    {kGridLabel, 570, 138}};
    const AnchorTable table = mainTable();
    ASSERT_EQ(table.entries().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const AnchorEntry& e = table.entries()[i];
        EXPECT_EQ(e.gadget, expected[i].gadget) << i;
        EXPECT_EQ(e.rightMargin, expected[i].right) << e.gadget;
        EXPECT_EQ(e.bottomMargin, expected[i].bottom) << e.gadget;
    }
}

TEST(Anchors, DesignedSizeKeepsEveryRectangle) {
    for (const auto& [gadget, p] : placements(mainTable(), kInnerWidth, kInnerHeight)) {
        const Rect design = findControlDesign(gadget)->rect;
        EXPECT_EQ(p.x, design.x) << gadget;
        EXPECT_EQ(p.y, design.y) << gadget;
        EXPECT_EQ(p.width.value_or(design.width), design.width) << gadget;
        EXPECT_EQ(p.height.value_or(design.height), design.height) << gadget;
    }
}

TEST(Anchors, WiderWindowStretchesOnlyTheCodeViewAndMovesTheCredit) {
    const auto wide = placements(mainTable(), 900, kInnerHeight);
    for (const auto& [gadget, p] : wide) {
        const Rect design = findControlDesign(gadget)->rect;
        if (gadget == kCreditLabel) {
            EXPECT_EQ(p.x, design.x + 100);
        } else {
            EXPECT_EQ(p.x, design.x) << gadget;
        }
        if (gadget == kCodeView) {
            EXPECT_EQ(p.width, 600);
        } else if (gadget == kCreditLabel) {
            EXPECT_EQ(p.width, 130);  // locked right but not left: it moves, its size stays
        } else {
            EXPECT_FALSE(p.width.has_value()) << gadget;
        }
    }
}

TEST(Anchors, TallerWindowMovesTheBottomRowAndStretchesThePages) {
    const auto tall = placements(mainTable(), kInnerWidth, 700);
    for (int32_t moved : {kViewCodeSwitch, kViewCodeLabel, kPasteButton, kCopyButton, kCreditLabel,
                          kStatusLine, kIdeUpdateButton}) {
        EXPECT_EQ(tall.at(moved).y, findControlDesign(moved)->rect.y + 100) << moved;
    }
    for (int32_t grown : {kParametersPage, kFlagsPage, kFlagList, kCodeView}) {
        EXPECT_EQ(tall.at(grown).height, findControlDesign(grown)->rect.height + 100) << grown;
        EXPECT_EQ(tall.at(grown).y, findControlDesign(grown)->rect.y) << grown;
    }
}

TEST(Anchors, At1000By700) {
    const auto p = placements(mainTable(), 1000, 700);
    EXPECT_EQ(p.at(kCodeView).width, 700);
    EXPECT_EQ(p.at(kCodeView).height, 650);
    EXPECT_EQ(p.at(kParametersPage).height, 590);
    EXPECT_EQ(p.at(kCreditLabel).x, 860);
    EXPECT_EQ(p.at(kCreditLabel).y, 673);
    EXPECT_EQ(p.at(kPasteButton).y, 670);
    EXPECT_EQ(p.at(kViewCodeSwitch).y, 675);
    EXPECT_EQ(p.at(kStatusLine).y, 567);
}

TEST(Anchors, SmallestWindowGivesTheCodeViewANegativeWidth) {
    const auto p = placements(mainTable(), kMinWidth, kMinHeight);
    EXPECT_EQ(p.at(kCodeView).width, -5);
    EXPECT_EQ(p.at(kCodeView).height, 350);
    EXPECT_EQ(p.at(kStatusLine).y, 267);  // over the last parameter field, 265..287
    EXPECT_EQ(p.at(kParametersPage).height, 290);
    EXPECT_EQ(p.at(kCreditLabel).x, 155);
    EXPECT_EQ(p.at(kPasteButton).y, 370);
}

TEST(Anchors, OnlyALockOfExactlyOneCounts) {
    AnchorTable table;
    table.anchor(0, 1, {10, 20, 30, 40}, 100, 100, 2, 255, 1, 0);
    const auto p = table.relay(0, 200, 300);
    ASSERT_EQ(p.size(), 1u);
    // Left lock 2 does not count, so x follows the right edge; the right lock then sizes it.
    EXPECT_EQ(p[0].x, 200 - 60 - 30);
    EXPECT_EQ(p[0].width, 200 - p[0].x - 60);
    EXPECT_EQ(p[0].y, 300 - 40 - 40);
    EXPECT_FALSE(p[0].height.has_value());
}

TEST(Anchors, RegistrationAtAnotherSizeKeepsThoseMargins) {
    AnchorTable table;
    table.anchor(0, 7, {5, 5, 50, 50}, 300, 200, 1, 1, 1, 1);
    const auto p = table.relay(0, 400, 260);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].width, 150);   // right margin 245 kept
    EXPECT_EQ(p[0].height, 110);  // bottom margin 145 kept
}

TEST(Anchors, ReLayTouchesOnlyTheGivenWindowInTableOrderAndClearEmpties) {
    AnchorTable table;
    table.anchor(1, 10, {0, 0, 10, 10}, 100, 100, 1, 1, 0, 0);
    table.anchor(2, 20, {0, 0, 10, 10}, 100, 100, 1, 1, 0, 0);
    table.anchor(1, 30, {0, 0, 10, 10}, 100, 100, 1, 1, 0, 0);
    const auto p = table.relay(1, 50, 50);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].gadget, 10);
    EXPECT_EQ(p[1].gadget, 30);
    EXPECT_TRUE(table.relay(3, 50, 50).empty());
    table.clear();
    EXPECT_TRUE(table.relay(1, 50, 50).empty());
}

}  // namespace
}  // namespace tessaly
