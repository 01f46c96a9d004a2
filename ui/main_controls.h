#pragma once

#include <cstdint>
#include <string_view>

namespace tessaly {

// The main window's fixed numbers and colours, which the pages, the tab bar and the shell share.
// The window is window 0; its controls are 0..33.
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
    kTextSwitch = 34,  // beside the field of a text entry: ticked, it is written as a text
};

inline constexpr int32_t kLastControl = kTextSwitch;

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
inline constexpr Rgb kRefusedFieldBackground{255, 205, 205};  // a value the code cannot take
inline constexpr Rgb kTabFace{153, 153, 153};
inline constexpr Rgb kTabText{0, 0, 0};

}  // namespace tessaly
