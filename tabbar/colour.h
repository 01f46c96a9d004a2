#pragma once

#include <cstdint>

namespace tessaly {

// A colour of the tab bar: red in bits 0-7, green 8-15, blue 16-23, alpha 24-31 (0xFF opaque).
using Colour = uint32_t;

// Colour from channels; alpha 0 unless given, as the toolkit's RGB() gives it.
constexpr Colour rgba(uint32_t r, uint32_t g, uint32_t b, uint32_t a = 0) {
    return (r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16 | (a & 0xFF) << 24;
}

constexpr uint32_t red(Colour c) {
    return c & 0xFF;
}
constexpr uint32_t green(Colour c) {
    return c >> 8 & 0xFF;
}
constexpr uint32_t blue(Colour c) {
    return c >> 16 & 0xFF;
}
constexpr uint32_t alpha(Colour c) {
    return c >> 24;
}

// c with its alpha replaced by a (only the low 8 bits of a count).
constexpr Colour withAlpha(Colour c, uint32_t a) {
    return (c & 0x00FFFFFF) | (a & 0xFF) << 24;
}

// Adds red, green and blue of k to those of c, each stopping at 255; keeps the alpha of c.
constexpr Colour colourAdd(Colour c, Colour k) {
    auto ch = [](uint32_t x, uint32_t y) { return x + y > 255 ? 255u : x + y; };
    return rgba(ch(red(c), red(k)), ch(green(c), green(k)), ch(blue(c), blue(k)), alpha(c));
}

// Subtracts red, green and blue of k from those of c, each stopping at 0; keeps the alpha of c.
constexpr Colour colourSub(Colour c, Colour k) {
    auto ch = [](uint32_t x, uint32_t y) { return x < y ? 0u : x - y; };
    return rgba(ch(red(c), red(k)), ch(green(c), green(k)), ch(blue(c), blue(k)), alpha(c));
}

}  // namespace tessaly
