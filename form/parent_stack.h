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
//
// Nesting is bounded: the toolkit's layout work grows so fast with depth that a few hundred nested
// containers stop the program from answering. A container opened kMaxDepth levels deep is created
// but does not become the parent: what follows it is built into the deepest container, and its
// closing line only balances it.
class ParentStacks {
  public:
    static constexpr int kMaxDepth = 64;

    // Makes the window the current parent with an empty stack. Used when a reading starts
    // building in a window: the containers of its earlier gadget list no longer exist.
    void startWindow(int32_t window);
    // The current parent; empty before any window was started.
    std::optional<ParentRef> current() const;
    // Pushes the current parent and makes the container current. Ignored without a window.
    // Returns false when the container stays out because the nesting is kMaxDepth deep already.
    bool open(ParentRef container);
    // Makes a panel tab the current parent without pushing. Ignored without a window, and for
    // the tabs of a panel that stayed out of the nesting.
    void replace(ParentRef tab);
    // Makes the enclosing parent current again (or balances a container that stayed out); false
    // (and no change) on an empty stack.
    bool close();
    // Number of enclosing parents on the current window's stack.
    int depth() const;
    // Forgets every window's stack.
    void clear();

  private:
    struct WindowState {
        ParentRef current;
        std::vector<ParentRef> stack;
        int outside = 0;  // containers opened beyond kMaxDepth and not closed yet
    };
    WindowState* active();
    const WindowState* active() const;

    std::map<int32_t, WindowState> windows_;
    std::optional<int32_t> activeWindow_;
};

}  // namespace tessaly
