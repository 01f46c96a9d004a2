#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace tessaly {

// A parent for new controls: a top-level window or a control (container, panel tab, scroll area).
// Windows and controls are numbered independently, hence the tag.
struct ParentRef {
    bool isWindow = false;
    int32_t number = 0;
    bool operator==(const ParentRef&) const = default;
};

// The current parent for new controls with its stack of enclosing parents, kept per window as the
// toolkit's gadget lists are: switching to a window switches to that window's own stack.
class ParentStacks {
  public:
    // Makes the window the current parent with an empty stack. Used when a reading starts
    // building in a window: the containers of its earlier gadget list no longer exist.
    void startWindow(int32_t window);
    // The current parent; empty before any window was started.
    std::optional<ParentRef> current() const;
    // Pushes the current parent and makes the container current. Ignored without a window.
    void open(ParentRef container);
    // Makes a panel tab the current parent without pushing. Ignored without a window.
    void replace(ParentRef tab);
    // Makes the enclosing parent current again; false (and no change) on an empty stack.
    bool close();
    // Number of enclosing parents on the current window's stack.
    int depth() const;
    // Forgets every window's stack.
    void clear();

  private:
    struct WindowState {
        ParentRef current;
        std::vector<ParentRef> stack;
    };
    WindowState* active();
    const WindowState* active() const;

    std::map<int32_t, WindowState> windows_;
    std::optional<int32_t> activeWindow_;
};

}  // namespace tessaly
