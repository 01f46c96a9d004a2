#pragma once

#include <optional>
#include <string>

#include "app/clipboard.h"

namespace tessaly {

// The platform clipboard through wxWidgets, Unicode text only.
//
// On X11 the clipboard's content lives in the program that owns it and dies with it. At quit,
// when the program still owns the clipboard with the text it put there last, that text is kept
// back; once the toolkit has shut down it is handed to a detached `xclip`, which serves it
// until someone else takes the clipboard. (Handing it over earlier does not last: the toolkit
// still believes it owns the clipboard and sets the owner to none as it shuts down.)
class WxClipboard : public Clipboard {
  public:
    ~WxClipboard() override;
    std::string getText() override;
    void putText(const std::string& text) override;
    void keepAfterExit() override;
    // Asks the toolkit without waiting for the answer: first what the clipboard holds, then its
    // text, each answered from the event loop. Gives up after kClipboardWaitMs.
    void requestText(std::function<void(ClipboardText)> done) override;
    void cancelRequest() override;
    // Called by the program after the toolkit has shut down: hands the kept text to xclip.
    void handOverAfterShutdown() override;

  private:
    struct PendingRead;
    void finish(PendingRead* read, ClipboardText result);

    PendingRead* pending_ =
        nullptr;  // the unanswered request; the toolkit holds it until it answers
    std::optional<std::string> pendingHandOver_;
    std::string lastPut_;
    unsigned long owner_ = 0;  // X window that owned the clipboard right after our last put
    bool put_ = false;
};

// How long a Paste waits for the program that owns the clipboard.
inline constexpr int kClipboardWaitMs = 4000;

// The X window that owns the clipboard now, 0 when nobody does or there is no X display.
unsigned long clipboardOwnerWindow();

// Starts `xclip -selection clipboard` detached from this process, gives it the text on its
// standard input and waits (at most timeoutMs) until it owns the clipboard. Returns false when
// xclip could not be started or did not take the clipboard in time. X11 only.
bool handClipboardToXclip(const std::string& text, int timeoutMs);

}  // namespace tessaly
