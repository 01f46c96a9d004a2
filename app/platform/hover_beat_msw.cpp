#include "app/hover_beat_wx.h"

#include <windows.h>

#include <map>
#include <utility>

namespace tessaly {

// A thread timer with its own callback: the message loop calls it directly, and no toolkit
// timer event goes through the program's event handlers.
struct HoverBeat::Impl {
    std::function<void()> onBeat;
    UINT_PTR timer = 0;

    static std::map<UINT_PTR, Impl*>& running() {
        static std::map<UINT_PTR, Impl*> beats;
        return beats;
    }
    static void CALLBACK tick(HWND, UINT, UINT_PTR id, DWORD) {
        const auto it = running().find(id);
        if (it != running().end()) it->second->onBeat();
    }
    void start(int milliseconds) {
        if (timer != 0) return;
        timer = SetTimer(nullptr, 0, UINT(milliseconds), &Impl::tick);
        if (timer != 0) running()[timer] = this;
    }
    void stop() {
        if (timer == 0) return;
        KillTimer(nullptr, timer);
        running().erase(timer);
        timer = 0;
    }
};

HoverBeat::HoverBeat(std::function<void()> onBeat) : impl_(std::make_unique<Impl>()) {
    impl_->onBeat = std::move(onBeat);
}

HoverBeat::~HoverBeat() {
    impl_->stop();
}

void HoverBeat::start(int milliseconds) {
    impl_->start(milliseconds);
}

void HoverBeat::stop() {
    impl_->stop();
}

bool HoverBeat::running() const {
    return impl_->timer != 0;
}

}  // namespace tessaly
