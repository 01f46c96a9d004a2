#include "form/code_text.h"

namespace tessaly {

CodeText::CodeText(std::string_view text) {
    lines_.clear();
    breaks_.clear();
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        const size_t breakLength =
            (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        lines_.emplace_back(text.substr(start, i - start));
        breaks_.emplace_back(text.substr(i, breakLength));
        i += breakLength - 1;
        start = i + 1;
    }
    lines_.emplace_back(text.substr(start));
    breaks_.emplace_back();
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
