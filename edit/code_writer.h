#pragma once

#include <string>

#include "form/code_text.h"
#include "form/model.h"

namespace tessaly {

// The call as the writer spells it: KeyWord, "(", the written parameters separated by ", ", ")".
// Empty (or all-space) optional parameters are left out when no written parameter follows them,
// an empty one that must be written is 0 (or "" for a text); text parameters are written as a
// string literal of their text; other values exactly as stored, but never with a line break.
std::string buildCall(const sElement& element);

// The element's whole new statement text: what stood in front of the call name as read, the
// call, and what stood behind the call's matching ")" as read (a trailing comment or a following
// statement is the user's, so it is kept). A call whose ")" was missing is written without one
// and without empty entries behind its last value, followed by the comment that ended it. A call
// continued over several lines keeps its lines: only the arguments that changed are replaced.
// The result always spans as many lines as the element's Code.
std::string buildLine(const sElement& element);

// Rewrites the current element's statement in the code. With no current element, or a line number
// the code does not have, the code is left as it is and false is returned.
bool writeCode(const ElementList& list, CodeText& code);

}  // namespace tessaly
