#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "app/anchors.h"

namespace tessaly {

// The main window's fixed numbers. The window is window 0; its controls are 0..33.
namespace main_window {

inline constexpr int32_t kWindow = 0;

enum Control : int32_t {
    kPicker = 0,
    kTabBar = 1,
    kParametersPage = 2,
    kFlagsPage = 3,
    kCreditLabel = 4,
    kFirstParameterLabel = 5,  // 5..14
    kNameField = 15,
    kXField = 16,
    kYField = 17,
    kWidthField = 18,
    kHeightField = 19,
    kFirstParameterField = 20,  // 20..24
    kAnyNumberSwitch = 25,
    kCodeView = 26,
    kViewCodeSwitch = 27,
    kViewCodeLabel = 28,
    kPasteButton = 29,
    kCopyButton = 30,
    kIdeUpdateButton = 31,
    kFlagList = 32,
    kStatusLine = 33,
};

inline constexpr int32_t kLastControl = kStatusLine;

inline constexpr int32_t kInnerWidth = 800;
inline constexpr int32_t kInnerHeight = 600;
// The smallest inner width is the code view's left edge: at it the code view lies wholly outside.
inline constexpr int32_t kCodeViewLeft = 295;
inline constexpr int32_t kMinWidth = kCodeViewLeft;
inline constexpr int32_t kMinHeight = 400;

inline constexpr std::string_view kTitle = "Tessaly " TESSALY_VERSION;
inline constexpr std::string_view kFontName = "Arial";
inline constexpr std::string_view kStartStatus = " X: 0 / Y: 0";
inline constexpr std::string_view kCreditText = "Tessaly, built by us";

}  // namespace main_window

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kWindowBackground{203, 203, 203};
inline constexpr Rgb kPageBackground{218, 218, 218};
inline constexpr Rgb kQuietText{116, 116, 116};
inline constexpr Rgb kFieldBackground{252, 252, 252};
inline constexpr Rgb kFieldText{83, 83, 83};
inline constexpr Rgb kFocusedFieldBackground{209, 209, 209};
inline constexpr Rgb kTabFace{153, 153, 153};
inline constexpr Rgb kTabText{0, 0, 0};

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
