#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tabbar/draw_surface.h"
#include "tabbar/tabbar_model.h"

namespace tessaly {

// The gradient stops of a tab face in a face state, for face colour F.
std::vector<GradientStop> faceStops(const TabBarDefaults& d, int32_t faceState, Colour F);

// The text drawn for a tab in the given room: while more than 3 characters are kept and the
// text is too wide, one character fewer followed by "..".
std::string fitText(const std::string& shownText, int32_t room, DrawSurface& s);

// Repaints the whole canvas from the state the last layout pass left.
void paintTabBar(const TabBar& bar, const TabBarDefaults& d, DrawSurface& s);

}  // namespace tessaly
