#pragma once

#include <cstdint>
#include <string>

#include "app/clipboard.h"
#include "app/edit_hooks.h"

namespace tessaly {

// The editor link on Windows: the copy and paste window messages, sent to the editor's window
// handle. An editor that has not handled a message after `timeoutMs` is taken as one that lost it,
// so a hung editor never hangs the tool. Needs the Win32 API only.
class Win32EditorLink : public EditorLink {
  public:
    explicit Win32EditorLink(unsigned timeoutMs = 5000) : timeoutMs_(timeoutMs) {}
    bool canReachEditors() const override { return true; }
    // WM_COPY with both parameters 0; returns once handled, lost or timed out.
    void sendCopy(uint32_t editor) override;
    // WM_PASTE with both parameters 0; returns once handled, lost or timed out.
    void sendPaste(uint32_t editor) override;

  private:
    unsigned timeoutMs_;
};

// The Windows clipboard, Unicode text only. Each access opens it without an owner window and
// closes it again at once; when another program holds it, get gives an empty text and put does
// nothing.
class Win32Clipboard : public Clipboard {
  public:
    std::string getText() override;
    void putText(const std::string& text) override;
};

}  // namespace tessaly
