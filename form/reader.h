#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "form/code_text.h"
#include "form/keywords.h"
#include "form/model.h"

namespace tessaly {

// Reads one line into elements appended to the list (none when no call is recognised).
void scanLine(std::string_view line, int32_t lineNumber, const KeywordTable& table,
              ElementList& list);

// Reads lines one at a time with the keyword table worked out once: for a text too big to keep
// whole as elements. Each line's elements are appended to the list given.
class LineScanner {
  public:
    explicit LineScanner(const KeywordTable& table);
    ~LineScanner();
    LineScanner(const LineScanner&) = delete;
    LineScanner& operator=(const LineScanner&) = delete;
    void scan(std::string_view line, int32_t lineNumber, ElementList& list);

  private:
    struct State;
    std::unique_ptr<State> state_;
};

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
