#pragma once

#include <string>

#include "form/code_text.h"
#include "form/model.h"

namespace tessaly {

// The call as the writer spells it: KeyWord, "(", the written parameters separated by ", ", ")".
// Empty (or all-space) optional parameters are left out when no written parameter follows them;
// text parameters are put in double quotes; values are written exactly as stored.
std::string buildCall(const sElement& element);

// The element's whole new line: what stood in front of the call name as read, the call, and
// what stood behind the call's matching ")" as read (a trailing comment or a following statement
// is the user's, so it is kept). A call whose ")" was missing is written without one and without
// empty entries behind its last value, followed by the comment that ended it.
std::string buildLine(const sElement& element);

// Rewrites the current element's line in the code. With no current element, or a line number
// the code does not have, the code is left as it is and false is returned.
bool writeCode(const ElementList& list, CodeText& code);

}  // namespace tessaly
