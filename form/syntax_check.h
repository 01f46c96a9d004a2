#pragma once

#include <string>
#include <string_view>

namespace tessaly {

// A small syntax check of PureBasic statements as form code writes them: strings are closed on
// their line, parentheses balance, no argument is empty, and each argument and each statement
// (statements split at ":" and line ends; a line ending in "," or an operator goes on) is one
// expression, optionally behind one leading keyword (If, Debug, ...). Empty when the text
// passes; otherwise what is wrong.
std::string syntaxError(std::string_view text);

}  // namespace tessaly
