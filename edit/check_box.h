#pragma once

#include <cstdint>
#include <vector>

namespace tessaly {

// One drawing step of the check box: a filled rectangle (a single pixel has size 1 x 1).
struct PaintStep {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint8_t grey = 0;  // red, green and blue are equal
    bool operator==(const PaintStep&) const = default;
};

inline constexpr uint8_t kCheckBoxDark = 116;
inline constexpr uint8_t kCheckBoxLight = 218;

// The steps that draw a 14 x 14 check box centred in the area (x, y, width, height), in painting
// order; ticked adds the tick. An area of 14 pixels or less in either direction gives no steps.
// The background fill always starts at (0, 0): both switches are drawn at (0, 0, 15, 15).
std::vector<PaintStep> checkBoxSteps(int32_t x, int32_t y, int32_t width, int32_t height,
                                     bool ticked);

// Paints steps into a grey-level raster of width x height (row-major), clipping at its edges.
// The raster starts as `background`.
std::vector<uint8_t> paintGrey(const std::vector<PaintStep>& steps, int32_t width, int32_t height,
                               uint8_t background);

}  // namespace tessaly
