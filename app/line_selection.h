#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

// A selection as the IDE hands it to a tool: "LINESTARTxCOLUMNSTARTxLINEENDxCOLUMNEND", lines and
// columns counted from 1 (for example "15x1x16x5").
struct TextSelection {
    int64_t lineStart = 1;
    int64_t columnStart = 1;
    int64_t lineEnd = 1;
    int64_t columnEnd = 1;
};

// Reads a selection text. Nothing when it is not four whole numbers of at least 1 joined by 'x'.
// Numbers too large to hold are taken as the largest one, which lies past any file.
std::optional<TextSelection> parseSelection(std::string_view text);

// Bytes [begin, end) of a text.
struct ByteRange {
    size_t begin = 0;
    size_t end = 0;
    bool operator==(const ByteRange&) const = default;
};

// The whole lines a selection text covers in `text`: from the start of its first line to the end
// of its last line, that line's break excluded. Lines end at CR LF, LF or CR. The last line is
// left out when the selection ends in its first column on a later line than it starts. Without a
// selection, with a malformed one or one that starts where it ends, the range is the whole text.
// Line numbers past the text are taken as its last line.
ByteRange selectedLines(std::string_view text, std::string_view selection);

// `text` with the bytes of `range` replaced by `replacement`; every other byte is kept.
std::string replaceRange(std::string_view text, ByteRange range, std::string_view replacement);

}  // namespace tessaly
