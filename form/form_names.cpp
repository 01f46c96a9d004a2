#include "form/form_names.h"

#include <vector>

#include "form/call_text.h"
#include "form/number_text.h"
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

std::string elementName(const sElement& element) {
    const std::string id =
        element.Parameters.empty() ? std::string() : element.Parameters.front().Value;
    if (asciiLower(id) != "#pb_any" || element.Position <= 1) return id;
    // What stands in front of the call: "Var =" (after a ":" of an earlier statement, if any).
    std::string_view front(element.Code.data(),
                           std::min(size_t(element.Position - 1), element.Code.size()));
    front = trimBlanks(front);
    if (front.empty() || front.back() != '=') return id;
    front = trimBlanks(front.substr(0, front.size() - 1));
    size_t start = front.size();
    while (start > 0 && isNameChar(front[start - 1])) --start;
    std::string_view name = front.substr(start);
    name = name.substr(0, name.find('.'));  // "Button_0.i = …" is known as Button_0
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return id;
    return std::string(name);
}

std::optional<int32_t> procedureDefault(const CodeText& code, int32_t line, std::string_view name) {
    const std::string wanted = asciiLower(trimBlanks(name));
    if (wanted.empty()) return std::nullopt;
    for (int32_t i = std::min(line, code.lineCount() - 1); i >= 0; --i) {
        const std::string_view text = trimBlanks(code.line(i));
        const std::string lower = asciiLower(text.substr(0, std::min<size_t>(text.size(), 10)));
        if (!lower.starts_with("procedure") || lower.starts_with("procedurer")) continue;
        // "Procedure" or "Procedure.type", then the name and its parameter list.
        const MaskedLine masked(text);
        if (masked.opens().empty()) return std::nullopt;
        const CallSpan span = callAt(masked, masked.opens().front(), 0);
        std::vector<std::string_view> params;
        splitArguments(text, masked, span, params);
        for (std::string_view p : params) {
            const size_t eq = p.find('=');
            if (eq == std::string_view::npos) continue;
            std::string_view pname = trimBlanks(p.substr(0, eq));
            if (const size_t dot = pname.find('.'); dot != std::string_view::npos) {
                pname = pname.substr(0, dot);  // "width.l = 600"
            }
            if (asciiLower(pname) == wanted) return numberTextAsInt32(p.substr(eq + 1));
        }
        return std::nullopt;  // the nearest procedure does not give it
    }
    return std::nullopt;
}

}  // namespace tessaly
