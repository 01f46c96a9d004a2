#include "form/code_text.h"

namespace tessaly {

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
