#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "form/code_text.h"
#include "form/keywords.h"
#include "form/model.h"

namespace tessaly {

// Reads one statement (a line, or the lines of a continued statement with their breaks) into
// elements appended to the list (none when no call is recognised). Every recognised call is read,
// nested ones too, each complete call in the order its list closes: left to right, and a call's
// nested calls before the call.
void scanLine(std::string_view line, int32_t lineNumber, const KeywordTable& table,
              ElementList& list);

// Reads lines one at a time with the keyword table worked out once: for a text too big to keep
// whole as elements. A line that ends in "," or an operator goes on in the next: such lines are
// read as one statement, whose elements have the first line's number and hold all its lines.
class LineScanner {
  public:
    explicit LineScanner(const KeywordTable& table);
    ~LineScanner();
    LineScanner(const LineScanner&) = delete;
    LineScanner& operator=(const LineScanner&) = delete;
    // One line and the break that ended it ("" for the last line). The elements of a continued
    // statement are appended when its last line comes.
    void scan(std::string_view line, std::string_view lineBreak, int32_t lineNumber,
              ElementList& list);
    // True while the lines given so far end inside a continued statement.
    bool pending() const;
    // Appends the elements of a statement still open (the text ended inside it).
    void finish(ElementList& list);
    // Reads one whole statement as it stands.
    void scanStatement(std::string_view text, int32_t lineNumber, ElementList& list);

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// After element `index`'s Code was given a new statement text (an edit was written), every
// element read from the same statement takes its place in it and its values from it (the edited
// element keeps its own values), so that calls sharing a statement keep each other's edits.
// False when the new text no longer holds the same calls; then only the texts follow.
bool refreshStatement(ElementList& list, int index, const KeywordTable& table);

// Empties the list and reads every line of the code into it, in line order. Leaves the first
// element current (or none when nothing was read). Pure: touches no control.
void scanLines(const CodeText& code, const KeywordTable& table, ElementList& list);

// The steps of a reading that act on controls. The reading procedure calls them in a fixed
// order; the window layer implements them, tests record them. Defaults do nothing.
class ReadFormHooks {
  public:
    virtual ~ReadFormHooks() = default;
    // Destroys the preview control of a gadget element of the previous reading. Called with every
    // non-zero number, last element first; the implementation ignores numbers that name no live
    // control (one destroyed with its container already).
    virtual void destroyGadget(int32_t /*gadget*/) {}
    // Empties the element picker and enables it.
    virtual void clearPicker() {}
    // Empties the Parameters and Flags pages.
    virtual void resetPages() {}
    virtual void setFlagsTabDisabled(bool /*disabled*/) {}
    virtual void disablePicker() {}
    // Opens (or reuses) the preview window used when the code has no window line.
    virtual void openDefaultWindow() {}
    // Builds the preview controls and the picker entries for the freshly read list.
    virtual void buildPreview(ElementList& /*list*/) {}
    // Selects picker entry 0 and shows the element it names.
    virtual void showFirstEntry() {}
    virtual void activateMainWindow() {}
};

// The whole reading procedure: frees the previous preview controls, reads the code into the
// list, and has the hooks rebuild picker, pages, tab bar state and preview.
void readForm(const CodeText& code, const KeywordTable& table, ElementList& list,
              ReadFormHooks& hooks);

}  // namespace tessaly
