#include "app/line_selection.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <tuple>
#include <vector>

namespace tessaly {

namespace {

// One number of a selection: decimal digits only, at least 1; too large gives the largest.
std::optional<int64_t> parsePart(std::string_view part) {
    if (part.empty()) return std::nullopt;
    for (const char c : part) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    int64_t value = 0;
    const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (error == std::errc::result_out_of_range) return std::numeric_limits<int64_t>::max();
    if (error != std::errc() || end != part.data() + part.size() || value < 1) return std::nullopt;
    return value;
}

struct Line {
    size_t begin;
    size_t end;  // where its break starts (or the text ends)
};

std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    size_t begin = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back({begin, i});
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        begin = i + 1;
    }
    lines.push_back({begin, text.size()});
    return lines;
}

}  // namespace

std::optional<TextSelection> parseSelection(std::string_view text) {
    int64_t numbers[4];
    for (int i = 0; i < 4; ++i) {
        const size_t x = i < 3 ? text.find('x') : text.size();
        if (x == std::string_view::npos) return std::nullopt;
        const std::optional<int64_t> number = parsePart(text.substr(0, x));
        if (!number) return std::nullopt;
        numbers[i] = *number;
        text.remove_prefix(i < 3 ? x + 1 : x);
    }
    return TextSelection{numbers[0], numbers[1], numbers[2], numbers[3]};
}

ByteRange selectedLines(std::string_view text, std::string_view selectionText) {
    const ByteRange whole{0, text.size()};
    std::optional<TextSelection> s = parseSelection(selectionText);
    if (!s) return whole;
    // A selection made backwards names its end first.
    if (std::tie(s->lineEnd, s->columnEnd) < std::tie(s->lineStart, s->columnStart)) {
        std::swap(s->lineStart, s->lineEnd);
        std::swap(s->columnStart, s->columnEnd);
    }
    if (s->lineStart == s->lineEnd && s->columnStart == s->columnEnd) return whole;
    int64_t last = s->lineEnd;
    // Selecting down to the start of a line does not take that line.
    if (s->lineEnd > s->lineStart && s->columnEnd == 1) --last;
    const std::vector<Line> lines = splitLines(text);
    const auto count = int64_t(lines.size());
    const int64_t first = std::min(s->lineStart, count);
    last = std::clamp(last, first, count);
    return {lines[size_t(first - 1)].begin, lines[size_t(last - 1)].end};
}

std::string replaceRange(std::string_view text, ByteRange range, std::string_view replacement) {
    std::string out;
    out.reserve(text.size() - (range.end - range.begin) + replacement.size());
    out.append(text.substr(0, range.begin));
    out.append(replacement);
    out.append(text.substr(range.end));
    return out;
}

}  // namespace tessaly
