#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

// The value of a name in an expression (a constant such as "#Margin", or a procedure
// parameter such as "width"); nothing when the name has no known value.
using NameLookup = std::function<std::optional<int64_t>(std::string_view name)>;

// Evaluates a simple integer expression as form code writes positions and sizes: numbers in
// decimal, "$" hexadecimal and "%" binary, the operators + - * / (integer division) and unary
// minus, parentheses, and names resolved through `lookup`. Nothing for anything else, for a
// division by zero and for a result outside 64 bits.
std::optional<int64_t> evaluateExpression(std::string_view text, const NameLookup& lookup);

// A position or size as the preview takes it: the expression's value where it evaluates (kept
// within 32 bits), else what the number rule reads.
int32_t valueOrNumber(std::string_view text, const NameLookup& lookup);

// True when the text (spaces around it aside) is one integer literal with an optional sign.
bool isIntegerLiteral(std::string_view text);

// The text a nudge of `step` makes of a position or size as the programmer wrote it: an integer
// literal gets the new number (hexadecimal and binary stay in their notation); an expression
// keeps its terms and has its trailing "+ n" / "- n" adjusted (dropped when it reaches 0) or one
// added. Nothing when the value cannot be changed without losing what was written: a literal that
// does not fit in 64 bits, a result that would not, or #PB_Ignore.
std::optional<std::string> offsetExpression(std::string_view text, int64_t step);

// The string literal that gives `text` back: a plain "…" literal where it can be one, otherwise
// an escape string ~"…" in which \ " and line breaks are escaped.
std::string textLiteral(std::string_view text);

}  // namespace tessaly
