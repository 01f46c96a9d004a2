#include "edit/check_box.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaly {
namespace {

// The 15 x 15 switch as rows of characters: '#' dark, '.' light.
std::string picture(bool ticked) {
    const auto raster = paintGrey(checkBoxSteps(0, 0, 15, 15, ticked), 15, 15, 0);
    std::string out;
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 15; ++x) {
            const uint8_t g = raster[size_t(y * 15 + x)];
            out += g == kCheckBoxDark ? '#' : g == kCheckBoxLight ? '.' : '?';
        }
        out += '\n';
    }
    return out;
}

TEST(CheckBox, UntickedSwitchIsATwoPixelFrameAroundALightSquare) {
    EXPECT_EQ(picture(false),
              "##############.\n"
              "##############.\n"
              "##..........##.\n"
              "##..........##.\n"
              "##..........##.\n"
              "##..........##.\n"
              "##..........##.\n"
              "##..........##.\n"
              "##..........##.\n"
              "##..........##.\n"
              "##..........##.\n"
              "##..........##.\n"
              "##############.\n"
              "##############.\n"
              "...............\n");
}

TEST(CheckBox, TickedSwitchAddsTheSixLineTick) {
    EXPECT_EQ(picture(true),
              "##############.\n"
              "##############.\n"
              "##..........##.\n"
              "##........#.##.\n"
              "##.......##.##.\n"
              "##.##...###.##.\n"
              "##.###.###..##.\n"
              "##..#####...##.\n"
              "##...###....##.\n"
              "##....#.....##.\n"
              "##..........##.\n"
              "##..........##.\n"
              "##############.\n"
              "##############.\n"
              "...............\n");
}

TEST(CheckBox, AreasOf14OrLessDrawNothing) {
    EXPECT_TRUE(checkBoxSteps(0, 0, 14, 30, true).empty());
    EXPECT_TRUE(checkBoxSteps(0, 0, 30, 14, true).empty());
    EXPECT_TRUE(checkBoxSteps(0, 0, 0, 0, false).empty());
    EXPECT_TRUE(checkBoxSteps(0, 0, -20, 40, false).empty());
}

TEST(CheckBox, BoxIsCentredWithTheFractionDroppedButTheFillStartsAtTheOrigin) {
    const auto steps = checkBoxSteps(10, 20, 20, 19, false);
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0], (PaintStep{0, 0, 20, 19, kCheckBoxLight}));
    EXPECT_EQ(steps[1], (PaintStep{13, 22, 14, 14, kCheckBoxDark}));
    EXPECT_EQ(steps[2], (PaintStep{14, 23, 12, 12, kCheckBoxDark}));
    EXPECT_EQ(steps[3], (PaintStep{15, 24, 10, 10, kCheckBoxLight}));
}

TEST(CheckBox, TickIsTwentyThreeSinglePixelsAfterTheBox) {
    const auto steps = checkBoxSteps(0, 0, 15, 15, true);
    ASSERT_EQ(steps.size(), 4u + 23u);
    for (size_t i = 4; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].width, 1);
        EXPECT_EQ(steps[i].height, 1);
        EXPECT_EQ(steps[i].grey, kCheckBoxDark);
    }
}

TEST(CheckBox, PaintingClipsAtTheRasterEdges) {
    const auto raster = paintGrey({{-3, -3, 5, 5, 9}, {3, 3, 10, 10, 7}}, 4, 4, 1);
    const std::vector<uint8_t> expected = {9, 9, 1, 1, 9, 9, 1, 1, 1, 1, 1, 1, 1, 1, 1, 7};
    EXPECT_EQ(raster, expected);
}

}  // namespace
}  // namespace tessaly
