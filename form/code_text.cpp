#include "form/code_text.h"

namespace tessaly {

int32_t lineCountOf(std::string_view text) {
    int32_t n = 1;
    forEachLine(text, [&n](std::string_view, std::string_view lineBreak) {
        if (!lineBreak.empty()) ++n;
    });
    return n;
}

CodeText::CodeText(std::string_view text) {
    lines_.clear();
    breaks_.clear();
    forEachLine(text, [this](std::string_view line, std::string_view lineBreak) {
        lines_.emplace_back(line);
        breaks_.emplace_back(lineBreak);
    });
}

bool CodeText::replaceLine(int i, std::string text) {
    if (i < 0 || i >= lineCount()) return false;
    lines_[size_t(i)] = std::move(text);
    return true;
}

bool CodeText::replaceLines(int first, std::string_view text) {
    const int n = lineCountOf(text);
    if (first < 0 || n <= 0 || first + n > lineCount()) return false;
    int i = first;
    forEachLine(text, [&](std::string_view line, std::string_view lineBreak) {
        lines_[size_t(i)] = std::string(line);
        if (!lineBreak.empty()) breaks_[size_t(i)] = std::string(lineBreak);
        ++i;
    });
    return true;
}

std::string CodeText::text() const {
    size_t size = 0;
    for (size_t i = 0; i < lines_.size(); ++i) size += lines_[i].size() + breaks_[i].size();
    std::string out;
    out.reserve(size);
    for (size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i];
        out += breaks_[i];
    }
    return out;
}

}  // namespace tessaly
