#include "edit/pages.h"

#include <limits>

#include "form/call_text.h"
#include "form/number_text.h"
#include "form/text_util.h"

namespace tessaly {

namespace {

bool isPbAny(std::string_view text) {
    return asciiLower(text) == "#pb_any";
}

bool isDigitsOnly(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// A flag of the code ticks a row when it equals the row's text without its spaces, in any case.
bool matchesRow(std::string_view row, std::string_view flag) {
    return asciiLower(row) == asciiLower(removeChar(flag, ' '));
}

// The code's flags: split at "|" outside strings and parentheses, trimmed, empty ones dropped.
std::vector<std::string_view> codeFlags(std::string_view value) {
    const MaskedLine masked(value);
    const std::string_view code = masked.code();
    std::vector<std::string_view> flags;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i <= value.size(); ++i) {
        const char c = i < value.size() ? code[i] : '|';
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (c != '|' || (depth > 0 && i < value.size())) continue;
        const std::string_view flag = trimSpaces(value.substr(start, i - start));
        if (!flag.empty()) flags.push_back(flag);
        start = i + 1;
    }
    return flags;
}

}  // namespace

PagesView pagesFor(const sElement* element) {
    PagesView view;
    if (!element) return view;
    std::string flagsText;
    const auto& params = element->Parameters;
    for (size_t p = 0; p < params.size(); ++p) {
        const sParameter& entry = params[p];
        if (entry.Name == "Flags") {
            flagsText = entry.Value;
            view.flagsEntry = int(p);
        }
        if (p >= size_t(kPageFields)) continue;  // not shown, still written
        view.labels[p] = entry.Name;
        PageField& field = view.fields[p];
        field.shown = true;
        field.text = entry.Value;
        if (p == kNamePosition) {
            if (element->PbAny == 1 || isPbAny(entry.Value)) {
                field.text = "#PB_Any";
                view.anyNumber = true;
            }
        } else if (p <= 4) {
            field.enabled = asciiLower(entry.Value) != "#pb_ignore";
        } else {
            field.enabled = entry.Name != "Flags" && entry.Name != "ParentWindowID";
        }
    }
    if (element->Flags.empty()) return view;
    view.flagListEnabled = true;
    for (std::string_view row : splitFields(element->Flags, '|')) view.flagRows.emplace_back(row);
    view.flagTicked.assign(view.flagRows.size(), false);
    for (std::string_view flag : codeFlags(flagsText)) {
        for (size_t r = 0; r < view.flagRows.size(); ++r) {
            if (matchesRow(view.flagRows[r], flag)) view.flagTicked[r] = true;
        }
    }
    return view;
}

bool commitField(sElement& element, int position, std::string& text) {
    if (position < 1 || size_t(position) >= element.Parameters.size()) return false;
    sParameter& entry = element.Parameters[size_t(position)];
    if (text.empty() && entry.Type == kTypePlain) text = "0";
    entry.Value = text;
    return true;
}

bool commitName(sElement& element, std::string& text, bool& anyNumber) {
    if (element.Parameters.empty()) return false;
    if (text.empty()) text = "#PB_Any";
    if (!isDigitsOnly(text)) {
        text = "#" + removeChar(text, '#');
        anyNumber = isPbAny(text);
        if (anyNumber) text = "#PB_Any";
        element.PbAny = anyNumber ? 1 : 0;
    }
    element.Parameters.front().Value = text;
    return true;
}

std::optional<std::string> pressAnyNumber(sElement& element, bool& anyNumber) {
    if (element.Parameters.empty() || isPbAny(element.Parameters.front().Value)) {
        return std::nullopt;
    }
    anyNumber = !anyNumber;
    element.PbAny = anyNumber ? 1 : 0;
    return anyNumber ? std::string("#PB_Any") : element.Parameters.front().Value;
}

std::string rebuildFlags(const std::vector<std::string>& rows, const std::vector<bool>& ticked,
                         std::string_view previous) {
    std::string value;
    const auto add = [&value](std::string_view flag) {
        if (!value.empty()) value += '|';
        value += flag;
    };
    for (size_t r = 0; r < rows.size() && r < ticked.size(); ++r) {
        if (ticked[r]) add(rows[r]);
    }
    for (std::string_view flag : codeFlags(previous)) {
        bool known = false;
        for (const std::string& row : rows) known = known || matchesRow(row, flag);
        if (!known) add(flag);
    }
    return value;
}

bool commitFlags(sElement& element, int flagsEntry, const std::vector<std::string>& rows,
                 const std::vector<bool>& ticked) {
    if (flagsEntry < 0 || size_t(flagsEntry) >= element.Parameters.size()) return false;
    std::string& value = element.Parameters[size_t(flagsEntry)].Value;
    value = rebuildFlags(rows, ticked, value);
    return true;
}

std::optional<Nudge> nudgeOf(int32_t item) {
    static constexpr Nudge kNudges[] = {{2, -1}, {2, +1}, {1, +1}, {1, -1},
                                        {4, -1}, {4, +1}, {3, +1}, {3, -1}};
    if (item < 1 || item > 8) return std::nullopt;
    return kNudges[item - 1];
}

bool nudge(sElement& element, int32_t item, std::string& text) {
    const std::optional<Nudge> n = nudgeOf(item);
    if (!n || size_t(n->position) >= element.Parameters.size()) return false;
    int64_t value = parseNumberText(text);
    // The number rule saturates; one more step must not overflow.
    if (!(n->step > 0 && value == std::numeric_limits<int64_t>::max()) &&
        !(n->step < 0 && value == std::numeric_limits<int64_t>::min())) {
        value += n->step;
    }
    text = numberToText(value);
    element.Parameters[size_t(n->position)].Value = text;
    return true;
}

EditTarget editTarget(const sElement& element) {
    if (element.Gadget == 0 || asciiLower(element.KeyWord) == "createstatusbar") {
        return EditTarget::None;
    }
    return element.Sort == kSortWindow ? EditTarget::Window : EditTarget::Gadget;
}

EditValues editValues(const sElement& element) {
    EditValues v;
    const auto& params = element.Parameters;
    for (size_t p = 0; p < params.size(); ++p) {
        const int32_t number = numberTextAsInt32(params[p].Value);
        switch (p) {
            case 1:
                v.x = number;
                break;
            case 2:
                v.y = number;
                break;
            case 3:
                v.width = number;
                break;
            case 4:
                v.height = number;
                break;
            default:
                break;
        }
        if (params[p].Name == "Text" || params[p].Name == "Title") v.text = params[p].Value;
    }
    return v;
}

bool rescalesPicture(const sElement& element) {
    const std::string keyword = asciiLower(element.KeyWord);
    return keyword == "openglgadget" || keyword == "imagegadget";
}

}  // namespace tessaly
