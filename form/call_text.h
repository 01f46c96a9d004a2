#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

// A line of form code seen as the reader sees it: which bytes are code and which belong to a
// string or a comment. Outside a string, `"` opens a string that the next `"` closes, `~"` opens
// an escape string in which `\` takes the next byte with it, and `;` opens a comment that runs
// to the end of the line. A string that is never closed runs to the end of the line. The text may
// be a statement continued over several lines: a line break ends a string or comment.
class MaskedLine {
  public:
    // Stands for every byte of a string (quotes included) or a comment in `code()`.
    static constexpr char kHidden = '\x01';
    // Stands for every byte of a comment, its ";" included.
    static constexpr char kComment = '\x02';

    MaskedLine() = default;
    explicit MaskedLine(std::string_view line) { assign(line); }
    // Reuses the buffer: reading many lines costs no allocation once it has grown.
    void assign(std::string_view line);

    // The line with code bytes ASCII-lower-cased and all other bytes replaced by kHidden (strings)
    // or kComment (comments), so a
    // search for a lower-case call name or for punctuation finds code only. Same byte positions
    // as the line.
    std::string_view code() const { return code_; }
    // Index of the ";" that opens the last line's comment, or the text's length when it has none.
    size_t commentStart() const { return comment_; }
    // Indices of the "(" in code, in line order: every call's name stands in front of one.
    const std::vector<size_t>& opens() const { return opens_; }

  private:
    std::string code_;
    size_t comment_ = 0;
    std::vector<size_t> opens_;
};

// Where one call stands in its line; all indices are 0-based byte offsets into the line.
struct CallSpan {
    size_t nameBegin = 0;
    size_t argsBegin = 0;  // just behind the call's "("
    size_t argsEnd = 0;    // the matching ")", or where the list stops when there is none
    bool opened = false;   // a "(" follows the name
    bool closed = false;   // a matching ")" stands at argsEnd
    // Where the text behind the call starts: behind the matching ")", else at the comment (or
    // the line's end) that ended the list.
    size_t tail() const { return closed ? argsEnd + 1 : argsEnd; }
};

// Finds the first call of `lowerName` whose name starts at or after `from`: the name in code,
// followed by zero or more spaces and "(". Returns false when there is none.
bool findCall(const MaskedLine& line, std::string_view lowerName, size_t from, CallSpan& span);

// The span of a call whose name of `nameLength` bytes starts at `nameBegin`. When no "(" follows
// the name, the argument list is empty and starts and ends behind the name.
CallSpan callAt(const MaskedLine& line, size_t nameBegin, size_t nameLength);

// The call's arguments as written, split at its top-level commas in code and trimmed of spaces.
// An empty list is one empty argument. The views point into `line`.
void splitArguments(std::string_view line, const MaskedLine& masked, const CallSpan& span,
                    std::vector<std::string_view>& out);

// The text between the quotes when `argument` is one plain string literal ("…" with no other
// double quote inside); false otherwise.
bool plainStringLiteral(std::string_view argument, std::string_view& text);

}  // namespace tessaly
