#include "form/call_text.h"

#include "form/text_util.h"

namespace tessaly {

void MaskedLine::assign(std::string_view line) {
    code_.assign(line);
    comment_ = line.size();
    opens_.clear();
    enum class State { Code, String, EscapeString } state = State::Code;
    const size_t n = line.size();
    for (size_t i = 0; i < n; ++i) {
        char& c = code_[i];
        switch (state) {
            case State::Code:
                if (c == '"') {
                    // A "~" right in front makes it an escape string; the "~" itself is code.
                    state = (i > 0 && line[i - 1] == '~') ? State::EscapeString : State::String;
                    c = kHidden;
                } else if (c == ';') {
                    comment_ = i;
                    for (size_t j = i; j < n; ++j) code_[j] = kHidden;
                    return;
                } else if (c >= 'A' && c <= 'Z') {
                    c = char(c - 'A' + 'a');
                } else if (c == '(') {
                    opens_.push_back(i);
                }
                break;
            case State::String:
                if (c == '"') state = State::Code;
                c = kHidden;
                break;
            case State::EscapeString:
                if (c == '\\' && i + 1 < n) {
                    c = kHidden;
                    code_[++i] = kHidden;
                    break;
                }
                if (c == '"') state = State::Code;
                c = kHidden;
                break;
        }
    }
}

namespace {

// Completes a span whose "(" stands at `open`: the list runs to the first ")" at depth 0.
void closeSpan(const MaskedLine& line, size_t open, CallSpan& span) {
    const std::string_view code = line.code();
    span.opened = true;
    span.argsBegin = open + 1;
    span.argsEnd = line.commentStart();
    span.closed = false;
    int depth = 0;
    for (size_t i = span.argsBegin; i < line.commentStart(); ++i) {
        if (code[i] == '(') {
            ++depth;
        } else if (code[i] == ')') {
            if (depth == 0) {
                span.argsEnd = i;
                span.closed = true;
                return;
            }
            --depth;
        }
    }
}

size_t skipSpaces(std::string_view code, size_t i) {
    while (i < code.size() && code[i] == ' ') ++i;
    return i;
}

}  // namespace

bool findCall(const MaskedLine& line, std::string_view lowerName, size_t from, CallSpan& span) {
    if (lowerName.empty()) return false;
    const std::string_view code = line.code();
    const size_t n = lowerName.size();
    // A name followed by spaces and "(" ends where the spaces in front of some "(" begin; the
    // "(" are in line order, so the first that fits gives the first occurrence.
    for (const size_t open : line.opens()) {
        size_t end = open;
        while (end > 0 && code[end - 1] == ' ') --end;
        if (end < n || end - n < from) continue;
        if (code[end - 1] != lowerName.back()) continue;
        if (code.compare(end - n, n, lowerName) != 0) continue;
        span.nameBegin = end - n;
        closeSpan(line, open, span);
        return true;
    }
    return false;
}

CallSpan callAt(const MaskedLine& line, size_t nameBegin, size_t nameLength) {
    const std::string_view code = line.code();
    CallSpan span;
    span.nameBegin = std::min(nameBegin, code.size());
    const size_t afterName = std::min(span.nameBegin + nameLength, code.size());
    const size_t open = skipSpaces(code, afterName);
    if (open < code.size() && code[open] == '(') {
        closeSpan(line, open, span);
    } else {
        span.argsBegin = span.argsEnd = afterName;
    }
    return span;
}

void splitArguments(std::string_view line, const MaskedLine& masked, const CallSpan& span,
                    std::vector<std::string_view>& out) {
    out.clear();
    const std::string_view code = masked.code();
    int depth = 0;
    size_t start = span.argsBegin;
    for (size_t i = span.argsBegin; i < span.argsEnd; ++i) {
        const char c = code[i];
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == ',' && depth == 0) {
            out.push_back(trimSpaces(line.substr(start, i - start)));
            start = i + 1;
        }
    }
    out.push_back(trimSpaces(line.substr(start, span.argsEnd - start)));
}

bool plainStringLiteral(std::string_view argument, std::string_view& text) {
    if (argument.size() < 2 || argument.front() != '"' || argument.back() != '"') return false;
    const std::string_view inner = argument.substr(1, argument.size() - 2);
    if (inner.find('"') != std::string_view::npos) return false;
    text = inner;
    return true;
}

}  // namespace tessaly
