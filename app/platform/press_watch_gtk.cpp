#include "app/press_watch_wx.h"

#include <wx/toplevel.h>

#include <gtk/gtk.h>

#include <vector>

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
    ~GtkPressWatch() override {
        g_signal_remove_emission_hook(signal_, hook_);
        for (GtkGesture* gesture : gestures_) {
            g_signal_handlers_disconnect_by_data(gesture, this);
            g_object_unref(gesture);
        }
    }

    // A press gesture in the capture phase of the window: GTK runs it on the way down to the
    // control under the pointer, before it finds that control insensitive and drops the press.
    // It never claims the press, so the control still handles it as before.
    void watchWindow(wxWindow* topLevel) override {
        GtkWidget* widget = topLevel ? topLevel->GetHandle() : nullptr;
        if (!widget) return;
        GtkGesture* gesture = gtk_gesture_multi_press_new(widget);
        gtk_gesture_single_set_button(GTK_GESTURE_SINGLE(gesture), 1);
        gtk_event_controller_set_propagation_phase(GTK_EVENT_CONTROLLER(gesture),
                                                   GTK_PHASE_CAPTURE);
        g_signal_connect(gesture, "pressed", G_CALLBACK(&GtkPressWatch::captured), this);
        gestures_.push_back(gesture);
    }

  private:
    static void captured(GtkGestureMultiPress* gesture, gint, gdouble, gdouble, gpointer self) {
        auto* watch = static_cast<GtkPressWatch*>(self);
        const GdkEvent* event = gtk_gesture_get_last_event(
            GTK_GESTURE(gesture),
            gtk_gesture_single_get_current_sequence(GTK_GESTURE_SINGLE(gesture)));
        if (!event || event->type != GDK_BUTTON_PRESS) return;
        if (event->button.time == watch->lastTime_) return;  // seen already
        watch->lastTime_ = event->button.time;
        GtkWidget* widget = gtk_event_controller_get_widget(GTK_EVENT_CONTROLLER(gesture));
        watch->onPress_(int(event->button.x_root), int(event->button.y_root), topLevelOf(widget));
    }

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
        // The same press passed on to a parent, or seen on its way down by a window's gesture.
        if (event->button.time == watch->lastTime_ && widget) return TRUE;
        watch->lastTime_ = event->button.time;
        watch->onPress_(int(event->button.x_root), int(event->button.y_root),
                        topLevelOf(gtk_widget_get_toplevel(widget)));
        return TRUE;  // stay connected
    }

    PressHandler onPress_;
    std::function<void()> onPointer_;
    guint32 lastTime_ = 0;
    guint signal_ = 0;
    gulong hook_ = 0;
    std::vector<GtkGesture*> gestures_;
};

}  // namespace

std::unique_ptr<PressWatch> watchLeftPresses(PressHandler onPress,
                                             std::function<void()> onPointer) {
    return std::make_unique<GtkPressWatch>(std::move(onPress), std::move(onPointer));
}

}  // namespace tessaly
