#pragma once

#include <wx/string.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "edit/pages.h"
#include "edit/selection_frame_wx.h"
#include "edit/undo.h"
#include "form/keywords.h"
#include "form/model.h"

namespace tessaly {

// What the pages need from the program around them.
class PagesHost {
  public:
    virtual ~PagesHost() = default;
    virtual ElementList& elements() = 0;
    // Replaces the lines of the code view that `text` spans from line `line` on (a statement)
    // and keeps the last one's line break.
    virtual void replaceCodeLine(int32_t line, const std::string& text) = 0;
    // Gives element picker entry `entry` a new text.
    virtual void setPickerEntryText(int32_t entry, const std::string& text) = 0;
    // Shows which lines of the code view an element comes from.
    virtual void highlightCodeLine(int32_t line, int32_t lines) = 0;
    // Says something in the status line.
    virtual void setStatus(const std::string& text) = 0;
    // The keyword table the code was read with.
    virtual const KeywordTable& keywords() = 0;
    // The values of the names an expression on code line `line` can use.
    virtual NameLookup namesAt(int32_t line) = 0;
    // Selects the element picker's entry and shows the element it names.
    virtual void choosePickerEntry(int32_t entry) = 0;
    // Replaces the whole code and reads it again (undoing or redoing a Paste).
    virtual void readCode(const std::string& text) = 0;
};

// The Parameters and Flags pages of the main window (controls 5..25 and 32): they show the
// current element, commit what the user changed, nudge, rewrite the element's line and have the
// preview follow. Edits go model first, then the code, then the preview.
class EditPages {
  public:
    explicit EditPages(PagesHost& host);

    // Binds the focus, commit, switch and flag list handlers. The main window must exist.
    void bind();

    // Empties both pages; the element shown before is forgotten (a reading follows).
    void resetPages();
    // Commits what the user left in a field for the element shown so far, then makes element
    // `listIndex` current and shows it.
    void showElement(int32_t listIndex);
    // Shortcut items 1..8. True when the current element changed (then write and apply follow).
    bool nudge(int32_t item);
    // Rewrites the current element's line of the code view; nothing without a current element.
    void writeCode();
    // Moves, sizes and relabels the current element's preview object.
    void applyEdits();
    // The outline around the preview control of the element on the pages.
    const SelectionFrame& selectionFrame() const { return frame_; }

    // A field lost the focus: commits it when the user changed its text. Public for tests.
    void fieldLeft(int position);
    // The flag list reported a tick or an untick.
    void flagsChanged();
    // A press on the any-number switch.
    void pressSwitch();
    // A press on the text switch of the field of a text entry.
    void pressTextSwitch();

    // Ctrl+Z and Ctrl+Shift+Z / Ctrl+Y: one committed change back or forth.
    void undo();
    void redo();
    // A Paste replaced the code `before` with `after` and read it: one more step.
    void codeReplaced(const std::string& before, const std::string& after);

  private:
    sElement* shownElement();
    // Writes the element's statement into the code view, and has every element read from the
    // same statement take its call from the new text.
    void writeElement(sElement& element);
    void putStatement(sElement& element, const std::string& text);
    // Writes the element's statement unless the edit would make a call that compiled as read one
    // that does not; then the element goes back to `before`, the field at `position` (-1: none)
    // shows its value again in the refusal colour and the status line says why. True if written.
    bool writeChecked(sElement& element, const ElementState& before, int position);
    void applyTo(const sElement& element);
    void setFieldText(int position, const std::string& text);
    // Records a step of element `shown_` from its state `before` to its state now.
    void record(const ElementState& before, int nudgedField = 0);
    void restore(const UndoStep& step, bool forward);

    PagesHost& host_;
    PagesView view_;
    int32_t shown_ = -1;  // list index of the element on the pages, -1 for none
    // What each field showed after the last show, commit or nudge: a field still showing it has
    // nothing to commit (looking at an element changes nothing).
    std::array<wxString, kPageFields> baseline_;
    bool filling_ = false;
    // A field whose value the toolkit cannot hold whole shows it read-only and never commits.
    std::array<bool, kPageFields> locked_{};
    UndoHistory history_;
    SelectionFrame frame_;
    // A nudge is written by the shortcut's dispatch after it: its step is recorded then.
    std::optional<UndoStep> pendingNudge_;
};

// The control number of the field that shows entry `position` (0..9).
int32_t fieldControl(int position);

}  // namespace tessaly
