#pragma once

#include <iosfwd>
#include <string_view>

#include "form/keywords.h"

namespace tessaly {

// What --dump prints: one JSON object per recognised call, in reading order, as an array
// indented by two spaces. Written line by line as the text is read, so the memory it takes does
// not grow with the output. Bytes that are not UTF-8 are written as U+FFFD.
void writeDump(std::string_view text, const KeywordTable& table, std::ostream& out);

// What --format prints: the text with every window and gadget call rewritten as the editor
// writes it (when several stand in one statement, each in turn), every other byte as read; a
// statement continued over several lines keeps its lines. Written statement by statement as the
// text is read.
void writeFormatted(std::string_view text, const KeywordTable& table, std::ostream& out);

}  // namespace tessaly
