#pragma once

#include <string>

namespace tessaly {

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
    // Called once after the toolkit has shut down, for what keeping the text needs then.
    virtual void handOverAfterShutdown() {}
};

}  // namespace tessaly
