#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

// Calls visit(line, lineBreak) for every line of the text, in order, split as CodeText splits it,
// without copying anything: for texts too big to keep as lines.
template <typename Visit>
void forEachLine(std::string_view text, Visit&& visit) {
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        const size_t breakLength =
            (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        visit(text.substr(start, i - start), text.substr(i, breakLength));
        i += breakLength - 1;
        start = i + 1;
    }
    visit(text.substr(start), std::string_view());
}

// The number of lines a text spans: its line breaks (CR LF, LF or CR) plus one. No other
// character ends a line.
int32_t lineCountOf(std::string_view text);

// Form code as lines, each remembering the line break that ended it ("\r\n", "\r", "\n", or ""
// for the last line), so that joining gives back every byte that was split.
class CodeText {
  public:
    CodeText() = default;
    explicit CodeText(std::string_view text);

    int lineCount() const { return int(lines_.size()); }
    const std::string& line(int i) const { return lines_[size_t(i)]; }
    const std::string& lineBreak(int i) const { return breaks_[size_t(i)]; }

    // Replaces the text of one line and keeps its break. Returns false (and changes nothing)
    // when the line does not exist. Costs the length of the line, not of the code.
    bool replaceLine(int i, std::string text);
    // Replaces lines first .. first + n - 1, n being the number of lines `text` spans, with the
    // text's lines; the breaks inside the text replace those between the lines, the last line
    // keeps its break. False (and nothing changed) when the code has not that many lines there.
    bool replaceLines(int first, std::string_view text);

    std::string text() const;

  private:
    std::vector<std::string> lines_{std::string()};
    std::vector<std::string> breaks_{std::string()};
};

}  // namespace tessaly
