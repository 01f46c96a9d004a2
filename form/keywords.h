#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

// One call the reader recognises, as the keyword file describes it.
struct sKeyWord {
    std::string Item;     // parameter template: "name, group, Param1, Param2$, Flags?, ..."
    std::string Flags;    // flag names accepted by the call, separated by "|"
    int32_t Sort = 0;     // element kind given to elements of this call
    std::string KeyWord;  // call name as written back by the code writer
};

using KeywordTable = std::vector<sKeyWord>;

// Outcome of reading one keyword file. `ok` is false when the file could not be opened or is not
// JSON; `error` then says why. A JSON value that is not an array is read as an empty table with
// `ok` true and a note in `error`, which the program reports once (see reportKeywordNote).
struct KeywordLoad {
    KeywordTable table;
    bool ok = false;
    std::string error;
    std::string path;  // the file read; empty for a table parsed from text
};

// Builds the table from JSON text. Member names match in any letter case; a member of the wrong
// type is converted (a number for a text becomes its decimal text, a text for Sort is read as a
// number text) rather than dropped.
KeywordLoad parseKeywordTable(std::string_view json);

// Reads and parses one file.
KeywordLoad loadKeywordFile(const std::string& path);

// The start-up lookup: "keywords.json" in the working directory, then the copy beside the
// executable (exeDir), then the installed one in exeDir/../share/tessaly. When both fail the table
// is empty and `error` names every file tried and why; the caller reports it once.
KeywordLoad loadKeywordTableWithFallback(const std::string& exeDir);

}  // namespace tessaly
