#include "edit/pages.h"

#include <limits>

#include "form/call_text.h"
#include "form/expression.h"
#include "form/form_names.h"
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
        std::string_view flag = value.substr(start, i - start);
        while (!flag.empty() &&
               std::string_view(" \t\r\n").find(flag.front()) != std::string_view::npos)
            flag.remove_prefix(1);
        while (!flag.empty() &&
               std::string_view(" \t\r\n").find(flag.back()) != std::string_view::npos)
            flag.remove_suffix(1);
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
        field.windowReference = p != kNamePosition && isWindowReference(entry);
        if (p == kNamePosition) {
            if (element->PbAny == 1 || isPbAny(entry.Value)) {
                field.text = "#PB_Any";
                view.anyNumber = true;
            }
            if (const auto variable = assignedVariable(*element)) {
                field.text =
                    element->Code.substr(variable->first, variable->second - variable->first);
                view.assigned = true;
            }
        } else if (p <= 4) {
            field.enabled = asciiLower(entry.Value) != "#pb_ignore" && !field.windowReference;
        } else {
            field.enabled = entry.Name != "Flags" && !field.windowReference;
        }
        field.text = oneLine(field.text);
        if (entry.TextEntry && p != kNamePosition && field.enabled &&
            (view.textEntry < 0 || entry.Name == "Text" || entry.Name == "Title")) {
            view.textEntry = int(p);
            view.textMode = entry.Type == kTypeText;
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

bool isWindowReference(const sParameter& entry) {
    return entry.Name == "ParentWindowID" ||
           asciiLower(entry.Value).find("windowid") != std::string::npos;
}

std::string oneLine(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

bool commitField(sElement& element, int position, std::string& text, bool textMode) {
    if (position < 1 || size_t(position) >= element.Parameters.size()) return false;
    sParameter& entry = element.Parameters[size_t(position)];
    if (isWindowReference(entry)) return false;
    if (entry.TextEntry) {
        entry.Type = textMode || text.empty() ? kTypeText : kTypePlain;
        if (entry.Type == kTypePlain) text = std::string(trimSpaces(oneLine(text)));
        entry.Value = text;
        text = oneLine(text);
        return true;
    }
    text = oneLine(text);
    if (entry.Type == kTypePlain) text = std::string(trimSpaces(text));
    if (text.empty() && entry.Type == kTypePlain) text = "0";
    entry.Value = text;
    return true;
}

bool setTextMode(sElement& element, int position, bool textMode) {
    if (position < 1 || size_t(position) >= element.Parameters.size()) return false;
    sParameter& entry = element.Parameters[size_t(position)];
    if (!entry.TextEntry) return false;
    entry.Type = textMode ? kTypeText : kTypePlain;
    return true;
}

namespace {

bool isNameStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool isNameRest(char c) {
    return isNameStart(c) || (c >= '0' && c <= '9');
}

// A name: a letter or "_", then letters, digits and "_", with an optional "$" at the end.
bool isName(std::string_view t) {
    if (!t.empty() && t.back() == '$') t.remove_suffix(1);
    if (t.empty() || !isNameStart(t[0])) return false;
    for (char c : t) {
        if (!isNameRest(c)) return false;
    }
    return true;
}

// An array element: a name, then "(" with one or more indices and the matching ")" at the end.
bool isArrayElement(std::string_view t) {
    const size_t open = t.find('(');
    if (open == std::string_view::npos || t.back() != ')' ||
        !isName(trimSpaces(t.substr(0, open)))) {
        return false;
    }
    const std::string_view inside = trimSpaces(t.substr(open + 1, t.size() - open - 2));
    if (inside.empty()) return false;
    int depth = 0;
    for (char c : inside) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (depth < 0 || c == '"' || c == ';' || c == ':') return false;
    }
    return depth == 0;
}

}  // namespace

NameCommit commitName(sElement& element, std::string& text, bool& anyNumber) {
    if (element.Parameters.empty()) return NameCommit::NoEntry;
    text = std::string(trimSpaces(oneLine(text)));
    if (const auto variable = assignedVariable(element)) {
        // The call's result goes to a variable: that variable is what the user renames.
        if (!isName(text)) return NameCommit::Refused;
        const size_t length = variable->second - variable->first;
        element.Code.replace(variable->first, length, text);
        element.Position += int32_t(text.size()) - int32_t(length);
        anyNumber = true;
        return NameCommit::Done;
    }
    if (text.empty()) text = "#PB_Any";
    const std::string& current = element.Parameters.front().Value;
    const bool variableStyle = isName(current);
    const std::string_view bare = text[0] == '#' ? std::string_view(text).substr(1) : text;
    if (isIntegerLiteral(text) && text[0] != '-' && text[0] != '+') {
        element.Parameters.front().Value = text;
        return NameCommit::Done;
    }
    if (isArrayElement(text)) {
        anyNumber = false;
    } else if (isName(bare)) {
        anyNumber = isPbAny("#" + std::string(bare));
        if (anyNumber) {
            text = "#PB_Any";
        } else if (!(variableStyle && text[0] != '#')) {
            text = "#" + std::string(bare);
        }
    } else {
        return NameCommit::Refused;
    }
    element.PbAny = anyNumber ? 1 : 0;
    element.Parameters.front().Value = text;
    return NameCommit::Done;
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
    // The code's own spelling of the separator ("A|B" or "A | B") is kept.
    std::string separator = "|";
    if (const size_t bar = previous.find('|'); bar != std::string_view::npos) {
        size_t from = bar;
        size_t to = bar + 1;
        while (from > 0 && previous[from - 1] == ' ') --from;
        while (to < previous.size() && previous[to] == ' ') ++to;
        separator = std::string(previous.substr(from, to - from));
    }
    std::string value;
    const auto add = [&value, &separator](std::string_view flag) {
        if (!value.empty()) value += separator;
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
    sParameter& entry = element.Parameters[size_t(n->position)];
    if (isWindowReference(entry)) return false;
    const std::optional<std::string> moved = offsetExpression(oneLine(text), n->step);
    if (!moved) return false;
    text = *moved;
    entry.Value = text;
    return true;
}

EditTarget editTarget(const sElement& element) {
    if (element.Gadget == 0 || asciiLower(element.KeyWord) == "createstatusbar") {
        return EditTarget::None;
    }
    return element.Sort == kSortWindow ? EditTarget::Window : EditTarget::Gadget;
}

EditValues editValues(const sElement& element, const NameLookup& lookup) {
    EditValues v;
    const auto& params = element.Parameters;
    for (size_t p = 0; p < params.size(); ++p) {
        const int32_t number = p >= 1 && p <= 4 ? valueOrNumber(params[p].Value, lookup) : 0;
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
