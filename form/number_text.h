#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaly {

// Reads a number text by the one rule every numeric field of the program uses: leading spaces and
// tabs skipped, an optional sign, then "$" + hexadecimal, "%" + binary or decimal digits, stopping
// at the first character that does not fit. No digits give 0. Defined for every input: decimal
// overflow saturates, hexadecimal and binary keep the low 64 bits (they spell bit patterns).
int64_t parseNumberText(std::string_view text);

// The same number taken as the 32-bit value the toolkit works with (its low 32 bits).
int32_t numberTextAsInt32(std::string_view text);

// Writes an integer back as plain signed decimal.
std::string numberToText(int64_t value);

}  // namespace tessaly
