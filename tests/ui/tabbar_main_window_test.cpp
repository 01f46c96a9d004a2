// The tab bar as control 1 of the real main window: it switches the Parameters and Flags pages,
// and a reading that finds nothing disables the "Flags" tab.
#include "app/main_layout.h"
#include "tabbar/tabbar_canvas_wx.h"
#include "tabbar_ui_support.h"

namespace tessaly::test {
namespace {

using namespace main_window;

constexpr const char* kFormCode =
    "OpenWindow(#Window_0, 100, 100, 300, 200, \"Form\")\n"
    "ButtonGadget(#Button_0, 10, 10, 80, 24, \"OK\")\n";

class TabBarMainWindowTest : public ShellTest {
  protected:
    TabBarCanvas* tabBar() { return dynamic_cast<TabBarCanvas*>(control(kTabBar)); }
};

TEST_F(TabBarMainWindowTest, ClickingFlagsShowsTheFlagsPageAndBack) {
    startShell(std::string(kFormCode));
    ASSERT_NE(tabBar(), nullptr) << "control 1 is the self-drawn tab bar";
    wxWindow* parameters = control(kParametersPage);
    wxWindow* flags = control(kFlagsPage);
    ASSERT_FALSE(tabBar()->bar().state().Tabs[1]->Disabled) << "the reading found elements";
    EXPECT_TRUE(parameters->IsShown());
    EXPECT_FALSE(flags->IsShown());

    pointerClick(tabBar(), 200, 15);  // "Flags"
    EXPECT_TRUE(pumpUntil([&] { return flags->IsShown(); }));
    EXPECT_FALSE(parameters->IsShown());
    EXPECT_EQ(tabBar()->bar().state().Selected, tabBar()->bar().state().Tabs[1].get());

    pointerClick(tabBar(), 60, 15);  // "Parameters"
    EXPECT_TRUE(pumpUntil([&] { return parameters->IsShown(); }));
    EXPECT_FALSE(flags->IsShown());
}

TEST_F(TabBarMainWindowTest, ReadingNothingDisablesTheFlagsTab) {
    startShell(std::string());
    ASSERT_NE(tabBar(), nullptr);
    EXPECT_TRUE(tabBar()->bar().state().Tabs[1]->Disabled);
    EXPECT_FALSE(tabBar()->bar().state().Tabs[0]->Disabled);

    pointerClick(tabBar(), 200, 15);
    const TabBar& b = tabBar()->bar().state();
    ASSERT_TRUE(pumpUntil([&] { return b.Pressed == b.Tabs[1].get(); }))
        << "the press reached the disabled tab";
    pumpFor(100);
    EXPECT_EQ(b.Selected, b.Tabs[0].get());
    EXPECT_TRUE(control(kParametersPage)->IsShown()) << "a disabled tab changes nothing";
    EXPECT_FALSE(control(kFlagsPage)->IsShown());
}

}  // namespace
}  // namespace tessaly::test
