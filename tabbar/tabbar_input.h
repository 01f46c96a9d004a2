#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tabbar/tabbar_model.h"

namespace tessaly {

// The kinds of canvas event the tab bar tells apart; everything else is Other.
enum class InputType {
    Other,
    LeftDown,
    LeftUp,
    MiddleDown,
    MiddleUp,
    Move,
    Wheel,
    LeftDoubleClick,
    Leave,
};

// One canvas event in canvas pixels. wheel: whole notches, positive away from the user.
struct InputEvent {
    InputType type = InputType::Other;
    int32_t x = 0;
    int32_t y = 0;
    int32_t wheel = 0;
};

// Box test of hit-testing: the last column and row of a box do not count.
constexpr bool boxContains(int32_t x, int32_t y, int32_t w, int32_t h, int32_t mx, int32_t my) {
    return x <= mx && mx < x + w - 1 && y <= my && my < y + h - 1;
}

// Zone test of the arrows and close buttons: every pixel of the zone counts.
constexpr bool zoneContains(int32_t x, int32_t y, int32_t w, int32_t h, int32_t mx, int32_t my) {
    return x <= mx && mx < x + w && y <= my && my < y + h;
}

// Updates hover, press, drag and scroll state for one event on a canvas of width x height and
// leaves the event code in bar.Event and bar.EventTab. Does not lay out; the caller does.
int32_t handleInput(TabBar& bar, const TabBarDefaults& d, const InputEvent& ev, int32_t width,
                    int32_t height);

// The tooltip text to hand to the canvas when the wanted tooltip changed since the last one
// shown (and records it as shown); nothing when it did not change.
std::optional<std::string> takeToolTipChange(TabBar& bar);

}  // namespace tessaly
