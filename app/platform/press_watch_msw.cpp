#include "app/press_watch_wx.h"

#include <wx/toplevel.h>

#include <windows.h>

namespace tessaly {

namespace {

wxWindow* topLevelOf(HWND window) {
    const HWND root = GetAncestor(window, GA_ROOT);
    for (wxWindow* w : wxTopLevelWindows) {
        if (w->GetHWND() == root) return w;
    }
    return nullptr;
}

// A hook on the messages this thread takes from its queue sees each press before the window
// procedure of the control under the pointer does, whatever kind of control it is; a press on a
// disabled control reaches its parent, and the hook sees it there.
class HookPressWatch : public PressWatch {
  public:
    HookPressWatch(PressHandler onPress, std::function<void()> onPointer)
        : onPress_(std::move(onPress)), onPointer_(std::move(onPointer)) {
        current_ = this;
        hook_ =
            SetWindowsHookExW(WH_GETMESSAGE, &HookPressWatch::hook, nullptr, GetCurrentThreadId());
    }
    ~HookPressWatch() override {
        if (hook_) UnhookWindowsHookEx(hook_);
        if (current_ == this) current_ = nullptr;
    }

  private:
    static LRESULT CALLBACK hook(int code, WPARAM removal, LPARAM data) {
        // A message only looked at (and left in the queue) comes again when it is taken.
        if (code == HC_ACTION && removal == PM_REMOVE && current_) {
            current_->seen(*reinterpret_cast<const MSG*>(data));
        }
        return CallNextHookEx(nullptr, code, removal, data);
    }

    void seen(const MSG& message) {
        switch (message.message) {
            case WM_MOUSEMOVE: {
                // Ask for a note when the pointer leaves the window, so that leaving is heard.
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, message.hwnd, 0};
                TrackMouseEvent(&track);
                if (onPointer_) onPointer_();
                break;
            }
            case WM_MOUSELEAVE:
                if (onPointer_) onPointer_();
                break;
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK:  // the second press of a double click
                onPress_(int(message.pt.x), int(message.pt.y), topLevelOf(message.hwnd));
                break;
            default:
                break;
        }
    }

    static inline HookPressWatch* current_ = nullptr;
    PressHandler onPress_;
    std::function<void()> onPointer_;
    HHOOK hook_ = nullptr;
};

}  // namespace

std::unique_ptr<PressWatch> watchLeftPresses(PressHandler onPress,
                                             std::function<void()> onPointer) {
    return std::make_unique<HookPressWatch>(std::move(onPress), std::move(onPointer));
}

}  // namespace tessaly
