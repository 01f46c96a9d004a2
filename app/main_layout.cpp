#include "app/main_layout.h"

namespace tessaly {

namespace {

using namespace main_window;

std::vector<ControlDesign> buildTable() {
    using K = ControlKind;
    using C = ColourRole;
    std::vector<ControlDesign> t;
    t.push_back({.number = kPicker, .kind = K::Picker, .rect = {5, 10, 285, 24}});
    t.push_back({.number = kParametersPage,
                 .kind = K::Page,
                 .rect = {5, 70, 285, 490},
                 .colours = C::Page,
                 .font = false});
    for (int k = 0; k < 10; ++k) {
        t.push_back({.number = kFirstParameterLabel + k,
                     .kind = K::Label,
                     .parent = kParametersPage,
                     .rect = {10, 40 + 25 * k, 100, 20},
                     .colours = C::PageLabel});
    }
    t.push_back({.number = kNameField,
                 .kind = K::TextField,
                 .parent = kParametersPage,
                 .rect = {120, 40, 100, 22},
                 .data = 0,
                 .colours = C::Field});
    t.push_back({.number = kAnyNumberSwitch,
                 .kind = K::Canvas,
                 .parent = kParametersPage,
                 .rect = {225, 45, 15, 15},
                 .toolTip = "#Pb_Any Yes or No",
                 .data = 0,
                 .font = false});
    t.push_back({.number = kTextSwitch,
                 .kind = K::Canvas,
                 .parent = kParametersPage,
                 .rect = {225, 170, 15, 15},
                 .toolTip = "Ticked: written as a text in quotes. Unticked: written as code, as "
                            "typed (a variable, a constant, an expression)",
                 .data = 0,
                 .visible = false,
                 .font = false});
    for (int k = 0; k < 4; ++k) {
        t.push_back({.number = kXField + k,
                     .kind = K::DigitsField,
                     .parent = kParametersPage,
                     .rect = {120, 65 + 25 * k, 100, 22},
                     .data = 1 + k,
                     .colours = C::Field});
    }
    for (int k = 0; k < 5; ++k) {
        t.push_back({.number = kFirstParameterField + k,
                     .kind = K::TextField,
                     .parent = kParametersPage,
                     .rect = {120, 165 + 25 * k, 100, 22},
                     .data = 5 + k,
                     .colours = C::Field});
    }
    t.push_back({.number = kStatusLine,
                 .kind = K::Label,
                 .parent = kParametersPage,
                 .rect = {0, 467, 285, 20},
                 .text = kStartStatus});
    t.push_back({.number = kFlagsPage,
                 .kind = K::Page,
                 .rect = {5, 70, 285, 490},
                 .colours = C::Page,
                 .visible = false,
                 .font = false});
    t.push_back(
        {.number = kFlagList, .kind = K::FlagList, .parent = kFlagsPage, .rect = {0, 0, 285, 490}});
    t.push_back({.number = kTabBar, .kind = K::TabBar, .rect = {5, 42, 285, 28}});
    t.push_back({.number = kPasteButton,
                 .kind = K::Button,
                 .rect = {5, 570, 80, 22},
                 .text = "Paste",
                 .toolTip = "Paste your code from memory"});
    t.push_back({.number = kCopyButton,
                 .kind = K::Button,
                 .rect = {90, 570, 80, 22},
                 .text = "Copy",
                 .toolTip = "Copy your code to memory (Needless to select)"});
    t.push_back({.number = kIdeUpdateButton,
                 .kind = K::Button,
                 .rect = {5, 570, 80, 22},
                 .text = "IDE Update",
                 .toolTip = "Update the selected code IDE",
                 .visible = false});
    t.push_back({.number = kViewCodeSwitch,
                 .kind = K::Canvas,
                 .rect = {190, 575, 15, 15},
                 .toolTip = "View code Yes or No",
                 .data = 1,
                 .font = false});
    t.push_back({.number = kViewCodeLabel,
                 .kind = K::Label,
                 .rect = {210, 573, 80, 20},
                 .text = "View code",
                 .colours = C::WindowLabel});
    t.push_back({.number = kCodeView,
                 .kind = K::CodeView,
                 .rect = {295, 10, 500, 550},
                 .colours = C::CodeView});
    t.push_back({.number = kCreditLabel,
                 .kind = K::Label,
                 .rect = {660, 573, 130, 20},
                 .text = kCreditText,
                 .colours = C::WindowLabel});
    return t;
}

}  // namespace

const std::vector<ControlDesign>& mainWindowControls() {
    static const std::vector<ControlDesign> table = buildTable();
    return table;
}

const ControlDesign* findControlDesign(int32_t number) {
    for (const ControlDesign& d : mainWindowControls()) {
        if (d.number == number) return &d;
    }
    return nullptr;
}

const std::vector<AnchorDesign>& mainWindowAnchors() {
    static const std::vector<AnchorDesign> anchors = {
        {kParametersPage, 1, 1, 0, 1}, {kFlagsPage, 1, 1, 0, 1},       {kFlagList, 1, 1, 0, 1},
        {kViewCodeSwitch, 1, 0, 0, 0}, {kViewCodeLabel, 1, 0, 0, 0},   {kPasteButton, 1, 0, 0, 0},
        {kCopyButton, 1, 0, 0, 0},     {kCodeView, 1, 1, 1, 1},        {kStatusLine, 1, 0, 0, 0},
        {kCreditLabel, 0, 0, 1, 1},    {kIdeUpdateButton, 1, 0, 0, 1},
    };
    return anchors;
}

int fontPointSize(int dpi) {
    if (dpi <= 0) dpi = 96;
    // Rounded to the nearest integer, halves up: (2 * 960 + dpi) / (2 * dpi).
    return (2 * 960 + dpi) / (2 * dpi);
}

}  // namespace tessaly
