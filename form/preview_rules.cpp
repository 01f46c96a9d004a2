#include "form/preview_rules.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "form/form_names.h"
#include "form/number_text.h"
#include "form/text_util.h"

namespace tessaly {

namespace {

constexpr std::pair<std::string_view, PreviewKind> kRules[] = {
    {"openwindow", PreviewKind::Window},
    {"createstatusbar", PreviewKind::StatusBar},
    {"addgadgetcolumn", PreviewKind::AddColumn},
    {"addgadgetitem", PreviewKind::AddItem},
    {"closegadgetlist", PreviewKind::CloseGadgetList},
    {"buttongadget", PreviewKind::Button},
    {"buttonimagegadget", PreviewKind::ButtonImage},
    {"calendargadget", PreviewKind::Calendar},
    {"canvasgadget", PreviewKind::Canvas},
    {"checkboxgadget", PreviewKind::CheckBox},
    {"comboboxgadget", PreviewKind::ComboBox},
    {"containergadget", PreviewKind::Container},
    {"dategadget", PreviewKind::Date},
    {"editorgadget", PreviewKind::Editor},
    {"explorercombogadget", PreviewKind::ExplorerCombo},
    {"explorerlistgadget", PreviewKind::ExplorerList},
    {"explorertreegadget", PreviewKind::ExplorerTree},
    {"framegadget", PreviewKind::Frame},
    {"hyperlinkgadget", PreviewKind::HyperLink},
    {"imagegadget", PreviewKind::Image},
    {"ipaddressgadget", PreviewKind::IPAddress},
    {"listicongadget", PreviewKind::ListIcon},
    {"listviewgadget", PreviewKind::ListView},
    {"openglgadget", PreviewKind::OpenGL},
    {"optiongadget", PreviewKind::Option},
    {"panelgadget", PreviewKind::Panel},
    {"progressbargadget", PreviewKind::ProgressBar},
    {"scintillagadget", PreviewKind::Scintilla},
    {"scrollareagadget", PreviewKind::ScrollArea},
    {"scrollbargadget", PreviewKind::ScrollBar},
    {"shortcutgadget", PreviewKind::Shortcut},
    {"spingadget", PreviewKind::Spin},
    {"splittergadget", PreviewKind::Splitter},
    {"stringgadget", PreviewKind::String},
    {"textgadget", PreviewKind::Text},
    {"trackbargadget", PreviewKind::TrackBar},
    {"treegadget", PreviewKind::Tree},
    {"webgadget", PreviewKind::Web},
};

const std::string kEmpty;

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && asciiLower(a) == asciiLower(b);
}

// The name items, columns and splitters use: a #PB_Any gadget is known by its variable.
std::string identifierOf(const sElement& e) {
    return elementName(e);
}

}  // namespace

PreviewKind previewKindOf(std::string_view keyword) {
    const std::string lower = asciiLower(keyword);
    for (const auto& [name, kind] : kRules) {
        if (name == lower) return kind;
    }
    return PreviewKind::None;
}

void Slots::fill(const sElement& element) {
    for (std::string& s : slots_) s.clear();
    const size_t n = std::min(element.Parameters.size(), slots_.size());
    for (size_t i = 0; i < n; ++i) slots_[i] = element.Parameters[i].Value;
}

const std::string& Slots::text(int i) const {
    return i >= 0 && i < kCount ? slots_[size_t(i)] : kEmpty;
}

int32_t Slots::number(int i) const {
    return numberTextAsInt32(text(i));
}

int32_t Slots::size(int i) const {
    return std::clamp(number(i), 0, kMaxSize);
}

namespace {

constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int64_t kMaxTrackBarSpan = int64_t(1) << 30;

int32_t clampToInt32(int64_t v) {
    return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), kInt32Max));
}

}  // namespace

ValueRange trackBarRange(int32_t min, int32_t max) {
    const int64_t span = std::clamp<int64_t>(int64_t(max) - min, 1, kMaxTrackBarSpan);
    const int64_t lo = std::min<int64_t>(min, kInt32Max - span);
    return {int32_t(lo), int32_t(lo + span)};
}

GaugeRange progressBarRange(int32_t min, int32_t max) {
    const int32_t range = clampToInt32(std::max<int64_t>(int64_t(max) - min, 1));
    return {range, int32_t(std::clamp<int64_t>(50 - int64_t(min), 0, range))};
}

int32_t scrollBarPositions(int32_t min, int32_t max) {
    return clampToInt32(std::max<int64_t>(int64_t(max) - min + 1, 1));
}

bool isIgnoredSize(const Slots& slots) {
    return asciiLower(slots.text(3)) == "#pb_ignore" && asciiLower(slots.text(4)) == "#pb_ignore";
}

bool lineNamesFlag(std::string_view code, std::string_view lowerFlag) {
    return asciiLower(code).find(lowerFlag) != std::string::npos;
}

int32_t splitterFlags(std::string_view code) {
    const bool vertical = lineNamesFlag(code, "#pb_splitter_vertical");
    return kSplitterSeparator | (vertical ? kSplitterVertical : 0);
}

int32_t findTarget(const ElementList& list, std::string_view name,
                   std::initializer_list<PreviewKind> allowed) {
    for (const sElement& e : list) {
        if (e.Parameters.empty() || !sameIgnoringCase(identifierOf(e), name)) continue;
        const PreviewKind kind = previewKindOf(e.KeyWord);
        if (std::find(allowed.begin(), allowed.end(), kind) != allowed.end()) return e.Gadget;
    }
    return 0;
}

SplitterChildren findSplitterChildren(const ElementList& list, std::string_view firstName,
                                      std::string_view secondName) {
    SplitterChildren found;
    for (const sElement& e : list) {
        // Only gadgets can be split: an item line names its target by the same identifier and a
        // window's number is no control number, so either would hand the splitter a wrong child.
        if (e.Sort != kSortGadget || e.Parameters.empty()) continue;
        if (sameIgnoringCase(identifierOf(e), firstName)) found.first = e.Gadget;
        if (sameIgnoringCase(identifierOf(e), secondName)) found.second = e.Gadget;
    }
    return found;
}

std::string pickerEntryText(const sElement& element) {
    return identifierOf(element) + " :: " + element.KeyWord;
}

}  // namespace tessaly
