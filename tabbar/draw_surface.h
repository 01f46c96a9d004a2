#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tabbar/colour.h"
#include "tabbar/tabbar_model.h"

namespace tessaly {

// Drawing modes; they combine.
inline constexpr uint32_t DrawAllChannels = 0x1;   // replace every channel, alpha included
inline constexpr uint32_t DrawAlphaBlend = 0x2;    // colours blend by their alpha
inline constexpr uint32_t DrawGradient = 0x4;      // boxes fill with the current gradient
inline constexpr uint32_t DrawOutlined = 0x8;      // boxes draw only their outline
inline constexpr uint32_t DrawTransparent = 0x10;  // text without a background

struct GradientStop {
    double position;  // 0.0 to 1.0
    Colour colour;
    bool operator==(const GradientStop&) const = default;
};

// The 2-D drawing the tab bar paints through. The window layer implements it on the canvas;
// tests record the calls. Coordinates are canvas pixels.
class DrawSurface {
  public:
    virtual ~DrawSurface() = default;
    virtual int32_t width() const = 0;
    virtual int32_t height() const = 0;
    virtual void setFont(FontHandle font) = 0;
    // Size of a text in the current font; 0 for an empty text.
    virtual int32_t textWidth(const std::string& text) = 0;
    virtual int32_t textHeight(const std::string& text) = 0;
    virtual void setMode(uint32_t modes) = 0;
    // The gradient used by boxes while DrawGradient is on: from (x1, y1) to (x2, y2).
    virtual void setLinearGradient(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                   const std::vector<GradientStop>& stops) = 0;
    virtual void box(int32_t x, int32_t y, int32_t w, int32_t h, Colour c) = 0;
    // A radius larger than half the width (height) counts as half the width (height).
    virtual void roundBox(int32_t x, int32_t y, int32_t w, int32_t h, int32_t rx, int32_t ry,
                          Colour c) = 0;
    // The segment from (x, y) to lineEnd(x, y, w, h); nothing when w or h is 0.
    virtual void line(int32_t x, int32_t y, int32_t w, int32_t h, Colour c) = 0;
    virtual void lineXY(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Colour c) = 0;
    virtual void text(int32_t x, int32_t y, const std::string& text, Colour c) = 0;
    // A tab's picture copy at (x, y), its alpha scaled by alpha / 255.
    virtual void picture(PictureHandle picture, int32_t x, int32_t y, int32_t alpha) = 0;
};

// Last point of line(x, y, w, h): each length counts the start pixel, in its own direction.
constexpr std::pair<int32_t, int32_t> lineEnd(int32_t x, int32_t y, int32_t w, int32_t h) {
    auto sign = [](int32_t v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); };
    return {x + w - sign(w), y + h - sign(h)};
}

}  // namespace tessaly
