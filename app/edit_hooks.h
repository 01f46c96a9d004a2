#pragma once

#include <cstdint>
#include <string>

class wxTopLevelWindow;

namespace tessaly {

// What the shell asks of the parameter and flag pages, the code writer and the preview
// updater. The shell calls these at fixed moments; the pages implement them. The defaults
// do nothing, so the window runs before the pages exist.
class EditHooks {
  public:
    virtual ~EditHooks() = default;
    // The main window exists now: connect to its controls. Called once, before the first reading.
    virtual void attach() {}
    // Empties both pages (start of every reading).
    virtual void resetPages() {}
    // Makes element `listIndex` current and fills both pages (picker choice, end of a reading).
    virtual void showElement(int32_t /*listIndex*/) {}
    // Shortcut items 1..8: nudge Y, X, Height or Width of the current element by one. True when
    // the element changed; only then are its line and its preview object updated.
    virtual bool nudge(int32_t /*item*/) { return false; }
    // Rewrites the current element's line in the code view. Runs after every nudge.
    virtual void writeCode() {}
    // Moves, sizes and relabels the current element's preview control. Runs after writeCode.
    virtual void applyEdits() {}
    // Shortcut items 9 and 10: one committed change back, or forth again.
    virtual void undo() {}
    virtual void redo() {}
    // Escape: puts back the text of the focused field when the user changed it without
    // committing. True when a field was put back (Escape then does nothing else).
    virtual bool revertField() { return false; }
    // A Paste replaced the code `before` by `after` and read it (an undoable step).
    virtual void codeReplaced(const std::string& /*before*/, const std::string& /*after*/) {}
    // Direct manipulation: a preview window was opened; its presses may be taken from now on.
    virtual void watchPreview(wxTopLevelWindow* /*window*/) {}
    // True when presses into the preview are handled there (selection, drags): the shell's
    // press watch then leaves them alone.
    virtual bool takesPreviewPresses() const { return false; }
};

// The link to a code editor in another program that handed us its window id. Synchronous:
// each call returns once the editor has handled it (or has not answered in time).
class EditorLink {
  public:
    virtual ~EditorLink() = default;
    // Whether this link can reach an editor at all. The editor mode is entered only then.
    virtual bool canReachEditors() const { return false; }
    // Asks the editor to copy its selection to the clipboard.
    virtual void sendCopy(uint32_t /*editor*/) {}
    // Asks the editor to replace its selection with the clipboard text.
    virtual void sendPaste(uint32_t /*editor*/) {}
};

}  // namespace tessaly
