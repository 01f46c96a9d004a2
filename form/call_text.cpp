#include "form/call_text.h"

#include "form/text_util.h"

namespace tessaly {

void MaskedLine::assign(std::string_view line) {
    code_.assign(line);
    comment_ = line.size();
    opens_.clear();
    // A statement continued over several lines is read as one text: a line break ends a string
    // or a comment, and the comment that counts as the end of the statement is the last line's.
    enum class State { Code, String, EscapeString, Comment } state = State::Code;
    const size_t n = line.size();
    for (size_t i = 0; i < n; ++i) {
        char& c = code_[i];
        if (c == '\n' || c == '\r') {
            if (state == State::Comment) comment_ = n;
            state = State::Code;
            continue;
        }
        switch (state) {
            case State::Code:
                if (c == '"') {
                    // A "~" right in front makes it an escape string; the "~" itself is code.
                    state = (i > 0 && line[i - 1] == '~') ? State::EscapeString : State::String;
                    c = kHidden;
                } else if (c == ';') {
                    comment_ = i;
                    state = State::Comment;
                    c = kComment;
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
                if (c == '\\' && i + 1 < n && line[i + 1] != '\n' && line[i + 1] != '\r') {
                    c = kHidden;
                    code_[++i] = kHidden;
                    break;
                }
                if (c == '"') state = State::Code;
                c = kHidden;
                break;
            case State::Comment:
                c = kComment;
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

namespace {

// An argument without the blanks around it; one that spans lines also loses the line breaks, the
// indentation and the comments between its text and the commas.
std::string_view trimArgument(std::string_view line, std::string_view code, size_t begin,
                              size_t end) {
    const std::string_view raw = code.substr(begin, end - begin);
    if (raw.find_first_of("\r\n") == std::string_view::npos) {
        return trimSpaces(line.substr(begin, end - begin));
    }
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == MaskedLine::kComment;
    };
    while (begin < end && blank(code[begin])) ++begin;
    while (end > begin && blank(code[end - 1])) --end;
    return line.substr(begin, end - begin);
}

}  // namespace

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
            out.push_back(trimArgument(line, code, start, i));
            start = i + 1;
        }
    }
    out.push_back(trimArgument(line, code, start, span.argsEnd));
}

bool plainStringLiteral(std::string_view argument, std::string_view& text) {
    if (argument.size() < 2 || argument.front() != '"' || argument.back() != '"') return false;
    const std::string_view inner = argument.substr(1, argument.size() - 2);
    if (inner.find('"') != std::string_view::npos) return false;
    text = inner;
    return true;
}

}  // namespace tessaly
