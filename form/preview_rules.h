#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>

#include "form/expression.h"
#include "form/model.h"

namespace tessaly {

// What the preview makes of a call, decided by its lower-cased call name.
enum class PreviewKind {
    None,  // no rule: the element gets no preview object
    Window,
    StatusBar,
    AddColumn,
    AddItem,
    CloseGadgetList,
    Button,
    ButtonImage,
    Calendar,
    Canvas,
    CheckBox,
    ComboBox,
    Container,
    Date,
    Editor,
    ExplorerCombo,
    ExplorerList,
    ExplorerTree,
    Frame,
    HyperLink,
    Image,
    IPAddress,
    ListIcon,
    ListView,
    OpenGL,
    Option,
    Panel,
    ProgressBar,
    Scintilla,
    ScrollArea,
    ScrollBar,
    Shortcut,
    Spin,
    Splitter,
    String,
    Text,
    TrackBar,
    Tree,
    Web,
};

// The preview rule of a call name, compared without regard to ASCII letter case.
PreviewKind previewKindOf(std::string_view keyword);

// The builder's text slots for one element: slot j holds the value of parameter j + 1.
// Only slots 0..10 exist; they are cleared before every element so that a short element never
// sees the values of the one before it.
class Slots {
  public:
    static constexpr int kCount = 11;

    // Clears every slot, then copies the element's first kCount parameter values. Positions and
    // sizes (slots 1..4) that are expressions are evaluated with `lookup`.
    void fill(const sElement& element, const NameLookup& lookup = {});
    // Text of slot i; empty for an index outside 0..10.
    const std::string& text(int i) const;
    // Slot i read by the number-text rule as a 32-bit value (symbolic names and empty slots: 0).
    int32_t number(int i) const;
    // Slot i as a size in pixels: like number(), but negative values count as 0 and sizes are at
    // most kMaxSize: X cannot make windows above 32767 pixels, and a window also needs room for
    // its frame and status bar.
    int32_t size(int i) const;
    static constexpr int32_t kMaxSize = 16384;

  private:
    std::array<std::string, kCount> slots_;
    std::array<int32_t, kCount> numbers_{};
};

// The ranges of the controls that take a minimum and a maximum (slots 5 and 6). Computed in 64
// bits and clamped to what the controls take: forms write extreme limits ($7FFFFFFF, -2147483648)
// whose difference does not fit in 32 bits. A maximum below the minimum counts as the minimum.
struct ValueRange {
    int32_t min = 0;
    int32_t max = 0;
};
// A track bar's range: at least one step (GTK needs one) and at most 2^30, so that the toolkit's
// own step arithmetic cannot overflow either. Starts at the minimum where it can.
ValueRange trackBarRange(int32_t min, int32_t max);
// A progress bar's: 0 to max - min (at least 1), and where the value 50 of the form's range
// falls in it, clamped to the bar.
struct GaugeRange {
    int32_t range = 1;
    int32_t value = 0;
};
GaugeRange progressBarRange(int32_t min, int32_t max);
// The number of positions of a scroll bar: max - min + 1, at least 1.
int32_t scrollBarPositions(int32_t min, int32_t max);

// True when width and height (slots 3 and 4) both read "#pb_ignore" in any letter case.
bool isIgnoredSize(const Slots& slots);

// Splitter flags from the element's line: bit 1 vertical (children side by side), bit 2 the
// separator grip. Always 2, plus 1 when the line contains "#pb_splitter_vertical" in any case.
int32_t splitterFlags(std::string_view code);
inline constexpr int32_t kSplitterVertical = 1;
inline constexpr int32_t kSplitterSeparator = 2;

// True when the line names the flag (given in lower case) in any letter case. Forms write flags
// as named constants, which read as the number 0, so the preview looks for their names instead.
bool lineNamesFlag(std::string_view code, std::string_view lowerFlag);

// The kinds an item line may target, and those a column line may target.
inline constexpr std::initializer_list<PreviewKind> kItemTargets = {
    PreviewKind::ComboBox, PreviewKind::Editor, PreviewKind::ListView,
    PreviewKind::ListIcon, PreviewKind::Panel,  PreviewKind::Tree};
inline constexpr std::initializer_list<PreviewKind> kColumnTargets = {PreviewKind::ListIcon,
                                                                      PreviewKind::ExplorerList};

// The two controls a splitter line names by identifier (slots 5 and 6); 0 for a name that
// matches nothing.
struct SplitterChildren {
    int32_t first = 0;
    int32_t second = 0;
};

// The elements that item, column and splitter lines name, found by identifier (ignoring letter
// case) without walking the list. Built once per reading over the whole list, so an element
// further down is found too; it keeps element positions, so a lookup gives the object that
// element has so far (0 while it is not built).
class TargetIndex {
  public:
    TargetIndex() = default;
    explicit TargetIndex(const ElementList& list);

    // Object of the first element named `name` whose kind is one of kItemTargets; 0 for none.
    int32_t itemTarget(const ElementList& list, std::string_view name) const;
    // The same among kColumnTargets.
    int32_t columnTarget(const ElementList& list, std::string_view name) const;
    // Objects of the last gadget elements named firstName and secondName (items and windows
    // share identifiers with gadgets but cannot be split).
    SplitterChildren splitterChildren(const ElementList& list, std::string_view firstName,
                                      std::string_view secondName) const;

  private:
    struct Named {
        int item = -1;    // first element of an item target kind
        int column = -1;  // first element of a column target kind
        int gadget = -1;  // last gadget element
    };
    const Named* find(std::string_view name) const;
    static int32_t objectOf(const ElementList& list, int element);

    std::unordered_map<std::string, Named> byName_;
};

// Text of an element's picker entry: identifier, " :: ", call name.
std::string pickerEntryText(const sElement& element);

}  // namespace tessaly
