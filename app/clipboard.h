#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace tessaly {

// The largest clipboard text taken as code. Form code is a few kilobytes; a text this large is
// no code a person edits here, and reading it would keep the window from answering.
inline constexpr size_t kMaxClipboardText = 2u * 1024 * 1024;

// What a read of the clipboard gave: a text, or why there is none.
struct ClipboardText {
    bool ok = false;
    std::string text;
    std::string problem;  // set when !ok: said to the user (the clipboard holds an image, ...)
};

// The system clipboard as the program uses it: one Unicode text, UTF-8 on our side.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // The clipboard's text; empty when it holds no text or cannot be opened.
    virtual std::string getText() = 0;
    // Replaces the whole clipboard content with the text. Does nothing when the clipboard
    // cannot be opened.
    virtual void putText(const std::string& text) = 0;
    // Called once as the program ends: the text this program last put on the clipboard must
    // stay available to other programs after the process is gone.
    virtual void keepAfterExit() {}
    // Asks for the clipboard's text and hands what came to `done`, now or later from the event
    // loop: the window keeps answering while another program takes its time, and the wait ends
    // after a few seconds. A newer request or cancelRequest() drops an unanswered one, whose
    // `done` is then never called.
    virtual void requestText(std::function<void(ClipboardText)> done) {
        done(ClipboardText{true, getText(), {}});
    }
    virtual void cancelRequest() {}
    // Called once after the toolkit has shut down, for what keeping the text needs then.
    virtual void handOverAfterShutdown() {}
};

}  // namespace tessaly
