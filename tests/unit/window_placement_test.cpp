#include "app/window_placement.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

// Outer sizes: the main window's 800 x 600 client area and the forms with a 4-pixel border and a
// 24-pixel title bar.
constexpr int kMainW = 808, kMainH = 628;
constexpr Rect kDesk{0, 0, 1600, 1200};

Rect centred(const Rect& d, int w, int h) {
    return {d.x + (d.width - w) / 2, d.y + (d.height - h) / 2, w, h};
}

bool inside(const Rect& d, const Rect& r) {
    return r.x >= d.x && r.y >= d.y && r.x + r.width <= d.x + d.width &&
           r.y + r.height <= d.y + d.height;
}

TEST(WindowPlacement, WithRoomForBothThePreviewIsUncoveredAndMovesOnlyAsItMust) {
    const Rect main = centred(kDesk, kMainW, kMainH);  // at 396, 286
    const struct {
        const char* what;
        Rect desktop, preview;
        bool mayMove;
        Rect wantPreview;  // x and y; width 0: only check it stayed
        int wantMainX;
    } cases[] = {
        {"apart: nothing moves", kDesk, {0, 0, 300, 200}, true, {0, 0}, 396},
        {"room right of it", kDesk, {50, 300, 348, 228}, true, {50, 300}, 398},
        {"room below it", kDesk, {500, 300, 348, 228}, true, {500, 300}, 396},
        {"centred 340 x 200: the pair centred",
         kDesk,
         centred(kDesk, 348, 228),
         true,
         {222, 486},
         570},
        {"centred 600 x 400", kDesk, centred(kDesk, 608, 428), true, {92, 386}, 700},
        {"not centred: the least shift", kDesk, {500, 500, 348, 228}, true, {444, 500}, 792},
        {"moved by the user: it stays", kDesk, {100, 100, 348, 228}, false, {100, 100}, 448},
        {"narrow desktop: stacked",
         {0, 0, 1000, 1200},
         centred({0, 0, 1000, 1200}, 608, 428),
         true,
         {196, 72},
         -1},
    };
    for (const auto& c : cases) {
        const Rect m = centred(c.desktop, kMainW, kMainH);
        const bool isCentred = isCentredOn(c.desktop, c.preview);
        const WindowPlacement p = placeWindows(c.desktop, m, c.preview, c.mayMove, isCentred);
        EXPECT_EQ(coveredArea(p.preview, p.main), 0) << c.what;
        EXPECT_TRUE(inside(c.desktop, p.main) && inside(c.desktop, p.preview)) << c.what;
        EXPECT_EQ(p.preview.x, c.wantPreview.x) << c.what;
        EXPECT_EQ(p.preview.y, c.wantPreview.y) << c.what;
        if (c.wantMainX >= 0) EXPECT_EQ(p.main.x, c.wantMainX) << c.what;
        EXPECT_EQ(p.preview.width, c.preview.width) << c.what;  // nothing is resized
        EXPECT_EQ(p.main.height, main.height) << c.what;
    }
}

TEST(WindowPlacement, TooSmallKeepsThePreviewsTitleBarInSight) {
    const struct {
        const char* what;
        Rect desktop, preview;
        bool mayMove;
    } cases[] = {
        {"1024 x 768, 600 x 400 form", {0, 0, 1024, 768}, {208, 170, 608, 428}, true},
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
        const Rect wantPreview = c.mayMove ? Rect{0, 0, c.preview.width, c.preview.height}
                                           : c.preview;  // the corner, or where the user put it
        EXPECT_EQ(p.preview, wantPreview) << c.what;
    }
}

}  // namespace
}  // namespace tessaly
