#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

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

    std::string text() const;

  private:
    std::vector<std::string> lines_{std::string()};
    std::vector<std::string> breaks_{std::string()};
};

}  // namespace tessaly
