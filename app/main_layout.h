#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "app/anchors.h"
#include "ui/main_controls.h"

namespace tessaly {

// What kind of control a table row makes.
enum class ControlKind {
    Picker,       // drop-down list, not editable
    Page,         // container with a thin single-line border
    Label,        // plain text
    TextField,    // single-line text field
    DigitsField,  // single-line text field that takes digits only
    Canvas,       // drawing surface (the two switches)
    TabBar,       // the tab bar's canvas
    FlagList,     // one-column list with a check box on every row
    Button,       // push button
    CodeView,     // multi-line read-only text, both scroll bars, no wrapping
};

// Which colours a control gets; None leaves the toolkit's own.
enum class ColourRole {
    None,
    Page,         // background 218
    PageLabel,    // 116 on 218
    Field,        // 83 on 252
    WindowLabel,  // 116 on 203
    CodeView,     // 116 on 252
};

// One control of the main window, as it is created.
struct ControlDesign {
    int32_t number = 0;
    ControlKind kind = ControlKind::Label;
    int32_t parent = -1;  // -1: the window itself; otherwise the page's number
    Rect rect;
    std::string_view text = {};
    std::string_view toolTip = {};
    int64_t data = 0;
    ColourRole colours = ColourRole::None;
    bool visible = true;
    bool font = true;  // gets the window's font
};

// Every control of the main window in creation order.
const std::vector<ControlDesign>& mainWindowControls();

// The design row of a control number, nullptr when the main window has no such control.
const ControlDesign* findControlDesign(int32_t number);

// One anchor registration: control and its four locks.
struct AnchorDesign {
    int32_t gadget = 0;
    uint8_t lockLeft = 0;
    uint8_t lockTop = 0;
    uint8_t lockRight = 0;
    uint8_t lockBottom = 0;
};

// The main window's anchors in registration order.
const std::vector<AnchorDesign>& mainWindowAnchors();

// Point size of the window's font for a screen of `dpi` dots per inch: 10 x 96 / dpi, rounded,
// so text keeps the pixel height it has at 96 dpi like the pixel-sized controls. A dpi of 0 or
// less (unknown) counts as 96.
int fontPointSize(int dpi);

}  // namespace tessaly
