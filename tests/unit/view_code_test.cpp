#include "app/view_code.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(ViewCodeSwitch, HidingAndShowingRestoresTheSavedWidth) {
    ViewCodeSwitch s(295, 800);
    EXPECT_TRUE(s.resized(1000));
    const auto hide = s.toggle();
    EXPECT_EQ(hide.innerWidth, 295);
    EXPECT_FALSE(hide.showCredit);
    EXPECT_FALSE(s.ticked());
    EXPECT_EQ(s.savedWidth(), 1000);
    EXPECT_FALSE(s.resized(295));
    const auto show = s.toggle();
    EXPECT_EQ(show.innerWidth, 1000);
    EXPECT_TRUE(show.showCredit);
    EXPECT_TRUE(s.ticked());
    EXPECT_TRUE(s.resized(1000));
    EXPECT_EQ(s.fullWidth(), 1000);
}

TEST(ViewCodeSwitch, ResizingToTheCodeViewEdgeUnticksAndWiderTicks) {
    ViewCodeSwitch s(295, 800);
    EXPECT_FALSE(s.resized(295));
    EXPECT_FALSE(s.ticked());
    EXPECT_EQ(s.fullWidth(), 295);
    EXPECT_TRUE(s.resized(296));
    EXPECT_TRUE(s.ticked());
}

TEST(ViewCodeSwitch, ShowingWithoutASavedWidthBringsBackTheDesignedWidth) {
    ViewCodeSwitch s(295, 800);
    s.resized(800);
    s.resized(295);  // dragged to the edge: nothing saved
    EXPECT_EQ(s.savedWidth(), 0);
    const auto show = s.toggle();
    EXPECT_EQ(show.innerWidth, 800);
    EXPECT_TRUE(s.ticked());
}

TEST(ViewCodeSwitch, ASecondHideSavesTheLatestFullWidth) {
    ViewCodeSwitch s(295, 800);
    s.resized(900);
    s.toggle();
    s.resized(295);
    s.toggle();
    s.resized(900);
    s.resized(1200);  // user widened the window meanwhile
    EXPECT_EQ(s.toggle().innerWidth, 295);
    EXPECT_EQ(s.savedWidth(), 1200);
}

}  // namespace
}  // namespace tessaly
