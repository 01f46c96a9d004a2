#include "app/hover_beat_wx.h"

#include <glib.h>

#include <utility>

namespace tessaly {

// A plain main-loop time-out: the toolkit's timer asks for an idle pass after each tick.
struct HoverBeat::Impl {
    std::function<void()> onBeat;
    guint source = 0;

    static gboolean tick(gpointer self) {
        static_cast<Impl*>(self)->onBeat();
        return G_SOURCE_CONTINUE;
    }
    void start(int milliseconds) {
        if (source == 0) source = g_timeout_add(guint(milliseconds), &Impl::tick, this);
    }
    void stop() {
        if (source != 0) g_source_remove(source);
        source = 0;
    }
    bool running() const { return source != 0; }
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
    return impl_->running();
}

}  // namespace tessaly
