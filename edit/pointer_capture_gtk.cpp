#include "edit/pointer_capture_wx.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/weakref.h>

#include <vector>

#include <gdk/gdkkeysyms.h>
#include <gtk/gtk.h>

namespace tessaly {

namespace {

// Every event of the program passes one GDK event handler before GTK hands it to the widget
// under the pointer; ours sits there and keeps the events of a taken press from the widgets. A
// taken press also grabs pointer and keyboard for its window, so that moves over widgets that do
// not ask for them, the release and Escape all come here. The toolkit puts its own handler there
// for a while when it waits for the clipboard, and GTK's afterwards: ours goes back when the
// program is idle again.
class GtkPointerCapture : public PointerCapture {
  public:
    explicit GtkPointerCapture(PointerClient& client) : client_(client) {
        install();
        if (wxTheApp) wxTheApp->Bind(wxEVT_IDLE, &GtkPointerCapture::onIdle, this);
    }
    ~GtkPointerCapture() override {
        if (wxTheApp) wxTheApp->Unbind(wxEVT_IDLE, &GtkPointerCapture::onIdle, this);
        endGrab();
        if (held_) gdk_event_free(held_);
        gdk_event_handler_set(&GtkPointerCapture::passAll, nullptr, nullptr);
    }

    bool works() const override { return true; }

    void watch(wxTopLevelWindow* window) override {
        for (const auto& w : watched_) {
            if (w.get() == window) return;
        }
        watched_.emplace_back(window);
    }

    void passClick() override {
        if (!held_) return;
        replaying_ = true;
        gtk_main_do_event(held_);
        GdkEvent* release = gdk_event_copy(held_);
        release->type = GDK_BUTTON_RELEASE;
        release->button.time = releaseTime_;
        release->button.state |= GDK_BUTTON1_MASK;
        gtk_main_do_event(release);
        gdk_event_free(release);
        replaying_ = false;
    }

  private:
    void install() { gdk_event_handler_set(&GtkPointerCapture::filter, this, nullptr); }

    void onIdle(wxIdleEvent& event) {
        event.Skip();
        const wxEventLoopBase* loop = wxEventLoopBase::GetActive();
        if (!holding_ && !(loop && loop->IsYielding())) install();
    }

    static void passAll(GdkEvent* event, gpointer) { gtk_main_do_event(event); }

    static void filter(GdkEvent* event, gpointer self) {
        auto* capture = static_cast<GtkPointerCapture*>(self);
        GtkWidget* widget = gtk_get_event_widget(event);
        GtkWidget* top = widget ? gtk_widget_get_toplevel(widget) : nullptr;
        if (!capture->handle(top, event)) gtk_main_do_event(event);
    }

    static PointerKeys keysOf(guint state) {
        return {(state & GDK_CONTROL_MASK) != 0, (state & GDK_MOD1_MASK) != 0,
                (state & GDK_SHIFT_MASK) != 0};
    }

    bool handle(GtkWidget* widget, GdkEvent* event) {
        if (replaying_) return false;
        switch (event->type) {
            case GDK_BUTTON_PRESS: {
                if (event->button.button != 1) return holding_;
                if (holding_) return true;
                const GdkEventButton& b = event->button;
                wxTopLevelWindow* window = nullptr;
                for (const auto& w : watched_) {
                    if (w && w->GetHandle() == widget) window = w.get();
                }
                if (!window ||
                    !client_.press(window, int(b.x_root), int(b.y_root), keysOf(b.state))) {
                    return false;
                }
                if (held_) gdk_event_free(held_);
                held_ = gdk_event_copy(event);
                holding_ = true;
                startGrab(widget, event);
                return true;
            }
            case GDK_2BUTTON_PRESS:
            case GDK_3BUTTON_PRESS:
                return holding_;
            case GDK_MOTION_NOTIFY:
                if (!holding_) return false;
                client_.motion(int(event->motion.x_root), int(event->motion.y_root),
                               keysOf(event->motion.state));
                return true;
            case GDK_BUTTON_RELEASE: {
                if (!holding_) return false;
                if (event->button.button != 1) return true;
                holding_ = false;
                endGrab();
                releaseTime_ = event->button.time;
                client_.release(int(event->button.x_root), int(event->button.y_root),
                                keysOf(event->button.state));
                if (held_) gdk_event_free(held_);
                held_ = nullptr;
                return true;
            }
            case GDK_KEY_PRESS:
                if (!holding_) return false;
                if (event->key.keyval == GDK_KEY_Escape) client_.escape();
                return true;  // no shortcut acts in the middle of a drag
            case GDK_KEY_RELEASE:
                return holding_;
            default:
                return false;
        }
    }

    void startGrab(GtkWidget* widget, GdkEvent* event) {
        GdkWindow* window = gtk_widget_get_window(widget);
        if (!window) return;
        seat_ = gdk_display_get_default_seat(gtk_widget_get_display(widget));
        if (gdk_seat_grab(seat_, window, GDK_SEAT_CAPABILITY_ALL, FALSE, nullptr, event, nullptr,
                          nullptr) != GDK_GRAB_SUCCESS) {
            seat_ = nullptr;
        }
    }

    void endGrab() {
        if (seat_) gdk_seat_ungrab(seat_);
        seat_ = nullptr;
    }

    PointerClient& client_;
    std::vector<wxWeakRef<wxTopLevelWindow>> watched_;
    GdkEvent* held_ = nullptr;  // the taken press, handed on if it turns out a click
    guint32 releaseTime_ = 0;
    bool holding_ = false;
    bool replaying_ = false;
    GdkSeat* seat_ = nullptr;
};
}  // namespace

std::unique_ptr<PointerCapture> makePointerCapture(PointerClient& client) {
    return std::make_unique<GtkPointerCapture>(client);
}

}  // namespace tessaly
