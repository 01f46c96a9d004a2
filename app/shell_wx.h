#pragma once

#include <wx/frame.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/anchors.h"
#include "app/clipboard.h"
#include "app/edit_hooks.h"
#include "app/hover.h"
#include "app/hover_beat_wx.h"
#include "app/ide_file.h"
#include "app/picker_wx.h"
#include "app/press_watch_wx.h"
#include "app/preview_host_wx.h"
#include "app/view_code.h"
#include "form/form_names.h"
#include "form/keywords.h"
#include "form/model.h"
#include "form/reader.h"

namespace tessaly {

// The services the shell works with. Tests hand in fakes; the program the real ones.
struct ShellServices {
    Clipboard* clipboard = nullptr;  // required
    EditHooks* edit = nullptr;       // pages, code writer, preview update
    EditorLink* editor = nullptr;    // the code editor that started us, if any
    // --ide-file: the code comes from this file's selected lines and IDE Update writes it back.
    std::optional<IdeFile> ideFile;
    std::unique_ptr<PreviewBuilder> preview;
    // Ends the program; the shell has already done its own clean-up when it calls this.
    std::function<void()> endProgram;
    // Reads an environment variable; empty text when it is not set.
    std::function<std::string(const char* name)> getEnv;
};

// The application shell: program-wide state, the main window's commands, shortcuts, anchored
// re-layout, hover tracking and the steps of a reading that act on the main window.
class Shell : public ReadFormHooks, public PreviewHost {
  public:
    Shell(KeywordTable keywords, ShellServices services);
    ~Shell() override;

    // Start-up, in order: builds the main window (anchors, minimum size), registers the
    // shortcuts, connects to the editor, puts the first code into the code view (the IDE file's
    // selected lines, else the editor's selection, else fileText when given, else the
    // clipboard's) and reads it, stores the full width and binds the handlers.
    void start(const std::optional<std::string>& fileText);

    // Commands.
    // Paste: asks for the clipboard's text and reads it as the new code once it comes; the window
    // answers meanwhile. A clipboard without text changes nothing and says why in the status line.
    void paste();
    // Whether a Paste waits for the clipboard (tests).
    bool pasting() const { return pasting_; }
    void copy();
    void toggleCodeView();
    void onResize();
    // A shortcut event from window `window` with item 0..8.
    void onShortcut(int32_t window, int32_t item);
    // Ends the program with exit code 0: keeps the clipboard text alive, then ends.
    void quit();
    // Shows the page of the tab with this text ("Parameters" or "Flags"); other texts do nothing.
    void showPageOfTab(const wxString& tabText);
    // The IDE Update command. With an IDE file: writes the code into the file, puts it on the
    // clipboard and quits; a file that cannot be written is reported and the tool stays open.
    // With an editor: code onto the clipboard, paste into the editor, quit. Otherwise nothing.
    void ideUpdate();

    // One hover-poll step with the pointer at screen position (x, y). Returns true when the
    // status line was rewritten.
    bool hoverAt(int32_t screenX, int32_t screenY);

    // Selection by click: a left-button press at screen position (x, y) in the preview window
    // brings the hover state up to date and, when a gadget is hovered, selects its picker entry
    // and shows its element. Returns true when an element was selected.
    bool selectAt(int32_t screenX, int32_t screenY);

    // Replaces the pages, writer and preview updater (nullptr: the do-nothing defaults).
    void setEditHooks(EditHooks* edit) { services_.edit = edit ? edit : &defaultEdit_; }

    // Reads the code view into the element list and rebuilds picker, pages and preview.
    void readCodeView();
    // Replaces code lines from `line` (0-based) on, as many as `text` spans, and keeps the last
    // one's line break; the new lines are selected and scrolled into view. A line the code does
    // not have is ignored.
    void replaceCodeLine(int32_t line, const std::string& text);
    // Selects code lines and scrolls them into view: the statement of the element on the pages.
    void highlightCodeLine(int32_t line, int32_t lines = 1);
    // The text of a code line without its break; empty for a line the view does not have.
    std::string codeLine(int32_t line) const;
    // The values the code's expressions use, as seen from code line `line`.
    NameLookup namesAt(int32_t line) const { return scope_.at(line); }
    const KeywordTable& keywords() const { return keywords_; }
    // Selects picker entry `entry` and shows the element it names, as choosing it does.
    void choosePickerEntry(int32_t entry);
    // Puts `text` into the code view and reads it (no undo step of its own).
    void readCode(const std::string& text);
    // Gives the element picker's selected entry a new text.
    void setPickerEntryText(int32_t entry, const std::string& text);
    // Says something in the status line.
    void setStatus(const std::string& text);

    wxFrame* mainWindow() const { return frame_; }
    ElementList& elements() { return list_; }
    const HoverState& hover() const { return hover_; }
    const ViewCodeSwitch& viewCode() const { return viewCode_; }
    uint32_t editorHandle() const { return editorHandle_; }

    // ReadFormHooks.
    void destroyGadget(int32_t gadget) override;
    void clearPicker() override;
    void resetPages() override;
    void setFlagsTabDisabled(bool disabled) override;
    void disablePicker() override;
    void openDefaultWindow() override;
    void buildPreview(ElementList& list) override;
    void showFirstEntry() override;
    void activateMainWindow() override;

    // PreviewHost.
    int32_t previewWindow() const override { return previewWindow_; }
    void setPreviewWindow(int32_t number) override { previewWindow_ = number; }
    void adoptWindow(wxTopLevelWindow* window) override;
    void installShortcuts(wxTopLevelWindow* window) override;
    int32_t appendPickerEntry(const std::string& text, int32_t listIndex) override;
    void showNote(const std::string& text) override;
    int32_t placeholderPicture() const override { return placeholderPicture_; }
    std::optional<int64_t> nameValue(int32_t line, std::string_view name) const override;

    // Whether the hover poll runs (tests).
    bool hoverPollRunning() const { return hoverBeat_.running(); }

  private:
    // Where the code came from and where IDE Update sends it; decided once, at start-up.
    enum class Link { Clipboard, Editor, File };

    // Moves the main window beside the preview window when it covers part of it and the desktop
    // has room on either side.
    void keepPreviewInSight();
    void connect();
    void showIdeUpdateInsteadOfPaste();
    // IDE Update with an IDE file: writes the code into the file, or asks what to do when the
    // file changed since it was read; quits once the code is handed back.
    void writeIdeFile(const std::string& code);
    void bindCommands();
    void onHoverTimer();
    // Runs the hover poll while the preview window is the active window, and only then.
    void onActivate(wxWindow* window, bool active);
    // Makes the element that picker entry `entry` names current and shows it on the pages.
    void showEntry(int entry);
    // The active preview window, nullptr when the preview window is not the active one.
    wxTopLevelWindow* activePreview() const;
    std::string codeViewText() const;
    // Where lines line .. line + lines - 1 stand in the code view (start, length without the
    // last break); nothing for lines the code does not have.
    std::optional<std::pair<long, long>> viewSpan(int32_t line, int32_t lines) const;
    void setCodeViewText(const std::string& text);

    KeywordTable keywords_;
    ShellServices services_;
    EditHooks defaultEdit_;
    EditorLink defaultEditor_;
    ElementList list_;
    AnchorTable anchors_;
    ViewCodeSwitch viewCode_;
    HoverState hover_;
    wxFrame* frame_ = nullptr;
    HoverBeat hoverBeat_;
    bool pointerMoved_ = true;  // since the last hover update
    PickerBatch pickerBatch_;
    std::unique_ptr<PressWatch> pressWatch_;
    int32_t previewWindow_ = 0;
    int32_t placeholderPicture_ = 0;
    uint32_t editorHandle_ = 0;
    Link link_ = Link::Clipboard;
    bool quitting_ = false;
    // The code as the code view shows it, line by line: the one numbering of lines that the
    // reader, the writer, Copy and the IDE hand-off share (only CR LF, LF and CR end a line).
    CodeText code_;
    std::vector<long> viewLengths_;  // each line's length in the code view, with its break
    NameScope scope_;                // the names the code's expressions use, per reading
    bool pasting_ = false;
};

// The parameter and flag pages, code writer and preview updater the window program uses; they
// reach the element list through `shell.elements()` and the controls through the Registry. This
// is the one place where the pages plug in; until then shortcuts and readings reach nothing.
std::unique_ptr<EditHooks> makeEditHooks(Shell& shell);

}  // namespace tessaly
