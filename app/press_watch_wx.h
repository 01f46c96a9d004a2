#pragma once

#include <functional>
#include <memory>

class wxWindow;

namespace tessaly {

// Reports every left-button press in any of the program's windows, with the pointer's screen
// position and the top-level window pressed in, before the control under the pointer handles it.
// Native widgets (combo boxes, trees, scroll bars, calendars) keep their presses to themselves;
// this sees them all the same. Watching stops when the returned object is destroyed.
class PressWatch {
  public:
    virtual ~PressWatch() = default;
    // Also sees the presses that a window's insensitive controls would drop (GTK drops them
    // before any handler runs: an empty combo box, a disabled gadget). Call it for each preview
    // window.
    virtual void watchWindow(wxWindow* /*topLevel*/) {}
};
using PressHandler = std::function<void(int x, int y, wxWindow* topLevel)>;
// `onPointer` hears that the pointer moved, entered or left a window of the program, so that
// whoever tracks it needs to ask where it is only then.
std::unique_ptr<PressWatch> watchLeftPresses(PressHandler onPress,
                                             std::function<void()> onPointer = {});

}  // namespace tessaly
