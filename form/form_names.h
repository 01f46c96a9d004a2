#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "form/code_text.h"
#include "form/expression.h"
#include "form/model.h"

namespace tessaly {

// The name an element is known by: its identifier, or, for a `Var = Call(#PB_Any, …)` line,
// the variable that receives the call's result. The picker, the status line and the lookups of
// items, columns and splitter children use it; what is written back never changes.
std::string elementName(const sElement& element);

// The element's own call in its statement, from its name to its ")" (or where its list ends).
std::string_view callSource(const sElement& element);

// Where the variable of a `Var = Call(#PB_Any, …)` element stands in its Code: [first, second).
// Nothing when no variable receives the call's result.
std::optional<std::pair<size_t, size_t>> assignedVariable(const sElement& element);

// The names an expression in the form code can use: the constants the code defines
// (`#Margin = 8`, anywhere in the code) and the parameter defaults of the nearest `Procedure`
// line above a line. Built once per reading.
class NameScope {
  public:
    NameScope() = default;
    explicit NameScope(const CodeText& code);
    // The value of `name` as seen from code line `line`; nothing when it has none that evaluates.
    std::optional<int64_t> value(int32_t line, std::string_view name) const;
    // value() for one line, as the expression evaluator asks for names. Keeps a reference to
    // this scope.
    NameLookup at(int32_t line) const;

  private:
    std::optional<int64_t> evaluate(std::string_view text, int32_t line) const;
    std::unordered_map<std::string, std::string> constants_;  // lower-cased name -> expression
    struct Procedure {
        int32_t line = 0;
        std::unordered_map<std::string, std::string> defaults;  // lower-cased name -> expression
    };
    std::vector<Procedure> procedures_;  // in line order
    mutable int depth_ = 0;              // guards constants defined by each other
};

}  // namespace tessaly
