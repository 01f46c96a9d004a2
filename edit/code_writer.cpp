#include "edit/code_writer.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "form/call_text.h"
#include "form/expression.h"
#include "form/text_util.h"

namespace tessaly {

namespace {

bool isBreak(char c) {
    return c == '\n' || c == '\r';
}

// What an entry is written as. A text entry is a string literal with the same text; a plain
// entry is written as it stands, but never with a line break, which would end the statement.
// An empty entry that must be written (others follow it) is 0 or "", so the line compiles.
std::string writtenValue(const sParameter& p) {
    if (p.Type != kTypePlain) return textLiteral(p.Value);
    std::string value = p.Value;
    for (char& c : value) {
        if (isBreak(c)) c = ' ';
    }
    return trimSpaces(value).empty() ? std::string("0") : value;
}

// How many entries are written: a trailing run of empty optional entries is left out (leaving
// out one in the middle would move the later arguments up into its place). `open`: the line as
// read never closed the call's list; then nothing is added behind the last entry that has a
// value, since an unclosed string there would swallow it.
size_t writtenCount(const sElement& element, bool open) {
    const auto& params = element.Parameters;
    size_t written = params.size();
    while (written > 0 && trimSpaces(params[written - 1].Value).empty() &&
           (open || params[written - 1].Mandatory == 0)) {
        --written;
    }
    return written;
}

std::string callText(const sElement& element, bool open) {
    const size_t written = writtenCount(element, open);
    std::string call = element.KeyWord + "(";
    for (size_t i = 0; i < written; ++i) {
        if (i > 0) call += ", ";
        call += writtenValue(element.Parameters[i]);
    }
    if (!open) call += ')';
    return call;
}

// The line breaks inside an argument, each with the indentation behind it.
std::string breaksOf(std::string_view raw) {
    std::string breaks;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (!isBreak(raw[i])) continue;
        size_t j = i + 1;
        if (raw[i] == '\r' && j < raw.size() && raw[j] == '\n') ++j;
        while (j < raw.size() && (raw[j] == ' ' || raw[j] == '\t')) ++j;
        breaks.append(raw.substr(i, j - i));
        i = j - 1;
    }
    return breaks;
}

// A call continued over several lines: every argument that did not change keeps its bytes where
// they stood; a changed one is replaced in place, and the line breaks it spanned go in front of
// it, so that the statement keeps its number of lines.
std::string continuedStatement(const sElement& element, const MaskedLine& masked,
                               const CallSpan& span) {
    const std::string& code = element.Code;
    std::vector<std::string_view> args;
    splitArguments(code, masked, span, args);
    const auto& params = element.Parameters;
    const size_t written =
        std::max(writtenCount(element, !span.closed), std::min(args.size(), params.size()));
    std::string out;
    size_t cursor = span.argsBegin;
    size_t lastEnd = span.argsBegin;
    for (size_t j = 0; j < written; ++j) {
        const std::string text = writtenValue(params[j]);
        if (j >= args.size()) {
            out.append(code, cursor, lastEnd - cursor);
            out += (j > 0 ? ", " : "") + text;
            cursor = lastEnd;
            continue;
        }
        const size_t begin = size_t(args[j].data() - code.data());
        const size_t end =
            size_t(((j + 1 == params.size()) ? args.back() : args[j]).data() - code.data()) +
            ((j + 1 == params.size()) ? args.back() : args[j]).size();
        lastEnd = end;
        const std::string_view raw(code.data() + begin, end - begin);
        if (raw == text || (params[j].Type == kTypePlain && raw == params[j].Value)) continue;
        out.append(code, cursor, begin - cursor);
        out += breaksOf(raw);
        out += text;
        cursor = end;
    }
    return code.substr(0, span.argsBegin) + out + code.substr(cursor);
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
    if (span.opened && code.find_first_of("\r\n") != std::string::npos) {
        return continuedStatement(element, masked, span);
    }

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
    return code.replaceLines(element->Line, buildLine(*element));
}

}  // namespace tessaly
