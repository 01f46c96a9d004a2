#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessaly {

// A message's text made to fit a dialog of `maxChars` characters a line: the dialog breaks lines
// only between words, so a word longer than that (a long path, a long file name) is broken after
// every `maxChars` characters (UTF-8 characters, not bytes) with a line break. Everything else is
// kept as it is.
std::string breakLongWords(std::string_view text, size_t maxChars);

}  // namespace tessaly
