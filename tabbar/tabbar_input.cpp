#include "tabbar/tabbar_input.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace tessaly {

namespace {

// A drag starts only once the mouse has left this many pixels around the press.
constexpr int32_t kDragThreshold = 4;

bool inBox(const Tab& t, int32_t mx, int32_t my) {
    return boxContains(t.BoxX, t.BoxY, t.BoxWidth, t.BoxHeight, mx, my);
}

void hitTest(TabBar& bar) {
    for (auto& t : bar.Tabs) {
        if (t->Visible && inBox(*t, bar.MouseX, bar.MouseY)) bar.Hover = t.get();  // later wins
    }
    if (bar.has(ShowNewTab) && inBox(bar.NewTab, bar.MouseX, bar.MouseY)) bar.Hover = &bar.NewTab;
}

void stepShift(TabBar& bar, int32_t by) {
    bar.Shift = std::clamp(bar.Shift + by, 0, bar.tabCount());
}

void handleArrows(TabBar& bar, const TabBarDefaults& d, const InputEvent& ev, int32_t width,
                  int32_t height) {
    if (ev.type == InputType::Wheel) stepShift(bar, d.WheelDirection * ev.wheel);
    const int32_t cy = (height + d.Margin) / 2;
    const int32_t top = cy - d.ArrowHeight / 2;
    int32_t rightX = width - d.ArrowWidth;
    if (bar.has(ShowNewTab)) rightX -= bar.NewTab.TabLength + d.Margin;
    if (bar.has(ScrolledBack) &&
        zoneContains(0, top, d.ArrowWidth, d.ArrowHeight, bar.MouseX, bar.MouseY)) {
        bar.HoverArrow = ScrolledBack;
    } else if (bar.has(MoreAhead) &&
               zoneContains(rightX, top, d.ArrowWidth, d.ArrowHeight, bar.MouseX, bar.MouseY)) {
        bar.HoverArrow = MoreAhead;
    }
    if (bar.HoverArrow == 0) return;
    bar.Hover = nullptr;
    if (ev.type == InputType::LeftDown) bar.ArrowPressed = bar.HoverArrow;
    if (ev.type == InputType::LeftUp && bar.ArrowPressed == bar.HoverArrow) {
        stepShift(bar, bar.HoverArrow == ScrolledBack ? -1 : 1);
    }
}

void handleHover(TabBar& bar, const TabBarDefaults& d, const InputEvent& ev) {
    Tab& t = *bar.Hover;
    const bool isNew = &t == &bar.NewTab;
    bar.ToolTipText = {t.ToolTip.empty() ? ToolTipRef::TabTemplateTip : ToolTipRef::TabOwnTip, &t};
    if (bar.has(ShowCloseButtons) && !isNew) {
        const int32_t size = d.CloseButtonSize;
        const int32_t x = t.BoxX + t.BoxWidth - t.PaddingX - size;
        const int32_t y = t.BoxY + (t.BoxHeight - size) / 2;
        if (zoneContains(x, y, size, size, bar.MouseX, bar.MouseY)) {
            bar.HoverClose = true;
            bar.ToolTipText = {ToolTipRef::CloseTip, &t};
        }
    }
    if (isNew) {
        bar.EventTab = NewTabSlot;
        bar.ToolTipText = {ToolTipRef::NewTabTip, &t};
    } else {
        bar.EventTab = bar.indexOf(&t);
    }
    switch (ev.type) {
        case InputType::LeftDown:
            bar.Pressed = &t;
            if (isNew) {
                bar.Event = NewTabRequested;
            } else if (bar.HoverClose) {
                bar.ClosePressed = true;
            } else {
                if (!t.Disabled && &t != bar.Selected) bar.Event = SelectionChanged;
                if (!t.Disabled) bar.Selected = &t;
                // A disabled tab cannot be selected but can still be dragged.
                if (!bar.has(LockOrder)) {
                    bar.ReadyToMove = &t;
                    bar.PressX = bar.MouseX;
                    bar.PressY = bar.MouseY;
                }
            }
            break;
        case InputType::MiddleDown:
            bar.Pressed = &t;
            break;
        case InputType::LeftUp:
            if (bar.HoverClose && bar.Pressed == &t) bar.Event = CloseRequested;
            break;
        case InputType::MiddleUp:
            if (bar.Pressed == &t && !isNew) {
                bar.Event = CloseRequested;
                bar.Moving = nullptr;
                bar.ReadyToMove = nullptr;
            }
            bar.Pressed = nullptr;
            break;
        case InputType::Move:
            if (bar.ReadyToMove != nullptr &&
                (std::abs(bar.MouseX - bar.PressX) > kDragThreshold ||
                 std::abs(bar.MouseY - bar.PressY) > kDragThreshold)) {
                bar.Moving = bar.ReadyToMove;
            }
            break;
        default:
            break;
    }
}

void exchange(TabBar& bar, size_t a, size_t b) {
    std::swap(bar.Tabs[a], bar.Tabs[b]);
}

// Moves the dragged tab past the neighbours the mouse has passed.
void reorder(TabBar& bar) {
    int32_t p = bar.MouseX;
    if (bar.has(WrapRows) && bar.TabHeight > 0 && bar.Rows > 0) {
        const double rows = static_cast<double>(bar.MouseY) / bar.TabHeight;
        int32_t row = static_cast<int32_t>(bar.has(UpsideDown) ? rows : bar.Rows - rows);
        row = std::clamp(row, 0, bar.Rows - 1);
        p = row * bar.MaxLength + bar.MouseX;
    }
    Tab* moving = bar.Moving;
    int32_t at = bar.indexOf(moving);
    if (at < 0) return;
    for (int32_t i = at + 1; bar.Event == NoEvent && i < bar.tabCount(); ++i) {
        Tab& t = *bar.Tabs[static_cast<size_t>(i)];
        if (p > t.Offset + bar.MaxLength * t.Row) {
            exchange(bar, static_cast<size_t>(at), static_cast<size_t>(i));
            t.Offset = moving->Offset;
            moving->Offset = t.Offset + t.TabLength;
            at = i;
            bar.Event = TabMoved;
            bar.EventTab = at;
        }
    }
    const int32_t lowest = std::max(bar.Shift - 1, 0);
    for (int32_t i = at - 1; bar.Event == NoEvent && i >= lowest; --i) {
        Tab& t = *bar.Tabs[static_cast<size_t>(i)];
        const int32_t m = std::min(t.TabLength, moving->TabLength);
        if (p < t.Offset + bar.MaxLength * t.Row + m) {
            exchange(bar, static_cast<size_t>(at), static_cast<size_t>(i));
            moving->Offset = t.Offset;
            t.Offset = moving->Offset + moving->TabLength;
            at = i;
            bar.Event = TabMoved;
            bar.EventTab = at;
        }
    }
}

}  // namespace

int32_t handleInput(TabBar& bar, const TabBarDefaults& d, const InputEvent& ev, int32_t width,
                    int32_t height) {
    bar.ToolTipText = {};
    bar.MouseX = ev.x;
    bar.MouseY = ev.y;
    bar.Event = NoEvent;
    bar.EventTab = NoTab;
    bar.Hover = nullptr;
    bar.HoverClose = false;
    bar.HoverArrow = 0;

    if (bar.Moving == nullptr) hitTest(bar);
    if (bar.has(ScrolledBack | MoreAhead)) handleArrows(bar, d, ev, width, height);
    if (bar.Hover != nullptr) handleHover(bar, d, ev);
    if (bar.Hover == nullptr && bar.HoverArrow == 0 && ev.type == InputType::LeftDoubleClick) {
        bar.Event = NewTabRequested;
    }
    if (ev.type == InputType::LeftUp) {
        bar.ClosePressed = false;
        bar.Moving = nullptr;
        bar.ReadyToMove = nullptr;
        bar.ArrowPressed = 0;
    }
    if (ev.type == InputType::Leave) bar.Hover = nullptr;
    if (bar.Moving != nullptr) reorder(bar);
    return bar.Event;
}

std::optional<std::string> takeToolTipChange(TabBar& bar) {
    if (bar.ToolTipText == bar.ToolTipShown) return std::nullopt;
    bar.ToolTipShown = bar.ToolTipText;
    const Tab* t = bar.ToolTipText.tab;
    switch (bar.ToolTipText.kind) {
        case ToolTipRef::None:
            return std::string();
        case ToolTipRef::NewTabTip:
            return bar.NewTabToolTip;
        case ToolTipRef::CloseTip:
            return bar.CloseToolTip;
        case ToolTipRef::TabOwnTip:
            return t->ToolTip;
        case ToolTipRef::TabTemplateTip:
            break;
    }
    std::string text = bar.TabToolTip;
    const std::string item = "%ITEM";
    for (size_t at = text.find(item); at != std::string::npos;
         at = text.find(item, at + t->Text.size())) {
        text.replace(at, item.size(), t->Text);
    }
    return text;
}

}  // namespace tessaly
