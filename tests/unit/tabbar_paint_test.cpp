#include "tabbar/tabbar_paint.h"

#include <gtest/gtest.h>

#include "tabbar_fakes.h"

namespace tessaly::test {
namespace {

using enum InputType;

constexpr Colour kBorder = rgba(160, 160, 160, 0xFF);
constexpr Colour kBlack = rgba(0, 0, 0, 0xFF);

Colour grey(uint32_t v, uint32_t a = 0xFF) {
    return rgba(v, v, v, a);
}

// Only the shapes and texts, in order.
std::vector<Call> shapes(const RecordingSurface& s) {
    std::vector<Call> out;
    for (const Call& c : s.calls) {
        if (c.op == "roundBox" || c.op == "line" || c.op == "text" || c.op == "box") {
            out.push_back(c);
        }
    }
    return out;
}

TEST(TabBarColour, AddAndSubStopAtTheChannelLimitsAndKeepAlpha) {
    EXPECT_EQ(colourAdd(rgba(250, 10, 128, 0x7F), 0x101010), rgba(255, 26, 144, 0x7F));
    EXPECT_EQ(colourAdd(grey(240), 0xFF101010), grey(255)) << "alpha of the second is ignored";
    EXPECT_EQ(colourSub(rgba(5, 200, 16, 0x33), 0x101010), rgba(0, 184, 0, 0x33));
    EXPECT_EQ(colourSub(grey(0, 0), 0xFFFFFFFF), grey(0, 0));
    EXPECT_EQ(withAlpha(rgba(1, 2, 3, 4), 0xA0), rgba(1, 2, 3, 0xA0));
    EXPECT_EQ(withAlpha(rgba(1, 2, 3, 4), 0x1C0), rgba(1, 2, 3, 0xC0));
    EXPECT_EQ(rgba(255, 0, 0), 0x000000FFu) << "red in the low byte";
    EXPECT_EQ(rgba(0, 0, 255, 0xFF), 0xFFFF0000u);
}

TEST(TabBarPaint, FaceGradientStopsOfEachStateForTheGreyFace) {
    const TabBarDefaults d;
    const Colour face = grey(153);
    const std::vector<GradientStop> normal = {
        {0.0, grey(185)}, {0.5, grey(153)}, {0.6, grey(137)}, {1.0, grey(105)}};
    EXPECT_EQ(faceStops(d, FaceNormal, face), normal);
    const std::vector<GradientStop> hover = {
        {0.0, grey(201)}, {0.5, grey(169)}, {0.6, grey(153)}, {1.0, grey(121)}};
    EXPECT_EQ(faceStops(d, FaceHover, face), hover);
    const std::vector<GradientStop> selected = {
        {0.0, grey(185)}, {0.5, grey(169)}, {1.0, grey(153)}};
    EXPECT_EQ(faceStops(d, FaceSelected, face), selected);
    const std::vector<GradientStop> dragged = {
        {0.0, grey(185, 0xC0)}, {0.5, grey(169, 0xC0)}, {1.0, grey(153, 0xC0)}};
    EXPECT_EQ(faceStops(d, FaceMoving, face), dragged);
    const std::vector<GradientStop> disabled = {{0.0, grey(185, 0x80)},
                                                {0.5, grey(153, 0x80)},
                                                {0.6, grey(137, 0x80)},
                                                {1.0, grey(105, 0x80)}};
    EXPECT_EQ(faceStops(d, FaceDisabled, face), disabled);
}

TEST(TabBarPaint, MainBarPaintsFlagsThenTheBaseLineThenTheSelectedTab) {
    MainBar m;
    const RecordingSurface s = m.paint();
    EXPECT_EQ(s.font, 7);
    const std::vector<Call> got = shapes(s);
    ASSERT_EQ(got.size(), 8u);
    // Background: every channel replaced.
    EXPECT_EQ(got[0].op, "box");
    EXPECT_EQ(got[0].args, (std::vector<int32_t>{0, 0, 285, 28}));
    EXPECT_EQ(got[0].colour, kMainWindowBackColor);
    EXPECT_EQ(got[0].mode, DrawAllChannels);
    // "Flags": face, outline, text.
    EXPECT_EQ(got[1].args, (std::vector<int32_t>{142, 4, 139, 29, 3, 3}));
    EXPECT_EQ(got[1].mode, DrawGradient | DrawAlphaBlend | DrawTransparent);
    EXPECT_EQ(got[2].args, got[1].args);
    EXPECT_EQ(got[2].mode, DrawOutlined | DrawAlphaBlend);
    EXPECT_EQ(got[2].colour, kBorder);
    EXPECT_EQ(got[3].text, "Flags");
    EXPECT_EQ(got[3].args, (std::vector<int32_t>{148, 10}));
    EXPECT_EQ(got[3].colour, kBlack);
    // The base line along the bottom.
    EXPECT_EQ(got[4].op, "line");
    EXPECT_EQ(got[4].args, (std::vector<int32_t>{0, 27, 285, 1}));
    EXPECT_EQ(got[4].colour, kBorder);
    // "Parameters" over both, raised.
    EXPECT_EQ(got[5].args, (std::vector<int32_t>{2, 0, 143, 33, 3, 3}));
    EXPECT_EQ(got[7].text, "Parameters");
    EXPECT_EQ(got[7].args, (std::vector<int32_t>{10, 8}));

    const std::vector<Call> gradients = s.only("gradient");
    ASSERT_EQ(gradients.size(), 2u);
    EXPECT_EQ(gradients[0].args, (std::vector<int32_t>{0, 4, 0, 29}));
    EXPECT_EQ(gradients[0].stops, faceStops(tabBarDefaults(), FaceNormal, grey(153)));
    EXPECT_EQ(gradients[1].args, (std::vector<int32_t>{0, 0, 0, 29}));
    EXPECT_EQ(gradients[1].stops[0].colour, grey(185));
    EXPECT_EQ(gradients[1].stops[1].colour, grey(169));
    EXPECT_EQ(gradients[1].stops[2].colour, grey(153));
}

TEST(TabBarPaint, DisabledTabIsFaded) {
    MainBar m;
    m.bar->setTabDisabled(1, true);
    const std::vector<Call> got = shapes(m.paint());
    EXPECT_EQ(got[2].colour, withAlpha(kBorder, 0x80));
    EXPECT_EQ(got[3].text, "Flags");
    EXPECT_EQ(got[3].colour, withAlpha(kBlack, 0x40));
    const std::vector<Call> gradients = m.paint().only("gradient");
    for (const GradientStop& stop : gradients[0].stops) EXPECT_EQ(alpha(stop.colour), 0x80u);
}

TEST(TabBarPaint, TextIsShortenedToItsRoomWhileDrawingButNeverBelowFourCharacters) {
    RecordingSurface s(100, 28);
    EXPECT_EQ(fitText("Parameters", 28, s), "Par..");
    EXPECT_EQ(fitText("Parameters", 70, s), "Parameters");
    EXPECT_EQ(fitText("Parameters", 69, s), "Parameter..");
    EXPECT_EQ(fitText("abc", -2, s), "abc");
    EXPECT_EQ(fitText("abcd", 0, s), "abc..") << "stops at three characters kept";

    MainBar m;
    m.bar->setAttribute(AttrMinTabLength, 0);
    m.bar->setAttribute(AttrMaxTabLength, 40);
    const std::vector<Call> texts = m.paint().only("text");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "Fla..") << "room 28 of a 40-pixel tab";
    EXPECT_EQ(texts[1].text, "Par..");
}

TEST(TabBarPaint, UpsideDownDrawsTheBaseLineAtTheTopAndTurnsTheGradient) {
    NumberedBar n(200, 2, UpsideDown | BaseLine);
    RecordingSurface s(200, 28);
    paintTabBar(n.state(), tabBarDefaults(), s);
    const std::vector<Call> lines = s.only("line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].args, (std::vector<int32_t>{0, 0, 200, 1}));
    const std::vector<Call> gradients = s.only("gradient");
    EXPECT_EQ(gradients[0].args, (std::vector<int32_t>{0, 24, 0, -1}));
    const std::vector<Call> boxes = s.only("roundBox");
    EXPECT_EQ(boxes[0].args[1], -1 - 4) << "the rounded corners on the page side lie outside";
}

TEST(TabBarPaint, FadeAndArrowBesideHiddenTabs) {
    NumberedBar n(200, 8, 0);
    RecordingSurface s(200, 28);
    paintTabBar(n.state(), tabBarDefaults(), s);
    const Colour back = kMainWindowBackColor;
    const std::vector<Call> gradients = s.only("gradient");
    const Call& fade = gradients.back();
    EXPECT_EQ(fade.args, (std::vector<int32_t>{154, 0, 186, 0}));
    EXPECT_EQ(fade.stops, (std::vector<GradientStop>{{0.0, withAlpha(back, 0)},
                                                     {0.5, withAlpha(back, 0xA0)},
                                                     {1.0, withAlpha(back, 0xFF)}}));
    const std::vector<Call> boxes = s.only("box");
    EXPECT_EQ(boxes.back().args, (std::vector<int32_t>{154, 0, 46, 28}));
    // The right arrow, not hovered: only the glyph, half transparent, tip at (197, 16).
    const std::vector<Call> lines = s.only("line");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].args, (std::vector<int32_t>{196, 15, 1, 2}));
    EXPECT_EQ(lines[3].args, (std::vector<int32_t>{193, 12, 1, 8}));
    EXPECT_EQ(lines[0].colour, withAlpha(kBlack, 0x80));
    const std::vector<Call> edges = s.only("lineXY");
    ASSERT_EQ(edges.size(), 2u);
    EXPECT_EQ(edges[0].args, (std::vector<int32_t>{197, 15, 193, 11}));
    EXPECT_EQ(edges[1].args, (std::vector<int32_t>{197, 16, 193, 20}));
    EXPECT_EQ(edges[0].colour, withAlpha(kBlack, 0x20));

    n.bar->handleEvent(at(Move, 195, 16));  // hovered: a raised button under the glyph
    RecordingSurface hovered(200, 28);
    paintTabBar(n.state(), tabBarDefaults(), hovered);
    const Call button = hovered.only("gradient").back();
    EXPECT_EQ(button.args, (std::vector<int32_t>{190, 8, 190, 23}));
    const Colour face = tabBarDefaults().FaceColor;
    EXPECT_EQ(button.stops.front().colour, colourAdd(face, 0x404040));
    EXPECT_EQ(button.stops.back().colour, colourSub(face, 0x404040));
    EXPECT_EQ(hovered.only("line")[0].colour, kBlack);
}

TEST(TabBarPaint, CloseGlyphOnEveryTabAndAButtonUnderTheHoveredOne) {
    MainBar m;
    m.bar->setAttribute(ShowCloseButtons, 1);
    const std::vector<Call> plain = m.paint().only("line");
    // Two crosses of six lines, plus the base line between them.
    ASSERT_EQ(plain.size(), 13u);
    EXPECT_EQ(plain[4].args, (std::vector<int32_t>{265, 13, 7, 7}));
    EXPECT_EQ(plain[5].args, (std::vector<int32_t>{265, 19, 7, -7}));
    EXPECT_EQ(plain[0].colour, withAlpha(kBlack, 0x3F));

    m.bar->handleEvent(at(LeftDown, 265, 15));
    const std::vector<Call> gradients = m.paint().only("gradient");
    const Call& sunken = gradients[1];  // after the face of "Flags"
    EXPECT_EQ(sunken.args, (std::vector<int32_t>{262, 10, 262, 22}));
    EXPECT_EQ(sunken.stops.front().colour, colourSub(grey(153), 0x404040));
}

TEST(TabBarPaint, LineEndCountsTheStartPixel) {
    EXPECT_EQ(lineEnd(0, 27, 285, 1), std::make_pair(284, 27));
    EXPECT_EQ(lineEnd(5, 5, -3, 1), std::make_pair(3, 5));
    EXPECT_EQ(lineEnd(10, 20, 7, -7), std::make_pair(16, 14));
}

}  // namespace
}  // namespace tessaly::test
