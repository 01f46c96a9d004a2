#include "edit/check_box.h"

#include <algorithm>
#include <cstdlib>

namespace tessaly {

namespace {

// A one-pixel line from (x1, y1) to (x2, y2), both ends included. The tick's lines are all
// diagonals, so stepping both coordinates together covers every pixel.
void addLine(std::vector<PaintStep>& out, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const int32_t steps = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
    for (int32_t i = 0; i <= steps; ++i) {
        const int32_t x = steps == 0 ? x1 : x1 + (x2 - x1) * i / steps;
        const int32_t y = steps == 0 ? y1 : y1 + (y2 - y1) * i / steps;
        out.push_back({x, y, 1, 1, kCheckBoxDark});
    }
}

}  // namespace

std::vector<PaintStep> checkBoxSteps(int32_t x, int32_t y, int32_t width, int32_t height,
                                     bool ticked) {
    std::vector<PaintStep> out;
    if (width <= 14 || height <= 14) return out;
    const int32_t bx = x + (width - 14) / 2;
    const int32_t by = y + (height - 14) / 2;
    out.push_back({0, 0, width, height, kCheckBoxLight});
    out.push_back({bx, by, 14, 14, kCheckBoxDark});
    out.push_back({bx + 1, by + 1, 12, 12, kCheckBoxDark});
    out.push_back({bx + 2, by + 2, 10, 10, kCheckBoxLight});
    if (ticked) {
        const int32_t cx = bx + 1;
        const int32_t cy = by + 1;
        addLine(out, cx + 2, cy + 5, cx + 5, cy + 8);
        addLine(out, cx + 2, cy + 4, cx + 5, cy + 7);
        addLine(out, cx + 3, cy + 4, cx + 6, cy + 7);
        addLine(out, cx + 6, cy + 5, cx + 9, cy + 2);
        addLine(out, cx + 6, cy + 6, cx + 9, cy + 3);
        addLine(out, cx + 7, cy + 6, cx + 9, cy + 4);
    }
    return out;
}

std::vector<uint8_t> paintGrey(const std::vector<PaintStep>& steps, int32_t width, int32_t height,
                               uint8_t background) {
    std::vector<uint8_t> raster(size_t(std::max(width, 0)) * size_t(std::max(height, 0)),
                                background);
    for (const PaintStep& s : steps) {
        const int32_t x0 = std::max(s.x, 0);
        const int32_t y0 = std::max(s.y, 0);
        const int32_t x1 = std::min(s.x + s.width, width);
        const int32_t y1 = std::min(s.y + s.height, height);
        for (int32_t py = y0; py < y1; ++py) {
            for (int32_t px = x0; px < x1; ++px)
                raster[size_t(py) * size_t(width) + size_t(px)] = s.grey;
        }
    }
    return raster;
}

}  // namespace tessaly
