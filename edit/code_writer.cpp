#include "edit/code_writer.h"

#include <algorithm>
#include <string_view>

#include "form/call_text.h"
#include "form/text_util.h"

namespace tessaly {

namespace {

// The call text. `open`: the line as read never closed the call's list; then nothing is added
// behind the last entry that has a value, since an unclosed string there would swallow it.
std::string callText(const sElement& element, bool open) {
    // Only a trailing run of empty optional entries is left out: leaving out one in the middle
    // would move the later arguments up into its place.
    const auto& params = element.Parameters;
    size_t written = params.size();
    while (written > 0 && trimSpaces(params[written - 1].Value).empty() &&
           (open || params[written - 1].Mandatory == 0)) {
        --written;
    }
    std::string call = element.KeyWord + "(";
    for (size_t i = 0; i < written; ++i) {
        const sParameter& p = params[i];
        if (i > 0) call += ", ";
        if (p.Type == kTypePlain) {
            call += p.Value;
        } else {
            call += '"';
            call += p.Value;
            call += '"';
        }
    }
    if (!open) call += ')';
    return call;
}

}  // namespace

std::string buildCall(const sElement& element) {
    return callText(element, false);
}

std::string buildLine(const sElement& element) {
    const std::string& code = element.Code;
    const size_t nameBegin =
        element.Position > 1 ? std::min(size_t(element.Position - 1), code.size()) : 0;
    const MaskedLine masked(code);
    const CallSpan span = callAt(masked, nameBegin, element.KeyWord.size());

    std::string line = code.substr(0, nameBegin);
    // A call whose list was never closed is written without its ")": closing it inside an
    // unclosed string would make the line grow on every rewrite.
    line += callText(element, span.opened && !span.closed);
    line.append(code, span.tail());
    return line;
}

bool writeCode(const ElementList& list, CodeText& code) {
    const sElement* element = list.current();
    if (!element) return false;
    return code.replaceLine(element->Line, buildLine(*element));
}

}  // namespace tessaly
