#pragma once

#include <functional>
#include <string>

#include "tabbar/tabbar_model.h"

namespace tessaly {

// Width in pixels of a text in the bar's font; 0 for an empty text.
using TextWidthFn = std::function<int32_t(const std::string&)>;

// Length of a tab along the bar, from its ShownText, picture and the bar's options.
int32_t tabLength(const TabBar& bar, const Tab& tab, const TabBarDefaults& d,
                  const TextWidthFn& textWidth);

// Length available for tabs on a canvas of the given size, with or without the new-tab button.
int32_t availableLength(const TabBar& bar, const TabBarDefaults& d, int32_t width, int32_t height,
                        bool withNewTab);

// Shortens texts (ShortenTexts) against bar.MaxLength; returns the total length of the tabs.
int32_t shortenTexts(TabBar& bar, const TabBarDefaults& d, const TextWidthFn& textWidth);

// One layout pass over a canvas of width x height: lengths, rows, offsets, scrolling, face
// states and boxes. Returns the canvas height the bar needs; when it differs from the height
// given, the caller resizes the canvas (the boxes already use the new height).
int32_t layoutTabBar(TabBar& bar, const TabBarDefaults& d, int32_t width, int32_t height,
                     const TextWidthFn& textWidth);

}  // namespace tessaly
