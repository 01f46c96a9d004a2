#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "form/code_text.h"
#include "form/model.h"

namespace tessaly {

// The name an element is known by: its identifier, or, for a `Var = Call(#PB_Any, …)` line,
// the variable that receives the call's result. The picker, the status line and the lookups of
// items, columns and splitter children use it; what is written back never changes.
std::string elementName(const sElement& element);

// The value a name has as the default of a parameter of the nearest `Procedure` line above line
// `line` (`Procedure OpenWindow_0(x = 0, y = 0, width = 600, height = 400)`), read by the number
// rule; nothing when no such default exists. Names compare without regard to letter case.
std::optional<int32_t> procedureDefault(const CodeText& code, int32_t line, std::string_view name);

}  // namespace tessaly
