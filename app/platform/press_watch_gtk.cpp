#include "app/press_watch_wx.h"

#include <wx/toplevel.h>

#include <gtk/gtk.h>

namespace tessaly {

namespace {

wxWindow* topLevelOf(GtkWidget* widget) {
    for (wxWindow* w : wxTopLevelWindows) {
        if (w->GetHandle() == widget) return w;
    }
    return nullptr;
}

// GTK emits "event" on the widget under the pointer before its own handlers see the press, then
// on each parent the press is passed on to. A hook on that signal sees every press, also those a
// native widget keeps to itself; the first emission of each press counts.
class GtkPressWatch : public PressWatch {
  public:
    GtkPressWatch(PressHandler onPress, std::function<void()> onPointer)
        : onPress_(std::move(onPress)), onPointer_(std::move(onPointer)) {
        g_type_class_unref(g_type_class_ref(GTK_TYPE_WIDGET));  // its signals exist from here on
        signal_ = g_signal_lookup("event", GTK_TYPE_WIDGET);
        hook_ = g_signal_add_emission_hook(signal_, 0, &GtkPressWatch::hook, this, nullptr);
    }
    ~GtkPressWatch() override { g_signal_remove_emission_hook(signal_, hook_); }

  private:
    static gboolean hook(GSignalInvocationHint*, guint count, const GValue* params, gpointer self) {
        if (count < 2) return TRUE;
        auto* widget = static_cast<GtkWidget*>(g_value_get_object(&params[0]));
        auto* event = static_cast<GdkEvent*>(g_value_get_boxed(&params[1]));
        auto* watch = static_cast<GtkPressWatch*>(self);
        if (!event) return TRUE;
        if (event->type == GDK_MOTION_NOTIFY || event->type == GDK_ENTER_NOTIFY ||
            event->type == GDK_LEAVE_NOTIFY) {
            if (watch->onPointer_) watch->onPointer_();
            return TRUE;
        }
        if (event->type != GDK_BUTTON_PRESS || event->button.button != 1) return TRUE;
        if (event->button.time == watch->lastTime_ && widget && watch->lastEvent_ == event) {
            return TRUE;  // the same press passed on to a parent
        }
        watch->lastTime_ = event->button.time;
        watch->lastEvent_ = event;
        watch->onPress_(int(event->button.x_root), int(event->button.y_root),
                        topLevelOf(gtk_widget_get_toplevel(widget)));
        return TRUE;  // stay connected
    }

    PressHandler onPress_;
    std::function<void()> onPointer_;
    guint32 lastTime_ = 0;
    const GdkEvent* lastEvent_ = nullptr;
    guint signal_ = 0;
    gulong hook_ = 0;
};

}  // namespace

std::unique_ptr<PressWatch> watchLeftPresses(PressHandler onPress,
                                             std::function<void()> onPointer) {
    return std::make_unique<GtkPressWatch>(std::move(onPress), std::move(onPointer));
}

}  // namespace tessaly
