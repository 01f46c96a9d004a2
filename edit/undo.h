#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "form/model.h"

namespace tessaly {

// What one element looked like at one moment: its parameter values, its #PB_Any mark and the
// text of its line in the code view.
struct ElementState {
    std::vector<std::string> values;
    std::vector<int32_t> types;  // text or plain: a text entry may be switched between them
    uint8_t pbAny = 0;
    std::string line;
};

// One undoable step: an edit of one element, or a reading of new code (Paste).
struct UndoStep {
    enum class Kind { Edit, Reading } kind = Kind::Edit;
    // Edit: the element and its state before and after.
    int32_t element = -1;
    ElementState before;
    ElementState after;
    // A nudge of this entry position (1..4): the next nudge of the same field joins the step.
    int nudgedField = 0;
    // Reading: the whole code before and after.
    std::string codeBefore;
    std::string codeAfter;
};

// The state of element `listIndex` with the given line text.
ElementState stateOf(const sElement& element, std::string line);
// Puts the values and the mark of a state back into the element (the line is the caller's).
void restoreState(sElement& element, const ElementState& state);

// The undo and redo history. A new step clears what could be redone; an edit step that changes
// nothing is not kept.
class UndoHistory {
  public:
    void push(UndoStep step);
    // The step to undo (moved to the redo side), or nothing.
    std::optional<UndoStep> undo();
    // The step to redo (moved back to the undo side), or nothing.
    std::optional<UndoStep> redo();
    void clear();
    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }

  private:
    std::vector<UndoStep> done_;
    std::vector<UndoStep> undone_;
    bool joinable_ = false;  // the last step was pushed just now, not undone or redone since
};

}  // namespace tessaly
