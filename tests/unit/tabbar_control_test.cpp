#include "tabbar/tabbar_control.h"

#include <gtest/gtest.h>

#include "tabbar_fakes.h"

namespace tessaly::test {
namespace {

TEST(TabBarControl, CreateTakesTheDefaultsAndTheFlags) {
    resetDefaults();
    tabBarDefaults().CornerRadius = 5;
    tabBarDefaults().MinTabLength = 20;
    FakeHost host(285, 28);
    TabBarControl c(host, 100004, BaseLine | WrapRows);
    const TabBar& b = c.state();
    EXPECT_EQ(b.Number, 100004);
    EXPECT_EQ(b.Font, 42);
    EXPECT_EQ(b.Options, BaseLine | WrapRows);
    EXPECT_EQ(b.CornerRadius, 5);
    EXPECT_EQ(b.MinTabLength, 20);
    EXPECT_EQ(b.MaxTabLength, 32767);
    EXPECT_EQ(b.NewTab.FaceColor, tabBarDefaults().FaceColor);
    EXPECT_EQ(b.Selected, nullptr);
    EXPECT_EQ(host.repaints, 1) << "creation lays out and paints once";
}

TEST(TabBarControl, AddTabAppendsInsertsOrFillsTheNewTabButton) {
    NumberedBar n(285, 2, 0);
    EXPECT_EQ(n.bar->addTab(NoTab, "Last", 0, 7), 2);
    EXPECT_EQ(n.bar->addTab(1, "Between", 0, 0), 1);
    EXPECT_EQ(n.bar->tabText(1), "Between");
    EXPECT_EQ(n.bar->tabText(3), "Last");
    EXPECT_EQ(n.tab(3).Data, 7);
    EXPECT_EQ(n.tab(3).TextColor, rgba(0, 0, 0, 0xFF));
    EXPECT_EQ(n.bar->addTab(9, "Nowhere", 0, 0), 9) << "a position naming no tab adds nothing";
    EXPECT_EQ(n.state().tabCount(), 4);
    EXPECT_FALSE(n.state().has(ShowNewTab));
    EXPECT_EQ(n.bar->addTab(NewTabSlot, "New", 0, 0), NewTabSlot);
    EXPECT_TRUE(n.state().has(ShowNewTab));
    EXPECT_EQ(n.state().NewTab.Text, "New");
    EXPECT_EQ(n.state().tabCount(), 4);
}

TEST(TabBarControl, PicturesAreCopiedAndTheCopiesFreed) {
    resetDefaults();
    FakeHost host(285, 28);
    {
        TabBarControl c(host, 1, 0);
        c.addTab(NoTab, "A", 33, 0);
        c.addTab(NoTab, "B", 0, 0);
        c.addTab(NewTabSlot, "", 34, 0);
        c.addTab(NewTabSlot, "", 35, 0);  // the button's previous copy goes first
        EXPECT_EQ(c.state().Tabs[0]->Picture, 500);
        EXPECT_EQ(c.state().Tabs[1]->Picture, 0);
        EXPECT_EQ(c.state().NewTab.Picture, 502);
        EXPECT_EQ(host.freed, (std::vector<PictureHandle>{501}));
    }
    EXPECT_EQ(host.freed, (std::vector<PictureHandle>{501, 500, 502}));
}

TEST(TabBarControl, SetStateSelectsKeepsOrClears) {
    MainBar m;
    m.bar->setState(SelectedTab);
    EXPECT_EQ(m.state().Selected, &m.tab(0));
    m.bar->setState(1);
    EXPECT_EQ(m.state().Selected, &m.tab(1));
    m.bar->setState(5);
    EXPECT_EQ(m.state().Selected, nullptr) << "an index of no tab clears";
    m.bar->setState(0);
    m.bar->setState(NewTabSlot);
    EXPECT_EQ(m.state().Selected, nullptr);
    m.bar->setState(0);
    m.bar->setState(NoTab);
    EXPECT_EQ(m.state().Selected, nullptr);
    EXPECT_FALSE(m.state().FocusSelected);
}

TEST(TabBarControl, TabColoursAreStoredOpaqueAndMinusOneRestoresTheDefault) {
    MainBar m;
    EXPECT_EQ(m.tab(0).FaceColor, rgba(153, 153, 153, 0xFF));
    EXPECT_EQ(m.tab(1).TextColor, rgba(0, 0, 0, 0xFF));
    m.bar->setTabColor(1, TabFaceColor, -1);
    EXPECT_EQ(m.tab(1).FaceColor, withAlpha(tabBarDefaults().FaceColor, 0xFF));
    m.bar->setTabColor(SelectedTab, TabTextColor, rgba(1, 2, 3, 0x10));
    EXPECT_EQ(m.tab(0).TextColor, rgba(1, 2, 3, 0xFF));
    m.bar->setTabColor(0, 3, rgba(9, 9, 9));             // unknown kind
    m.bar->setTabColor(7, TabTextColor, rgba(9, 9, 9));  // no tab
    EXPECT_EQ(m.tab(0).TextColor, rgba(1, 2, 3, 0xFF));
    EXPECT_EQ(m.tab(0).FaceColor, rgba(153, 153, 153, 0xFF));
}

TEST(TabBarControl, DisablingIgnoresIndicesOfNoTabAndTheNewTabButton) {
    MainBar m;
    const int before = m.host.repaints;
    m.bar->setTabDisabled(2, true);  // the reader's call for a tab that does not exist
    EXPECT_FALSE(m.tab(0).Disabled);
    EXPECT_FALSE(m.tab(1).Disabled);
    EXPECT_EQ(m.host.repaints, before + 1) << "still updates";
    m.bar->setTabDisabled(NewTabSlot, true);
    EXPECT_FALSE(m.state().NewTab.Disabled);
    m.bar->setTabDisabled(1, true);
    EXPECT_TRUE(m.tab(1).Disabled);
}

TEST(TabBarControl, AttributesSetAndClearTheirBitsOrValues) {
    MainBar m;
    const uint32_t bits[] = {ShowCloseButtons, ShowNewTab, ShortenTexts, UpsideDown,
                             LockOrder,        WrapRows,   BaseLine};
    for (uint32_t bit : bits) {
        m.bar->setAttribute(bit, 5);
        EXPECT_TRUE(m.state().has(bit)) << bit;
        m.bar->setAttribute(bit, 0);
        EXPECT_FALSE(m.state().has(bit)) << bit;
    }
    m.bar->setAttribute(LengthAlongHeight, 1);
    EXPECT_FALSE(m.state().has(LengthAlongHeight)) << "only at creation";
    m.bar->setAttribute(ShowCloseButtons | ShowNewTab, 1);
    EXPECT_FALSE(m.state().has(ShowCloseButtons)) << "one attribute at a time";
    m.bar->setAttribute(AttrCornerRadius, 6);
    m.bar->setAttribute(AttrMaxTabLength, 200);
    EXPECT_EQ(m.state().CornerRadius, 6);
    EXPECT_EQ(m.state().MaxTabLength, 200);
    EXPECT_EQ(m.state().MinTabLength, 139);
}

TEST(TabBarControl, FontMinusOneMeansTheDefaultFont) {
    MainBar m;
    EXPECT_EQ(m.state().Font, 7);
    m.bar->setFont(-1);
    EXPECT_EQ(m.state().Font, 42);
}

TEST(TabBarControl, TabTextOfAnIndexNamingNoTabIsEmpty) {
    MainBar m;
    EXPECT_EQ(m.bar->tabText(0), "Parameters");
    EXPECT_EQ(m.bar->tabText(SelectedTab), "Parameters");
    EXPECT_EQ(m.bar->tabText(2), "");
    EXPECT_EQ(m.bar->tabText(-7), "");
    EXPECT_EQ(m.bar->tabText(NewTabSlot), "");
}

TEST(TabBarControl, MainBarPagesFollowTheTabText) {
    EXPECT_EQ(pageForTab("Parameters"), Page::Parameters);
    EXPECT_EQ(pageForTab("Flags"), Page::Flags);
    EXPECT_EQ(pageForTab("flags"), Page::None);
    EXPECT_EQ(pageForTab(""), Page::None);
}

TEST(TabBarModel, CharactersAreCountedAndCutOnUtf8Boundaries) {
    EXPECT_EQ(charCount(""), 0);
    EXPECT_EQ(charCount("Flags"), 5);
    EXPECT_EQ(charCount("\xC3\xA4\xE2\x82\xAC!"), 3);
    EXPECT_EQ(firstChars("\xC3\xA4\xE2\x82\xAC!", 2), "\xC3\xA4\xE2\x82\xAC");
    EXPECT_EQ(firstChars("abc", 5), "abc");
    EXPECT_EQ(firstChars("abc", 0), "");
}

}  // namespace
}  // namespace tessaly::test
