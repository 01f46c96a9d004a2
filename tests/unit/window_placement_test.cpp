#include "app/window_placement.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

// Outer sizes: client sizes with a 4-pixel border and a 24-pixel title bar.
constexpr Rect kDesk{0, 0, 1600, 1200}, kNarrow{0, 0, 1000, 1200}, kSmall{0, 0, 1024, 768};

Rect centred(const Rect& d, int w, int h) {
    return {d.x + (d.width - w) / 2, d.y + (d.height - h) / 2, w, h};
}

TEST(WindowPlacement, ThePreviewIsUncoveredWhereThereIsRoomElseItsTitleBarIs) {
    const struct {
        const char* what;
        Rect desktop, preview;
        bool mayMove;
        int32_t previewX, previewY, mainX;  // mainX -1: not checked
        bool roomForBoth = true;
    } cases[] = {
        {"apart: nothing moves", kDesk, {0, 0, 300, 200}, true, 0, 0, 396},
        {"room right of it", kDesk, {50, 300, 348, 228}, true, 50, 300, 398},
        {"room below it", kDesk, {500, 300, 348, 228}, true, 500, 300, 396},
        {"centred 340 x 200: the pair centred", kDesk, centred(kDesk, 348, 228), true, 222, 486,
         570},
        {"centred 600 x 400", kDesk, centred(kDesk, 608, 428), true, 92, 386, 700},
        {"not centred: the least shift", kDesk, {500, 500, 348, 228}, true, 444, 500, 792},
        {"moved by the user: it stays", kDesk, {100, 100, 348, 228}, false, 100, 100, 448},
        {"narrow: stacked", kNarrow, centred(kNarrow, 608, 428), true, 196, 72, -1},
        {"too small: to the corner", kSmall, {208, 170, 608, 428}, true, 0, 0, -1, false},
        {"too small, as big as the desktop", kSmall, {0, 0, 1024, 768}, true, 0, 0, -1, false},
        {"too small, moved by the user", kSmall, {200, 100, 608, 428}, false, 200, 100, -1, false},
    };
    for (const auto& c : cases) {
        const Rect main = centred(c.desktop, 808, 628);
        const WindowPlacement p =
            placeWindows(c.desktop, main, c.preview, c.mayMove, isCentredOn(c.desktop, c.preview));
        EXPECT_EQ(p.preview, (Rect{c.previewX, c.previewY, c.preview.width, c.preview.height}))
            << c.what;
        if (c.mainX >= 0) EXPECT_EQ(p.main.x, c.mainX) << c.what;
        if (c.roomForBoth) {
            EXPECT_EQ(coveredArea(p.preview, p.main), 0) << c.what;
        } else {
            const Rect title{p.preview.x, p.preview.y, p.preview.width, 24};
            EXPECT_EQ(coveredArea(title, p.main), 0) << c.what;
            EXPECT_LE(coveredArea(p.preview, p.main), coveredArea(c.preview, main)) << c.what;
        }
        EXPECT_TRUE(p.main.x >= 0 && p.main.y >= 0 && p.main.x + p.main.width <= c.desktop.width &&
                    p.main.y + p.main.height <= c.desktop.height)
            << c.what;
    }
}

}  // namespace
}  // namespace tessaly
