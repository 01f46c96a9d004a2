#include "app/preview_geometry_wx.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include <algorithm>

namespace tessaly {

namespace {

// The control's top-left corner in the client area of `top`, without asking the display server:
// the toolkit knows where each widget lies inside its window.
std::optional<wxPoint> originIn(wxWindow* control, wxWindow* top) {
    wxWindow* child = control;  // the ancestor (or the control) that lies directly in `top`
    while (child->GetParent() && child->GetParent() != top) child = child->GetParent();
    if (child->GetParent() != top) return std::nullopt;
#ifdef __WXGTK__
    int x = 0;
    int y = 0;
    if (child != control && !gtk_widget_translate_coordinates(
                                static_cast<GtkWidget*>(control->GetHandle()),
                                static_cast<GtkWidget*>(child->GetHandle()), 0, 0, &x, &y)) {
        return std::nullopt;
    }
    return child->GetPosition() + wxPoint(x, y);
#else
    return top->ScreenToClient(control->GetScreenPosition());
#endif
}

std::optional<Rect> intersect(const Rect& a, const Rect& b) {
    const int left = std::max(a.x, b.x);
    const int top = std::max(a.y, b.y);
    const int right = std::min(a.x + a.width, b.x + b.width);
    const int bottom = std::min(a.y + a.height, b.y + b.height);
    if (right < left || bottom < top) return std::nullopt;
    return Rect{left, top, right - left, bottom - top};
}

}  // namespace

std::optional<Rect> VisibleRects::of(wxWindow* control) {
    if (!control || control == top_) return std::nullopt;
    if (auto it = known_.find(control); it != known_.end()) return it->second;
    std::optional<Rect> rect;
    if (control->IsShownOnScreen()) {
        if (const std::optional<wxPoint> origin = originIn(control, top_)) {
            const wxSize size = control->GetSize();
            rect = Rect{origin->x, origin->y, size.x, size.y};
            wxWindow* parent = control->GetParent();
            if (rect && parent && parent != top_) {
                const std::optional<Rect> around = of(parent);
                rect = around ? intersect(*rect, *around) : std::nullopt;
            }
        }
    }
    known_[control] = rect;
    return rect;
}

}  // namespace tessaly
