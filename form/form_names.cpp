#include "form/form_names.h"

#include <algorithm>
#include <vector>

#include "form/call_text.h"
#include "form/text_util.h"

namespace tessaly {

namespace {

bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$' || c == '.' || c == '\\' || c == '*';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

}  // namespace

std::string_view callSource(const sElement& element) {
    const std::string& code = element.Code;
    const size_t begin =
        element.Position > 1 ? std::min(size_t(element.Position - 1), code.size()) : 0;
    size_t name = begin;
    while (name < code.size() && code[name] != '(' && code[name] != ' ') ++name;
    const MaskedLine masked(code);
    const CallSpan span = callAt(masked, begin, name - begin);
    return std::string_view(code).substr(begin, span.tail() - begin);
}

std::optional<std::pair<size_t, size_t>> assignedVariable(const sElement& element) {
    const std::string id =
        element.Parameters.empty() ? std::string() : element.Parameters.front().Value;
    if (asciiLower(id) != "#pb_any" || element.Position <= 1) return std::nullopt;
    // What stands in front of the call: "Var =" (after a ":" of an earlier statement, if any).
    std::string_view front(element.Code.data(),
                           std::min(size_t(element.Position - 1), element.Code.size()));
    front = trimBlanks(front);
    if (front.empty() || front.back() != '=') return std::nullopt;
    front = trimBlanks(front.substr(0, front.size() - 1));
    size_t start = front.size();
    while (start > 0 && isNameChar(front[start - 1])) --start;
    std::string_view name = front.substr(start);
    name = name.substr(0, name.find('.'));  // "Button_0.i = …" is known as Button_0
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return std::nullopt;
    const size_t begin = size_t(name.data() - element.Code.data());
    return std::make_pair(begin, begin + name.size());
}

std::string elementName(const sElement& element) {
    if (const auto span = assignedVariable(element)) {
        return element.Code.substr(span->first, span->second - span->first);
    }
    return element.Parameters.empty() ? std::string() : element.Parameters.front().Value;
}

namespace {

bool isIdentChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The statements of a line of code (split at ":" outside strings and comments), trimmed.
std::vector<std::string_view> statementsOf(std::string_view text) {
    const MaskedLine masked(text);
    const std::string_view code = masked.code().substr(0, masked.commentStart());
    std::vector<std::string_view> out;
    size_t start = 0;
    for (size_t i = 0; i <= code.size(); ++i) {
        if (i < code.size() && code[i] != ':') continue;
        if (i + 1 < code.size() && code[i + 1] == ':') {  // "Module::Name"
            ++i;
            continue;
        }
        out.push_back(trimBlanks(text.substr(start, i - start)));
        start = i + 1;
    }
    return out;
}

}  // namespace

NameScope::NameScope(const CodeText& code) {
    for (int32_t i = 0; i < code.lineCount(); ++i) {
        const std::string_view line = trimBlanks(code.line(i));
        if (line.empty()) continue;
        if (line[0] == '#') {
            for (std::string_view st : statementsOf(line)) {
                size_t n = 1;
                while (n < st.size() && isIdentChar(st[n])) ++n;
                const size_t eq = st.find_first_not_of(" \t", n);
                if (n == 1 || eq == std::string_view::npos || st[eq] != '=') continue;
                constants_.emplace(asciiLower(st.substr(0, n)),
                                   std::string(trimBlanks(st.substr(eq + 1))));
            }
            continue;
        }
        const std::string lower = asciiLower(line.substr(0, std::min<size_t>(line.size(), 10)));
        if (!lower.starts_with("procedure") || lower.starts_with("procedurer")) continue;
        Procedure& procedure = procedures_.emplace_back();
        procedure.line = i;
        const MaskedLine masked(line);
        if (masked.opens().empty()) continue;
        const CallSpan span = callAt(masked, masked.opens().front(), 0);
        std::vector<std::string_view> params;
        splitArguments(line, masked, span, params);
        for (std::string_view p : params) {
            const size_t eq = p.find('=');
            if (eq == std::string_view::npos) continue;
            std::string_view pname = trimBlanks(p.substr(0, eq));
            pname = pname.substr(0, pname.find('.'));  // "width.l = 600"
            procedure.defaults.emplace(asciiLower(pname),
                                       std::string(trimBlanks(p.substr(eq + 1))));
        }
    }
}

std::optional<int64_t> NameScope::evaluate(std::string_view text, int32_t line) const {
    if (depth_ > 16) return std::nullopt;  // constants that define each other
    ++depth_;
    const std::optional<int64_t> v = evaluateExpression(text, at(line));
    --depth_;
    return v;
}

std::optional<int64_t> NameScope::value(int32_t line, std::string_view name) const {
    const std::string lower = asciiLower(name);
    if (lower.starts_with("#")) {
        const auto it = constants_.find(lower);
        return it == constants_.end() ? std::nullopt : evaluate(it->second, line);
    }
    // The nearest procedure line at or above the line decides.
    auto it = std::upper_bound(procedures_.begin(), procedures_.end(), line,
                               [](int32_t l, const Procedure& p) { return l < p.line; });
    if (it == procedures_.begin()) return std::nullopt;
    --it;
    const auto d = it->defaults.find(lower);
    return d == it->defaults.end() ? std::nullopt : evaluate(d->second, line);
}

NameLookup NameScope::at(int32_t line) const {
    return [this, line](std::string_view name) { return value(line, name); };
}

}  // namespace tessaly
