#include "tabbar/tabbar_input.h"

#include <gtest/gtest.h>

#include "tabbar_fakes.h"

namespace tessaly::test {
namespace {

using enum InputType;

TEST(TabBarInput, ClickingTheOtherTabSelectsItOnce) {
    MainBar m;
    EXPECT_EQ(m.bar->handleEvent(at(LeftDown, 200, 15)), SelectionChanged);
    EXPECT_EQ(m.bar->eventTab(), 1);
    EXPECT_EQ(m.bar->tabText(m.bar->eventTab()), "Flags");
    EXPECT_EQ(m.state().Selected, &m.tab(1));
    EXPECT_EQ(m.bar->handleEvent(at(LeftUp, 200, 15)), NoEvent);
    EXPECT_EQ(m.bar->handleEvent(at(LeftDown, 200, 15)), NoEvent) << "already selected";
    EXPECT_EQ(m.bar->handleEvent(at(LeftUp, 200, 15)), NoEvent);
    EXPECT_EQ(m.bar->handleEvent(at(LeftDown, 70, 15)), SelectionChanged);
    EXPECT_EQ(m.bar->eventTab(), 0);
}

TEST(TabBarInput, DisabledTabCannotBeSelectedButCanBeDragged) {
    MainBar m;
    m.bar->setTabDisabled(1, true);
    EXPECT_EQ(m.tab(1).FaceState, FaceDisabled);
    EXPECT_EQ(m.bar->handleEvent(at(LeftDown, 200, 15)), NoEvent);
    EXPECT_EQ(m.state().Selected, &m.tab(0));
    m.bar->handleEvent(at(Move, 205, 15));
    EXPECT_EQ(m.state().Moving, &m.tab(1));
    EXPECT_EQ(m.tab(1).FaceState, FaceDisabled) << "a disabled tab keeps its faded face";
    m.bar->handleEvent(at(LeftUp, 205, 15));
    m.bar->setTabDisabled(1, false);
    EXPECT_EQ(m.bar->handleEvent(at(LeftDown, 200, 15)), SelectionChanged);
}

TEST(TabBarInput, DragStartsOnlyAfterMoreThanFourPixels) {
    MainBar m;
    m.bar->handleEvent(at(LeftDown, 70, 15));
    m.bar->handleEvent(at(Move, 74, 15));
    EXPECT_EQ(m.state().Moving, nullptr);
    EXPECT_EQ(m.state().ReadyToMove, &m.tab(0));
    m.bar->handleEvent(at(Move, 75, 15));
    EXPECT_EQ(m.state().Moving, &m.tab(0));
    m.bar->handleEvent(at(LeftUp, 75, 15));
    EXPECT_EQ(m.state().Moving, nullptr);
    EXPECT_EQ(m.state().ReadyToMove, nullptr);

    m.bar->handleEvent(at(LeftDown, 70, 10));  // vertically too
    m.bar->handleEvent(at(Move, 70, 14));
    EXPECT_EQ(m.state().Moving, nullptr);
    m.bar->handleEvent(at(Move, 70, 15));
    EXPECT_EQ(m.state().Moving, &m.tab(0));
}

TEST(TabBarInput, LockedOrderNeverDrags) {
    MainBar m;
    m.bar->setAttribute(LockOrder, 1);
    m.bar->handleEvent(at(LeftDown, 70, 15));
    m.bar->handleEvent(at(Move, 90, 15));
    EXPECT_EQ(m.state().ReadyToMove, nullptr);
    EXPECT_EQ(m.state().Moving, nullptr);
}

TEST(TabBarInput, DraggingPastTheNextTabExchangesThemAndSelectionFollowsTheTab) {
    MainBar m;
    const Tab* params = &m.tab(0);
    m.bar->handleEvent(at(LeftDown, 70, 15));
    EXPECT_EQ(m.bar->handleEvent(at(Move, 75, 15)), NoEvent);
    EXPECT_EQ(m.bar->handleEvent(at(Move, 150, 15)), TabMoved);
    EXPECT_EQ(m.bar->eventTab(), 1);
    EXPECT_EQ(m.bar->tabText(0), "Flags");
    EXPECT_EQ(m.bar->tabText(1), "Parameters");
    EXPECT_EQ(m.state().Selected, params);
    EXPECT_EQ(m.bar->handleEvent(at(Move, 160, 15)), NoEvent) << "one exchange is enough";

    // And back: the dragged tab passes the tab before it.
    EXPECT_EQ(m.bar->handleEvent(at(Move, 60, 15)), TabMoved);
    EXPECT_EQ(m.bar->eventTab(), 0);
    EXPECT_EQ(m.bar->tabText(0), "Parameters");
    m.bar->handleEvent(at(LeftUp, 60, 15));
    EXPECT_EQ(m.tab(0).Offset, 4) << "dropped tabs fall back into place";
    EXPECT_EQ(m.tab(1).Offset, 142);
}

TEST(TabBarInput, CloseButtonReleasedOnItselfRequestsClosing) {
    MainBar m;
    m.bar->setAttribute(ShowCloseButtons, 1);
    // Flags: box (142, 4, 139, 26), close zone from (262, 10), 13 x 13.
    EXPECT_EQ(m.bar->handleEvent(at(LeftDown, 265, 15)), NoEvent);
    EXPECT_TRUE(m.state().ClosePressed);
    EXPECT_TRUE(m.state().HoverClose);
    EXPECT_EQ(m.state().Selected, &m.tab(0)) << "a close press does not select";
    EXPECT_EQ(m.bar->handleEvent(at(LeftUp, 265, 15)), CloseRequested);
    EXPECT_EQ(m.bar->eventTab(), 1);
    EXPECT_EQ(m.state().tabCount(), 2) << "closing is the owner's business";
    EXPECT_FALSE(m.state().ClosePressed);

    m.bar->handleEvent(at(LeftDown, 265, 15));
    EXPECT_EQ(m.bar->handleEvent(at(LeftUp, 200, 15)), NoEvent) << "released off the button";
}

TEST(TabBarInput, MiddleButtonClosesTheTabItWasPressedAndReleasedOn) {
    MainBar m;
    m.bar->handleEvent(at(MiddleDown, 200, 15));
    EXPECT_EQ(m.bar->handleEvent(at(MiddleUp, 200, 15)), CloseRequested);
    EXPECT_EQ(m.bar->eventTab(), 1);
    EXPECT_EQ(m.state().Pressed, nullptr);
    m.bar->handleEvent(at(MiddleDown, 200, 15));
    EXPECT_EQ(m.bar->handleEvent(at(MiddleUp, 70, 15)), NoEvent);

    m.bar->addTab(NewTabSlot, "", 0, 0);
    const Tab& nt = m.state().NewTab;
    const int32_t x = nt.BoxX + 5, y = nt.BoxY + 5;
    m.bar->handleEvent(at(MiddleDown, x, y));
    EXPECT_EQ(m.bar->handleEvent(at(MiddleUp, x, y)), NoEvent) << "the new-tab button never closes";
    EXPECT_EQ(m.bar->handleEvent(at(LeftDown, x, y)), NewTabRequested);
    EXPECT_EQ(m.bar->eventTab(), NewTabSlot);
}

TEST(TabBarInput, DoubleClickOnTheEmptyBarRequestsANewTab) {
    MainBar m;
    EXPECT_EQ(m.bar->handleEvent(at(LeftDoubleClick, 283, 15)), NewTabRequested);
    EXPECT_EQ(m.bar->eventTab(), NoTab);
    EXPECT_EQ(m.bar->handleEvent(at(LeftDoubleClick, 200, 15)), NoEvent) << "on a tab";
}

// Turns the shared wheel direction round for one scope; the defaults are shared by all tests.
class ReversedWheel {
  public:
    ReversedWheel() : saved_(tabBarDefaults().WheelDirection) {
        tabBarDefaults().WheelDirection = -saved_;
    }
    ~ReversedWheel() { tabBarDefaults().WheelDirection = saved_; }
    ReversedWheel(const ReversedWheel&) = delete;
    ReversedWheel& operator=(const ReversedWheel&) = delete;

  private:
    int32_t saved_;
};

TEST(TabBarInput, WheelScrollsOnlyWhileArrowsAreShown) {
    MainBar m;
    m.bar->handleEvent(at(Wheel, 100, 15, 3));
    EXPECT_EQ(m.state().Shift, 0);

    NumberedBar n(200, 8, 0);
    n.bar->handleEvent(at(Wheel, 100, 15, 2));
    EXPECT_EQ(n.state().Shift, 2);
    EXPECT_TRUE(n.state().has(ScrolledBack));
    n.bar->handleEvent(at(Wheel, 100, 15, -5));
    EXPECT_EQ(n.state().Shift, 0) << "stops at the first tab";
    {
        const ReversedWheel reversed;
        n.bar->handleEvent(at(Wheel, 100, 15, -1));
        EXPECT_EQ(n.state().Shift, 1);
    }
    n.bar->handleEvent(at(Wheel, 100, 15, -1));
    EXPECT_EQ(n.state().Shift, 0) << "the shared direction is back for the tests that follow";
}

TEST(TabBarInput, ArrowClickStepsTheView) {
    NumberedBar n(200, 8, 0);
    // Right arrow: x 190 to 199, y 8 to 23 (centred on (28 + 4) / 2).
    n.bar->handleEvent(at(LeftDown, 199, 23));
    EXPECT_EQ(n.state().HoverArrow, MoreAhead);
    EXPECT_EQ(n.state().Hover, nullptr);
    EXPECT_EQ(n.bar->handleEvent(at(LeftUp, 199, 23)), NoEvent);
    EXPECT_EQ(n.state().Shift, 1);
    EXPECT_EQ(n.state().ArrowPressed, 0u);
    n.bar->handleEvent(at(LeftDown, 195, 16));
    n.bar->handleEvent(at(LeftUp, 100, 16));
    EXPECT_EQ(n.state().Shift, 1) << "released away from the arrow";
    // Left arrow: x 0 to 9.
    n.bar->handleEvent(at(LeftDown, 0, 8));
    n.bar->handleEvent(at(LeftUp, 0, 8));
    EXPECT_EQ(n.state().Shift, 0);
}

TEST(TabBarInput, LastColumnAndRowOfABoxDoNotCount) {
    EXPECT_TRUE(boxContains(142, 4, 139, 26, 279, 28));
    EXPECT_FALSE(boxContains(142, 4, 139, 26, 280, 15));
    EXPECT_FALSE(boxContains(142, 4, 139, 26, 200, 29));
    EXPECT_TRUE(zoneContains(190, 8, 10, 16, 199, 23));
    EXPECT_FALSE(zoneContains(190, 8, 10, 16, 200, 23));

    MainBar m;
    m.bar->handleEvent(at(Move, 279, 15));
    EXPECT_EQ(m.state().Hover, &m.tab(1));
    EXPECT_EQ(m.bar->eventTab(), 1);
    EXPECT_EQ(m.tab(1).FaceState, FaceHover);
    m.bar->handleEvent(at(Move, 280, 15));
    EXPECT_EQ(m.state().Hover, nullptr);
    EXPECT_EQ(m.bar->eventTab(), NoTab);
    m.bar->handleEvent(at(Move, 143, 15));
    EXPECT_EQ(m.state().Hover, &m.tab(1)) << "where boxes overlap the later tab wins";
}

TEST(TabBarInput, LeavingTheCanvasForgetsTheHoveredTab) {
    MainBar m;
    m.bar->handleEvent(at(Move, 200, 15));
    EXPECT_EQ(m.tab(1).FaceState, FaceHover);
    m.bar->handleEvent(at(Leave, 200, 15));
    EXPECT_EQ(m.state().Hover, nullptr);
    EXPECT_EQ(m.tab(1).FaceState, FaceNormal);
}

TEST(TabBarInput, ToolTipIsSetOnlyWhenTheMeantTextChanges) {
    MainBar m;
    m.bar->state().TabToolTip = "Show %ITEM (%ITEM)";
    m.bar->handleEvent(at(Move, 200, 15));
    ASSERT_EQ(m.host.toolTips.size(), 1u);
    EXPECT_EQ(m.host.toolTips.back(), "Show Flags (Flags)");
    m.bar->handleEvent(at(Move, 210, 15));
    EXPECT_EQ(m.host.toolTips.size(), 1u);
    m.bar->state().Tabs[0]->ToolTip = "own";
    m.bar->handleEvent(at(Move, 70, 15));
    EXPECT_EQ(m.host.toolTips.back(), "own");
    m.bar->handleEvent(at(Move, 283, 15));
    EXPECT_EQ(m.host.toolTips.back(), "");
    m.bar->setAttribute(ShowCloseButtons, 1);
    m.bar->state().CloseToolTip = "Close";
    m.bar->handleEvent(at(Move, 265, 15));
    EXPECT_EQ(m.host.toolTips.back(), "Close");
}

}  // namespace
}  // namespace tessaly::test
