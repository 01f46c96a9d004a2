#include "app/main_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace tessaly {
namespace {

using namespace main_window;

TEST(MainLayout, FontSizeKeepsThePixelHeightOf10PointsAt96Dpi) {
    const struct {
        int dpi, points;
    } cases[] = {{96, 10}, {120, 8}, {144, 7}, {192, 5}, {72, 13}, {0, 10}, {-5, 10}, {960, 1}};
    for (const auto& c : cases) EXPECT_EQ(fontPointSize(c.dpi), c.points) << c.dpi;
}

TEST(MainLayout, EveryControlNumberFrom0To34ExistsOnce) {
    std::set<int32_t> seen;
    for (const ControlDesign& d : mainWindowControls()) {
        EXPECT_TRUE(seen.insert(d.number).second) << d.number;
    }
    EXPECT_EQ(seen.size(), 35u);
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), kLastControl);
    EXPECT_EQ(findControlDesign(35), nullptr);
    EXPECT_EQ(findControlDesign(-1), nullptr);
}

TEST(MainLayout, PagesComeBeforeTheirControls) {
    std::set<int32_t> made;
    for (const ControlDesign& d : mainWindowControls()) {
        if (d.parent >= 0) {
            EXPECT_TRUE(made.count(d.parent)) << d.number;
        }
        made.insert(d.number);
    }
}

TEST(MainLayout, FieldsCarryTheirParameterPosition) {
    EXPECT_EQ(findControlDesign(kNameField)->data, 0);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(findControlDesign(kXField + k)->data, 1 + k);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(findControlDesign(kFirstParameterField + k)->data, 5 + k);
    EXPECT_EQ(findControlDesign(kViewCodeSwitch)->data, 1);
    EXPECT_EQ(findControlDesign(kAnyNumberSwitch)->data, 0);
}

TEST(MainLayout, CreditLineIsTwentyCharacters) {
    EXPECT_EQ(kCreditText.size(), 20u);
}

}  // namespace
}  // namespace tessaly
