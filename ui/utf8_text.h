#pragma once

#include <string>
#include <string_view>

namespace tessaly {

// Form code is bytes: usually UTF-8, sometimes another encoding, now and then with NUL bytes. The
// toolkit takes only valid UTF-8 without NUL (it drops a whole text that has one bad byte). These
// two carry any bytes through it unchanged: each byte that cannot go as it is travels as one
// private-use character, U+F0000 + its value, and comes back as that byte.

// The bytes as valid UTF-8 without NUL. Valid UTF-8 comes back unchanged, except NUL bytes,
// bytes that are no part of a valid sequence, and the characters U+F0000..U+F00FF themselves
// (one private character for each of their bytes, so that they too come back exactly).
std::string toToolkitUtf8(std::string_view bytes);

// The inverse: every character U+F0000..U+F00FF becomes the byte it stands for; all other text
// is left as it is. fromToolkitUtf8(toToolkitUtf8(b)) == b for any bytes b.
std::string fromToolkitUtf8(std::string_view utf8);

}  // namespace tessaly
