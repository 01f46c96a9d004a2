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

void Slots::fill(const sElement& element, const NameLookup& lookup) {
    for (std::string& s : slots_) s.clear();
    numbers_.fill(0);
    const size_t n = std::min(element.Parameters.size(), slots_.size());
    for (size_t i = 0; i < n; ++i) {
        slots_[i] = element.Parameters[i].Value;
        numbers_[i] = i >= 1 && i <= 4 ? valueOrNumber(slots_[i], lookup) : numberTextAsInt32(slots_[i]);
    }
}

const std::string& Slots::text(int i) const {
    return i >= 0 && i < kCount ? slots_[size_t(i)] : kEmpty;
}

int32_t Slots::number(int i) const {
    return i >= 0 && i < kCount ? numbers_[size_t(i)] : 0;
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

TargetIndex::TargetIndex(const ElementList& list) {
    byName_.reserve(size_t(list.count()));
    const auto allowed = [](std::initializer_list<PreviewKind> kinds, PreviewKind kind) {
        return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
    };
    for (int i = 0; i < list.count(); ++i) {
        const sElement& e = list[i];
        if (e.Parameters.empty()) continue;
        Named& named = byName_[asciiLower(identifierOf(e))];
        const PreviewKind kind = previewKindOf(e.KeyWord);
        if (named.item < 0 && allowed(kItemTargets, kind)) named.item = i;
        if (named.column < 0 && allowed(kColumnTargets, kind)) named.column = i;
        if (e.Sort == kSortGadget) named.gadget = i;
    }
}

const TargetIndex::Named* TargetIndex::find(std::string_view name) const {
    const auto it = byName_.find(asciiLower(name));
    return it == byName_.end() ? nullptr : &it->second;
}

int32_t TargetIndex::objectOf(const ElementList& list, int element) {
    return element >= 0 && element < list.count() ? list[element].Gadget : 0;
}

int32_t TargetIndex::itemTarget(const ElementList& list, std::string_view name) const {
    const Named* named = find(name);
    return named ? objectOf(list, named->item) : 0;
}

int32_t TargetIndex::columnTarget(const ElementList& list, std::string_view name) const {
    const Named* named = find(name);
    return named ? objectOf(list, named->column) : 0;
}

SplitterChildren TargetIndex::splitterChildren(const ElementList& list, std::string_view firstName,
                                               std::string_view secondName) const {
    const Named* first = find(firstName);
    const Named* second = find(secondName);
    return {first ? objectOf(list, first->gadget) : 0, second ? objectOf(list, second->gadget) : 0};
}

std::string pickerEntryText(const sElement& element) {
    return identifierOf(element) + " :: " + element.KeyWord;
}

}  // namespace tessaly
