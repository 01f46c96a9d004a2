#include "form/parent_stack.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

constexpr ParentRef window(int32_t n) {
    return {true, n};
}
constexpr ParentRef control(int32_t n) {
    return {false, n};
}

TEST(ParentStacks, NothingIsCurrentBeforeAWindowAndOpeningThenDoesNothing) {
    ParentStacks p;
    EXPECT_FALSE(p.current());
    p.open(control(5));
    p.replace(control(6));
    EXPECT_FALSE(p.current());
    EXPECT_FALSE(p.close());
}

TEST(ParentStacks, ContainersNestAndCloseReturnsToTheEnclosingParent) {
    ParentStacks p;
    p.startWindow(100000);
    EXPECT_EQ(p.current(), window(100000));
    p.open(control(1));  // container
    p.open(control(2));  // scroll area inside it
    EXPECT_EQ(p.depth(), 2);
    EXPECT_EQ(p.current(), control(2));
    EXPECT_TRUE(p.close());
    EXPECT_EQ(p.current(), control(1));
    EXPECT_TRUE(p.close());
    EXPECT_EQ(p.current(), window(100000));
    EXPECT_FALSE(p.close());  // empty stack: nothing happens
    EXPECT_EQ(p.current(), window(100000));
}

TEST(ParentStacks, PanelTabsReplaceTheCurrentParentWithoutPushing) {
    ParentStacks p;
    p.startWindow(1);
    p.open(control(10));     // panel
    p.replace(control(11));  // first tab
    p.replace(control(12));  // second tab
    EXPECT_EQ(p.depth(), 1);
    EXPECT_EQ(p.current(), control(12));
    p.close();
    EXPECT_EQ(p.current(), window(1));
}

TEST(ParentStacks, UnbalancedListsStayOpenUntilTheWindowStartsAgain) {
    ParentStacks p;
    p.startWindow(1);
    p.open(control(10));
    EXPECT_EQ(p.current(), control(10));
    p.startWindow(1);
    EXPECT_EQ(p.current(), window(1));
    EXPECT_EQ(p.depth(), 0);
}

TEST(ParentStacks, NestingStopsAtTheMaximumDepthAndClosesStayBalanced) {
    ParentStacks p;
    p.startWindow(1);
    for (int i = 1; i <= ParentStacks::kMaxDepth; ++i) EXPECT_TRUE(p.open(control(i)));
    EXPECT_EQ(p.depth(), ParentStacks::kMaxDepth);
    // Deeper containers are built into the deepest one; a panel out there keeps its tabs out too.
    EXPECT_FALSE(p.open(control(1000)));
    EXPECT_FALSE(p.open(control(1001)));
    p.replace(control(1002));
    EXPECT_EQ(p.current(), control(ParentStacks::kMaxDepth));
    EXPECT_EQ(p.depth(), ParentStacks::kMaxDepth);
    // Their closing lines balance them before the real containers close.
    EXPECT_TRUE(p.close());
    EXPECT_TRUE(p.close());
    EXPECT_EQ(p.current(), control(ParentStacks::kMaxDepth));
    EXPECT_TRUE(p.close());
    EXPECT_EQ(p.current(), control(ParentStacks::kMaxDepth - 1));
    EXPECT_TRUE(p.open(control(2000)));  // room again
}

TEST(ParentStacks, EachWindowHasItsOwnStack) {
    ParentStacks p;
    p.startWindow(1);
    p.open(control(10));
    p.startWindow(2);
    EXPECT_EQ(p.current(), window(2));
    EXPECT_FALSE(p.close());
    p.clear();
    EXPECT_FALSE(p.current());
}

}  // namespace
}  // namespace tessaly
