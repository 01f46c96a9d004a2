#pragma once

#include <string>
#include <string_view>

namespace tessaly {

// The text with every byte sequence that is not valid UTF-8 replaced by U+FFFD, so that a form
// file in another encoding still shows (the toolkit refuses invalid UTF-8 as a whole).
// Valid UTF-8 comes back unchanged.
std::string repairUtf8(std::string_view text);

}  // namespace tessaly
