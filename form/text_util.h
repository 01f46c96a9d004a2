#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

// Lower-cases ASCII letters only. Every other byte, including all of UTF-8's multi-byte
// sequences, is passed through, so byte positions are the same before and after.
std::string asciiLower(std::string_view text);

// Removes spaces (and only spaces, not tabs) from both ends.
std::string_view trimSpaces(std::string_view text);

// Removes every occurrence of one character.
std::string removeChar(std::string_view text, char c);

// Splits at every comma: n commas give n + 1 fields, an empty text one empty field.
std::vector<std::string_view> splitFields(std::string_view text, char separator = ',');

// 1-based position of the first occurrence of needle in haystack, 0 when absent or when the
// needle is empty.
size_t findPosition(std::string_view haystack, std::string_view needle);

}  // namespace tessaly
