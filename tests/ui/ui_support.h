#pragma once

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/clipboard.h"
#include "app/edit_hooks.h"
#include "app/shell_wx.h"
#include "form/keywords.h"
#include "ui/registry_wx.h"

namespace tessaly::test {

// Clipboard kept in memory.
class MemoryClipboard : public Clipboard {
  public:
    std::string getText() override { return text; }
    void putText(const std::string& t) override {
        text = t;
        ++puts;
    }
    void keepAfterExit() override { ++kept; }
    std::string text;
    int puts = 0;
    int kept = 0;
};

// Records every call the shell makes to the pages, writer and preview updater, in order.
class RecordingEdits : public EditHooks {
  public:
    void resetPages() override { calls.push_back("reset"); }
    void showElement(int32_t i) override { calls.push_back("show " + std::to_string(i)); }
    bool nudge(int32_t item) override {
        calls.push_back("nudge " + std::to_string(item));
        return true;
    }
    void writeCode() override { calls.push_back("write"); }
    void applyEdits() override { calls.push_back("apply"); }
    std::vector<std::string> calls;
};

class RecordingEditor : public EditorLink {
  public:
    bool canReachEditors() const override { return reachable; }
    void sendCopy(uint32_t editor) override { calls.push_back("copy " + std::to_string(editor)); }
    void sendPaste(uint32_t editor) override { calls.push_back("paste " + std::to_string(editor)); }
    std::vector<std::string> calls;
    bool reachable = true;
};

// Lets the toolkit handle what is pending for `ms` milliseconds.
inline void pumpFor(int ms) {
    wxStopWatch watch;
    do {
        wxTheApp->Yield(true);
        wxMilliSleep(2);
    } while (watch.Time() < ms);
}

// Handles events until `done` holds or `ms` milliseconds have passed; returns `done()`.
inline bool pumpUntil(const std::function<bool()>& done, int ms = 3000) {
    wxStopWatch watch;
    while (!done() && watch.Time() < ms) {
        wxTheApp->Yield(true);
        wxMilliSleep(2);
    }
    return done();
}

KeywordTable testKeywords();

// A started shell with a fresh registry; closes every window afterwards.
class ShellTest : public ::testing::Test {
  protected:
    void TearDown() override;

    // Builds and starts the shell. `clipboard` defaults to the memory clipboard.
    void startShell(std::optional<std::string> fileText = std::nullopt,
                    Clipboard* clipboard = nullptr, std::string editorVariable = "");

    wxWindow* control(int32_t number) { return Registry::instance().control(number); }
    // Sets the main window's inner size and waits until the toolkit has applied it.
    void resizeMainWindow(int width, int height);

    MemoryClipboard memory;
    std::string editorVariable;      // what the shell reads as PB_TOOL_Scintilla, also after start
    RecordingEdits edits;
    RecordingEditor editor;
    bool ended = false;
    bool realPages = false;  // the program's pages, writer and preview updater instead of `edits`
    std::unique_ptr<EditHooks> pages;
    std::unique_ptr<Shell> shell;
    wxString statusAtStart;  // the status line right after start-up, before any event
};

// Runs a shell command with the toolkit's events handled meanwhile (the command may ask this
// process for the clipboard) and returns its standard output.
std::string runHandlingEvents(const std::string& command);

// Puts text on the X clipboard from another program (xclip).
void putWithXclip(const std::string& text);
// Takes the clipboard from its owner: afterwards it holds no text at all.
void emptyClipboard();
// Takes the clipboard for a window that never answers a request for it, until the returned
// function is called.
std::function<void()> takeClipboardSilently();
// The X clipboard's text as another program (xclip) reads it.
std::string readWithXclip();

}  // namespace tessaly::test
