#include "tabbar/tabbar_layout.h"

#include <gtest/gtest.h>

#include "tabbar_fakes.h"

namespace tessaly::test {
namespace {

struct BoxCase {
    size_t tab;
    int32_t x, y, w, h, padding;
};

TEST(TabBarLayout, MainWindowBarLaysOutTwoEqualTabsWithTheSelectedOneRaised) {
    MainBar m;
    const TabBar& b = m.state();
    EXPECT_EQ(b.TabHeight, 24);
    EXPECT_EQ(b.MaxLength, 277);
    EXPECT_EQ(b.Length, 276);
    EXPECT_EQ(b.Rows, 1);
    EXPECT_EQ(b.Shift, 0);
    EXPECT_EQ(b.Options, BaseLine) << "no arrows";
    EXPECT_EQ(m.host.height, 28) << "one row keeps the canvas height";
    EXPECT_EQ(m.tab(0).Offset, 4);
    EXPECT_EQ(m.tab(1).Offset, 142);
    for (size_t i : {0u, 1u}) {
        EXPECT_EQ(m.tab(i).TabLength, 139);
        EXPECT_TRUE(m.tab(i).Visible);
        EXPECT_EQ(m.tab(i).Row, 0);
    }
    EXPECT_EQ(m.tab(0).FaceState, FaceSelected);
    EXPECT_EQ(m.tab(1).FaceState, FaceNormal);
    for (const BoxCase& c : {BoxCase{0, 2, 0, 143, 30, 8}, BoxCase{1, 142, 4, 139, 26, 6}}) {
        const Tab& t = m.tab(c.tab);
        EXPECT_EQ(t.BoxX, c.x) << c.tab;
        EXPECT_EQ(t.BoxY, c.y) << c.tab;
        EXPECT_EQ(t.BoxWidth, c.w) << c.tab;
        EXPECT_EQ(t.BoxHeight, c.h) << c.tab;
        EXPECT_EQ(t.PaddingX, c.padding) << c.tab;
    }
}

TEST(TabBarLayout, SelectingTheOtherTabMovesTheRaisedBox) {
    MainBar m;
    m.bar->setState(1);
    EXPECT_EQ(m.tab(0).BoxX, 4);
    EXPECT_EQ(m.tab(0).BoxY, 4);
    EXPECT_EQ(m.tab(1).BoxX, 140);
    EXPECT_EQ(m.tab(1).BoxY, 0);
    EXPECT_EQ(m.tab(1).BoxWidth, 143);
}

TEST(TabBarLayout, TabLengthCountsTextPaddingCloseButtonPictureAndLimits) {
    FakeHost host(285, 28);
    resetDefaults();
    TabBarControl c(host, 1, 0);
    c.addTab(NoTab, "Flags", 0, 0);  // 35 + 2 x 6
    EXPECT_EQ(c.state().Tabs[0]->TabLength, 47);
    c.setAttribute(ShowCloseButtons, 1);  // + 13 + 3
    EXPECT_EQ(c.state().Tabs[0]->TabLength, 63);
    c.addTab(NoTab, "Flags", 9, 0);  // + 16 + 3 for the picture
    EXPECT_EQ(c.state().Tabs[1]->TabLength, 82);
    c.addTab(NoTab, "", 9, 0);  // picture without text: no spacing
    EXPECT_EQ(c.state().Tabs[2]->TabLength, 12 + 16 + 16);
    c.setAttribute(AttrMaxTabLength, 50);
    EXPECT_EQ(c.state().Tabs[1]->TabLength, 50);
    c.setAttribute(AttrMinTabLength, 60);  // the minimum wins when the two cross
    EXPECT_EQ(c.state().Tabs[1]->TabLength, 60);
    EXPECT_EQ(c.state().Tabs[2]->TabLength, 60);
}

TEST(TabBarLayout, NewTabButtonLengthAndPlace) {
    MainBar m;
    EXPECT_EQ(m.bar->addTab(NewTabSlot, "", 0, 0), NewTabSlot);
    const TabBar& b = m.state();
    EXPECT_TRUE(b.has(ShowNewTab));
    EXPECT_EQ(b.NewTab.TabLength, 2 * 6 + 16);
    // The two tabs (276) no longer fit beside the button: the right arrow appears and takes
    // its width and a margin as well.
    EXPECT_TRUE(b.has(MoreAhead));
    EXPECT_EQ(b.MaxLength, 277 - 27 - 10 - 4);
    EXPECT_EQ(b.NewTab.Offset, 285 - 28 - 2);
    // Close buttons do not lengthen the new-tab button; a text replaces the 16 pixels.
    m.bar->setAttribute(ShowCloseButtons, 1);
    EXPECT_EQ(b.NewTab.TabLength, 28);
    m.bar->addTab(NewTabSlot, "+", 0, 0);
    EXPECT_EQ(b.NewTab.TabLength, 7 + 12);
}

TEST(TabBarLayout, NewTabButtonFollowsTheLastTabWhenAllFit) {
    NumberedBar n(300, 2, ShowNewTab);
    const TabBar& b = n.state();
    EXPECT_EQ(b.Options, ShowNewTab);
    EXPECT_EQ(b.NewTab.Offset, 4 + 2 * 39);
    EXPECT_EQ(b.NewTab.BoxY, 4);
}

TEST(TabBarLayout, ArrowsAppearAndShrinkTheAvailableLengthUntilTheFlagsSettle) {
    NumberedBar n(200, 8, 0);  // 8 tabs of 40 on 192 pixels
    const TabBar& b = n.state();
    EXPECT_EQ(b.Options, MoreAhead);
    EXPECT_EQ(b.MaxLength, 192 - 10) << "the right arrow takes its width";
    EXPECT_EQ(b.Length, 156);
    EXPECT_EQ(n.tab(4).Offset, 160) << "the tab where the walk stops shows partly";
    EXPECT_TRUE(n.tab(4).Visible);
    EXPECT_EQ(n.tab(5).Offset, 65535);
    EXPECT_FALSE(n.tab(5).Visible);

    n.bar->setState(7);  // scrolls until the selected tab is in view
    EXPECT_EQ(b.Options, ScrolledBack);
    EXPECT_EQ(b.MaxLength, 192 - 10 - 32);
    EXPECT_EQ(b.Shift, 5);
    EXPECT_FALSE(b.FocusSelected);
    EXPECT_FALSE(n.tab(3).Visible);
    EXPECT_EQ(n.tab(3).Offset, -65535);
    EXPECT_TRUE(n.tab(4).Visible) << "the tab before the first shown peeks under the fade";
    EXPECT_EQ(n.tab(4).Offset, 46 - 40 + 1);
    EXPECT_EQ(n.tab(5).Offset, 46);
    EXPECT_EQ(n.tab(7).Offset, 46 + 2 * 39);
    EXPECT_EQ(b.Length, 117);

    n.bar->setState(0);  // back to the start: no more scrolling
    EXPECT_EQ(b.Shift, 0);
    EXPECT_EQ(b.Options, MoreAhead);
}

TEST(TabBarLayout, WideningTheCanvasScrollsBackUntilAllFit) {
    NumberedBar n(200, 8, 0);
    n.bar->setState(7);
    n.host.width = 400;
    n.bar->update();
    EXPECT_EQ(n.state().Shift, 0);
    EXPECT_EQ(n.state().Options, 0u);
    EXPECT_EQ(n.tab(0).Offset, 4);
    EXPECT_TRUE(n.tab(0).Visible);
}

// Four short tabs around one whose text alone is longer than any view (40 x 7 pixels).
struct LongTabBar {
    LongTabBar(uint32_t flags, size_t longAt) : host(200, 28) {
        resetDefaults();
        bar = std::make_unique<TabBarControl>(host, 100000, flags);
        for (size_t i = 0; i < 5; ++i) {
            bar->addTab(NoTab, i == longAt ? std::string(40, 'W') : "Tab" + std::to_string(i), 0,
                        0);
        }
    }
    const TabBar& state() const { return bar->state(); }
    const Tab& tab(size_t i) const { return *state().Tabs[i]; }
    FakeHost host;
    std::unique_ptr<TabBarControl> bar;
};

TEST(TabBarLayout, ScrollingToASelectedTabLongerThanTheViewStopsWhenItLeads) {
    LongTabBar l(0, 3);
    const TabBar& b = l.state();
    ASSERT_GT(l.tab(3).TabLength, b.MaxLength);
    l.bar->setState(3);
    EXPECT_EQ(b.Shift, 3) << "scrolling further would push the selected tab out of view";
    EXPECT_FALSE(b.FocusSelected);
    EXPECT_TRUE(b.has(ScrolledBack));
    EXPECT_TRUE(l.tab(3).Visible);
    EXPECT_EQ(l.tab(3).Offset, 4 + 10 + 32) << "it leads the view, right of arrow and fade";
    EXPECT_TRUE(l.tab(2).Visible) << "the tab before peeks under the fade";
    EXPECT_EQ(l.tab(3).FaceState, FaceSelected);
}

TEST(TabBarLayout, TabLongerThanAnyRowTakesARowAloneAndNoRowStaysEmpty) {
    for (size_t longAt : {size_t{0}, size_t{2}}) {
        LongTabBar l(WrapRows, longAt);
        const TabBar& b = l.state();
        const int32_t rows[2][5] = {{0, 1, 1, 1, 1}, {0, 0, 1, 2, 2}};
        const size_t c = longAt == 0 ? 0 : 1;
        EXPECT_EQ(b.Rows, c == 0 ? 2 : 3) << longAt;
        for (size_t i = 0; i < 5; ++i) EXPECT_EQ(l.tab(i).Row, rows[c][i]) << longAt << " " << i;
        // Stretched (here: cut) to fill its row exactly, like every row but the last.
        EXPECT_EQ(l.tab(longAt).Offset + l.tab(longAt).TabLength, 200 - 4) << longAt;
    }
}

TEST(TabBarLayout, SeveralRowsStretchEveryRowButTheLast) {
    NumberedBar n(200, 8, WrapRows);
    const TabBar& b = n.state();
    EXPECT_EQ(b.Rows, 2);
    EXPECT_EQ(n.host.height, 2 * 23 + 4 + 1) << "the canvas grows by one row";
    const int32_t lengths[] = {48, 49, 49, 49, 40, 40, 40, 40};
    const int32_t offsets[] = {4, 51, 99, 147, 4, 43, 82, 121};
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(n.tab(i).Row, i < 4 ? 0 : 1) << i;
        EXPECT_EQ(n.tab(i).TabLength, lengths[i]) << i;
        EXPECT_EQ(n.tab(i).Offset, offsets[i]) << i;
        EXPECT_EQ(n.tab(i).BoxY, i < 4 ? 27 : 4) << i;
    }
    // Row 0 ends exactly at the far margin.
    EXPECT_EQ(n.tab(3).Offset + n.tab(3).TabLength, 200 - 4);
}

TEST(TabBarLayout, UpsideDownRowsCountFromTheTop) {
    NumberedBar n(200, 8, WrapRows | UpsideDown);
    EXPECT_EQ(n.tab(0).BoxY, -1);
    EXPECT_EQ(n.tab(4).BoxY, 22);
    n.bar->setState(0);
    EXPECT_EQ(n.tab(0).BoxY, -1) << "the selected tab grows downward";
    EXPECT_EQ(n.tab(0).BoxHeight, 30);
}

TEST(TabBarLayout, ShorteningTakesFromTheLongestTextAndKeepsShortOnes) {
    FakeHost host(100, 28);  // 92 pixels for tabs
    resetDefaults();
    TabBarControl c(host, 1, ShortenTexts);
    c.addTab(NoTab, "Alphabet soup", 0, 0);  // 91 + 12
    c.addTab(NoTab, "Hi", 0, 0);
    const TabBar& b = c.state();
    EXPECT_EQ(b.Tabs[0]->ShownText, "Alphabe..");
    EXPECT_EQ(b.Tabs[0]->TabLength, 7 * 7 + 4 + 12);
    EXPECT_EQ(b.Tabs[1]->ShownText, "Hi");
    EXPECT_EQ(b.Length, 64 + 25);
    EXPECT_EQ(b.Options, ShortenTexts) << "shortened texts fit: no arrows";
    EXPECT_EQ(c.tabText(0), "Alphabet soup") << "the full text stays";

    c.setAttribute(ShortenTexts, 0);
    EXPECT_EQ(b.Tabs[0]->ShownText, "Alphabet soup");
    EXPECT_TRUE(b.has(MoreAhead));
}

TEST(TabBarLayout, ShorteningNeverCutsTextsOfThreeCharactersOrTabsAtTheMinimum) {
    FakeHost host(30, 28);  // 22 pixels for tabs
    resetDefaults();
    TabBarControl c(host, 1, ShortenTexts);
    c.addTab(NoTab, "abc", 0, 0);
    c.addTab(NoTab, "xyz", 0, 0);
    EXPECT_EQ(c.state().Tabs[0]->ShownText, "abc");
    EXPECT_EQ(c.state().Tabs[1]->ShownText, "xyz");

    FakeHost wide(60, 28);
    TabBarControl m(wide, 2, ShortenTexts);
    m.setAttribute(AttrMinTabLength, 100);
    m.addTab(NoTab, "Longer text", 0, 0);
    EXPECT_EQ(m.state().Tabs[0]->ShownText, "Longer text");
}

TEST(TabBarLayout, ShorteningCountsCharactersNotBytes) {
    FakeHost host(60, 28);
    resetDefaults();
    TabBarControl c(host, 1, ShortenTexts);
    c.addTab(NoTab, "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\xA9\xC3\xA8", 0, 0);  // 6 letters
    const std::string& shown = c.state().Tabs[0]->ShownText;
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown.substr(shown.size() - 2), "..");
    EXPECT_EQ(charCount(shown.substr(0, shown.size() - 2)) * 2,
              static_cast<int32_t>(shown.size() - 2))
        << "cut on a character boundary";
}

TEST(TabBarLayout, DraggedTabFollowsTheMouseWithinTheRow) {
    MainBar m;
    TabBar& b = m.bar->state();
    b.Moving = b.Tabs[0].get();  // "Parameters", whose place is 4
    auto layoutAt = [&](int32_t mouseX) {
        b.MouseX = mouseX;
        layoutTabBar(b, tabBarDefaults(), 285, 28, fakeTextWidth);
        return m.tab(0).Offset;
    };
    EXPECT_EQ(layoutAt(100), 30) << "26.5 from its place: jumps to mouse - length / 2";
    EXPECT_EQ(layoutAt(84), 6) << "10.5 from its place: lags with f = (10.5 / 24)^2";
    EXPECT_EQ(layoutAt(73), 4) << "0.5 from its place";
    EXPECT_EQ(layoutAt(-50), 4) << "held at the margin";
    EXPECT_EQ(layoutAt(400), 142) << "held at the row's end";
    EXPECT_EQ(m.tab(0).FaceState, FaceMoving);
    EXPECT_EQ(m.tab(1).Offset, 142) << "the others keep their places";
}

}  // namespace
}  // namespace tessaly::test
