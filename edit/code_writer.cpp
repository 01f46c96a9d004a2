#include "edit/code_writer.h"

#include <string_view>

#include "form/text_util.h"

namespace tessaly {

namespace {

// What followed the closing ")" of the element's argument text in the line as read: the last
// ")" of the line for a named-parameter call, the first one for a positional call. Nothing when
// that ")" does not stand behind the call name (the line has no ")" of its own for the call).
std::string_view tailBehindCall(const sElement& element) {
    const std::string_view code = element.Code;
    const size_t at = element.Sort == kSortPositional ? code.find(')') : code.rfind(')');
    if (at == std::string_view::npos) return {};
    const size_t nameStart = element.Position > 0 ? size_t(element.Position - 1) : 0;
    if (at < nameStart + element.KeyWord.size()) return {};
    return code.substr(at + 1);
}

}  // namespace

std::string buildCall(const sElement& element) {
    std::string call = element.KeyWord + "(";
    bool wroteAny = false;
    for (const sParameter& p : element.Parameters) {
        if (trimSpaces(p.Value).empty() && p.Mandatory == 0) continue;
        if (wroteAny) call += ", ";
        if (p.Type == kTypePlain) {
            call += p.Value;
        } else {
            call += '"';
            call += p.Value;
            call += '"';
        }
        wroteAny = true;
    }
    call += ')';
    return call;
}

std::string buildLine(const sElement& element) {
    const size_t prefixLength =
        element.Position > 1 ? std::min(size_t(element.Position - 1), element.Code.size()) : 0;
    std::string line = element.Code.substr(0, prefixLength);
    line += buildCall(element);
    line += tailBehindCall(element);
    return line;
}

bool writeCode(const ElementList& list, CodeText& code) {
    const sElement* element = list.current();
    if (!element) return false;
    return code.replaceLine(element->Line, buildLine(*element));
}

}  // namespace tessaly
