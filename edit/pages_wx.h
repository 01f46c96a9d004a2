#pragma once

#include <wx/string.h>
#include <wx/window.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "edit/pages.h"
#include "edit/selection_frame_wx.h"
#include "edit/undo.h"
#include "form/model.h"

namespace tessaly {

// What the pages need from the program around them.
class PagesHost {
  public:
    virtual ~PagesHost() = default;
    virtual ElementList& elements() = 0;
    // Replaces the text of one line of the code view and keeps its line break.
    virtual void replaceCodeLine(int32_t line, const std::string& text) = 0;
    // Gives the element picker's selected entry a new text.
    virtual void setSelectedPickerText(const std::string& text) = 0;
    // Shows which line of the code view an element comes from.
    virtual void highlightCodeLine(int32_t line) = 0;
    // The text of one line of the code view, without its break.
    virtual std::string codeLine(int32_t line) = 0;
    // Selects the element picker's entry and shows the element it names.
    virtual void choosePickerEntry(int32_t entry) = 0;
    // Replaces the whole code and reads it again (undoing or redoing a Paste).
    virtual void readCode(const std::string& text) = 0;
    // Makes list element `listIndex`'s preview control again from its line `line` after a flag
    // change; returns the new control, nullptr when the old one stays.
    virtual wxWindow* recreateControl(int32_t /*listIndex*/, const std::string& /*line*/) {
        return nullptr;
    }
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
    // Escape: the focused field shows again what it showed before the user changed it (and the
    // any-number switch its committed state). False when no focused field had a change.
    bool revertFocusedField();
    // The flag list reported a tick or an untick.
    void flagsChanged();
    // A press on the any-number switch.
    void pressSwitch();

    // Ctrl+Z and Ctrl+Shift+Z / Ctrl+Y: one committed change back or forth.
    void undo();
    void redo();
    // A Paste replaced the code `before` with `after` and read it: one more step.
    void codeReplaced(const std::string& before, const std::string& after);

  private:
    sElement* shownElement();
    void writeElement(const sElement& element);
    void applyTo(const sElement& element);
    // The flags of list element `listIndex` changed: its preview control is made again with them.
    void remakeControl(int32_t listIndex);
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
    UndoHistory history_;
    SelectionFrame frame_;
    // A nudge is written by the shortcut's dispatch after it: its step is recorded then.
    std::optional<UndoStep> pendingNudge_;
};

// The control number of the field that shows entry `position` (0..9).
int32_t fieldControl(int position);

}  // namespace tessaly
