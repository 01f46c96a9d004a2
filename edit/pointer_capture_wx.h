#pragma once

#include <wx/toplevel.h>

#include <memory>

namespace tessaly {

// The keys held with a pointer event.
struct PointerKeys {
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
};

// Hears the left button in a watched window before any control in it does.
class PointerClient {
  public:
    virtual ~PointerClient() = default;
    // A left press at screen position (x, y) in `window`. True takes it: the control under the
    // pointer does not see it, and the pointer's moves and its release come here until the release.
    virtual bool press(wxTopLevelWindow* window, int x, int y, PointerKeys keys) = 0;
    virtual void motion(int x, int y, PointerKeys keys) = 0;
    virtual void release(int x, int y, PointerKeys keys) = 0;
    // Escape while a taken press is held.
    virtual void escape() = 0;
};

// Takes left presses from the controls of watched windows, so that a drag over a native control
// leaves it alone (no button stays pressed, no list opens, no text is selected). Where the
// toolkit offers no way to do so, watching does nothing and works() is false.
class PointerCapture {
  public:
    virtual ~PointerCapture() = default;
    virtual bool works() const = 0;
    // Watches a window from now on (once per window; it may be watched again harmlessly).
    virtual void watch(wxTopLevelWindow* window) = 0;
    // Called from release(): the taken press was a plain click, and the control under the pointer
    // gets the press and the release after all.
    virtual void passClick() = 0;
};

std::unique_ptr<PointerCapture> makePointerCapture(PointerClient& client);

}  // namespace tessaly
