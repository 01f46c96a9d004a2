#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tabbar/colour.h"

namespace tessaly {

// Fonts and pictures are the window layer's; the tab bar only carries their handles.
using FontHandle = int64_t;
using PictureHandle = int64_t;  // 0: none

// Option bits of TabBar::Options.
inline constexpr uint32_t ShowCloseButtons = 0x1;
inline constexpr uint32_t ShowNewTab = 0x2;
inline constexpr uint32_t ShortenTexts = 0x4;
inline constexpr uint32_t UpsideDown = 0x8;
inline constexpr uint32_t LengthAlongHeight = 0x10;  // only at creation
inline constexpr uint32_t LockOrder = 0x20;
inline constexpr uint32_t WrapRows = 0x40;
inline constexpr uint32_t BaseLine = 0x80;
inline constexpr uint32_t ScrolledBack = 0x40000000;  // set by layout: the left arrow is shown
inline constexpr uint32_t MoreAhead = 0x80000000;     // set by layout: the right arrow is shown

// Attributes of setAttribute besides the option bits above.
inline constexpr uint32_t AttrCornerRadius = 0x20000000;
inline constexpr uint32_t AttrMinTabLength = 0x10000000;
inline constexpr uint32_t AttrMaxTabLength = 0x08000000;

// Special tab indices.
inline constexpr int32_t NoTab = -1;        // no tab; as an addTab position: the end
inline constexpr int32_t NewTabSlot = -2;   // the new-tab button
inline constexpr int32_t SelectedTab = -3;  // the selected tab

// Event codes of handleEvent.
inline constexpr int32_t NoEvent = 0;
inline constexpr int32_t NewTabRequested = 1;
inline constexpr int32_t CloseRequested = 2;
inline constexpr int32_t SelectionChanged = 3;
inline constexpr int32_t TabMoved = 4;

// Kinds of setTabColor.
inline constexpr int32_t TabTextColor = 1;
inline constexpr int32_t TabFaceColor = 2;

// Face states of a tab.
inline constexpr int32_t FaceDisabled = -1;
inline constexpr int32_t FaceNormal = 0;
inline constexpr int32_t FaceHover = 1;
inline constexpr int32_t FaceSelected = 2;
inline constexpr int32_t FaceMoving = 3;

// The size of a tab's picture copy, whatever picture was given.
inline constexpr int32_t kTabPictureSize = 16;

// Shared look and metrics of every tab bar of the process.
struct TabBarDefaults {
    Colour BackColor = 0xFFF0F0F0;
    Colour FaceColor = 0xFFF0F0F0;
    Colour HoverLight = 0xFF101010;
    Colour ActiveLight = 0xFF101010;
    Colour BorderColor = 0xFFA0A0A0;
    Colour TextColor = 0xFF000000;
    FontHandle Font = 0;
    int32_t TextPadding = 6;
    int32_t Margin = 4;
    int32_t ImageSpacing = 3;
    int32_t CloseButtonSize = 13;
    int32_t ArrowWidth = 10;
    int32_t ArrowHeight = 16;
    int32_t CornerRadius = 3;
    int32_t MinTabLength = 0;
    int32_t MaxTabLength = 32767;
    int32_t FadeWidth = 32;
    int32_t WheelDirection = 1;
};

// The process-wide defaults. Filled at start-up before any tab bar exists; read by every bar.
TabBarDefaults& tabBarDefaults();

struct Tab {
    std::string Text;
    std::string ShownText;  // Text, or Text shortened with ".." (ShortenTexts)
    Colour TextColor = 0;
    Colour FaceColor = 0;
    PictureHandle Picture = 0;
    int64_t Data = 0;
    bool Disabled = false;
    std::string ToolTip;
    // Computed by the layout pass.
    int32_t TabLength = 0;
    int32_t Row = 0;
    int32_t Offset = 0;
    bool Visible = false;
    int32_t FaceState = FaceNormal;
    int32_t BoxX = 0, BoxY = 0, BoxWidth = 0, BoxHeight = 0;
    int32_t PaddingX = 0;
};

// Which text the current event wants as the tooltip: compared by meaning, not by characters.
struct ToolTipRef {
    enum Kind { None, NewTabTip, CloseTip, TabOwnTip, TabTemplateTip };
    Kind kind = None;
    const Tab* tab = nullptr;
    bool operator==(const ToolTipRef&) const = default;
};

// State of one tab bar. Tabs are held by pointer so that Selected, Hover and the other
// references follow a tab when dragging reorders the list.
struct TabBar {
    TabBar() = default;
    TabBar(const TabBar&) = delete;  // references point into the record itself (NewTab)
    TabBar& operator=(const TabBar&) = delete;

    int32_t Number = 0;
    FontHandle Font = 0;
    uint32_t Options = 0;
    std::vector<std::unique_ptr<Tab>> Tabs;
    Tab NewTab;
    Tab* Selected = nullptr;
    Tab* Moving = nullptr;
    Tab* Hover = nullptr;
    bool HoverClose = false;
    uint32_t HoverArrow = 0;  // 0, ScrolledBack (left arrow) or MoreAhead (right arrow)
    Tab* ReadyToMove = nullptr;
    Tab* Pressed = nullptr;
    bool ClosePressed = false;
    uint32_t ArrowPressed = 0;
    int32_t PressX = 0, PressY = 0;
    int32_t MouseX = 0, MouseY = 0;
    int32_t Event = 0;
    int32_t EventTab = 0;
    int32_t Shift = 0;
    bool FocusSelected = false;
    int32_t MaxLength = 0;
    int32_t Length = 0;
    int32_t CornerRadius = 0;
    int32_t MinTabLength = 0;
    int32_t MaxTabLength = 0;
    ToolTipRef ToolTipText;
    ToolTipRef ToolTipShown;
    std::string TabToolTip;  // may hold "%ITEM"
    std::string NewTabToolTip;
    std::string CloseToolTip;
    int32_t TabHeight = 0;
    int32_t Rows = 0;

    int32_t tabCount() const { return static_cast<int32_t>(Tabs.size()); }
    // The tab an index names: a position, NewTabSlot or SelectedTab; nullptr for none.
    Tab* tabAt(int32_t index);
    const Tab* tabAt(int32_t index) const;
    // Position of a tab in Tabs; NewTabSlot for the new-tab button, NoTab for none.
    int32_t indexOf(const Tab* tab) const;
    bool has(uint32_t option) const { return (Options & option) != 0; }
};

// Number of characters (code points) of a UTF-8 text.
int32_t charCount(const std::string& text);
// The first n characters of a UTF-8 text.
std::string firstChars(const std::string& text, int32_t n);

}  // namespace tessaly
