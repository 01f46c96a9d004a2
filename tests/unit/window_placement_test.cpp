#include "app/window_placement.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

// Outer sizes as the window manager frames them: the main window's 800 x 600 client area, forms
// of 340 x 200 and 600 x 400, each with a 4-pixel border and a 24-pixel title bar.
constexpr Rect kDesk1600{0, 0, 1600, 1200};
constexpr int kMainW = 808, kMainH = 628;

Rect centred(const Rect& d, int w, int h) {
    return {d.x + (d.width - w) / 2, d.y + (d.height - h) / 2, w, h};
}

bool inside(const Rect& d, const Rect& r) {
    return r.x >= d.x && r.y >= d.y && r.x + r.width <= d.x + d.width &&
           r.y + r.height <= d.y + d.height;
}

TEST(WindowPlacement, RoomForBothLeavesThePreviewUncovered) {
    const struct {
        const char* what;
        Rect desktop, preview;
        bool centredPreview;
    } cases[] = {
        {"centred 340 x 200 on 1600 x 1200", kDesk1600, centred(kDesk1600, 348, 228), true},
        {"centred 600 x 400 on 1600 x 1200", kDesk1600, centred(kDesk1600, 608, 428), true},
        {"form at 100, 100", kDesk1600, {100, 100, 348, 228}, false},
        {"form at the right edge", kDesk1600, {1200, 300, 348, 228}, false},
        {"desktop not at 0, 0",
         {1600, 50, 1600, 1150},
         centred({1600, 50, 1600, 1150}, 608, 428),
         true},
        {"wide only for one: stacked",
         {0, 0, 1000, 1200},
         centred({0, 0, 1000, 1200}, 608, 428),
         true},
    };
    for (const auto& c : cases) {
        const Rect main = centred(c.desktop, kMainW, kMainH);
        const WindowPlacement p = placeWindows(c.desktop, main, c.preview, true, c.centredPreview);
        EXPECT_EQ(coveredArea(p.preview, p.main), 0) << c.what;
        EXPECT_TRUE(inside(c.desktop, p.main)) << c.what;
        EXPECT_TRUE(inside(c.desktop, p.preview)) << c.what;
        EXPECT_EQ(p.preview.width, c.preview.width) << c.what;  // nothing is resized
        EXPECT_EQ(p.main.height, main.height) << c.what;
    }
}

TEST(WindowPlacement, WhoMovesAndHowFar) {
    const Rect main = centred(kDesk1600, kMainW, kMainH);  // 396, 286
    // Not overlapping: nothing moves.
    const Rect apart{0, 0, 300, 200};
    EXPECT_EQ(placeWindows(kDesk1600, main, apart, true, false).main, main);
    // Room beside the preview as it is: only the main window moves, to its right.
    const Rect left{50, 300, 348, 228};
    WindowPlacement p = placeWindows(kDesk1600, main, left, true, false);
    EXPECT_EQ(p.preview, left);
    EXPECT_EQ(p.main, (Rect{398, 286, kMainW, kMainH}));
    // A centred preview stays centred together with the main window: the pair is centred.
    const Rect mid = centred(kDesk1600, 348, 228);
    p = placeWindows(kDesk1600, main, mid, true, true);
    EXPECT_EQ(p.preview.x, (1600 - 348 - kMainW) / 2);
    EXPECT_EQ(p.main.x, p.preview.x + 348);
    EXPECT_EQ(p.preview.y, mid.y);
    // Room below the preview as it is: the main window goes there.
    p = placeWindows(kDesk1600, main, {500, 300, 348, 228}, true, false);
    EXPECT_EQ(p.main, (Rect{396, 528, kMainW, kMainH}));
    // Not centred: the preview moves as little as it must.
    p = placeWindows(kDesk1600, main, {500, 500, 348, 228}, true, false);
    EXPECT_EQ(p.preview.x, 1600 - kMainW - 348);
    EXPECT_EQ(p.main.x, 1600 - kMainW);
    // Moved by the user: the preview stays, only the main window may move.
    p = placeWindows(kDesk1600, main, mid, false, true);
    EXPECT_EQ(p.preview, mid);
}

TEST(WindowPlacement, TooSmallKeepsThePreviewsTitleBarInSight) {
    const struct {
        const char* what;
        Rect desktop, preview;
        bool mayMove;
    } cases[] = {
        {"1024 x 768 desktop, 600 x 400 form", {0, 0, 1024, 768}, {208, 170, 608, 428}, true},
        {"1024 x 768, form as big as the desktop", {0, 0, 1024, 768}, {0, 0, 1024, 768}, true},
        {"1280 x 1024, 900 x 700 form", {0, 0, 1280, 1024}, {186, 148, 908, 728}, true},
        {"moved by the user", {0, 0, 1024, 768}, {200, 100, 608, 428}, false},
    };
    for (const auto& c : cases) {
        const Rect main = centred(c.desktop, kMainW, kMainH);
        const WindowPlacement p = placeWindows(c.desktop, main, c.preview, c.mayMove, true);
        const Rect title{p.preview.x, p.preview.y, p.preview.width, 24};
        EXPECT_EQ(coveredArea(title, p.main), 0) << c.what;
        EXPECT_LE(coveredArea(p.preview, p.main), coveredArea(c.preview, main)) << c.what;
        if (c.mayMove) {
            EXPECT_EQ(p.preview.x, c.desktop.x) << c.what;
            EXPECT_EQ(p.preview.y, c.desktop.y) << c.what;
        } else {
            EXPECT_EQ(p.preview, c.preview) << c.what;
        }
    }
}

TEST(WindowPlacement, CentredMeansWithinRounding) {
    EXPECT_TRUE(isCentredOn(kDesk1600, centred(kDesk1600, 347, 227)));
    EXPECT_TRUE(isCentredOn(kDesk1600, {627, 486, 348, 228}));
    EXPECT_FALSE(isCentredOn(kDesk1600, {0, 0, 348, 228}));
    EXPECT_FALSE(isCentredOn(kDesk1600, {626, 300, 348, 228}));
}

}  // namespace
}  // namespace tessaly
